// SPDX-License-Identifier: GPL-3.0-or-later
// The smaller calculations on arbitrary inputs: the wire antenna recalculation after a measured
// resonance, the length converter, and the band table rules of the parameters window. Nothing
// crashes; on inputs the windows can give, no text reads nan/inf.
#include "adaptation/recalcul.h"
#include "converter/conversions.h"
#include "shell/core/bandes.h"
#include "tests/fuzz/octets.h"

#include <cmath>
#include <limits>

namespace {

void recalcul(fuzz::Octets &o, bool realiste)
{
    const int type = o.indice(antennes::kTypesFilaires);
    // The designer's frequency, factor and length come from a finished calculation; the measured
    // frequency is typed above 0.
    float F0 = o.simple(), K0 = o.simple(), L0 = o.simple(), Fm = o.simple();
    if (realiste) {
        if (!fuzz::entre(F0, 0.0999f, 3.4e38f)) F0 = 14.2f;
        if (!(K0 >= 0.69f && K0 < 1.1f)) K0 = 0.95f;
        if (!fuzz::positif(L0)) L0 = adaptation::constante(type) / F0 * K0;
        if (!fuzz::positif(Fm)) Fm = 14;
    }
    adaptation::constante(type);
    const auto r = adaptation::recalculer(type, F0, K0, L0, Fm);
    fuzz::texte(adaptation::messageSansCalcul(), "message");
    const int titre = adaptation::typeDepuisTitre(o.texte());
    fuzz::verifier(titre >= -1 && titre < antennes::kTypesFilaires, "type from a title");
    if (!r || !realiste) return;
    for (const QString &t : {r->cadre, r->action, r->legende, r->facteur, r->longueur,
                             adaptation::messagePlausibilite(*r)})
        fuzz::texte(t, "recalculation text");
    fuzz::fini(r->longueurRecalculee, "recalculated length");
    fuzz::fini(r->correction, "correction");
}

void conversion(fuzz::Octets &o, bool realiste)
{
    // The list always has a choice when it converts; the number is a single, 0 or above.
    const int i = o.octet() % conversions::nombre();
    double n = o.double_();
    if (realiste) {
        n = double(float(std::isfinite(n) && std::fabs(n) < 3e38 ? n : 1));
        if (!(n >= 0)) n = 1;
    }
    const double x = conversions::convertir(i, n);
    const QString t = conversions::resultat(i, n);
    if (!realiste) return;
    fuzz::texte(t, "conversion");
    // Feet to metres and back (12 / 39.37 and 39.37 / 12) give the number typed, to a few units
    // in the last place of a double.
    if (i == 0 && std::isfinite(x)) {
        const double retour = conversions::convertir(2, x);
        fuzz::verifier(std::abs(retour - n) <= 4 * std::numeric_limits<double>::epsilon() * std::abs(n),
                       "feet to metres and back", QString::number(retour, 'g', 17));
    }
}

void bandesParametres(fuzz::Octets &o)
{
    const QString saisie = o.texte();
    if (bandes::placable(saisie)) {
        const QString trois = bandes::troisDecimales(saisie);
        fuzz::texte(trois, "three decimals");
        fuzz::verifier(bandes::placable(trois), "three decimals placeable", trois);
        fuzz::verifier(!trois.contains(u' '), "a blank in a table field", trois);
    }
    bandes::dansLaBande(saisie, o.texte(), o.texte());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const uint8_t genre = o.octet();
    const bool realiste = genre & 1;
    switch ((genre >> 1) % 3) {
    case 0: recalcul(o, realiste); break;
    case 1: conversion(o, realiste); break;
    default: bandesParametres(o); break;
    }
    return 0;
}
