// SPDX-License-Identifier: GPL-3.0-or-later
// The file readers on arbitrary file contents: the three data files filled with the same bytes,
// read into the store, then the band table written back and read again; and the same bytes as an
// antenna analyser's Touchstone file, its sweep brought back to the antenna through a cable (of
// the program's list and of the cable list those bytes make) and written as a Touchstone file again.
#include "adaptation/ligne.h"
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
#include <optional>

namespace {

using fuzz::verifier;

// The checks of a resonance within a sweep of increasing frequencies, all finite, told in a clean
// text.
void verifierResonance(const touchstone::Mesure &m, const QString &nom)
{
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
    fuzz::texte(touchstone::messageRefus(nom, r), "refused resonance text");
}

// A Touchstone file is refused with a message naming it, or gives a sweep of at least three
// increasing frequencies and a resonance within it, all finite, told in a clean text.
std::optional<touchstone::Mesure> essayerTouchstone(const QByteArray &octets, const QString &nom)
{
    const touchstone::Lecture l = touchstone::lire(octets, nom);
    if (!l.mesure) {
        verifier(!l.erreur.texte.isEmpty() && l.erreur.ligne >= 0, "Touchstone refused without a reason");
        // What the message quotes between « » is the file's own text ("« nan(1) » n'est pas une
        // valeur finie"): only the rest is the program's.
        QString message = touchstone::message(nom, l.erreur);
        message.replace(QRegularExpression(QStringLiteral("«[^»]*»")), QStringLiteral("«x»"));
        fuzz::texte(message, "Touchstone message");
        return std::nullopt;
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
    verifierResonance(m, nom);
    for (size_t i : touchstone::pointsATracer(m.points, 100))
        verifier(i < m.points.size() && m.points[i].valide, "points drawn");
    return m;
}

// A sweep brought back through `longueur` metres of a cable: refused with a clean sentence, or
// the same frequencies with finite valid points, the points kept out counted, and a resonance.
void essayerCable(const touchstone::Mesure &m, const ligne::Cable &c, double longueur)
{
    const ligne::Transformee t = ligne::ramener(m, c, longueur);
    if (!t.mesure) {
        verifier(!t.erreur.isEmpty(), "sweep not brought back without a reason");
        fuzz::texte(t.erreur, "cable refusal");
        return;
    }
    const touchstone::Mesure &a = *t.mesure;
    verifier(a.points.size() == m.points.size() && t.ecartes >= 0 && size_t(t.ecartes) <= m.points.size(),
             "points brought back");
    for (size_t i = 0; i < a.points.size(); ++i) {
        const touchstone::Point &p = a.points[i];
        verifier(p.frequence == m.points[i].frequence, "frequency brought back");
        verifier(!p.valide || m.points[i].valide, "a point without an SWR gained one");
        if (p.valide) {
            verifier(std::abs(p.gamma) < 1 && p.ros >= 1 && std::isfinite(p.ros), "SWR at the feed point");
            fuzz::fini(p.impedance.real(), "resistance at the feed point");
            fuzz::fini(p.impedance.imag(), "reactance at the feed point");
        }
    }
    verifierResonance(a, QStringLiteral("mesure.s1p"));
    ligne::Cable nomPropre = c;
    nomPropre.nom = fuzz::sansMotInterdit(c.nom);
    fuzz::texte(ligne::suffixe(nomPropre, longueur), "feed point suffix");
}

// The sweep written as a one-port file reads back as the same points, bit for bit.
void essayerEcriture(const touchstone::Mesure &m)
{
    std::vector<const touchstone::Point *> ecrits;
    for (const touchstone::Point &p : m.points)
        if (std::isfinite(p.gamma.real()) && std::isfinite(p.gamma.imag())) ecrits.push_back(&p);
    const QByteArray octets = touchstone::ecrireS1p(m.points, m.reference, QStringLiteral("relu"));
    const touchstone::Lecture l = touchstone::lire(octets, QStringLiteral("relu.s1p"));
    if (ecrits.size() < 3) {
        verifier(!l.mesure, "fewer than three points read");
        return;
    }
    verifier(bool(l.mesure), "written sweep read back", l.erreur.texte);
    verifier(l.mesure->reference == m.reference && l.mesure->points.size() == ecrits.size(), "written sweep");
    for (size_t i = 0; i < ecrits.size(); ++i) {
        const touchstone::Point &p = l.mesure->points[i];
        verifier(p.frequence == ecrits[i]->frequence && p.gamma == ecrits[i]->gamma && p.valide == ecrits[i]->valide,
                 "written point read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray octets(reinterpret_cast<const char *>(data), int(size));
    fuzz::reglagesFrancais();
    std::optional<touchstone::Mesure> mesure;
    for (const char *nom : {"mesure.s1p", "mesure.s2p", "mesure"})
        if (std::optional<touchstone::Mesure> m = essayerTouchstone(octets, QString::fromLatin1(nom)); m && !mesure)
            mesure = std::move(m);
    static const ligne::Cable rg213 =
        *ligne::lireCable(QStringLiteral("RG213/U 50 10.30 101 0.66 2.0 3.6 8.2 15.5 30.0 2000 PE_plein coaxial"));
    if (mesure) {
        essayerEcriture(*mesure);
        for (double longueur : {20.0, 0.5, 300.0, 0.0, -1.0}) essayerCable(*mesure, rg213, longueur);
    }
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

    // The cables those bytes make as a cable list: attenuations finite or infinite, never negative
    // nor NaN; a sweep brought back through the first few.
    const std::vector<ligne::Cable> cables = ligne::lireCables(m);
    for (size_t i = 0; i < cables.size() && i < 3; ++i) {
        const ligne::Cable &c = cables[i];
        verifier(c.impedance > 0 && c.facteurVelocite > 0 && c.facteurVelocite <= 1, "cable read");
        for (double f : {0.0, 1e6, 10e6, 70e6, 1296e6, 1e10})
            verifier(ligne::attenuation(c, f) >= 0, "cable attenuation");
        if (mesure) essayerCable(*mesure, c, 20);
    }

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
