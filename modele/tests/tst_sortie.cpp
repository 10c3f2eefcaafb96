// SPDX-License-Identifier: GPL-3.0-or-later
// Reading nec2c's output: two real runs recorded in tests/donnees (the 14.2 MHz half-wave dipole and
// the three-element Yagi, free space, 101 points from 12.78 to 15.62 MHz, pattern in 15° steps;
// their decks beside them), the figures read as nec2c printed them; then broken and foreign texts.
#include "modele/sortie.h"
#include "tests/support/reglages.h"

#include <QFile>
#include <QtTest>

using namespace modele;

namespace {

QByteArray lire(const char *nom)
{
    QFile f(QStringLiteral(ORVALIS_DONNEES "/") + QLatin1String(nom));
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", nom);
    return f.readAll();
}

}  // namespace

class TstSortie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void enregistrements_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<double>("r0");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("rF");
        QTest::addColumn<double>("xF");
        QTest::addColumn<double>("rendementF");
        QTest::addColumn<double>("gainAvant");    // theta 90, phi 0
        QTest::addColumn<double>("gainArriere");  // theta 90, phi 180
        // The lines nec2c printed: first sweep point, then F alone, its efficiency and gains.
        QTest::newRow("dipole") << QByteArray("dipole_14200.out") << 51.122 << -177.37 << 68.612 << -29.625
                                << 98.85 << 2.07 << 2.07;
        QTest::newRow("yagi") << QByteArray("yagi3_14200.out") << 36.062 << -180.06 << 28.540 << -1.3761
                              << 95.67 << 8.73 << -3.43;
    }

    void enregistrements()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(double, r0);
        QFETCH(double, x0);
        QFETCH(double, rF);
        QFETCH(double, xF);
        QFETCH(double, rendementF);
        QFETCH(double, gainAvant);
        QFETCH(double, gainArriere);
        const Sortie s = lireSortie(lire(fichier.constData()));
        QVERIFY2(s.erreur.isEmpty(), qPrintable(s.erreur));
        QCOMPARE(s.frequences.size(), size_t(102));
        const BlocFrequence &premier = s.frequences.front();
        QCOMPARE(premier.frequence, 12.78);
        QVERIFY(premier.impedanceLue);
        QCOMPARE(premier.r, r0);
        QCOMPARE(premier.x, x0);
        QVERIFY(premier.diagramme.empty());
        QCOMPARE(s.frequences[100].frequence, 15.62);
        const BlocFrequence &f = s.frequences.back();
        QCOMPARE(f.frequence, 14.2);
        QCOMPARE(f.r, rF);
        QCOMPARE(f.x, xF);
        QCOMPARE(f.rendement, rendementF);
        // 13 polar angles by 24 azimuths.
        QCOMPARE(f.diagramme.size(), size_t(13 * 24));
        QCOMPARE(f.diagramme.front().theta, 0.0);
        QCOMPARE(f.diagramme.back().theta, 180.0);
        QCOMPARE(f.diagramme.back().phi, 345.0);
        bool avant = false, arriere = false;
        for (const PointDiagramme &p : f.diagramme) {
            if (p.theta == 90 && p.phi == 0) avant = (p.gain == gainAvant);
            if (p.theta == 90 && p.phi == 180) arriere = (p.gain == gainArriere);
        }
        QVERIFY(avant && arriere);
        for (size_t i = 0; i + 1 < s.frequences.size(); ++i) QVERIFY(s.frequences[i].rendement > 90);
    }

    void finsDeLigneWindows()
    {
        QByteArray t = lire("dipole_14200.out");
        t.replace("\n", "\r\n");
        const Sortie s = lireSortie(t);
        QCOMPARE(s.frequences.size(), size_t(102));
        QCOMPARE(s.frequences.back().diagramme.size(), size_t(312));
    }

    void tronquee()
    {
        // Cut in the middle of the pattern: what was printed is kept.
        const QByteArray t = lire("yagi3_14200.out");
        const Sortie s = lireSortie(t.left(t.indexOf("   90.00    180.00")));
        QVERIFY(s.erreur.isEmpty());
        QCOMPARE(s.frequences.size(), size_t(102));
        QVERIFY(!s.frequences.back().diagramme.empty());
        QVERIFY(s.frequences.back().diagramme.size() < 312);
    }

    void illisible_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QString>("erreur");
        const QString aucune = QStringLiteral("La sortie du moteur NEC-2 ne contient aucune impédance d'antenne.");
        QTest::newRow("vide") << QByteArray() << QStringLiteral("La sortie du moteur NEC-2 est vide.");
        QTest::newRow("blancs") << QByteArray(" \n\r\n\t") << QStringLiteral("La sortie du moteur NEC-2 est vide.");
        QTest::newRow("texte quelconque") << QByteArray("Bonjour\nFREQUENCY\n") << aucune;
        QTest::newRow("octets") << (QByteArray(1, '\0') + "\xff\xfe FREQUENCY : \x80\n ANTENNA INPUT PARAMETERS\n\x01") << aucune;
        QTest::newRow("erreur de nec2c")
            << QByteArray("  DATA CARD No:   1 EX   0     1     9\n\n  NO SEGMENT HAS AN ITAG OF 1")
            << aucune;
        QTest::newRow("carte refusee")
            << QByteArray(" STRUCTURE\n  GEOMETRY DATA CARD ERROR\n")
            << QStringLiteral("La sortie du moteur NEC-2 ne contient aucune impédance d'antenne : GEOMETRY DATA CARD ERROR");
        QTest::newRow("nombres non finis")
            << QByteArray(" FREQUENCY : 1.4200E+01 MHz\n ANTENNA INPUT PARAMETERS\n TAG\n No:\n"
                          "    1    10  1.0  0.0  1.0  1.0  nan  inf  1.0  1.0  1.0\n")
            << aucune;
        QTest::newRow("impedance sans frequence")
            << QByteArray(" ANTENNA INPUT PARAMETERS\n    1    10  1.0  0.0  1.0  1.0  50  0  1.0  1.0  1.0\n") << aucune;
    }

    void illisible()
    {
        QFETCH(QByteArray, texte);
        QFETCH(QString, erreur);
        const Sortie s = lireSortie(texte);
        QCOMPARE(s.erreur, erreur);
        QVERIFY(s.frequences.empty());
    }

    void minimale()
    {
        // The least that reads: a frequency and its source line, in the old NEC's "FREQUENCY=" form.
        const Sortie s = lireSortie(" FREQUENCY= 7.1000E+00 MHZ\n ANTENNA INPUT PARAMETERS\n"
                                    "  1   5  1.0E+00  0.0E+00  1.0E-02  0.0E+00  7.25E+01  -3.5E+00\n"
                                    " EFFICIENCY =  99.50 PERCENT\n");
        QVERIFY(s.erreur.isEmpty());
        QCOMPARE(s.frequences.size(), size_t(1));
        QCOMPARE(s.frequences[0].frequence, 7.1);
        QCOMPARE(s.frequences[0].r, 72.5);
        QCOMPARE(s.frequences[0].x, -3.5);
        QCOMPARE(s.frequences[0].rendement, 99.5);
    }
};

QTEST_GUILESS_MAIN(TstSortie)
#include "tst_sortie.moc"
