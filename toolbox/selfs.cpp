// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/selfs.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "toolbox/arrondis.h"

#include <cmath>

using constantes::kPi;
using constantes::kSautLigne;

namespace boite {

using nombres::fixe;

Fouet calculerFouet(float F, float H)
{
    Fouet r;
    r.longueurOnde = 300.0f / F;
    // The warning compares with 0.95 of a quarter wave, the angle uses the whole wave.
    const double quart = 71.25 / double(F);
    r.quartOnde = fixe(quart, 2) + QStringLiteral(" m");
    if (double(H) > quart) {
        r.tropHaut = true;
        r.avertissement = QStringLiteral("La hauteur de cette antenne ne peut pas être") + kSautLigne
                          + QStringLiteral(" supérieur à un quart d'onde");
        return r;
    }
    const float k = 63.0f / F;
    const float degres = H / r.longueurOnde * 360.0f;
    const float angle = degres * kPi / 180.0f;
    const double self = double(k) / std::tan(double(angle));
    // A whip so short that its electrical angle vanishes in single precision has no coil.
    r.self = std::isfinite(self) ? fixe(self, 2) + QStringLiteral(" µH")
                                 : QStringLiteral("Hauteur trop faible pour cette fréquence");
    return r;
}

namespace {

double carre(float x) { return double(x) * double(x); }

void ecrireSelf(Self &s)
{
    s.texteLongueur = fixe(double(s.longueur), 2) + QStringLiteral(" cm");
    s.texteFil = fixe(double(s.longueurFil), 2) + QStringLiteral(" m");
    s.texteSpires = nombres::montrer(std::floor(s.spires)) + QStringLiteral(" spires");
    s.texteInductance = fixe(double(s.inductance), 3) + QStringLiteral(" µHenry");
}

}  // namespace

Self calculerInductance(float D, float d, float n, bool espacees)
{
    Self s;
    s.spires = n;
    if (espacees) {
        s.longueur = d + 2.0f * d * n;
        s.rapport = QStringLiteral("2");
    } else {
        s.longueur = d * n + d;
        s.rapport = QStringLiteral("1");
    }
    s.longueurFil = D * n * kPi / 100.0f;
    const float diviseur = 3.0f * D + 9.0f * s.longueur + 10.0f * d;
    s.inductance = float(carre(n) * (carre(D) * 0.08) / double(diviseur));
    ecrireSelf(s);
    return s;
}

Self calculerSpires(float D, float d, float l, float L)
{
    Self s;
    s.longueur = l;
    s.inductance = L;
    const float produit = (3.0f * D + 9.0f * l + 10.0f * d) * L;
    const float n = float(std::sqrt(double(produit) / (carre(D) * 0.08)));
    const QString impossible = QStringLiteral("Cette self n'est pas réalisable.") + kSautLigne;
    if (!std::isfinite(n)) {
        s.realisable = false;
        s.spiresConnues = false;
        s.avertissement = impossible + QStringLiteral("Le nombre de spires dépasse les limites du calcul.");
        return s;
    }
    s.spires = entierDemiBas(n);
    const float close = d * s.spires + d;  // the length of the coil when close-wound
    if (!std::isfinite(close)) {
        s.realisable = false;
        s.avertissement = impossible + QStringLiteral("Le nombre de spires dépasse les limites du calcul.");
        return s;
    }
    if (l < close) {
        s.realisable = false;
        s.avertissement = impossible + QStringLiteral("Sa longueur doit être bien plus grande que ")
                          + nombres::enClair(close) + QStringLiteral(" cm");
        return s;
    }
    s.longueurFil = D * s.spires * kPi / 100.0f;
    s.rapport = fixe(double(l / close), 1);
    ecrireSelf(s);
    return s;
}

float longueurProposee(float l0, float L0, float L1)
{
    double l;
    if (L1 > L0) {
        if (L0 == 0) return l0;
        l = double(l0) * L1 * 0.77 / L0;
    } else {
        l = double(l0) * L1 * 0.286 / L1;
    }
    const float f = float(l);
    return std::isfinite(f) ? f : l0;
}

}  // namespace boite
