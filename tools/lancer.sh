#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it from the build tree (data files beside the executable).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/construire.sh
exec build/bin/orvalis "$@"
