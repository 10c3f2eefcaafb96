// SPDX-License-Identifier: GPL-3.0-or-later
// Radiation resistance, loss resistance and efficiency of a vertical radiator or of one half of
// a dipole, from its length, the transmit frequency and the resistance measured at its feed point;
// the overall efficiency also discounts the power reflected at the last VSWR calculation.
#pragma once

#include <QString>
#include <array>
#include <optional>

struct Module1;

namespace mesures {

// The data of the calculation, in single precision, with the program's defaults.
struct EntreesRayonnement {
    float frequence = 0;           // f, transmit frequency, MHz (0: the band chosen has none)
    float dimensionBrin = 5.02f;   // h, length of one element, m
    float resistanceMesuree = 36;  // Rm, resistance measured at the feed point, ohms
    float facteurType = 1;         // factor of the antenna type (see kTypesAntenne)
    // Reflected percentages left by the last VSWR runs, at the transmitter and at the antenna.
    float tosSource = 0;
    float tosAntenne = 0;

    bool operator==(const EntreesRayonnement &) const = default;
};

struct ResultatRayonnement {
    // Working values (single precision; 0 when not computed).
    float longueurOnde = 0;
    float longueurMaximale = 0;  // 0.95 of a quarter wave
    float nombreOnde = 0;
    float resistanceRayonnement = 0;
    float resistancePerte = 0;
    float rendement = 0;
    float rendementGlobal = 0;

    // Message box shown before the results when the element is too long for the frequency.
    std::optional<QString> avertissement;
    // Message box shown when nothing can be computed; the result texts are then empty.
    std::optional<QString> erreur;

    // Texts of the result fields: wavelength, radiation resistance, loss resistance, antenna
    // efficiency, overall efficiency.
    QString texteLongueurOnde;
    QString texteRayonnement;
    QString textePerte;
    QString texteRendement;
    QString texteRendementGlobal;
};

// Antenna types: the resistance a feed point of that kind usually shows, its nominal impedance
// text, and the factor applied to the radiation resistance of a quarter-wave ground plane.
struct TypeAntenne {
    const char *nom;
    float resistance;
    const char *impedance;
    double facteur;
};
inline constexpr std::array<TypeAntenne, 4> kTypesAntenne{{
    {"Antenne plan de sol", 36, "36 ohms", 1},
    {"Antenne Ground Plane", 50, "50 ohms", 50.0 / 36},
    // The dipole's feed point is set to 75 ohms; its nominal impedance and factor use 73.
    {"Antenne dipôle", 75, "73 ohms", 73.0 / 36},
    {"Antenne trombone", 300, "300 ohms", 300.0 / 36},
}};

// Radiation resistance in ohms of a vertical over perfect ground, referred to its base current,
// for the electrical height hk (radians; 2π h / λ): 36.5 at a quarter wave, 40π²(h/λ)² when short.
// Not a number when it has none (hk of 0, or a whole number of half waves: no base current).
double resistanceRayonnementVerticale(double hk);

// `vueDeLaSource`: the VSWR was measured at the transmitter (the overall efficiency then uses
// tosSource, otherwise tosAntenne).
ResultatRayonnement calculerRayonnement(const EntreesRayonnement &entrees, bool vueDeLaSource);

// The data as the program-wide store holds them.
EntreesRayonnement entreesRayonnement(const Module1 &m);

}  // namespace mesures
