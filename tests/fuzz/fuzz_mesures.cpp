// SPDX-License-Identifier: GPL-3.0-or-later
// The measures window's calculations on arbitrary readings: the VSWR and power budget by each
// method, then the radiation resistance and efficiency from what the VSWR run kept. Nothing
// crashes; on readings the window can hold, no text reads nan/inf and what is kept is finite.
#include "measures/rayonnement.h"
#include "measures/vswr.h"
#include "shell/Module1.h"
#include "tests/fuzz/octets.h"

#include <optional>

using namespace mesures;

namespace {
void lu(fuzz::Octets &o, bool realiste, float &valeur)
{
    const float x = o.simple();
    if (!realiste || fuzz::positif(x)) valeur = x;
}

// The readings of the store, as the window hands them to the calculation.
EntreesVswr lectures(const Module1 &m)
{
    EntreesVswr e;
    e.impedanceSource = m.Impedance_Source;
    e.directeSource = m.Puissance_Directe_Source;
    e.reflechieSource = m.Puissance_Reflechie_Source;
    e.affaiblissementCable = m.Affaiblissement_Cable;
    e.directeAntenne = m.Puissance_Directe_Antenne;
    e.reflechieAntenne = m.Puissance_Reflechie_Antenne;
    return e;
}

// The figures a run keeps go into the store, as the window puts them.
void garder(const FiguresGardees &g, Module1 &m)
{
    const std::pair<const std::optional<float> &, float &> figures[] = {
        {g.rosSource, m.ROS_Source},
        {g.tosSource, m.TOS_Source},
        {g.returnLossSource, m.Return_Loss_Source},
        {g.pertesEstimees, m.Pertes_Estimees},
        {g.rosAntenne, m.ROS_Antenne},
        {g.tosAntenne, m.TOS_Antenne},
        {g.directeAntenne, m.Puissance_Directe_Antenne},
        {g.reflechieAntenne, m.Puissance_Reflechie_Antenne},
    };
    for (const auto &[figure, valeur] : figures)
        if (figure) valeur = *figure;
}

void verifierStock(const Module1 &m)
{
    for (float x : {m.ROS_Source, m.TOS_Source, m.Return_Loss_Source, m.Pertes_Estimees, m.ROS_Antenne,
                    m.TOS_Antenne, m.Puissance_Directe_Antenne, m.Puissance_Reflechie_Antenne})
        fuzz::fini(x, "kept figure");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const bool realiste = o.oui();
    Module1 m;
    // Every reading field takes a finite number above 0; the reflected power is checked against the
    // forward power only when typed, so a later forward power can be below it.
    for (float *x : {&m.Impedance_Source, &m.Puissance_Directe_Source, &m.Puissance_Reflechie_Source,
                     &m.Affaiblissement_Cable, &m.Puissance_Directe_Antenne, &m.Puissance_Reflechie_Antenne,
                     &m.Dimension_Brin, &m.Resistance_Mesuree})
        lu(o, realiste, *x);
    // The frequency is typed (0.2 .. 2000) or taken from the band table, whatever the file holds.
    const float f = o.simple();
    if (!realiste || std::isfinite(f)) m.Frequence_Mesure = f;
    static const float facteurs[] = {1, float(50.0 / 36), float(73.0 / 36), float(300.0 / 36)};
    m.Facteur_Type_Antenne = realiste ? facteurs[o.octet() % 4] : o.simple();

    for (int n = 1 + o.octet() % 3; n > 0; --n) {
        const int i = o.indice(4);
        const Methode methode = static_cast<Methode>(realiste ? (i < 0 ? 0 : i % 4) : i);
        const ResultatVswr r = calculerVswr(methode, lectures(m));
        garder(r.gardees, m);
        if (realiste) {
            if (r.rapport) fuzz::texte(*r.rapport, "VSWR report");
            verifierStock(m);
        }
        const bool source = o.oui();
        const ResultatRayonnement ray = calculerRayonnement(m, source);
        if (realiste) {
            for (const QString &t : {ray.texteLongueurOnde, ray.texteRayonnement, ray.textePerte,
                                     ray.texteRendement, ray.texteRendementGlobal})
                fuzz::texte(t, "radiation text");
            if (ray.avertissement) fuzz::texte(*ray.avertissement, "radiation warning");
            if (ray.erreur) fuzz::texte(*ray.erreur, "radiation error");
        }
        // A reading typed again between two runs.
        if (o.oui()) lu(o, realiste, m.Puissance_Directe_Source);
    }
    return 0;
}
