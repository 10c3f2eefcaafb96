// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded dipole on arbitrary inputs, and the table of retained solutions written to its file
// and read back. Nothing crashes or hangs; on inputs the window can give, no text reads nan/inf;
// a row that the file can hold comes back as it was written.
#include "dipole/calcul.h"
#include "dipole/tableau.h"
#include "shell/core/Module1.h"
#include "shell/core/fichiers.h"
#include "tests/fuzz/octets.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

void calcul(fuzz::Octets &o, bool realiste)
{
    dipole::Entrees e;
    e.frequence = o.simple();
    e.dimensionA = o.simple();
    e.dimensionB = o.simple();
    e.diametreFil = o.simple();
    const int unite = o.indice(3);
    e.uniteFil = static_cast<dipole::UniteFil>(realiste ? (unite < 0 ? 0 : unite % 3) : unite);
    e.metres = o.oui();
    e.dipole = o.oui();
    if (realiste) {
        // The entry fields take finite numbers above 0 only.
        for (float *x : {&e.frequence, &e.dimensionA, &e.dimensionB, &e.diametreFil})
            if (!fuzz::positif(*x)) *x = 1;
    }
    const dipole::Resultat r = dipole::calculer(e);
    if (!realiste) {
        dipole::diametrePouces(o.simple(), static_cast<dipole::UniteFil>(o.indice(3)));
        dipole::facteurK(o.double_());
        dipole::inductance(o.double_(), o.double_(), o.double_(), o.double_(), o.double_());
        dipole::qualiteEffective(o.double_(), o.double_(), o.double_());
        dipole::concevoirSelf(o.simple(), o.simple());
        return;
    }
    fuzz::texte(r.note, "note");
    fuzz::texte(r.dimensionC, "dimension C");
    fuzz::texte(r.inductance, "inductance");
    for (const auto &ligne : r.lignes)
        for (const QString &t : ligne) fuzz::texte(t, "grid cell");
    fuzz::texte(dipole::messageChampsManquants(), "missing fields message");
}

// A solution row as the window keeps it, in the file and back through the start-up reader.
void tableau(fuzz::Octets &o)
{
    static QTemporaryDir dir;
    Module1 m;
    demarrer(m, dir.path());
    solutions::effacer(m.Tableau_Solutions);
    for (int r = 1; r <= Module1::kMaxSolutions; ++r)
        m.Tableau_Solutions[r][0] = QStringLiteral("Ligne%1").arg(r);
    const int remplies = o.octet() % (Module1::kMaxSolutions + 2);
    for (int n = 0; n < remplies; ++n) {
        const int r = solutions::premiereLigneLibre(m.Tableau_Solutions);
        if (r == 0) break;
        solutions::Solution s;
        s.dipole = o.oui();
        s.metres = o.oui();
        s.bande = o.texte(8);
        s.frequence = o.texte(12);
        s.A = o.texte(12);
        s.B = o.texte(12);
        s.C = o.texte(12);
        s.L = o.texte(12);
        const auto champs = solutions::champs(s);
        for (int c = 1; c <= 8; ++c) m.Tableau_Solutions[r][c] = champs[c - 1];
    }
    fuzz::verifier(solutions::premiereLigneLibre(m.Tableau_Solutions) == 0 || remplies <= Module1::kMaxSolutions,
                   "free row after a full table");
    const QStringList lignes = solutions::lignesFichier(m.Tableau_Solutions);
    fuzz::verifier(lignes.size() == Module1::kMaxSolutions, "ten lines");
    fuzz::verifier(fichiers::ecrireLignes(m.Fichier_Tableau, lignes), "solutions file written");
    Module1 relu;
    demarrer(relu, dir.path());
    fuzz::verifier(relu.Nombre_Solutions == Module1::kMaxSolutions, "ten rows read back");
    for (int r = 1; r <= Module1::kMaxSolutions; ++r) {
        const auto &ecrite = m.Tableau_Solutions[r];
        bool representable = !ecrite.back().isEmpty();
        for (const QString &c : ecrite)
            representable = representable && fichiers::depuisWindows1252(fichiers::versWindows1252(c)) == c;
        if (!representable) continue;
        for (int c = 0; c < Module1::kColonnesSolutions; ++c)
            fuzz::verifier(relu.Tableau_Solutions[r][c] == solutions::sansBlanc(ecrite[c]),
                           "solution cell after a save", ecrite[c]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const uint8_t genre = o.octet();
    if (genre % 3 == 2)
        tableau(o);
    else
        calcul(o, genre % 3 == 0);
    return 0;
}
