// SPDX-License-Identifier: GPL-3.0-or-later
// Parallel LC trap of a multiband antenna: L and C of the wanted reactance at the resonance, and
// two ways to make the capacitor (double-sided board at 3.5 pF/cm², 6 mm coax at 101 pF/m).
#pragma once

#include <QString>

namespace boite {

struct Trappe {
    bool calculee = false;  // false: a value beyond a single, the texts say so
    float pulsation = 0;    // 2 pi F
    float inductance = 0;   // µH
    float capacite = 0;     // pF
    float surface = 0;      // cm² of board
    QString texteL, texteC, texteCapacite;
};
Trappe calculerTrappe(float frequence, float reactance);

}  // namespace boite
