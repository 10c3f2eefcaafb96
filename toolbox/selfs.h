// SPDX-License-Identifier: GPL-3.0-or-later
// Loading coil of a shortened vertical whip, and single-layer air coils (Wheeler's multilayer
// formula in centimetres, the winding depth taken as one wire diameter).
#pragma once

#include <QString>

namespace boite {

struct Fouet {
    float longueurOnde = 0;   // 300 / F (m)
    QString quartOnde;        // the quarter-wave height 71.25 / F, "1,43 m"
    bool tropHaut = false;    // taller than 0.95 of a quarter wave: only the warning, no coil
    QString avertissement;    // text of the warning box when tropHaut
    QString self;             // the loading-coil inductance "0,92 µH", or why it has none
};
Fouet calculerFouet(float frequence, float hauteur);

struct Self {
    bool realisable = true;
    QString avertissement;     // why the coil cannot be wound (turns mode)
    float longueur = 0;        // l (cm)
    float longueurFil = 0;     // w (m)
    float spires = 0;          // n, a whole number in turns mode
    bool spiresConnues = true; // false when n is beyond a single: Nombre_Spires keeps its value
    float inductance = 0;      // L (µH)
    QString rapport;           // spacing ratio ("2", "1", or l / m with 1 decimal)
    QString texteLongueur, texteFil, texteSpires, texteInductance;
};
// Inductance mode: diameters D and d (cm), n turns, spaced (one wire diameter between turns) or
// close-wound.
Self calculerInductance(float D, float d, float n, bool espacees);
// Turns mode: diameters D and d, coil length l (cm) and inductance L (µH) wanted.
Self calculerSpires(float D, float d, float l, float L);

// The coil length proposed after the wanted inductance went from L0 to L1 (length l0 before):
// longer for a larger inductance, 0.286 of it for a smaller one. With no previous inductance, or a
// length beyond a single, the previous length is kept.
float longueurProposee(float l0, float L0, float L1);

}  // namespace boite
