// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 model on arbitrary inputs: nec2c's output read from any bytes and turned into results,
// and designs built from any dimensions written as decks. Nothing crashes or hangs; an output is
// either read (finite figures, clean summary lines) or refused with a French message; a design is
// either refused or written as cards nec2c can read (no nan/inf, no line over 132 columns).
#include "antennas/filaire.h"
#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "dipole/calcul.h"
#include "modele/carte.h"
#include "modele/resultats.h"
#include "modele/sortie.h"
#include "tests/fuzz/octets.h"

using namespace modele;

namespace {

void sortie(const uint8_t *data, size_t size)
{
    const Sortie s = lireSortie(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    fuzz::verifier(s.erreur.isEmpty() != s.frequences.empty(), "either an error or frequencies");
    fuzz::texte(s.erreur, "output error");
    for (const BlocFrequence &b : s.frequences) {
        fuzz::fini(b.frequence, "frequency");
        fuzz::fini(b.r, "resistance");
        fuzz::fini(b.x, "reactance");
        fuzz::fini(b.rendement, "efficiency");
        for (const PointDiagramme &p : b.diagramme) {
            fuzz::fini(p.theta, "theta");
            fuzz::fini(p.phi, "phi");
            fuzz::fini(p.gain, "gain");
        }
    }
    Conception c;
    c.frequence = 14.2;
    c.directionnelle = size % 2;
    QString erreur;
    const Resultats r = analyser(s, c, 12.78, 15.62, 101, &erreur);
    fuzz::texte(erreur, "analysis error");
    for (const QString &l : r.lignes) fuzz::texte(l, "summary line");
    for (const PointCourbe &p : r.courbe) fuzz::fini(p.ros, "SWR");
}

Conception conception(fuzz::Octets &o)
{
    const bool realiste = o.oui();
    float f = o.simple();
    if (realiste && !(antennes::frequenceUtilisable(f) && f >= 0.1f)) f = 14.2f;
    const Sol sol = Sol(o.octet() % 3);
    switch (o.octet() % 4) {
    case 0: {
        antennes::EntreeFilaire e;
        e.type = o.indice(antennes::kTypesFilaires);
        e.frequence = f;
        e.facteur = realiste ? antennes::facteurDuType(e.type) : o.simple();
        e.cable = o.texte();
        e.facteurVelocite = o.simple();
        return filaire(e, antennes::calculerFilaire(e), sol);
    }
    case 1: {
        const antennes::EntreeModele e{o.indice(antennes::kModelesQuad), f, o.indice(14)};
        return quad(e, antennes::calculerQuad(e));
    }
    case 2: {
        const antennes::EntreeModele e{o.indice(antennes::kModelesYagi), f, o.indice(14)};
        return yagi(e, antennes::calculerYagi(e));
    }
    default: {
        dipole::Entrees e;
        e.frequence = f;
        e.dimensionA = o.simple();
        e.dimensionB = o.simple();
        e.diametreFil = o.simple();
        e.dipole = o.oui();
        return dipoleRaccourci(e, dipole::calculer(e), sol);
    }
    }
}

void carteDe(fuzz::Octets &o)
{
    Conception c = conception(o);
    if (o.oui()) c = echelle(c, o.double_());
    const Environnement env{Sol(o.octet() % 3), o.double_(), o.double_()};
    const QString refuse = refus(c, env);
    fuzz::texte(refuse, "refusal");
    if (!refuse.isEmpty()) return;
    const QByteArray k = carte(c, env, c.frequence * 0.9, c.frequence * 1.1, 1 + o.octet(), 1 + o.octet() % 90);
    fuzz::texte(QString::fromLatin1(k), "deck");
    for (const QByteArray &l : k.split('\n')) fuzz::verifier(l.size() <= 132, "deck line length", QString::fromLatin1(l));
    fuzz::texte(ligneCorrigee(c), "trimmed dimension");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    if (size == 0) return 0;
    if (data[0] & 1) {
        sortie(data + 1, size - 1);
    } else {
        fuzz::Octets o(data + 1, size - 1);
        carteDe(o);
    }
    return 0;
}
