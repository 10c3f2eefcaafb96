// Yagi antennas: element lengths, spacings and boom of four book designs (three, four and five
// elements of one book, nine elements of another).
#pragma once

#include "antennas/commun.h"

namespace antennes {

constexpr int kModelesYagi = 4;

struct EntreeYagi {
    int modele = 0;       // 0..3
    float frequence = 0;  // MHz, usable (frequenceUtilisable)
    int bande = 0;        // band combo index 0..13, for the boom allowance
};

struct ResultatYagi {
    float longueurOnde = 0;  // 300 / F
    float boom = 0;          // allowance + boom factor x wavelength
    Lignes lignes;           // 0..25
};

ResultatYagi calculerYagi(const EntreeYagi &e);

}  // namespace antennes
