#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing; further
# packages named as arguments too (the fuzzing script asks for clang's).
set -euo pipefail
paquets=(g++ cmake ninja-build qt6-base-dev libgl-dev libgif-dev fonts-dejavu-core xvfb xauth libbenchmark-dev)
manquants=()
paquets+=("$@")
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installation de : ${manquants[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
