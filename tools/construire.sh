#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds the program and its tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependances.sh
if [ ! -f build/build.ninja ]; then
  lanceur=()
  command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanceur[@]}"
fi
cmake --build build -j "$(nproc)"
