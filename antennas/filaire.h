// SPDX-License-Identifier: GPL-3.0-or-later
// Wire antennas: the eight types of the wire tab, dimensioned from the tuning frequency by fixed
// fractions of the wavelength 300 / F, times the shortening factor.
#pragma once

#include "antennas/commun.h"

#include <QString>

namespace antennes {

enum TypeFilaire {
    GroundPlane = 0,  // quarter-wave whip
    Dipole = 1,       // centre-fed half wave
    Windom = 2,       // Conrad Windom, fed at one third
    G5rv = 3,         // three half waves with a half-wave twin line
    T2fd = 4,         // W3HH terminated folded dipole
    DemiOnde = 5,     // half-wave end-fed wire (Zeppelin)
    Loop = 6,         // full-wave loop
    Bazooka = 7,      // double bazooka
};
constexpr int kTypesFilaires = 8;

// The title of a type's results (their line 0, "Antenne quart d'onde."); empty for no type.
QString titreFilaire(int type);

struct EntreeFilaire {
    int type = GroundPlane;
    float frequence = 0;        // MHz, usable (frequenceUtilisable)
    float facteur = 0.95f;      // shortening factor k
    float facteurVelocite = 0;  // of the twin lead (G5RV) or coaxial cable (double bazooka)
    QString cable;              // its name, as the cable list shows it
};

struct ResultatFilaire {
    float longueurOnde = 0;   // 300 / F
    float ondeEntiere = 0;    // the same, for the T2FD and the loop
    float quartOnde = 0;      // 75 / F
    float demiOnde = 0;       // 150 / F
    float troisDemiOndes = 0; // 450 / F
    float longueurLignesCoaxiales = 0;  // double bazooka stubs, VF x L
    float longueur = 0;       // main length L of the type, metres
    float longueurLigne = 0;  // G5RV: its half-wave matching line, VF x wavelength / 2
    float filA = 0;           // T2FD: wire A (the spacing of its two wires), 3 / F
    float filB = 0;           // T2FD: wire B (each half of its length), 50 / F
    Lignes lignes;            // 0..12
    QString image;            // picture of the type
};

// The shortening factor that choosing a type sets, and whether the type is fed through a cable
// chosen in the cable list (twin leads for the G5RV, coaxial cables for the double bazooka).
float facteurDuType(int type);
bool typeAvecCable(int type);

// The velocity factor at the end of a cable's name ("... CV:0.66" gives 0.66).
float facteurVelociteDe(const QString &cable);

ResultatFilaire calculerFilaire(const EntreeFilaire &e);

}  // namespace antennes
