// SPDX-License-Identifier: GPL-3.0-or-later
// Quad and Delta-Loop antennas: element circumferences, spacings, boom and gamma match of eight
// loop designs (one element, radiator and director, radiator and reflector, three elements).
#pragma once

#include "antennas/commun.h"

namespace antennes {

constexpr int kModelesQuad = 8;  // 0..3 Quad, 4..7 Delta-Loop

// Lines 0..7 of design 0..7; the boom is that of the two-element Quads (0 for the others).
ResultatModele calculerQuad(const EntreeModele &e);

}  // namespace antennes
