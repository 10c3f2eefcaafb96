// SPDX-License-Identifier: GPL-3.0-or-later
// The coil calculators alone (the loading coil of a shortened whip, single-layer air coils),
// under French regional settings: the worked examples, the rounding points and the values at the
// edges of what the entry fields let through.
#include "shell/core/nombres.h"
#include "toolbox/selfs.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

class TstSelfs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void fouet_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("h");
        QTest::addColumn<QString>("quart");
        QTest::addColumn<QString>("self");  // empty: the warning instead
        QTest::newRow("50 MHz, 0.9 m: 1.26 cot 54") << 50.0f << 0.9f << "1,43 m" << "0,92 µH";
        QTest::newRow("0.95 of a quarter wave is allowed") << 50.0f << 1.425f << "1,43 m" << "0,10 µH";
        QTest::newRow("a whole quarter wave (75 / F): warning") << 50.0f << 1.5f << "1,43 m" << "";
        QTest::newRow("angle vanishes in a single") << 50.0f << 1e-45f << "1,43 m"
                                                   << "Hauteur trop faible pour cette fréquence";
        QTest::newRow("wave beyond a single (1E-40 is a denormal single)") << 1e-40f << 1.0f
                                              << QString::fromLatin1("712503840316272279666224185197273515294720,00 m")
                                              << "Hauteur trop faible pour cette fréquence";
    }
    void fouet()
    {
        QFETCH(float, f);
        QFETCH(float, h);
        QFETCH(QString, quart);
        QFETCH(QString, self);
        const Fouet r = calculerFouet(f, h);
        QCOMPARE(QString(r.quartOnde).remove(QChar(0x202F)), quart);
        QCOMPARE(r.tropHaut, self.isEmpty());
        if (self.isEmpty())
            QCOMPARE(r.avertissement, QStringLiteral("La hauteur de cette antenne ne peut pas être\r\n supérieur à un quart d'onde"));
        else
            QCOMPARE(r.self, self);
    }

    void inductance_data()
    {
        QTest::addColumn<float>("n");
        QTest::addColumn<bool>("espacees");
        QTest::addColumn<QStringList>("textes");  // l, w, n, L, spacing ratio
        // By hand, D = 5 cm, d = 0.14 cm, 10 turns, L = 0.08 D² n² / (3 D + 9 l + 10 d) (cm, µH):
        // spaced, l = d + 2 d n = 2.94 cm: 200 / (15 + 26.46 + 1.4) = 4.6664 µH; close-wound,
        // l = d n + d = 1.54 cm: 200 / 30.26 = 6.6094 µH; wire pi D n / 100 = 1.5708 m. (Wheeler's
        // single-layer L = r² n² / (9 r + 10 l), inches, gives 4.74 µH for the spaced coil: the
        // program's form, which counts the wire, is 1.6 % lower.)
        QTest::newRow("spaced") << 10.0f << true
                                << QStringList{"2,94 cm", "1,57 m", " 10 spires", "4,666 µHenry", "2"};
        QTest::newRow("close-wound") << 10.0f << false
                                     << QStringList{"1,54 cm", "1,57 m", " 10 spires", "6,609 µHenry", "1"};
        QTest::newRow("no turn") << 0.0f << true
                                 << QStringList{"0,14 cm", "0,00 m", " 0 spires", "0,000 µHenry", "2"};
    }
    void inductance()
    {
        QFETCH(float, n);
        QFETCH(bool, espacees);
        QFETCH(QStringList, textes);
        const Self s = calculerInductance(5, 0.14f, n, espacees);
        QVERIFY(s.realisable);
        QCOMPARE((QStringList{s.texteLongueur, s.texteFil, s.texteSpires, s.texteInductance, s.rapport}), textes);
    }

    void spires_data()
    {
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("l");
        QTest::addColumn<float>("L");
        QTest::addColumn<float>("n");
        QTest::addColumn<QString>("rapport");  // empty: not realisable
        QTest::newRow("exactly 7.5 turns go down") << 5.0f << 0.1f << 1.0f << 4.5f << 7.0f << "1,3";
        QTest::newRow("7.51 turns go up") << 5.0f << 0.1f << 1.0f << 4.512008f << 8.0f << "1,1";
        QTest::newRow("the spaced coil found back") << 5.0f << 0.14f << 2.94f << 4.666f << 10.0f << "1,9";
        QTest::newRow("too short to be wound") << 5.0f << 0.14f << 1.0f << 4.666f << 8.0f << "";
    }
    void spires()
    {
        QFETCH(float, D);
        QFETCH(float, d);
        QFETCH(float, l);
        QFETCH(float, L);
        QFETCH(float, n);
        QFETCH(QString, rapport);
        const Self s = calculerSpires(D, d, l, L);
        QCOMPARE(s.spires, n);
        QCOMPARE(s.realisable, !rapport.isEmpty());
        if (!s.realisable) {
            QCOMPARE(s.avertissement, QStringLiteral("Cette self n'est pas réalisable.\r\n"
                                                     "Sa longueur doit être bien plus grande que 1,26 cm"));
            return;
        }
        QCOMPARE(s.rapport, rapport);
        QCOMPARE(s.texteSpires, nombres::montrer(n) + QStringLiteral(" spires"));
        QCOMPARE(s.texteLongueur, nombres::fixe(double(l), 2) + QStringLiteral(" cm"));
    }

    void spiresHorsLimites()
    {
        const Self s = calculerSpires(1e-40f, 0.1f, 100, 999);
        QVERIFY(!s.realisable);
        QVERIFY(!s.spiresConnues);
        QCOMPARE(s.avertissement, QStringLiteral("Cette self n'est pas réalisable.\r\n"
                                                 "Le nombre de spires dépasse les limites du calcul."));
    }

    void longueurProposee_data()
    {
        QTest::addColumn<float>("l0");
        QTest::addColumn<float>("L0");
        QTest::addColumn<float>("L1");
        QTest::addColumn<float>("l");
        QTest::newRow("twice the inductance: 1.54 times") << 2.0f << 4.0f << 8.0f << 3.08f;
        QTest::newRow("smaller: 0.286 times") << 2.0f << 4.0f << 1.0f << 0.572f;
        QTest::newRow("equal: 0.286 times") << 2.0f << 4.0f << 4.0f << 0.572f;
        QTest::newRow("no previous inductance: kept") << 2.94f << 0.0f << 5.0f << 2.94f;
        QTest::newRow("beyond a single: kept") << 3e38f << 0.01f << 999.0f << 3e38f;
    }
    void longueurProposee()
    {
        QFETCH(float, l0);
        QFETCH(float, L0);
        QFETCH(float, L1);
        QFETCH(float, l);
        QCOMPARE(boite::longueurProposee(l0, L0, L1), l);
    }
};

QTEST_GUILESS_MAIN(TstSelfs)
#include "tst_selfs.moc"
