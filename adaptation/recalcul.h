// SPDX-License-Identifier: GPL-3.0-or-later
// Correcting a wire antenna after its resonance was measured where it is installed: the shortening
// factor the installation really gives, the corrected length, and how much wire to cut or add, and
// where, for each kind of wire antenna of the designer.
#pragma once

#include "antennas/filaire.h"

#include <QString>
#include <optional>

namespace adaptation {

// The types are the designer's wire antenna types (antennes::TypeFilaire).

// The free-space length constant k of a type (metres x MHz): 75 for the quarter wave, 150 for the
// half-wave kinds, 450 for the G5RV, 300 for the loop; 0 for the T2FD, which is never corrected.
float constante(int type);

// The type whose result title is `titre` (line 0 of the designer's results); -1 when none.
int typeDepuisTitre(const QString &titre);

enum class Plausibilite { Correcte, TropHaute, TropBasse };

struct Resultat {
    float longueurReference = 0;  // Lr = k / Fm
    float facteurRecalcule = 0;   // K1 = L0 / Lr
    float longueurRecalculee = 0; // L1 = K1 x k / F0
    float correction = 0;         // |L0 - L1|
    bool aSupprimer = true;       // L1 <= L0: cut; otherwise add
    float facteurMaximum = 0;     // K0 x 1.01
    float facteurMinimum = 0;     // K0 / 1.05
    Plausibilite plausibilite = Plausibilite::Correcte;
    bool horsLimites = false;     // a figure beyond a single: the figures are 0, the texts say so

    QString cadre;     // "Longueur à supprimer" or "Longueur à rajouter"
    QString action;    // where and how much, in metres from 1 m up, in centimetres below
    QString legende;   // the kind of antenna
    QString facteur;   // K1 with 2 decimals
    QString longueur;  // L1 with 2 decimals and " m"
};

// The recalculation for type `type` from the wanted frequency F0, the factor K0 and the length L0
// of the designer and the measured resonance Fm. None for the T2FD, an unknown type, or
// frequencies that are not above 0.
std::optional<Resultat> recalculer(int type, float F0, float K0, float L0, float Fm);

// The messages of the window.
QString messageSansCalcul();
QString messageHorsLimites();
QString messageT2FD();
QString messageFrequenceAbsente();
QString messageG5RV();
// Empty when the factor is plausible.
QString messagePlausibilite(const Resultat &r);

}  // namespace adaptation
