// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbox calculators alone, under French regional settings: the worked examples, the
// rounding points and the values at the edges of what the entry fields let through.
#include "shell/core/nombres.h"
#include "toolbox/adaptateurs.h"
#include "toolbox/cables.h"
#include "toolbox/lignes.h"
#include "toolbox/selfs.h"
#include "toolbox/trappe.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

namespace {
const QString kSaut = QStringLiteral("\r\n");
const QString kHors = QStringLiteral("Résultat hors des limites du calcul");
}  // namespace

class TstCalculs : public QObject {
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

    void trappe_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("x");
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("21 MHz, 400 ohms")
            << 21.0f << 400.0f
            << QStringList{"3,03 µH", "18,95 pF",
                           "Surface de CI double face de 5,41 cm²\r\nCâble coaxial (6mm à 101pF/m) de 0,188 m"};
        QTest::newRow("twice the reactance")
            << 21.0f << 800.0f
            << QStringList{"6,06 µH", "9,47 pF",
                           "Surface de CI double face de 2,71 cm²\r\nCâble coaxial (6mm à 101pF/m) de 0,094 m"};
        QTest::newRow("capacitance beyond a single") << 1e-3f << 1e-45f << QStringList{"", "", kHors};
    }
    void trappe()
    {
        QFETCH(float, f);
        QFETCH(float, x);
        QFETCH(QStringList, textes);
        const Trappe t = calculerTrappe(f, x);
        QCOMPARE((QStringList{t.texteL, t.texteC, t.texteCapacite}), textes);
    }

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

    void cable_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("cv");
        QTest::addColumn<short>("n");
        QTest::addColumn<QStringList>("longueurs");  // 3/4, 1, 1/2, 1/4, chosen
        QTest::newRow("14.12 MHz, 0.66") << 14.12f << 0.66f << short(1)
                                         << QStringList{"10,52", "14,02", "7,01", "3,51", "7,01"};
        QTest::newRow("three half-waves") << 14.12f << 0.66f << short(3)
                                          << QStringList{"10,52", "14,02", "7,01", "3,51", "21,03"};
        QTest::newRow("no velocity factor") << 14.12f << 0.0f << short(1)
                                            << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
        QTest::newRow("beyond a single") << 1e-40f << 0.66f << short(1) << QStringList{};
    }
    void cable()
    {
        QFETCH(float, f);
        QFETCH(float, cv);
        QFETCH(short, n);
        QFETCH(QStringList, longueurs);
        const QStringList lignes = calculerCable(f, cv, n, QStringLiteral("RG58")).texte.split(kSaut);
        const QString t73(73, u'-'), t53(53, u'-');
        if (longueurs.isEmpty()) {
            QCOMPARE(lignes, (QStringList{"Type de câble: RG58", t73, kHors}));
            return;
        }
        const QStringList attendu{
            "Type de câble: RG58", t73,
            "Une trois-quart-d'onde = " + longueurs[0] + " m",
            "Une Onde entière = " + longueurs[1] + " m",
            "Une demi-onde = " + longueurs[2] + " m",
            "Une quart-d'onde = " + longueurs[3] + " m", t53,
            "Longueur optimale choisie : " + longueurs[4] + " m", t53,
            "Pour info, Il faut savoir que...",
            "Une ligne quart d'onde ouverte se comporte en réjecteur",
            "Une ligne quart d'onde fermée se comporte en résonnateur",
            "Une ligne quart d'onde adapte les impédances vues par ses extrémités.",
            "Une ligne demi-onde recopie les impédances vues à ses extrémités."};
        QCOMPARE(lignes, attendu);
    }

    void champsCable_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QStringList>("cellules");  // "column:text"
        const QStringList rg58{"0:RG58", "1:50", "2:2.9", "3:4.95", "4:0.66"};
        QTest::newRow("each field followed by a blank") << "RG58 50 2.9 4.95 0.66 " << rg58;
        QTest::newRow("without the final blank") << "RG58 50 2.9 4.95 0.66" << rg58;
        QTest::newRow("two blanks leave a column") << "RG58  50" << QStringList{"0:RG58", "2:50"};
        QTest::newRow("leading blank") << " X" << QStringList{"1:X"};
        QTest::newRow("empty line") << "" << QStringList{};
        QTest::newRow("fields beyond column 12 ignored")
            << "a b c d e f g h i j k l m n o"
            << QStringList{"0:a", "1:b", "2:c", "3:d", "4:e", "5:f", "6:g", "7:h", "8:i", "9:j",
                           "10:k", "11:l", "12:m"};
    }
    void champsCable()
    {
        QFETCH(QString, ligne);
        QFETCH(QStringList, cellules);
        QStringList vus;
        for (const auto &[c, t] : boite::champsCable(ligne)) vus << QString::number(c) + u':' + t;
        QCOMPARE(vus, cellules);
    }

    void velocite_data()
    {
        QTest::addColumn<QString>("cellule");
        QTest::addColumn<float>("cv");
        QTest::newRow("number") << "0.82" << 0.82f;
        QTest::newRow("comma stops the number") << "0,66" << 0.0f;
        QTest::newRow("not a number") << "-" << 0.0f;
        QTest::newRow("beyond a single") << "1e39" << 0.0f;
    }
    void velocite()
    {
        QFETCH(QString, cellule);
        QFETCH(float, cv);
        QCOMPARE(velociteLue(cellule), cv);
    }

    void resume()
    {
        QCOMPARE(resumeCable(QStringLiteral("RG6/U"), 0.82f), QStringLiteral("Câble type:  RG6/U, Coef.Vélocité =  .82"));
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

QTEST_GUILESS_MAIN(TstCalculs)
#include "tst_calculs.moc"
