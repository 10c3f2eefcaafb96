// SPDX-License-Identifier: GPL-3.0-or-later
// Networks matching two resistances at one frequency: the L network of "Tuning and Matching"
// (feeder above the antenna resistance), the L network of "Networks" (input below output) and the
// PI network (R1 above R2). Capacitances in pF, inductances in µH, 2 pi taken as 6.28.
#pragma once

#include <QString>

namespace boite {

enum class TypeReseau { LTuningMatching = 0, LNetworks = 1, Pi = 2 };

// What choosing a network type sets: the captions of its two impedances and of Q, the texts and
// values the load and Q start from, its picture, and whether the feeder's tooltip changes.
struct ReglageReseau {
    QString feeder, infoFeeder, charge, texteCharge, q, texteQ;
    float valeurCharge, valeurQ;
    const char *image;
    bool changeInfoFeeder;
};
// The starting point of a network type (0 to 2); null for any other.
const ReglageReseau *reglageReseau(int type);

struct Reseau {
    bool calcule = false;  // false: `texte` is the error text, Q and the values stay as they were
    float q = 0;           // the Q used (computed by the "Networks" L)
    QString texteQ;        // Q with 2 decimals
    QString texte;         // component values, or the error text
};
// ra: source side (feeder, Z1, R1), rb: load side (antenna, Z2, R2), q: loaded Q, f in MHz.
Reseau calculerReseau(TypeReseau type, float ra, float rb, float q, float f);

}  // namespace boite
