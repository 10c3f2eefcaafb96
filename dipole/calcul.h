// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded (coil-shortened) dipole: two equal coils, one in each arm at the same distance from
// the feed point, bring a dipole shorter than a half wave back to resonance. A quarter-wave
// radiator over ground is worked as one arm of a dipole twice its length.
//
// Everything is worked in feet, inches and MHz and converted back for display. The calculation
// returns the texts the window shows, so that it can be run and checked without any window.
#pragma once

#include <QString>
#include <array>

struct Module1;

namespace dipole {

// Meaning of the wire-size number.
enum class UniteFil { AWG, Pouces, Millimetres };

struct Entrees {
    float frequence = 7.1f;    // f, centre frequency in MHz
    float dimensionA = 30;     // dipole: tip to tip; quarter wave: the radiator
    float dimensionB = 3.5f;   // feed point to each coil
    float diametreFil = 14;    // AWG number, inches or millimetres after uniteFil
    UniteFil uniteFil = UniteFil::AWG;
    bool metres = false;       // lengths in metres instead of feet
    bool dipole = true;        // false: quarter-wave radiator
};

enum class Issue {
    Calcule,         // every output written
    BobineTropLoin,  // coil at or beyond the arm's end: note only, C and L emptied, grid kept
    TropLong,        // shortened length not short enough: note only, grid emptied with its headers
    Impossible,      // the inputs make the arithmetic impossible: note says why, everything emptied
};

// One trial coil position (10 % .. 90 % of the arm), in the program's working units.
struct Position {
    float b = 0;   // coil distance, feet
    float L = 0;   // inductance, µH
    float d = 0;   // coil diameter, inches
    float l = 0;   // coil length, inches
    float N = 0;   // turns needed
    float F = 0;   // self-resonant frequency, MHz
    float Q = 0;   // effective quality factor
};

constexpr int kPositions = 9;
constexpr int kColonnes = 9;  // column 0 is the position number

struct Resultat {
    Issue issue = Issue::Impossible;
    QString note;        // Text7
    QString dimensionC;  // Text4
    QString inductance;  // Text5
    // Rows 1..9 of the grid (index 0..8), columns 1..8 (index 0..7).
    std::array<std::array<QString, kColonnes - 1>, kPositions> lignes{};

    // The working values, for whoever wants to look closer.
    double T = 0, a = 0, b = 0;  // equivalent dipole, arm, user's coil distance, feet
    float D = 0;                 // wire diameter, inches
    double R = 0, K = 0;         // half wave over wire diameter; shortening factor
    float M = 0;                 // full-size half-wave length, feet
    double Lu = 0;               // inductance of the user's coil, µH
    std::array<Position, kPositions> positions{};
    // The user's coil at b (b in feet, L = Lu in µH), wound as the positions' coils; d, l, N, F
    // and Q stay 0 when no coil can be wound for it. Filled when the issue is Calcule.
    Position bobine;
};

// The header row of the positions grid and the position numbers of its column 0.
extern const std::array<const char16_t *, kColonnes> kEnTetes;

// The warning shown when the dimension or wire-size fields are empty.
QString messageChampsManquants();

Resultat calculer(const Entrees &e);

// The frequency and sizes as the program-wide store holds them (the units and the antenna's form
// are the window's choices: the defaults here).
Entrees entrees(const Module1 &m);

// The building blocks, exposed for the tests.

// Diameter in inches of AWG gauges 1..40; slots 0 and 41 hold 0.
std::array<float, 42> tableAwg();
// Wire diameter in inches, 0 when the size cannot be used (AWG number outside 1..40).
float diametrePouces(float w, UniteFil unite);
// Shortening factor from R, the free-space half wave over the wire diameter (last matching row).
double facteurK(double R);
// Inductance in µH of a coil x feet from the feed point of an arm a feet long.
double inductance(double P, double f, double a, double D, double x);
// The effective quality factor of a coil: Q reduced by its self-capacitance Cs when resonating
// X = Cr - Cs; 0 when the coil already resonates at or below the frequency.
float qualiteEffective(double Q, double Cs, double X);

// A single-layer coil whose length is half its diameter, turns spaced twice the wire diameter.
struct Self {
    enum class Echec {
        Aucun,
        TropFaible,  // even a one-inch coil holds more turns than needed: the diameter reaches 0
        Demesuree,   // the search does not settle within a sane coil size
    };
    float d = 0, l = 0, u = 0, N = 0;
    Echec echec = Echec::Aucun;
};
Self concevoirSelf(float L, float D);

}  // namespace dipole
