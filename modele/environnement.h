// SPDX-License-Identifier: GPL-3.0-or-later
// Where a design is modelled: free space, average ground or perfect ground, the height of its
// horizontal antennas and the diameter of its wires. Verticals stand on the ground (their base at
// z = 0); in free space every design keeps the coordinates it was built with.
#pragma once

#include <QString>

namespace modele {

struct Conception;

enum class Sol {
    EspaceLibre,  // no ground at all
    Moyen,        // average ground: Sommerfeld-Norton, relative permittivity 13, 0.005 S/m
    Parfait,      // perfectly conducting ground
};

struct Environnement {
    Sol sol = Sol::EspaceLibre;
    double hauteur = 10;   // metres: height of a horizontal design's centre over the ground
    double diametre = 2;   // mm: the wires' diameter, where the design does not give its own
};

// The average ground the engine is given (NEC's GN 2, Sommerfeld-Norton).
constexpr double kPermittiviteSolMoyen = 13;
constexpr double kConductiviteSolMoyen = 0.005;  // S/m
// Copper, the conductivity of every wire.
constexpr double kConductiviteCuivre = 5.8e7;    // S/m

// Why the design cannot be modelled in that environment, as a French sentence; empty when it can.
// Refused: a design that has nothing to model, non-finite figures, a horizontal design at no
// height over ground (or reaching into it), a diameter of 0 or less, a diameter at least the
// smallest spacing between two parallel wires, wires too thick for their segments. Nothing refused
// is ever sent to the engine.
QString refus(const Conception &c, const Environnement &env);

}  // namespace modele
