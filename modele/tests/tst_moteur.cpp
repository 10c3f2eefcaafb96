// SPDX-License-Identifier: GPL-3.0-or-later
// The runner against stand-in engines (shell scripts written here): a missing program, one that
// crashes, fails, never answers, writes garbage or nothing, and one that answers with a recorded
// nec2c output; cancelling; a refused design. Then the trimming steps on made-up resonance laws.
#include "antennas/filaire.h"
#include "modele/moteur.h"
#include "modele/tests/conceptions.h"
#include "tests/support/reglages.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>

using namespace modele;

namespace {

Conception dipoleA() { return conceptionFilaire(antennes::Dipole); }

}  // namespace

class TstMoteur : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

    // A stand-in engine: a shell script called as nec2c is, "-i m.nec -o m.out".
    QString script(const QString &nom, const QByteArray &corps)
    {
        const QString chemin = dossier_.filePath(nom);
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(chemin));
        f.write("#!/bin/sh\n" + corps + "\n");
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return chemin;
    }

private slots:
    void initTestCase()
    {
        essai::reglagesFrancais();
        QVERIFY(dossier_.isValid());
    }

    void echecs_data()
    {
        QTest::addColumn<QByteArray>("corps");  // empty: no such program
        QTest::addColumn<int>("delai");
        QTest::addColumn<QString>("debut");     // how the message starts
        QTest::newRow("introuvable") << QByteArray() << 60000
            << QStringLiteral("Le moteur de calcul NEC-2 « %1/absent » est introuvable ou ne peut pas être lancé : "
                              "installez le paquet Debian « nec2c ».");
        QTest::newRow("plantage") << QByteArray("kill -SEGV $$") << 60000
            << QStringLiteral("Le moteur de calcul NEC-2 s'est arrêté brutalement : le modèle n'a pas pu être calculé.");
        QTest::newRow("code d'erreur") << QByteArray("echo 'nec2c: Error reading input file - aborting' >&2\nexit 255")
                                       << 60000
            << QStringLiteral("Le moteur de calcul NEC-2 a échoué (code 255) : nec2c: Error reading input file - aborting");
        QTest::newRow("erreur dans la sortie") << QByteArray("printf '\\n  GEOMETRY DATA CARD ERROR' > \"$4\"\nexit 255")
                                               << 60000
            << QStringLiteral("Le moteur de calcul NEC-2 a échoué (code 255) : GEOMETRY DATA CARD ERROR");
        QTest::newRow("muet") << QByteArray("exec sleep 30") << 300
            << QStringLiteral("Le moteur de calcul NEC-2 n'a pas répondu en 0 s : le calcul est abandonné.");
        QTest::newRow("charabia") << QByteArray("printf 'pas du tout\\nFREQUENCY : x\\n' > \"$4\"") << 60000
            << QStringLiteral("La sortie du moteur NEC-2 ne contient aucune impédance d'antenne.");
        QTest::newRow("rien ecrit") << QByteArray("exit 0") << 60000
            << QStringLiteral("Le moteur de calcul NEC-2 n'a rien écrit : le modèle n'a pas pu être lu.");
        QTest::newRow("entree non lue") << QByteArray("test -s \"$2\" && test \"$1$3\" = '-i-o' || exit 7\n: > \"$4\"")
                                        << 60000 << QStringLiteral("La sortie du moteur NEC-2 est vide.");
    }

    void echecs()
    {
        QFETCH(QByteArray, corps);
        QFETCH(int, delai);
        QFETCH(QString, debut);
        const QString nom = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        Moteur m;
        m.setProgramme(corps.isEmpty() ? dossier_.filePath(QStringLiteral("absent")) : script(nom, corps));
        m.setDelai(delai);
        QSignalSpy fin(&m, &Moteur::termine);
        QSignalSpy echec(&m, &Moteur::echec);
        m.lancer(dipoleA(), Environnement());
        QVERIFY(m.enCours());
        QVERIFY(echec.wait(10000));
        QCOMPARE(echec.size(), 1);
        QCOMPARE(echec[0][0].toString(), debut.contains(QLatin1String("%1")) ? debut.arg(dossier_.path()) : debut);
        QCOMPARE(m.etat(), Moteur::Etat::Echoue);
        QTest::qWait(50);
        QCOMPARE(fin.size(), 0);
        QCOMPARE(echec.size(), 1);
    }

    void introuvableParDefaut()
    {
        // "nec2c" searched in a PATH that has none.
        const QByteArray chemin = qgetenv("PATH");
        qputenv("PATH", dossier_.path().toLocal8Bit());
        Moteur m;
        QSignalSpy echec(&m, &Moteur::echec);
        m.lancer(dipoleA(), Environnement());
        const bool recu = echec.wait(10000);
        qputenv("PATH", chemin);
        QVERIFY(recu);
        QCOMPARE(echec[0][0].toString(),
                 QStringLiteral("Le moteur de calcul NEC-2 « nec2c » est introuvable : installez le paquet Debian "
                                "« nec2c » (sudo apt install nec2c)."));
    }

    void reponseEnregistree()
    {
        // The recorded run of this dipole (101 points, 12.78 to 15.62 MHz) given back as the answer.
        Moteur m;
        m.setProgramme(script(QStringLiteral("enregistre"),
                              "cp '" ORVALIS_DONNEES "/dipole_14200.out' \"$4\""));
        QSignalSpy fin(&m, &Moteur::termine);
        QSignalSpy echec(&m, &Moteur::echec);
        m.lancer(dipoleA(), Environnement());
        QVERIFY(fin.wait(10000));
        QCOMPARE(echec.size(), 0);
        const Resultats r = fin[0][0].value<Resultats>();
        QVERIFY(std::abs(*r.resonance - 14.490277) < 1e-5);
        QCOMPARE(r.lignes.value(0), QStringLiteral("Résonance du modèle : 14,490 Mhz (+2,0 %)"));
        QCOMPARE(m.etat(), Moteur::Etat::Termine);
        // The deck it was given is the usual one.
        QVERIFY(m.derniereCarte().contains("FR 0 101 0 0 12.78 0.0284\n"));
        QVERIFY(m.derniereCarte().contains("RP 0 37 72 1000 0 0 5 5\n"));
    }

    void annuler()
    {
        Moteur m;
        m.setProgramme(script(QStringLiteral("long"), "exec sleep 30"));
        QSignalSpy fin(&m, &Moteur::termine);
        QSignalSpy echec(&m, &Moteur::echec);
        m.lancer(dipoleA(), Environnement());
        QTest::qWait(100);
        m.annuler();
        QCOMPARE(m.etat(), Moteur::Etat::Annule);
        QTest::qWait(300);
        QCOMPARE(fin.size() + echec.size(), 0);
    }

    void relancer()
    {
        // A second run cancels the first: one answer only, the second's.
        Moteur m;
        m.setProgramme(script(QStringLiteral("lent"), "sleep 1\ncp '" ORVALIS_DONNEES "/dipole_14200.out' \"$4\""));
        QSignalSpy fin(&m, &Moteur::termine);
        m.lancer(dipoleA(), Environnement());
        QTest::qWait(100);
        m.lancer(dipoleA(), Environnement());
        QVERIFY(fin.wait(10000));
        QTest::qWait(200);
        QCOMPARE(fin.size(), 1);
    }

    void refuse()
    {
        // Nothing is started: the refusal comes from the event loop.
        Moteur m;
        m.setProgramme(dossier_.filePath(QStringLiteral("absent")));
        QSignalSpy echec(&m, &Moteur::echec);
        m.lancer(dipoleA(), {Sol::Moyen, 0, 2});
        QCOMPARE(echec.size(), 0);
        QVERIFY(echec.wait(1000));
        QCOMPARE(echec[0][0].toString(),
                 QStringLiteral("La hauteur de l'antenne au-dessus du sol doit être supérieure à 0 m."));
        QVERIFY(m.derniereCarte().isEmpty());
        // Two refused runs in a row: one answer, the second's.
        echec.clear();
        m.lancer(dipoleA(), {Sol::Moyen, 0, 2});
        m.lancer(dipoleA(), {Sol::EspaceLibre, 10, 0});
        QVERIFY(echec.wait(1000));
        QTest::qWait(50);
        QCOMPARE(echec.size(), 1);
        QCOMPARE(echec[0][0].toString(), QStringLiteral("Le diamètre des fils doit être supérieur à 0 mm."));
    }

    void prochainFacteur_data()
    {
        QTest::addColumn<std::vector<double>>("facteurs");
        QTest::addColumn<std::vector<double>>("resonances");
        QTest::addColumn<double>("attendu");  // -1: none
        // One run 2 % high: 2 % longer.
        QTest::newRow("premier pas") << std::vector<double>{1} << std::vector<double>{14.484} << 1.02;
        // Through (1, 14.5) and (1.02, 14.2), or (1.01, 14.35): the secant reaches 14.2 at 1.02.
        QTest::newRow("secante") << std::vector<double>{1, 1.02} << std::vector<double>{14.5, 14.2} << 1.02;
        QTest::newRow("secante plus loin") << std::vector<double>{1, 1.01} << std::vector<double>{14.5, 14.35}
                                           << 1.02;
        // A rising slope is not believed: the proportional step from the last run.
        QTest::newRow("pente montante") << std::vector<double>{1, 1.01} << std::vector<double>{14.5, 14.6}
                                        << 1.01 * 14.6 / 14.2;
        QTest::newRow("pente nulle") << std::vector<double>{1, 1.01} << std::vector<double>{14.5, 14.5}
                                     << 1.01 * 14.5 / 14.2;
        // At most doubling or halving.
        QTest::newRow("borne") << std::vector<double>{1} << std::vector<double>{71.0} << 2.0;
        QTest::newRow("aucun essai") << std::vector<double>{} << std::vector<double>{} << -1.0;
        QTest::newRow("resonance nulle") << std::vector<double>{1} << std::vector<double>{0} << -1.0;
        QTest::newRow("NaN") << std::vector<double>{qQNaN()} << std::vector<double>{14.3} << -1.0;
    }

    void prochainFacteur()
    {
        QFETCH(std::vector<double>, facteurs);
        QFETCH(std::vector<double>, resonances);
        QFETCH(double, attendu);
        std::vector<std::pair<double, double>> essais;
        for (size_t i = 0; i < facteurs.size(); ++i) essais.emplace_back(facteurs[i], resonances[i]);
        const std::optional<double> k = modele::prochainFacteur(essais, 14.2);
        QCOMPARE(k.has_value(), attendu > 0);
        if (k) QVERIFY2(std::abs(*k - attendu) < 1e-12, qPrintable(QString::number(*k, 'g', 17)));
    }

    void ajusteur_data()
    {
        QTest::addColumn<int>("loi");
        QTest::addColumn<int>("etat");
        QTest::addColumn<int>("essaisMax");
        // 0: resonance = 14.49 / k (lengths): the first step lands on it.
        QTest::newRow("longueurs") << 0 << int(Ajusteur::Etat::Atteint) << 2;
        // 1: resonance = 14.6 / k^0.6 (a loaded element): secant steps.
        QTest::newRow("bobine") << 1 << int(Ajusteur::Etat::Atteint) << 5;
        // 2: no resonance at all in the sweep.
        QTest::newRow("sans resonance") << 2 << int(Ajusteur::Etat::SansResonance) << 1;
        // 3: a resonance that does not move: 8 runs, then the best.
        QTest::newRow("immobile") << 3 << int(Ajusteur::Etat::Epuise) << 8;
    }

    void ajusteur()
    {
        QFETCH(int, loi);
        QFETCH(int, etat);
        QFETCH(int, essaisMax);
        const std::function<std::optional<double>(double)> lois[] = {
            [](double k) { return std::optional<double>(14.49 / k); },
            [](double k) { return std::optional<double>(14.6 / std::pow(k, 0.6)); },
            [](double) { return std::optional<double>(); },
            [](double) { return std::optional<double>(14.5); },
        };
        Ajusteur a(14.2);
        QCOMPARE(a.facteur(), 1.0);
        while (a.etat() == Ajusteur::Etat::AEssayer) a.noter(lois[loi](a.facteur()));
        QCOMPARE(int(a.etat()), etat);
        QVERIFY(a.essais() <= essaisMax);
        if (a.etat() == Ajusteur::Etat::Atteint) QVERIFY(ajuste(*lois[loi](a.facteur()), 14.2));
        if (loi == 3) QCOMPARE(a.facteur(), 1.0);
        // Once finished, noting more changes nothing.
        const double k = a.facteur();
        a.noter(14.2);
        QCOMPARE(a.facteur(), k);
    }
};

QTEST_GUILESS_MAIN(TstMoteur)
#include "tst_moteur.moc"
