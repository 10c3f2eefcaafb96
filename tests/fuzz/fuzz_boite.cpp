// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbox calculators on arbitrary inputs: shortened whip, coils, trap, line impedance, balun,
// cable lengths (with the cable list's blank splitter and velocity cell) and matching networks.
// Nothing crashes or hangs; on inputs the window can give, no text reads nan/inf and every figure
// that is reported as calculated is finite.
#include "shell/core/Module1.h"
#include "tests/fuzz/octets.h"

#include <cmath>
#include "toolbox/adaptateurs.h"
#include "toolbox/cables.h"
#include "toolbox/lignes.h"
#include "toolbox/selfs.h"
#include "toolbox/trappe.h"

using namespace boite;

namespace {

// A field's value: anything in wild mode; otherwise what its acceptance test lets through.
float champ(fuzz::Octets &o, bool realiste, float bas, float haut, float defaut)
{
    const float x = o.simple();
    if (!realiste) return x;
    return fuzz::entre(x, bas, haut) ? x : defaut;
}
constexpr float kSansBorne = 3.4e38f;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const bool realiste = o.oui();
    const Module1 valeurs;

    switch (o.octet() % 8) {
    case 0: {
        const Fouet f = calculerFouet(champ(o, realiste, 0, 1000, 27), champ(o, realiste, 0, kSansBorne, 1));
        if (realiste) {
            fuzz::texte(f.quartOnde, "whip quarter wave");
            fuzz::texte(f.avertissement, "whip warning");
            fuzz::texte(f.self, "whip coil");
        }
        break;
    }
    case 1:
    case 2: {
        const float D = champ(o, realiste, 0, 12, 2), d = champ(o, realiste, 0, 2, 0.1f);
        Self s;
        if (o.oui()) {
            const float n = std::floor(champ(o, realiste, 0, 500, 10));  // the field keeps whole turns
            s = calculerInductance(D, d, n, o.oui());
            // The coil found back: its length and inductance give its turns again.
            if (realiste && n >= 1 && s.inductance >= 0.01f && s.inductance <= 1000) {
                const Self retour = calculerSpires(D, d, s.longueur, s.inductance);
                fuzz::verifier(!retour.spiresConnues || retour.spires == n, "coil turns found back",
                               QString::number(retour.spires) + QStringLiteral(" for ") + QString::number(n));
            }
        } else {
            const float l = champ(o, realiste, 0.0099999f, 100.00001f, 2);
            s = calculerSpires(D, d, l, champ(o, realiste, 0.0099999f, 1000.0001f, 5));
        }
        const float proposee = longueurProposee(o.simple(), o.simple(), o.simple());
        if (realiste) {
            for (const QString &t : {s.avertissement, s.rapport, s.texteLongueur, s.texteFil, s.texteSpires,
                                     s.texteInductance})
                fuzz::texte(t, "coil text");
            if (s.realisable) {
                fuzz::fini(s.longueur, "coil length");
                fuzz::fini(s.inductance, "coil inductance");
                if (s.spiresConnues) fuzz::fini(s.spires, "coil turns");
            }
        }
        (void)proposee;
        break;
    }
    case 3: {
        const Trappe t = calculerTrappe(champ(o, realiste, 0, 1000, 7), champ(o, realiste, 0, kSansBorne, 200));
        if (realiste) {
            for (const QString &x : {t.texteL, t.texteC, t.texteCapacite}) fuzz::texte(x, "trap text");
            if (t.calculee) {
                fuzz::fini(t.inductance, "trap L");
                fuzz::fini(t.capacite, "trap C");
            }
        }
        break;
    }
    case 4: {
        const int genre = o.indice(4);
        const TypeLigne type = static_cast<TypeLigne>(realiste ? (genre < 0 ? 0 : genre % 4) : genre);
        const float d = champ(o, realiste, 0, 50, 1), D = champ(o, realiste, 0, 50000, 4);
        const int i = o.indice(int(valeurs.Constantes_Dielectriques.size()));
        const float er = realiste || i < 0 || i >= int(valeurs.Constantes_Dielectriques.size())
                             ? valeurs.Constantes_Dielectriques[size_t(std::max(0, i) % valeurs.Constantes_Dielectriques.size())]
                             : o.simple();
        float precedente = o.simple();
        if (realiste && !std::isfinite(precedente)) precedente = 0;
        const Impedance z = impedanceLigne(type, d, D, er, precedente);
        if (realiste) fuzz::texte(z.texte, "line impedance");
        const float zIn = champ(o, realiste, 0, kSansBorne, 50), zOut = champ(o, realiste, 0, kSansBorne, 200);
        const Balun b = calculerBalun(zIn, zOut, champ(o, realiste, 0, kSansBorne, 5));
        if (realiste) {
            fuzz::texte(b.texte, "balun");
            if (b.calcule) fuzz::fini(b.spires, "balun turns");
        }
        break;
    }
    case 5:
    case 6: {
        // The velocity factor is typed (0 < cv < 1) or comes from a cell of the cable list.
        const QString ligne = o.texte(200);
        const auto champs = champsCable(ligne);
        QString nom, cellule;
        for (const auto &[colonne, texte] : champs) {
            fuzz::verifier(colonne >= 0 && colonne < kColonnesCables, "cable column", texte);
            // The name is shown as the file spells it; only the figures are checked.
            if (colonne == kColonneNom) nom = fuzz::sansMotInterdit(texte);
            if (colonne == kColonneVelocite) cellule = texte;
        }
        float cv = velociteLue(cellule);
        if (o.oui()) cv = champ(o, realiste, 0, 1, 0.66f);
        if (realiste) fuzz::texte(resumeCable(nom, cv), "cable summary");
        short n = short(o.octet() << 8 | o.octet());
        if (realiste && n <= 0) n = 1;
        const LongueursCable c = calculerCable(champ(o, realiste, 0, 1000, 14), cv, n, nom);
        if (realiste) {
            fuzz::texte(c.texte, "cable lengths");
            if (c.calculees) {
                fuzz::fini(c.onde, "cable wave");
                fuzz::fini(c.demiOnde, "cable half wave");
            }
        }
        break;
    }
    default: {
        const int genre = o.indice(3);
        const TypeReseau type = static_cast<TypeReseau>(realiste ? (genre < 0 ? 0 : genre % 3) : genre);
        const float ra = champ(o, realiste, 0, kSansBorne, 50), rb = champ(o, realiste, 0, kSansBorne, 12);
        const float q = champ(o, realiste, 0.9999999f, kSansBorne, 10);
        const Reseau r = calculerReseau(type, ra, rb, q, champ(o, realiste, 0, kSansBorne, 7));
        if (realiste) {
            fuzz::texte(r.texte, "network");
            fuzz::texte(r.texteQ, "network Q");
            if (r.calcule) fuzz::fini(r.q, "network Q");
        }
        break;
    }
    }
    return 0;
}
