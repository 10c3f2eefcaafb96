#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a staging directory, starts the installed program with a fresh HOME, and checks
# that it seeds the user's data directory from the installed defaults and leaves the installation
# untouched. Usage: installation.sh <build dir> <work dir>
set -euo pipefail
build=$1; travail=$2
rm -rf "$travail"; mkdir -p "$travail/home"
DESTDIR="$travail/racine" cmake --install "$build" --prefix /usr >/dev/null
racine="$travail/racine/usr"
echec() { echo "FAIL: $*"; exit 1; }
[ -x "$racine/bin/orvalis" ] || echec "bin/orvalis missing"
for f in Bande_bdfcp.dat "Câbles.dat" Tableau.dat; do
  [ -f "$racine/share/orvalis/$f" ] || echec "share/orvalis/$f missing"
done
[ -f "$racine/share/applications/org.orvalis.orvalis.desktop" ] || echec "desktop entry missing"
[ -f "$racine/share/metainfo/org.orvalis.orvalis.metainfo.xml" ] || echec "metainfo missing"
chmod -R a-w "$racine"   # an installation the user cannot write into
avant=$(cd "$racine" && find . -type f -exec md5sum {} + | sort)

lancer() {
  env -i PATH="$PATH" HOME="$travail/home" QT_QPA_PLATFORM=offscreen ORVALIS_QUITTER_AU_REPOS=1 \
    timeout 60 "$racine/bin/orvalis"
}
lancer 2>"$travail/stderr" || echec "the installed program did not start and quit: $(cat "$travail/stderr")"
donnees="$travail/home/.local/share/orvalis/orvalis"
for f in Bande_bdfcp.dat "Câbles.dat" Tableau.dat; do
  cmp -s "$racine/share/orvalis/$f" "$donnees/$f" || echec "$f not seeded in $donnees"
done
# The user's own files are kept on the next start: nothing is copied over them.
printf '1 160 1.810 2.000 1.905 1.850\r\n' > "$donnees/Bande_bdfcp.dat"
lancer 2>/dev/null || echec "second start failed"
[ "$(cat "$donnees/Bande_bdfcp.dat")" = $'1 160 1.810 2.000 1.905 1.850\r' ] || echec "user's band file overwritten"
[ -w "$donnees/Tableau.dat" ] || echec "seeded files are not writable by the user"
apres=$(cd "$racine" && find . -type f -exec md5sum {} + | sort)
[ "$avant" = "$apres" ] || echec "the installation directory changed"
chmod -R u+w "$travail"
echo "installation: 1 passed, 0 failed"
