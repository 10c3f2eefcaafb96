// SPDX-License-Identifier: GPL-3.0-or-later
// The Levy antenna: which lengths of tuned twin line put a current maximum (or, to avoid, a
// voltage maximum) at the tuner end of a centre-fed dipole of any length. Worked in feet; shown
// in feet or in metres.
#pragma once

#include <QString>
#include <array>

namespace antennes {

// Length choices of the "Longueur souhaité" list: 0 keeps the typed length, 1..5 are presets.
constexpr int kChoixLevy = 6;
// Twin lines of the velocity-factor list.
constexpr int kLignesLevy = 4;

// Unit conversions of the Levy length (single results).
float piedsEnMetres(float pieds);
float metresEnPieds(float metres);

// The velocity factor of twin line `ligne` (0..3).
double facteurLigneLevy(int ligne);

struct EntreeLevy {
    float frequence = 0;  // lowest frequency used, MHz, usable (frequenceUtilisable)
    float longueur = 0;   // dipole length L+L in the current unit
    int choix = 0;        // length choice; 0 (or none, -1) keeps `longueur`
    int ligne = 0;        // twin line 0..3
    bool metres = false;  // unit: metres, otherwise feet
};

struct ResultatLevy {
    float longueur = 0;          // the dipole length after the choice, in the current unit
    QString texteLongueur;       // the length field: "42,40 ft" / "12,92 m"
    QString texteFrequence;      // the frequency field: "14,200 mhz"
    bool tropCourt = false;      // shorter than a quarter wave: only the warning
    double x = 0;                // reduced length, 0.5 <= x < 1.5
    double y = 0;                // first optimal line length, in wavelengths in the line
    std::array<double, 8> optimales{};  // line lengths in feet, current maximum
    std::array<double, 8> aEviter{};    // line lengths in feet, voltage maximum
    QString texte;               // the result box
};

ResultatLevy calculerLevy(const EntreeLevy &e);

}  // namespace antennes
