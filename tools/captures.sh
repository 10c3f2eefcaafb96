#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of every window and tab, to look at or to compare before and after a change:
#   tools/captures.sh <out dir> [build dir]
# Offscreen on a 1366 x 768 screen and on a 2732 x 1536 screen at scale 2 (the same pictures on
# every run, so two runs can be compared byte for byte with cmp).
set -eu
sortie=$1
build=${2:-build}
outil=$build/tests/support/orvalis_capture
ecrans=$(dirname "$0")/../tests/support/ecrans
mkdir -p "$sortie"
capturer() {  # name, screen config, then the capture tool's arguments
    nom=$1 ecran=$2
    shift 2
    QT_QPA_PLATFORM="offscreen:configfile=$ecrans/$ecran.json" \
        "$outil" "$build/bin" "$sortie/$nom.png" "$@" 2>/dev/null || echo "failed: $nom" >&2
}
for ecran in portable haute-densite; do
    capturer "$ecran-principal" "$ecran"
    for n in 0 1 2 3; do capturer "$ecran-Antenne-$n" "$ecran" Antenne onglet=$n; done
    for n in 0 1; do capturer "$ecran-VSWR-$n" "$ecran" VSWR onglet=$n; done
    for n in 0 1 2 3 4 5 6; do capturer "$ecran-Calculs-$n" "$ecran" Calculs onglet=$n; done
    for m in Parametres Adaptations Convertir Dipole_Raccourci Les_Cables Infos; do
        capturer "$ecran-$m" "$ecran" $m
    done
    capturer "$ecran-Tableau" "$ecran" Dipole_Raccourci action=Voir_Tableau
    capturer "$ecran-Adaptation" "$ecran" Antenne bouton=Calculer_Filaire Adaptations
    # The NEC-2 model (nec2c runs): the dipole, the three-element Yagi, the shortened dipole.
    capturer "$ecran-Modele-dipole" "$ecran" Antenne onglet=0 choix=Combo2:1 bouton=Modeliser attendre=Progression_Modele
    capturer "$ecran-Modele-yagi" "$ecran" Antenne onglet=1 bouton=Modeliser attendre=Progression_Modele
    capturer "$ecran-Modele-dipole-raccourci" "$ecran" Dipole_Raccourci bouton=Command1 bouton=Modeliser attendre=Progression_Modele
done
