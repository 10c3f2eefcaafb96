#!/usr/bin/env bash
# Builds everything and runs every test, offscreen (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/construire.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
