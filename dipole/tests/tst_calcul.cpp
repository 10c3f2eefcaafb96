// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded-dipole calculation on its own, under French regional settings: the texts the user
// reads, the building blocks, and every way the inputs can make the arithmetic impossible.
#include "dipole/calcul.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <cmath>

using namespace dipole;

namespace {

Entrees entrees(float f, float A, float B, float w, UniteFil unite = UniteFil::AWG,
                bool metres = false, bool dipole = true)
{
    Entrees e;
    e.frequence = f;
    e.dimensionA = A;
    e.dimensionB = B;
    e.diametreFil = w;
    e.uniteFil = unite;
    e.metres = metres;
    e.dipole = dipole;
    return e;
}

QStringList ligne(const Resultat &r, int i)
{
    return QStringList(r.lignes[i - 1].begin(), r.lignes[i - 1].end());
}

}  // namespace

Q_DECLARE_METATYPE(dipole::Entrees)
Q_DECLARE_METATYPE(dipole::UniteFil)

class TestCalcul : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void lignesDeLaGrille_data()
    {
        QTest::addColumn<Entrees>("e");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QStringList>("cellules");
        const Entrees defaut = entrees(7.1f, 30, 3.5f, 14);
        QTest::newRow("defaut rang 1") << defaut << 1
            << QStringList{"1,50 ft", "13,5 ft", "13,02 µh", "3,19 In", "12,4", "1,60 In", "19,0 Mhz", " 755"};
        QTest::newRow("defaut rang 8") << defaut << 8
            << QStringList{"12,00 ft", "3,0 ft", "52,17 µh", "5,07 In", "19,8", "2,53 In", "7,5 Mhz", " 159"};
        QTest::newRow("defaut rang 9") << defaut << 9
            << QStringList{"13,50 ft", "1,5 ft", "97,02 µh", "6,23 In", "24,3", "3,12 In", "5,0 Mhz", " 0"};
        QTest::newRow("quart d'onde de 15 ft, rang 1") << entrees(7.1f, 15, 3.5f, 14, UniteFil::AWG, false, false)
            << 1 << QStringList{"1,50 ft", "13,5 ft", "13,02 µh", "3,19 In", "12,4", "1,60 In", "19,0 Mhz", " 755"};
        // 9 m and 1 m: the same dipole worked in feet, shown in metres and millimetres.
        const Entrees metres = entrees(7.1f, 9, 1, 14, UniteFil::AWG, true);
        QTest::newRow("metres rang 1") << metres << 1
            << QStringList{"0,45 M", "4,05 M", "13,31 µh", "81,7 mm", "12,5", "40,83 mm", "18,8 Mhz", " 757"};
    }
    // Hall's loading-coil formula (QST, 1974) evaluated independently (Python, double precision)
    // for the 40 m defaults: f = 7.1 (as a single), a = 15 ft, AWG 14 D = 0.46 / 92^(17/39)
    // = 0.0640837 in (as a single), P = 1e6 / (f² 68 pi²) with pi = 3.141592 as a single;
    // g1 = ln(24 (234/f - x) / D) - 1, g2 = (1 - f x / 234)² - 1, g3 = 234/f - x,
    // h1 = ln(24 (a - x) / D) - 1, h2 = ((f a - f x) / 234)² - 1, h3 = a - x,
    // L = P (g1 g2 / g3 - h1 h2 / h3): 13.0175340 µH at 1.5 ft, 52.1692161 at 12 ft, 97.0213411 at
    // 13.5 ft (the grid's 13,02, 52,17 and 97,02).
    void inductanceDeHall_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("attendu");
        QTest::newRow("1,5 ft") << 1.5 << 13.017533990110001;
        QTest::newRow("12 ft") << 12.0 << 52.16921610192111;
        QTest::newRow("13,5 ft") << 13.5 << 97.0213410717376;
    }
    void inductanceDeHall()
    {
        QFETCH(double, x);
        QFETCH(double, attendu);
        const double f = 7.1f, pi = 3.141592f;
        const double P = 1e6 / (f * f * 68 * pi * pi);
        const double L = dipole::inductance(P, f, 15, dipole::diametrePouces(14, UniteFil::AWG), x);
        QVERIFY2(std::abs(L / attendu - 1) < 1e-9, qPrintable(QString::number(L, 'g', 17)));
    }

    void lignesDeLaGrille()
    {
        QFETCH(Entrees, e);
        QFETCH(int, rang);
        QFETCH(QStringList, cellules);
        const Resultat r = calculer(e);
        QCOMPARE(r.issue, Issue::Calcule);
        QCOMPARE(ligne(r, rang), cellules);
    }

    void valeursParDefaut()
    {
        const Resultat r = calculer(entrees(7.1f, 30, 3.5f, 14));
        QCOMPARE(r.dimensionC, QStringLiteral("11,50"));
        QCOMPARE(r.inductance, QStringLiteral("15,0"));
        QVERIFY(std::fabs(r.D - 0.0641) < 0.0001);
        QVERIFY(std::fabs(r.R - 12976) < 1);
        QCOMPARE(r.K, 0.98);
        QVERIFY(std::fabs(r.M - 67.91) < 0.01);
        QCOMPARE(r.note,
                 QStringLiteral("Un dipôle Full Size pour  7.1 Mhz nécessiterait  67ft (20,70 M). Pour une "
                                "efficité maximum, le raccourcissement du dipole ne devrait pas être plus "
                                "courte que 27ft (8,45 M)\r\nLa longueur de 30ft (9,14 M) de dimension A, "
                                "comme indiqué ci-dessus, ne devrait pas inclure les isolateurs d'extrémité "
                                "ou les supports de montage . Ceci est strictement la longueur pour une "
                                "efficacité optimale de l'antenne pour une résonance de la self à 14,2 MHz"));
    }

    void quartDondeCommeLeDipole()
    {
        const Resultat dip = calculer(entrees(7.1f, 30, 3.5f, 14));
        const Resultat quart = calculer(entrees(7.1f, 15, 3.5f, 14, UniteFil::AWG, false, false));
        QCOMPARE(quart.issue, Issue::Calcule);
        QCOMPARE(quart.lignes, dip.lignes);
        QCOMPARE(quart.inductance, dip.inductance);
        QCOMPARE(quart.dimensionC, dip.dimensionC);
        QVERIFY(quart.note.contains(QStringLiteral("La longueur de 30ft (9,14 M) de dimension A")));
    }

    void enMetres()
    {
        const Resultat r = calculer(entrees(7.1f, 9, 1, 14, UniteFil::AWG, true));
        QCOMPARE(r.issue, Issue::Calcule);
        QVERIFY(std::fabs(r.T - 29.5275) < 0.0001);
        QVERIFY(r.note.contains(QStringLiteral("La longueur de 29ft (9,00 M) de dimension A")));
        QCOMPARE(r.dimensionC, QLocale().toString((r.a - r.b) * 12 / 39.37, 'f', 2));
        QCOMPARE(r.dimensionC, QStringLiteral("3,50"));
    }

    void arrets_data()
    {
        QTest::addColumn<Entrees>("e");
        QTest::addColumn<Issue>("issue");
        QTest::addColumn<QString>("note");
        QTest::newRow("B au bout du dipole") << entrees(7.1f, 30, 15, 14) << Issue::BobineTropLoin
            << " La longueur de la Dimension B doit être inférieur à la moitié de la longueur du dipole (Dimension A)";
        QTest::newRow("B au bout du quart d'onde") << entrees(7.1f, 15, 15, 14, UniteFil::AWG, false, false)
            << Issue::BobineTropLoin
            << " La longueur de la Dimension B doit être inférieur à la longueur du Quart d'onde (Dimension A)";
        QTest::newRow("trop long") << entrees(7.1f, 70, 3.5f, 14) << Issue::TropLong
            << "La longueur du dipole raccourci est supérieur à la demie longeur d'onde de la fréquence "
               "utilisée.\r\nVous devez racourcir la longueur du dipole à une valeur inférieur à  67 ft et "
               "10,92 inches (20,70 M)\r\n";
        QTest::newRow("AWG 41") << entrees(7.1f, 30, 3.5f, 41) << Issue::Impossible
            << "Le numéro AWG du fil doit être compris entre 1 et 40.";
        QTest::newRow("AWG 0,4") << entrees(7.1f, 30, 3.5f, 0.4f) << Issue::Impossible
            << "Le numéro AWG du fil doit être compris entre 1 et 40.";
        QTest::newRow("AWG 1e30") << entrees(7.1f, 30, 3.5f, 1e30f) << Issue::Impossible
            << "Le numéro AWG du fil doit être compris entre 1 et 40.";
        QTest::newRow("diametre nul") << entrees(7.1f, 30, 3.5f, 0, UniteFil::Millimetres) << Issue::Impossible
            << "Le diamètre du fil doit être supérieur à 0.";
        QTest::newRow("frequence nulle") << entrees(0, 30, 3.5f, 14) << Issue::Impossible
            << "La fréquence doit être supérieure à 0.";
        QTest::newRow("frequence NaN") << entrees(NAN, 30, 3.5f, 14) << Issue::Impossible
            << "La fréquence doit être supérieure à 0.";
        QTest::newRow("dimension infinie") << entrees(7.1f, INFINITY, 3.5f, 14) << Issue::Impossible
            << "Les dimensions A et B doivent être des longueurs positives.";
        // B beyond 234 / F needs a dipole within a fraction of a foot of full size, whose first
        // position already needs a negative inductance.
        QTest::newRow("B au-dela de 234 / F") << entrees(7.1f, 66.5f, 33, 14) << Issue::Impossible
            << "L'inductance calculée pour la position 1 n'est pas positive (-0,15 µH) : avec ces "
               "dimensions, une self ne peut pas ramener le dipôle à la résonance.";
        QTest::newRow("inductance negative") << entrees(7.1f, 2, 0.5f, 10, UniteFil::Pouces) << Issue::Impossible
            << "L'inductance calculée pour la position 1 n'est pas positive (-7,56 µH) : avec ces "
               "dimensions, une self ne peut pas ramener le dipôle à la résonance.";
        QTest::newRow("diametre mene a 0") << entrees(7.1f, 30, 3.5f, 40) << Issue::Impossible
            << "Avec ce fil, la self de la position 1 (18,26 µH) aurait moins d'un pouce de diamètre, "
               "ce que le calcul ne sait pas réaliser : choisissez un fil plus gros.";
        QTest::newRow("self demesuree") << entrees(0.1f, 1500, 10, 500, UniteFil::Pouces) << Issue::Impossible
            << "Avec ce fil, la self de la position 1 (486,21 µH) dépasserait 2 000 pouces de diamètre : "
               "choisissez un fil plus fin ou vérifiez la fréquence et les dimensions.";
    }
    void arrets()
    {
        QFETCH(Entrees, e);
        QFETCH(Issue, issue);
        QFETCH(QString, note);
        const Resultat r = calculer(e);
        QCOMPARE(r.issue, issue);
        QCOMPARE(QString(r.note).replace(QChar(0x202F), QLatin1Char(' ')), note);
        // No result of the run survives beside the reason.
        QVERIFY(r.dimensionC.isEmpty());
        QVERIFY(r.inductance.isEmpty());
        for (const auto &l : r.lignes)
            for (const QString &c : l) QVERIFY(c.isEmpty());
    }

    void tableK_data()
    {
        QTest::addColumn<double>("R");
        QTest::addColumn<double>("K");
        QTest::newRow("aucune ligne") << 5.0 << 0.92;
        QTest::newRow("10 tout juste") << 10.0 << 0.92;
        QTest::newRow("au-dessus de 10") << 10.5 << 0.92;
        QTest::newRow("12 tout juste") << 12.0 << 0.92;
        QTest::newRow("au-dessus de 12") << 12.01 << 0.93;
        QTest::newRow("au-dessus de 15") << 15.5 << 0.94;
        QTest::newRow("au-dessus de 22") << 23.0 << 0.95;
        QTest::newRow("au-dessus de 50") << 51.0 << 0.96;
        QTest::newRow("au-dessus de 200") << 201.0 << 0.97;
        QTest::newRow("2000 tout juste") << 2000.0 << 0.97;
        QTest::newRow("au-dessus de 2000") << 2001.0 << 0.98;
        QTest::newRow("fil du defaut") << 12976.0 << 0.98;
    }
    void tableK()
    {
        QFETCH(double, R);
        QFETCH(double, K);
        QCOMPARE(facteurK(R), K);
    }

    void fil_data()
    {
        QTest::addColumn<float>("w");
        QTest::addColumn<UniteFil>("unite");
        QTest::addColumn<float>("pouces");
        const auto awg = tableAwg();
        QTest::newRow("AWG 36") << 36.0f << UniteFil::AWG << 0.005f;
        QTest::newRow("AWG 14") << 14.0f << UniteFil::AWG << awg[14];
        QTest::newRow("AWG 1") << 1.0f << UniteFil::AWG << float(0.46 / std::pow(std::pow(92.0, 1.0 / 39), 4));
        QTest::newRow("AWG 14,5 pair") << 14.5f << UniteFil::AWG << awg[14];
        QTest::newRow("AWG 15,5 pair") << 15.5f << UniteFil::AWG << awg[16];
        QTest::newRow("AWG 40,6") << 40.6f << UniteFil::AWG << 0.0f;
        QTest::newRow("AWG 0,2") << 0.2f << UniteFil::AWG << 0.0f;
        QTest::newRow("pouces") << 0.1f << UniteFil::Pouces << 0.1f;
        QTest::newRow("millimetres") << 1.0f << UniteFil::Millimetres << float(1 / 25.4);
    }
    void fil()
    {
        QFETCH(float, w);
        QFETCH(UniteFil, unite);
        QFETCH(float, pouces);
        QCOMPARE(diametrePouces(w, unite), pouces);
    }

    void tableAwgBornes()
    {
        const auto t = tableAwg();
        QCOMPARE(t[0], 0.0f);
        QCOMPARE(t[41], 0.0f);
        QVERIFY(std::fabs(t[14] - 0.0641) < 0.0001);
        for (int n = 2; n <= 40; ++n) QVERIFY(t[n] < t[n - 1]);
    }

    void qualite_data()
    {
        QTest::addColumn<double>("X");
        QTest::addColumn<float>("Q");
        QTest::newRow("au-dessus de f") << 30.0 << float(100 / (1 + 10 / 30.0));
        QTest::newRow("resonance a f") << 0.0 << 0.0f;
        QTest::newRow("en dessous de f") << -3.0 << 0.0f;
    }
    void qualite()
    {
        QFETCH(double, X);
        QFETCH(float, Q);
        QCOMPARE(qualiteEffective(100, 10, X), Q);
    }

    // The search always settles, or says it cannot, for any inductance and wire.
    void selfToujoursBornee()
    {
        for (float L : {-1.0f, 0.0f, 1e-30f, 0.3f, 13.7f, 1e6f, 1e30f, INFINITY, NAN})
            for (float D : {0.0f, 1e-30f, 0.0641f, 1.0f, 1e30f, INFINITY}) {
                const Self s = concevoirSelf(L, D);
                if (s.echec == Self::Echec::Aucun) {
                    QVERIFY(s.d > 0);
                    QVERIFY(std::isfinite(s.N));
                }
            }
        const Self s = concevoirSelf(13.70f, tableAwg()[14]);
        QCOMPARE(s.echec, Self::Echec::Aucun);
        QCOMPARE(QLocale().toString(s.d, 'f', 2), QStringLiteral("3,25"));
    }

    void champsManquants()
    {
        QCOMPARE(messageChampsManquants(),
                 QStringLiteral("Une des variables n'est pas valide\r\nVous devez renseigner les champs "
                                "Dim. A, B et Diam du fil\r\nainsi que la section du fil"));
    }
};

QTEST_GUILESS_MAIN(TestCalcul)
#include "tst_calcul.moc"
