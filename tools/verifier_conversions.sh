#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C or C++ library conversion between numbers and text that follows the C library's
# locale appears in the sources (the program, its tests and its tools; not the benchmarks, whose
# figures are developer output). Under French or German settings those read "14.2" as 14 and write
# commas where the program's rules expect a point: numbers go through std::from_chars/to_chars or
# Qt's C-locale conversions, regional forms through QLocale().
set -euo pipefail
racine=${1:-"$(dirname "$0")/.."}
cd "$racine"
motif='\b(strto(d|f|ld|l|ll|ul|ull|imax|umax)|ato(f|i|l|ll)|(v|s|f|sn|vs|vsn|vf)?printf|(s|f|v|vs|vf)?scanf|sto(d|f|ld|i|l|ll|ul|ull)|to_w?string|asprintf|vasprintf|strfmon|strtold_l)[[:space:]]*\(|\b(i|o|w|wi|wo)?stringstream\b|#[[:space:]]*include[[:space:]]*<(sstream|iostream|fstream|iomanip|ostream|istream|strstream)>'
trouves=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.hpp' '*.cc' 2>/dev/null |
          grep -vE '^(bench|build[^/]*)/' | xargs -r grep -nHE "$motif" || true)
if [ -n "$trouves" ]; then
  echo "Locale-dependent number conversions found (use std::from_chars/to_chars, Qt's C-locale"
  echo "conversions or the program's number rules):"
  echo "$trouves"
  exit 1
fi
echo "no locale-dependent number conversion in the sources"
