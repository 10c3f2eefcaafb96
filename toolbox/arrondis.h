// SPDX-License-Identifier: GPL-3.0-or-later
// Small rules shared by the toolbox calculators.
#pragma once

#include <QString>
#include <cmath>

namespace boite {

// The whole number of turns: the fraction is dropped when it is one half or less, otherwise the
// number goes up (7.5 gives 7, 7.51 gives 8). The half is added in single precision.
inline float entierDemiBas(float x)
{
    const float i = std::floor(x);
    return float(double(i) + 0.5) >= x ? i : i + 1;
}

// Shown in place of a result that a single-precision value cannot hold.
inline QString horsLimites() { return QStringLiteral("Résultat hors des limites du calcul"); }

}  // namespace boite
