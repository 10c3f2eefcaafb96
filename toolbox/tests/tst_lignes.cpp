// SPDX-License-Identifier: GPL-3.0-or-later
// The line impedance and balun calculators alone, under French regional settings: the worked
// examples, the rounding points and the values at the edges of what the entry fields let through.
#include "toolbox/lignes.h"
#include "toolbox/tests/textes.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

class TstLignes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void impedance_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("er");
        QTest::addColumn<QString>("texte");
        const int coax = int(TypeLigne::Coaxiale), bifil = int(TypeLigne::Bifilaire),
                  fil = int(TypeLigne::FilEtMasse);
        QTest::newRow("twin line in air") << bifil << 1.0f << 6.0f << 1.00068f << "297,75 Ohms";
        QTest::newRow("coax, teflon") << coax << 1.0f << 6.0f << 2.1f << "74,10 Ohms";
        QTest::newRow("coax, air") << coax << 1.0f << 6.0f << 1.00068f << "107,35 Ohms";
        QTest::newRow("wire over ground") << fil << 1.0f << 6.0f << 2.1f << "190,47 Ohms";
        QTest::newRow("shield inside the core: negative") << coax << 6.0f << 1.0f << 1.00068f << "-107,35 Ohms";
        QTest::newRow("ratio below a single") << coax << 50.0f << 1e-45f << 1.0f << "-6 424,24 Ohms";
        QTest::newRow("ratio above a single") << fil << 1e-45f << 50000.0f << 1.0f << "6 921,32 Ohms";
        QTest::newRow("no line type: kept") << int(TypeLigne::Aucune) << 1.0f << 6.0f << 1.0f << "12,50 Ohms";
        QTest::newRow("no dielectric") << coax << 1.0f << 6.0f << 0.0f << kHors;
    }
    void impedance()
    {
        QFETCH(int, type);
        QFETCH(float, d);
        QFETCH(float, D);
        QFETCH(float, er);
        QFETCH(QString, texte);
        QCOMPARE(impedanceLigne(TypeLigne(type), d, D, er, 12.5f).texte.replace(QChar(0x202F), u' '), texte);
    }

    void balun_data()
    {
        QTest::addColumn<float>("zin");
        QTest::addColumn<float>("zout");
        QTest::addColumn<float>("np");
        QTest::addColumn<QString>("texte");
        QTest::newRow("50 to 300, 7 turns") << 50.0f << 300.0f << 7.0f << " 17";
        QTest::newRow("50 to 200, 5 turns") << 50.0f << 200.0f << 5.0f << " 10";
        QTest::newRow("8.5 goes down") << 1.0f << 72.25f << 1.0f << " 8";
        QTest::newRow("8.51 goes up") << 1.0f << 72.4201f << 1.0f << " 9";
        QTest::newRow("equal impedances") << 75.0f << 75.0f << 9.0f << " 9";
        QTest::newRow("ratio beyond a single") << 1e-38f << 3e38f << 1.0f << kHors;
    }
    void balun()
    {
        QFETCH(float, zin);
        QFETCH(float, zout);
        QFETCH(float, np);
        QFETCH(QString, texte);
        QCOMPARE(calculerBalun(zin, zout, np).texte, texte);
    }
};

QTEST_GUILESS_MAIN(TstLignes)
#include "tst_lignes.moc"
