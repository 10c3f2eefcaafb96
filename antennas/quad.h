// Quad and Delta-Loop antennas: element circumferences, spacings, boom and gamma match of eight
// loop designs (one element, radiator and director, radiator and reflector, three elements).
#pragma once

#include "antennas/commun.h"

namespace antennes {

constexpr int kModelesQuad = 8;  // 0..3 Quad, 4..7 Delta-Loop

struct EntreeQuad {
    int modele = 0;       // 0..7
    float frequence = 0;  // MHz, usable (frequenceUtilisable)
    int bande = 0;        // band combo index 0..13, for the boom allowance
};

struct ResultatQuad {
    float longueurOnde = 0;  // 300 / F
    float boom = 0;          // boom of the two-element Quad designs (0 for the others)
    Lignes lignes;           // 0..7
    QString image;
};

ResultatQuad calculerQuad(const EntreeQuad &e);

}  // namespace antennes
