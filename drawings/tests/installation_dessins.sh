#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a staging directory and checks that every picture lies with the data files and
# that the desktop icon is in place. Usage: installation_dessins.sh <build dir> <work dir>
set -euo pipefail
build=$1; travail=$2
rm -rf "$travail"; mkdir -p "$travail"
DESTDIR="$travail/racine" cmake --install "$build" --prefix /usr >/dev/null
racine="$travail/racine/usr/share"
manque=0
for f in Ground-Plane.gif Doublet.gif Windom.gif G5rv.gif W3HH.gif Filaire.gif Loop.gif \
         Bazooka.gif Levy.gif Quad.gif Delta-Loop.gif Yagi.gif \
         Antenne-raccourcie-6.bmp Self-Nagaoka-6.bmp Trappe-6.bmp Impedance-ligne-6.bmp \
         Longueur-ligne-6.bmp Transformateur-impedance-6.bmp Filtre-LSerie-6.bmp \
         Filtre-LSerieParal-6.bmp Filtre-PI-6.bmp; do
  cmp -s "$build/bin/$f" "$racine/orvalis/$f" || { echo "FAIL: share/orvalis/$f"; manque=1; }
done
[ -s "$racine/icons/hicolor/scalable/apps/org.orvalis.orvalis.svg" ] ||
  { echo "FAIL: scalable icon"; manque=1; }
rm -rf "$travail"
[ $manque -eq 0 ] && echo "installation_dessins: 1 passed, 0 failed"
exit $manque
