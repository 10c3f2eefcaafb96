#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, only those missing; further
# packages named as arguments too (the fuzzing script asks for clang's).
set -euo pipefail
# poppler-utils: the tests read the exported PDF documents back with pdftotext. Qt Charts needs
# the OpenGL module's development files, which its package does not pull in.
paquets=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libgif-dev fonts-dejavu-core
         xvfb xauth libbenchmark-dev locales poppler-utils)
# Qt's own texts (buttons of message boxes, file dialogs) in French; the NEC-2 engine that models
# the designs, run as a separate program.
paquets+=(qt6-translations-l10n nec2c)
# The package test: cpack needs dpkg-shlibdeps; the validators and what lintian calls.
paquets+=(dpkg-dev file man-db lintian desktop-file-utils appstream)
# The end-to-end suite (tests/e2e): pytest, the AT-SPI reader and bus, D-Bus, X input.
paquets+=(python3 python3-pytest python3-pyatspi at-spi2-core dbus xdotool imagemagick)
manquants=()
paquets+=("$@")
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation de : ${manquants[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

# The glibc locales the tests run under: the program's users are French; German also writes a
# comma; US English a point.
locales=(fr_FR.UTF-8 de_DE.UTF-8 en_US.UTF-8)
absentes=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || absentes+=("$l")
done
if [ ${#absentes[@]} -gt 0 ]; then
  echo "Génération des locales : ${absentes[*]}"
  for l in "${absentes[@]}"; do
    grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi
