// SPDX-License-Identifier: GPL-3.0-or-later
// The file readers on arbitrary file contents: the three data files filled with the same bytes,
// read into the store, then the band table written back and read again; and the same bytes as an
// antenna analyser's Touchstone file.
#include "adaptation/touchstone.h"
#include "shell/core/Module1.h"
#include "shell/core/fichiers.h"
#include "tests/fuzz/octets.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

using fuzz::verifier;

// A Touchstone file is refused with a message naming it, or gives a sweep of at least three
// increasing frequencies and a resonance within it, all finite, told in a clean text.
void essayerTouchstone(const QByteArray &octets, const QString &nom)
{
    const touchstone::Lecture l = touchstone::lire(octets, nom);
    if (!l.mesure) {
        verifier(!l.erreur.texte.isEmpty() && l.erreur.ligne >= 0, "Touchstone refused without a reason");
        // What the message quotes between « » is the file's own text ("« nan(1) » n'est pas une
        // valeur finie"): only the rest is the program's.
        QString message = touchstone::message(nom, l.erreur, QStringLiteral("\r\n"));
        message.replace(QRegularExpression(QStringLiteral("«[^»]*»")), QStringLiteral("«x»"));
        fuzz::texte(message, "Touchstone message");
        return;
    }
    const touchstone::Mesure &m = *l.mesure;
    verifier(m.points.size() >= 3 && (m.ports == 1 || m.ports == 2) && m.reference > 0, "Touchstone sweep");
    for (size_t i = 0; i < m.points.size(); ++i) {
        const touchstone::Point &p = m.points[i];
        fuzz::fini(p.frequence, "Touchstone frequency");
        verifier(p.frequence >= 0 && (i == 0 || p.frequence > m.points[i - 1].frequence), "Touchstone order");
        if (p.valide) {
            verifier(std::abs(p.gamma) < 1 && p.ros >= 1, "Touchstone SWR");
            fuzz::fini(p.impedance.real(), "Touchstone resistance");
            fuzz::fini(p.impedance.imag(), "Touchstone reactance");
        }
    }
    const touchstone::Resonance &r = m.resonance;
    verifier(r.frequence >= m.points.front().frequence && r.frequence <= m.points.back().frequence,
             "resonance within the sweep");
    verifier(r.ros >= 1 && std::isfinite(r.ros), "SWR at the resonance");
    fuzz::fini(r.impedance.real(), "resistance at the resonance");
    fuzz::fini(r.impedance.imag(), "reactance at the resonance");
    if (r.bande)
        verifier(r.bandeDebut <= r.frequence && r.frequence <= r.bandeFin && std::isfinite(r.bandeDebut) &&
                     std::isfinite(r.bandeFin),
                 "SWR < 2 band around the resonance");
    fuzz::texte(touchstone::resume(r), "resonance text");
    fuzz::texte(touchstone::messageRefus(nom, r, QStringLiteral("\r\n")), "refused resonance text");
    for (size_t i : touchstone::pointsATracer(m.points, 100))
        verifier(i < m.points.size() && m.points[i].valide, "points drawn");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray octets(reinterpret_cast<const char *>(data), int(size));
    fuzz::reglagesFrancais();
    for (const char *nom : {"mesure.s1p", "mesure.s2p", "mesure"}) essayerTouchstone(octets, QString::fromLatin1(nom));
    for (const char *nom : {"Bande_bdfcp.dat", "Câbles.dat", "Tableau.dat"}) {
        QFile f(QDir(dir.path()).filePath(QString::fromUtf8(nom)));
        verifier(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "temporary file");
        f.write(octets);
    }
    Module1 m;
    verifier(demarrer(m, dir.path()).isEmpty(), "a readable file was reported");
    verifier(m.Nombre_Bandes >= 0 && m.Nombre_Bandes <= Module1::kMaxBandes, "band rows");
    verifier(m.Nombre_Solutions >= 0 && m.Nombre_Solutions <= Module1::kMaxSolutions, "solution rows");
    verifier(m.Dernier_Cable >= -1 && m.Dernier_Cable < Module1::kMaxLignesCables, "cable lines");
    verifier(std::isfinite(m.Frequence_Accord), "start-up frequency not finite");

    // The writer and the reader agree on any table the reader produced from Windows-1252 text.
    if (octets.startsWith("\xEF\xBB\xBF")) return 0;
    verifier(fichiers::ecrireLignes(m.Fichier_Bandes, lignesBandes(m)), "band file written");
    Module1 relu;
    demarrer(relu, dir.path());
    verifier(relu.Nombre_Bandes == m.Nombre_Bandes, "band rows after a save");
    for (int r = 1; r <= m.Nombre_Bandes; ++r)
        for (int c = 0; c < Module1::kColonnesBandes; ++c)
            verifier(relu.Tableau_Bandes[r][c] == m.Tableau_Bandes[r][c], "band cell after a save");
    return 0;
}
