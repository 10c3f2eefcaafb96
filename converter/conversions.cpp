// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/conversions.h"

#include "shell/core/nombres.h"
#include "shell/core/unites.h"

#include <array>

namespace conversions {

namespace {

struct Conversion {
    const char16_t *entree;
    double (*calcul)(double);
    int decimales;
    const char *unite;
};

// Each formula is computed in the order it is written.
const std::array<Conversion, 6> kConversions = {{
    {u"Feet en Mètres", [](double n) { return unites::piedsEnMetres(n); }, 4, " M"},
    {u"Inches en Mètres", [](double n) { return n * 25.4 / 1000; }, 4, " M"},
    {u"Mètres en Feet", [](double n) { return unites::metresEnPieds(n); }, 5, " Ft"},
    {u"Mètres en Inche", [](double n) { return unites::metresEnPouces(n); }, 5, " In"},
    {u"MiliMètres en Inches", [](double n) { return n / 25.4; }, 5, " In"},
    {u"Milimètres en Feet", [](double n) { return n / 25.4 / 12; }, 5, " Ft"},
}};

}  // namespace

QStringList entrees()
{
    QStringList l;
    for (const Conversion &c : kConversions) l << QString::fromUtf16(c.entree);
    return l;
}

int nombre() { return int(kConversions.size()); }

double convertir(int index, double n) { return kConversions.at(size_t(index)).calcul(n); }

QString resultat(int index, double n)
{
    const Conversion &c = kConversions.at(size_t(index));
    return nombres::fixe(c.calcul(n), c.decimales) + QLatin1String(c.unite);
}

}  // namespace conversions
