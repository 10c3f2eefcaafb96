// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/lignes.h"

#include "shell/core/nombres.h"
#include "toolbox/arrondis.h"

#include <cmath>

namespace boite {

namespace {

// log10 of the ratio k D / d. The ratio is taken in single precision, or in double where a single
// cannot hold it (a shield of 1E-45 mm).
double log10Rapport(float k, float D, float d)
{
    const float r = k * D / d;
    const double x = (std::isfinite(r) && r > 0) ? double(r) : double(k) * D / d;
    return std::log(x) / std::log(10.0);
}

}  // namespace

Impedance impedanceLigne(TypeLigne type, float d, float D, float er, float precedente)
{
    double z = precedente;
    switch (type) {
    case TypeLigne::Coaxiale: z = 138.0 / std::sqrt(double(er)) * log10Rapport(1, D, d); break;
    case TypeLigne::Bifilaire: z = 276.0 / std::sqrt(double(er)) * log10Rapport(2, D, d); break;
    case TypeLigne::FilEtMasse: z = 138.0 * log10Rapport(4, D, d); break;
    case TypeLigne::Aucune: break;
    }
    Impedance r;
    r.valeur = std::isfinite(float(z)) ? float(z) : precedente;
    r.texte = std::isfinite(float(z)) ? nombres::fixe(double(r.valeur), 2) + QStringLiteral(" Ohms")
                                      : horsLimites();
    return r;
}

Balun calculerBalun(float zEntree, float zSortie, float spiresPrimaire)
{
    Balun b;
    const float rapport = zSortie / zEntree;
    const float ns = float(std::sqrt(double(rapport)) * double(spiresPrimaire));
    if (!std::isfinite(rapport) || !std::isfinite(ns)) {
        b.texte = horsLimites();
        return b;
    }
    b.calcule = true;
    b.rapport = rapport;
    b.spires = entierDemiBas(ns);
    b.texte = nombres::montrer(b.spires);
    return b;
}

}  // namespace boite
