#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks optimised in build-bench/ and prints the program's figures, offscreen:
# every calculation, the windows' opening and handlers, then start-up against a bare Qt window.
# Arguments go to both Google Benchmark programs (e.g. --benchmark_filter=Form8).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependances.sh
if [ ! -f build-bench/build.ninja ]; then
  lanceur=()
  command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release "${lanceur[@]}"
fi
cmake --build build-bench -j "$(nproc)" --target bench_calculs bench_fenetres bench_demarrage bench_modele
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
echo "== Calculations (goal: each under 50 µs)"
build-bench/bench/bench_calculs "$@"
echo "== Windows (goals: opening under 30 ms, a handler that rewrites a window under 2 ms)"
build-bench/bench/bench_fenetres "$@"
echo "== Start-up (goals: within 1.2x the time and 1.3x the peak memory of a bare Qt window)"
build-bench/bench/bench_demarrage "${ORVALIS_BENCH_RUNS:-15}"
echo "== NEC-2 model (goals: click to results within 1.2x nec2c alone, no event-loop stall over 50 ms)"
build-bench/bench/bench_modele
