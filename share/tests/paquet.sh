#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the current build tree (cpack strips the binary) and checks it
# as a distribution would: lintian with no error and no warning, the desktop entry and the
# AppStream metainfo it carries clean under desktop-file-validate and appstreamcli --pedantic,
# the manual pages rendered without a warning, and the version of the project named by the
# changelog and by a release of the metainfo. A validator that is not installed is skipped with a
# message (the test then reports itself skipped); any fault fails it.
# Usage: paquet.sh <build dir> <work dir> <project version>
set -uo pipefail
build=$1; travail=$2; version=$3
rm -rf "$travail"; mkdir -p "$travail"
fautes=0; sautes=0
faute() { echo "FAIL: $*"; fautes=$((fautes + 1)); }
saute() { echo "SKIP: $1 is not installed (tools/dependances.sh installs it): $2 not checked"; sautes=$((sautes + 1)); }
export LC_ALL=C.UTF-8

if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
  echo "SKIP: dpkg-deb or dpkg-shlibdeps (package dpkg-dev) is not installed: no package made"
  # Under CI a missing tool is a fault of the set-up, not a reason to check less.
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$travail" >"$travail/cpack.log" 2>&1; then
  cat "$travail/cpack.log"; echo "FAIL: cpack could not make the package"; exit 1
fi
paquet=$(ls "$travail"/orvalis_*.deb 2>/dev/null | head -n 1)
[ -n "$paquet" ] || { cat "$travail/cpack.log"; echo "FAIL: no orvalis_*.deb made"; exit 1; }
echo "package: $(basename "$paquet")"
[ "$(dpkg-deb -f "$paquet" Version)" = "$version" ] || faute "package version is not $version"
racine="$travail/racine"
dpkg-deb -x "$paquet" "$racine"

for f in bin/orvalis share/doc/orvalis/copyright share/doc/orvalis/changelog.gz \
         share/man/man1/orvalis.1.gz share/man/fr/man1/orvalis.1.gz \
         share/applications/org.orvalis.orvalis.desktop \
         share/metainfo/org.orvalis.orvalis.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.orvalis.orvalis.svg \
         share/orvalis/Bande_bdfcp.dat "share/orvalis/Câbles.dat" share/orvalis/Tableau.dat; do
  [ -s "$racine/usr/$f" ] || faute "/usr/$f missing from the package"
done
if command -v file >/dev/null; then
  file -b "$racine/usr/bin/orvalis" | grep -q ', stripped' || faute "bin/orvalis is not stripped"
else
  saute file "the stripping of the binary"
fi

# The project's version is the changelog's latest entry and a release of the metainfo.
premiere=$(zcat "$racine/usr/share/doc/orvalis/changelog.gz" | head -n 1)
[[ "$premiere" == "orvalis ($version) "* ]] || faute "the changelog does not start with version $version: $premiere"
grep -q "<release version=\"$version\"" "$racine/usr/share/metainfo/org.orvalis.orvalis.metainfo.xml" ||
  faute "the metainfo has no release $version"

if command -v man >/dev/null; then
  for page in man1/orvalis.1.gz fr/man1/orvalis.1.gz; do
    avis=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$racine/usr/share/man/$page" 2>&1 >/dev/null)
    [ -z "$avis" ] || faute "man $page: $avis"
  done
else
  saute man "the manual pages"
fi

if command -v lintian >/dev/null; then
  racine_ok=()
  [ "$(id -u)" -ne 0 ] || racine_ok=(--allow-root)
  echo "--- lintian"
  lintian "${racine_ok[@]}" --tag-display-limit 0 --fail-on error,warning "$paquet" ||
    faute "lintian reports errors or warnings"
else
  saute lintian "the package"
fi

if command -v desktop-file-validate >/dev/null; then
  echo "--- desktop-file-validate"
  sortie=$(desktop-file-validate "$racine/usr/share/applications/org.orvalis.orvalis.desktop" 2>&1)
  statut=$?
  [ -z "$sortie" ] || echo "$sortie"
  [ $statut -eq 0 ] && [ -z "$sortie" ] || faute "desktop-file-validate is not silent"
else
  saute desktop-file-validate "the desktop entry"
fi

if command -v appstreamcli >/dev/null; then
  echo "--- appstreamcli validate --pedantic"
  sortie=$(appstreamcli validate --pedantic --no-net \
    "$racine/usr/share/metainfo/org.orvalis.orvalis.metainfo.xml" 2>&1)
  statut=$?
  echo "$sortie"
  # Pedantic remarks do not change the exit status: any remark is a fault here.
  [ $statut -eq 0 ] && ! grep -q '^[EWIP]: ' <<<"$sortie" || faute "appstreamcli has remarks"
else
  saute appstreamcli "the AppStream metainfo"
fi

if [ $fautes -gt 0 ]; then echo "paquet: $fautes fault(s)"; exit 1; fi
if [ $sautes -gt 0 ]; then
  echo "paquet: skipped in part ($sautes validator(s) missing)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
rm -rf "$travail"
echo "paquet: 1 passed, 0 failed"
