// SPDX-License-Identifier: GPL-3.0-or-later
// The matching-network calculator alone (L networks and PI network between two resistances),
// under French regional settings: each type's starting values, the worked examples and the inputs
// each type refuses or cannot hold in a single.
#include "toolbox/adaptateurs.h"
#include "toolbox/tests/textes.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

class TstAdaptateurs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    // Each network type starts from its own load and Q; there are three types.
    void reglagesDesReseaux()
    {
        QVERIFY(!boite::reglageReseau(-1) && !boite::reglageReseau(3));
        const boite::ReglageReseau *l = boite::reglageReseau(0), *ls = boite::reglageReseau(1), *pi = boite::reglageReseau(2);
        QVERIFY(l && ls && pi);
        QCOMPARE((QList<float>{l->valeurCharge, l->valeurQ, ls->valeurCharge, ls->valeurQ, pi->valeurCharge, pi->valeurQ}),
                 (QList<float>{5, 3, 300, 1, 36, 5}));
        QCOMPARE(pi->q, QStringLiteral("Q (de 5 à 15)"));
        QVERIFY(!pi->changeInfoFeeder);
    }

    void reseau_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("ra");
        QTest::addColumn<float>("rb");
        QTest::addColumn<float>("q");
        QTest::addColumn<QString>("texteQ");  // empty: error, nothing changes
        QTest::addColumn<QString>("texte");
        QTest::newRow("L, Tuning and Matching") << 0 << 50.0f << 5.0f << 3.0f << "3,00"
                                                << "C1 = 1516 pf\nC2 = 1364 pf\nL1 = 0,68 µH";
        QTest::newRow("L, Networks") << 1 << 50.0f << 300.0f << 1.0f << "2,24" << "C1 = 169 pf\nL1 = 2,54 µH";
        QTest::newRow("PI") << 2 << 50.0f << 36.0f << 5.0f << "5,00" << "C1 = 2274 pf\nC2 = 2659 pf\nL1 = 0,40 µH";
        QTest::newRow("L, equal resistances") << 0 << 50.0f << 50.0f << 3.0f << ""
                                              << " RL(ant) doit être plus petit que Feeder\nRL ne peut pas être égale à Feeder";
        QTest::newRow("L Networks, input above") << 1 << 300.0f << 50.0f << 1.0f << ""
                                                 << " Z1(in) doit être plus petit que Z2\nZ2 sortie vers antenne";
        QTest::newRow("PI, R1 below R2") << 2 << 36.0f << 50.0f << 5.0f << "" << " R1 doit être plus grand que R2";
        QTest::newRow("PI, Q too low") << 2 << 500.0f << 10.0f << 5.0f << ""
                                       << " Q trop faible pour ce rapport R1/R2\nQ doit dépasser 7";
        QTest::newRow("PI, Q² + 1 equal to the ratio") << 2 << 260.0f << 10.0f << 5.0f << ""
                                                       << " Q trop faible pour ce rapport R1/R2\nQ doit dépasser 5";
        QTest::newRow("reactance beyond a single") << 0 << 3e38f << 2.9e38f << 1e38f << "" << " " + kHors;
        QTest::newRow("PI, ratio beyond a single") << 2 << 3e38f << 1e-3f << 5.0f << "" << " " + kHors;
    }
    void reseau()
    {
        QFETCH(int, type);
        QFETCH(float, ra);
        QFETCH(float, rb);
        QFETCH(float, q);
        QFETCH(QString, texteQ);
        QFETCH(QString, texte);
        const Reseau r = calculerReseau(TypeReseau(type), ra, rb, q, 7);
        QCOMPARE(r.calcule, !texteQ.isEmpty());
        QCOMPARE(r.texteQ, texteQ);
        QCOMPARE(QString(r.texte).replace(kSaut, QStringLiteral("\n")), texte);
    }
};

QTEST_GUILESS_MAIN(TstAdaptateurs)
#include "tst_adaptateurs.moc"
