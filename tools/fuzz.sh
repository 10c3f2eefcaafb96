#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for a fixed time on its seed corpus (tests/fuzz/corpus/<target>). Usage: tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${1:-60}
tools/dependances.sh clang libclang-rt-14-dev
if [ ! -f build-fuzz/build.ninja ]; then
  CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVALIS_FUZZ=ON -DORVALIS_SANITIZE=ON -DORVALIS_TESTS=OFF
fi
cibles=$(sed -n 's/^orvalis_fuzz(\([a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
cmake --build build-fuzz -j "$(nproc)" --target $cibles
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
for cible in $cibles; do
  corpus=tests/fuzz/corpus/${cible#fuzz_}
  travail=build-fuzz/corpus/${cible#fuzz_}
  mkdir -p "$travail" "$corpus"
  echo "== $cible, $secondes s"
  build-fuzz/tests/fuzz/$cible -max_total_time="$secondes" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 "$travail" "$corpus" 2>&1 | grep -E '^(stat::number_of_executed_units|==|INFO: Running|.*ERROR|.*invariant)' || true
  # (compgen, not ls | grep: under pipefail a missing pattern made the test always false)
  if compgen -G 'crash-*' >/dev/null || compgen -G 'timeout-*' >/dev/null || compgen -G 'oom-*' >/dev/null; then
    echo "$cible: finding written (crash-*/timeout-*/oom-*)"; exit 1
  fi
done
