// SPDX-License-Identifier: GPL-3.0-or-later
// A design handed to the model window: it lays the design out for the ground it is modelled over
// (a ground plane stands on the ground, in free space it has its radials). The designer captures
// its own inputs and results by value, so the design travels as data, not as a window.
#pragma once

#include "modele/conception.h"
#include "modele/environnement.h"

#include <functional>

namespace modele {

using Fabrique = std::function<Conception(Sol)>;

}  // namespace modele
