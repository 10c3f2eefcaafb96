// SPDX-License-Identifier: GPL-3.0-or-later
// What the antenna designers share, under French settings: the header block and the result box,
// the band text of a typed frequency, the frequencies that can be calculated with, and the boom's
// band allowance.
#include "antennas/commun.h"
#include "antennas/tests/lignes.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <limits>

using namespace antennes;

class TstCommun : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void enTeteEtBoite()
    {
        Lignes l{"Titre", "Ligne 1", "Note" + S, "", "jamais montrée"};
        const QString h = enTete("20 m", 14.2f, 300 / 14.2f, 45);
        QCOMPARE(h, "Bande de fréquence = 20 m" + S + "fréquence d'accord = 14,200 Mhz" + S
                        + "Longueur d'onde = 21,13 m " + S + tirets45 + S);
        QCOMPARE(boiteResultats(h, l), h + "Titre" + S + "Ligne 1" + S + "Note" + S + S);
        QCOMPARE(tirets(60), QString(60, QLatin1Char('-')));
        QCOMPARE(tirets(41), QString(41, QLatin1Char('-')));
        // Large frequencies are grouped by thousands the French way.
        QCOMPARE(enTete("23 cm", 1296.2f, 300 / 1296.2f, 41).section(S, 1, 1),
                 QStringLiteral("fréquence d'accord = 1\u202F296,200 Mhz"));
    }

    void bandeTapee_data()
    {
        QTest::addColumn<float>("frequence");
        QTest::addColumn<QString>("bande");
        QTest::newRow("7.05") << 7.05f << " 42 m";
        QTest::newRow("144") << 144.0f << " 2 m";
        QTest::newRow("0.1") << 0.1f << " 3000 m";
        QTest::newRow("1296") << 1296.0f << " 0 m";
        QTest::newRow("tiny") << 1e-30f << " 3E+32 m";
    }
    void bandeTapee()
    {
        QFETCH(float, frequence);
        QFETCH(QString, bande);
        QCOMPARE(bandeDeLongueurOnde(300 / frequence), bande);
    }

    void frequencesUtilisables()
    {
        QVERIFY(!frequenceUtilisable(0));
        QVERIFY(!frequenceUtilisable(-14.2));
        QVERIFY(!frequenceUtilisable(1e-40));  // rounds to nothing, or its lengths overflow a single
        QVERIFY(!frequenceUtilisable(1e-36));
        QVERIFY(frequenceUtilisable(1e-30));
        QVERIFY(frequenceUtilisable(0.1));
        QVERIFY(frequenceUtilisable(3e38));
    }

    void allocations()
    {
        QCOMPARE(allocationBande(5), 0.45);
        QCOMPARE(allocationBande(0), 0.7);
        QCOMPARE(allocationBande(11), 0.15000000000000002);  // (14 - 11) / 2 x 0.1 in double
        // An index from outside the list gives a figure, not an overflow.
        QCOMPARE(allocationBande(-1), 0.75);
        QCOMPARE(allocationBande(std::numeric_limits<int>::min()), (14.0 + 2147483648.0) / 2 * 0.1);
    }
};

QTEST_GUILESS_MAIN(TstCommun)
#include "tst_commun.moc"
