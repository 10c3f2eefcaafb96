// SPDX-License-Identifier: GPL-3.0-or-later
// The measures window's calculations on arbitrary readings: the VSWR and power budget by each
// method, then the radiation resistance and efficiency from what the VSWR run kept. Nothing
// crashes; on readings the window can hold, no text reads nan/inf and what is kept is finite.
#include "measures/rayonnement.h"
#include "measures/vswr.h"
#include "tests/fuzz/octets.h"

#include <cmath>
#include <limits>

#include <optional>

using namespace mesures;

namespace {
void lu(fuzz::Octets &o, bool realiste, float &valeur)
{
    const float x = o.simple();
    if (!realiste || fuzz::positif(x)) valeur = x;
}

// The figures a run keeps become the data of the next runs, as the window keeps them; each one
// kept is finite.
void garder(const FiguresGardees &g, bool realiste, EntreesVswr &vswr, EntreesRayonnement &rayonnement)
{
    for (const std::optional<float> &x : {g.rosSource, g.tosSource, g.returnLossSource, g.pertesEstimees,
                                          g.rosAntenne, g.tosAntenne, g.directeAntenne, g.reflechieAntenne})
        if (realiste && x) fuzz::fini(*x, "kept figure");
    if (g.tosSource) rayonnement.tosSource = *g.tosSource;
    if (g.tosAntenne) rayonnement.tosAntenne = *g.tosAntenne;
    if (g.directeAntenne) vswr.directeAntenne = *g.directeAntenne;
    if (g.reflechieAntenne) vswr.reflechieAntenne = *g.reflechieAntenne;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const bool realiste = o.oui();
    EntreesVswr v;
    EntreesRayonnement ray;
    // Every reading field takes a finite number above 0; the reflected power is checked against the
    // forward power only when typed, so a later forward power can be below it.
    for (float *x : {&v.impedanceSource, &v.directeSource, &v.reflechieSource, &v.affaiblissementCable,
                     &v.directeAntenne, &v.reflechieAntenne, &ray.dimensionBrin, &ray.resistanceMesuree})
        lu(o, realiste, *x);
    // The frequency is typed (0.2 .. 2000) or taken from the band table, whatever the file holds.
    const float f = o.simple();
    if (!realiste || std::isfinite(f)) ray.frequence = f;
    static const float facteurs[] = {1, float(50.0 / 36), float(73.0 / 36), float(300.0 / 36)};
    ray.facteurType = realiste ? facteurs[o.octet() % 4] : o.simple();

    for (int n = 1 + o.octet() % 3; n > 0; --n) {
        const int i = o.indice(4);
        const Methode methode = static_cast<Methode>(realiste ? (i < 0 ? 0 : i % 4) : i);
        const ResultatVswr r = calculerVswr(methode, v);
        // An SWR is 1 or more, (1 + rho) / (1 - rho) with rho from 0 to 1, when the reflected power
        // is below the forward power. (A forward power typed after the reflected one can be below
        // it: the window then shows a negative SWR, a fault of its own, not checked here.)
        if (realiste && methode == Methode::VueDeLaSource && v.reflechieSource < v.directeSource && r.gardees.rosSource)
            fuzz::verifier(*r.gardees.rosSource >= 1, "SWR at least 1", QString::number(*r.gardees.rosSource));
        if (realiste && r.rapport) fuzz::texte(*r.rapport, "VSWR report");
        garder(r.gardees, realiste, v, ray);
        const bool source = o.oui();
        const ResultatRayonnement res = calculerRayonnement(ray, source);
        if (realiste) {
            for (const QString &t : {res.texteLongueurOnde, res.texteRayonnement, res.textePerte,
                                     res.texteRendement, res.texteRendementGlobal})
                fuzz::texte(t, "radiation text");
            if (res.avertissement) fuzz::texte(*res.avertissement, "radiation warning");
            if (res.erreur) fuzz::texte(*res.erreur, "radiation error");
        }
        // A reading typed again between two runs.
        if (o.oui()) lu(o, realiste, v.directeSource);
    }
    return 0;
}
