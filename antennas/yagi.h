// SPDX-License-Identifier: GPL-3.0-or-later
// Yagi antennas: element lengths, spacings and boom of four book designs (three, four and five
// elements of one book, nine elements of another).
#pragma once

#include "antennas/commun.h"

namespace antennes {

constexpr int kModelesYagi = 4;

// Lines 0..25 of design 0..3.
ResultatModele calculerYagi(const EntreeModele &e);

}  // namespace antennes
