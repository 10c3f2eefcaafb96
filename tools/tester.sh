#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test, offscreen (no display needed): once in build/, once more
# in build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer, which must stay silent, then
# the end-to-end suite on the installed program (it starts its own X server and D-Bus session).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/construire.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"

if [ ! -f build-asan/build.ninja ]; then
  lanceur=()
  command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVALIS_SANITIZE=ON "${lanceur[@]}"
fi
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -E '^(installation|metainfo_valide|paquet)$' "$@"

# The installed program driven from outside, under fr_FR, de_DE and en_US (own Xvfb and D-Bus).
tools/e2e.sh
