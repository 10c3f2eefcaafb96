// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/trappe.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "toolbox/arrondis.h"

#include <cmath>

using constantes::kPi;
using constantes::kSautLigne;

namespace boite {

Trappe calculerTrappe(float F, float X)
{
    Trappe t;
    t.pulsation = 2.0f * kPi * F;
    const float L = X / t.pulsation;
    const float C = float(1000000.0 / double(X * t.pulsation));
    if (!std::isfinite(L) || !std::isfinite(C)) {
        t.texteCapacite = horsLimites();
        return t;
    }
    t.calculee = true;
    t.inductance = L;
    t.capacite = C;
    t.surface = float(double(C) / 3.5);
    const float cable = C / 101.0f;  // metres of coaxial cable
    t.texteL = nombres::fixe(double(L), 2) + QStringLiteral(" µH");
    t.texteC = nombres::fixe(double(C), 2) + QStringLiteral(" pF");
    t.texteCapacite = QStringLiteral("Surface de CI double face de ")
                      + nombres::fixe(double(t.surface), 2) + QStringLiteral(" cm²") + kSautLigne
                      + QStringLiteral("Câble coaxial (6mm à 101pF/m) de ")
                      + nombres::fixe(double(cable), 3) + QStringLiteral(" m");
    return t;
}

}  // namespace boite
