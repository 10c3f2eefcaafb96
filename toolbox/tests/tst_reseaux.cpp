// SPDX-License-Identifier: GPL-3.0-or-later
// Matching a complex load to 50 Ohms at 7.1 MHz: the networks found and their values, the
// impedance each gives back at the source, the forms left out and the loads nothing can match.
// Expected values come from Pozar's L-section formulas (Microwave Engineering, 5.1), worked apart
// in Python; ω = 2π × 7.1 MHz = 44 610 615.68 rad/s.
#include "shell/core/nombres.h"
#include "toolbox/adaptateurs.h"
#include "toolbox/reseaux.h"

#include "tests/support/reglages.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(std::complex<double>)

using namespace boite;
using complexe = std::complex<double>;

namespace {
constexpr double kF = 7.1e6, kR0 = 50;

// "L série 0.98987": kind, place and value in µH or pF, compared within 1e-6 relative.
bool pareil(const Composant &c, const QString &attendu)
{
    const QStringList m = attendu.split(QLatin1Char(' '));
    const bool cond = c.genre == Composant::Genre::Condensateur;
    const double v = c.valeur * (cond ? 1e12 : 1e6), a = m[2].toDouble();
    return m[0] == (cond ? "C" : "L") &&
           m[1] == (c.place == Composant::Place::Serie ? "série" : "parallèle") &&
           std::abs(v - a) <= 1e-6 * a;
}

const ReseauLC *trouver(const Adaptation &a, const QString &nom)
{
    for (const ReseauLC &r : a.reseaux)
        if (r.nom == nom) return &r;
    return nullptr;
}

// The value the older resistive calculation wrote after `nom = ` ("C1 = 169 pf", "L1 = 2,54 µH").
double lu(const QString &texte, const QString &nom)
{
    const auto m = QRegularExpression(nom + QStringLiteral(" = ([0-9,]+)")).match(texte);
    return m.hasMatch()
               ? nombres::lireNombre(m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')))
               : -1;
}
}  // namespace

class TstReseaux : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    // Every network, "name|component|component...", values in µH or pF; Q of the PI network 5.
    // L networks, Y = G + jB (Pozar): across the load
    //   B = (X ± √(R/50) √(R² + X² − 50 R)) / (R² + X²), series X = 1/B + 50 X/R − 50/(B R);
    // on the source side series ±√(R (50 − R)) − X, shunt ±√((50 − R)/R) / 50.
    // PI: XC1 = R1/Q, XC2 = R2 √((R1/R2)/(Q² + 1 − R1/R2)), XL = (Q R1 + R1 R2 / XC2)/(Q² + 1),
    // R1 the higher of 50 and Rp = |Z|²/R, the load side's capacitor less the load's own
    // susceptance −X/|Z|².
    void reseaux_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("x");
        QTest::addColumn<QStringList>("attendus");
        QTest::addColumn<int>("nombre");  // networks in all, those not listed included
        // B = 0.0283429 / 0.0083609, X = ±47.9271;
        // source side X = −16.2513 / −66.1487, B = ±0.0213237;
        // PI: Rp = 95.9402, XC1 = 19.1880 (load side), XC2 = 14.1139, XL = 31.5223.
        QTest::newRow("23.4 + j41.2") << 23.4 << 41.2 << QStringList{
            "L, parallèle côté charge, passe-bas|L série 1.074343|C parallèle 635.3406",
            "L, parallèle côté charge, deux condensateurs|C série 467.7141|C parallèle 187.4184",
            "L, parallèle côté source, deux condensateurs|C parallèle 477.9964|C série 1379.351",
            "L, parallèle côté source, passe-haut|L parallèle 1.051233|C série 338.8755",
            "PI (Q = 5), passe-bas|C parallèle 1588.238|L série 0.706610|C parallèle 1579.617"} << 5;
        // B = 0.0279009 / 0.0080542, X = ±44.1588; source side X = −15 / −65, B = ±0.02.
        QTest::newRow("25 + j40") << 25.0 << 40.0 << QStringList{
            "L, parallèle côté charge, passe-bas|L série 0.9898721|C parallèle 625.4308",
            "L, parallèle côté charge, deux condensateurs|C série 507.6267|C parallèle 180.5445",
            "L, parallèle côté source, deux condensateurs|C parallèle 448.3238|C série 1494.413",
            "L, parallèle côté source, passe-haut|L parallèle 1.120809|C série 344.8644"} << 5;
        // Rp = 89, XC1 = 17.8 (load side), XC2 = 13.5548, XL = 29.7422.
        QTest::newRow("25 - j40") << 25.0 << -40.0 << QStringList{
            "L, parallèle côté charge, deux selfs|L série 0.9898721|L parallèle 2.783167",
            "L, parallèle côté charge, passe-haut|C série 507.6267|L parallèle 0.8034230",
            "L, parallèle côté source, passe-bas|C parallèle 448.3238|L série 1.457052",
            "L, parallèle côté source, deux selfs|L parallèle 1.120809|L série 0.3362428",
            "PI (Q = 5), passe-bas|C parallèle 1653.746|L série 0.666707|C parallèle 856.3488"} << 5;
        // B = 0.0137980 / −0.0057980, X = ±61.2372;
        // PI: Rp = 125, XC1 = 25, XC2 = 16.3082, XL = 38.7786.
        QTest::newRow("100 + j50") << 100.0 << 50.0 << QStringList{
            "L, parallèle côté charge, passe-bas|L série 1.372706|C parallèle 309.2977",
            "L, parallèle côté charge, passe-haut|C série 366.0548|L parallèle 3.866221",
            "PI (Q = 5), passe-bas|C parallèle 1374.535|L série 0.869268|C parallèle 986.3123"} << 3;
        QTest::newRow("100 - j50") << 100.0 << -50.0 << QStringList{
            "L, parallèle côté charge, passe-bas|L série 1.372706|C parallèle 129.9681",
            "L, parallèle côté charge, passe-haut|C série 366.0548|L parallèle 1.624602"} << 3;
        // B = ±√3/200, X = ±50√3.
        QTest::newRow("200 + j0") << 200.0 << 0.0 << QStringList{
            "L, parallèle côté charge, passe-bas|L série 1.941299|C parallèle 194.1299",
            "L, parallèle côté charge, passe-haut|C série 258.8399|L parallèle 2.588399"} << 3;
        // Rp = 325, XC1 = 65 (load side), XC2 = 28.8675, XL = 84.1506: the load's B = 40/1625
        // exceeds the 1/65 the design wants across it, a coil takes up the rest.
        QTest::newRow("5 - j40, PI with a coil across the load") << 5.0 << -40.0 << QStringList{
            "PI (Q = 5), self parallèle côté charge|C parallèle 776.5196|L série 1.886337|L parallèle 2.428420"} << 5;
        // R = R0: the series element alone cancels X = 30: C = 1/(ω 30).
        QTest::newRow("50 + j30, one element")
            << 50.0 << 30.0 << QStringList{"Un composant en série|C série 747.2063"} << 3;
        // On the circle G = 1/50 (25² + 25² = 25 × 50): the shunt element alone, +0.02 S.
        QTest::newRow("25 + j25, one element")
            << 25.0 << 25.0 << QStringList{"Un composant en parallèle|C parallèle 448.3238"} << 3;
        QTest::newRow("50 + j0, nothing to add")
            << 50.0 << 0.0 << QStringList{"Liaison directe : la charge est déjà adaptée"} << 2;
    }
    void reseaux()
    {
        QFETCH(double, r);
        QFETCH(double, x);
        QFETCH(QStringList, attendus);
        QFETCH(int, nombre);
        const Adaptation a = adapter({r, x}, kR0, kF, 5);
        QVERIFY(a.impossible.isEmpty());
        for (const QString &attendu : attendus) {
            const QStringList p = attendu.split(QLatin1Char('|'));
            const ReseauLC *n = trouver(a, p[0]);
            QVERIFY2(n, qPrintable(p[0]));
            QCOMPARE(int(n->composants.size()), p.size() - 1);
            for (int i = 1; i < p.size(); ++i)
                QVERIFY2(pareil(n->composants[size_t(i - 1)], p[i]), qPrintable(attendu));
        }
        QCOMPARE(int(a.reseaux.size()), nombre);
    }

    // The decisive check: every network found, ended by its load, shows R0 + j0 to the source.
    void adapteesEnEntree_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("r0");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("q");
        for (const complexe z :
             {complexe(23.4, 41.2), complexe(25, 40), complexe(25, -40), complexe(100, 50),
              complexe(100, -50), complexe(200, 0), complexe(5, -40), complexe(50, 30),
              complexe(25, 25), complexe(50, 0), complexe(0.5, 0), complexe(3000, -2000)})
            QTest::addRow("%g%+gj, 50 Ohms, 7.1 MHz", z.real(), z.imag())
                << z.real() << z.imag() << kR0 << kF << 5.0;
        QTest::newRow("300 Ohms source, 144 MHz, Q 12") << 30.0 << -80.0 << 300.0 << 144e6 << 12.0;
        QTest::newRow("75 Ohms source, 1.8 MHz, Q 2") << 75.0 << 75.0 << 75.0 << 1.8e6 << 2.0;
    }
    void adapteesEnEntree()
    {
        QFETCH(double, r);
        QFETCH(double, x);
        QFETCH(double, r0);
        QFETCH(double, f);
        QFETCH(double, q);
        const Adaptation a = adapter({r, x}, r0, f, q);
        QVERIFY(a.impossible.isEmpty() && !a.reseaux.empty());
        for (const ReseauLC &n : a.reseaux) {
            const complexe z = entree(n, {r, x}, f);
            QVERIFY2(std::abs(z - r0) < 1e-6, qPrintable(n.nom));
        }
    }

    // entree() itself, by hand: 1 µH in series with 50 Ohms is 50 + jω 1e-6 = 50 + j44.6106, and
    // with the coil's Q of 50 another 44.6106 / 50 = 0.8922 Ohms; 100 pF across 50 Ohms is
    // 1 / (0.02 + j0.00446106) = (0.02 − j0.00446106) / 4.19901e-4 = 47.6303 − j10.6241.
    void entreeALaMain_data()
    {
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("place");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<double>("qBobine");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("im");
        constexpr double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("series coil") << 1 << 0 << 1e-6 << inf << 50.0 << 44.610616;
        QTest::newRow("series coil of Q 50") << 1 << 0 << 1e-6 << 50.0 << 50.892212 << 44.610616;
        QTest::newRow("shunt capacitor") << 0 << 1 << 100e-12 << 50.0 << 47.630267 << -10.624078;
    }
    void entreeALaMain()
    {
        QFETCH(int, genre);
        QFETCH(int, place);
        QFETCH(double, valeur);
        QFETCH(double, qBobine);
        QFETCH(double, re);
        QFETCH(double, im);
        const ReseauLC n{QString(), {{Composant::Genre(genre), Composant::Place(place), valeur}}};
        QVERIFY(std::abs(entree(n, 50, kF, qBobine) - complexe(re, im)) < 1e-5);
        QCOMPARE(entree(ReseauLC{}, {12, -3}, kF), complexe(12, -3));
    }

    // A resistive load against the older resistive calculations at 7.1 MHz. They take 2π as 6.28,
    // so their values are ours times 2π / 6.28; C is whole picofarads, fraction dropped, L has
    // 2 decimals. L of "Networks" (input lower than output): R above 50 is our series coil and
    // capacitor across the load, R below 50 (input R, output 50) our capacitor across the source
    // and series coil; "Tuning and Matching" C2 is that same capacitor across the source. The PI
    // takes R1 the higher side: R1 = 50 and C1 across the source when R < 50, R1 = R otherwise.
    void commeLesAdaptateurs_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("q");
        for (double r : {5.0, 25.0, 36.0, 200.0, 300.0})
            for (double q : {5.0, 10.0}) QTest::addRow("%g Ohms, Q %g", r, q) << r << q;
    }
    void commeLesAdaptateurs()
    {
        QFETCH(double, r);
        QFETCH(double, q);
        const double k = 2 * std::numbers::pi / 6.28;
        const auto cAvant = [&](const Composant &c, double texte) {
            const double pf = c.valeur * 1e12 * k;
            return c.genre == Composant::Genre::Condensateur && pf - texte > -0.01 &&
                   pf - texte < 1.01;
        };
        const auto lAvant = [&](const Composant &c, double texte) {
            return c.genre == Composant::Genre::Self &&
                   std::abs(c.valeur * 1e6 * k - texte) < 0.0051;
        };
        const Adaptation a = adapter(r, kR0, kF, q);
        const bool bas = r < kR0;
        const ReseauLC *l = trouver(
            a, bas ? "L, parallèle côté source, passe-bas" : "L, parallèle côté charge, passe-bas");
        const ReseauLC *pi = trouver(a, QStringLiteral("PI (Q = %1), passe-bas").arg(q));
        QVERIFY(l && pi);
        const QString ln = calculerReseau(TypeReseau::LNetworks, float(bas ? r : kR0),
                                          float(bas ? kR0 : r), 1, 7.1f)
                               .texte;
        const Composant &c = l->composants[bas ? 0 : 1], &s = l->composants[bas ? 1 : 0];
        QVERIFY2(cAvant(c, lu(ln, "C1")) && lAvant(s, lu(ln, "L1")), qPrintable(ln));
        if (bas) {
            const QString tm = calculerReseau(TypeReseau::LTuningMatching, float(kR0), float(r),
                                              float(q), 7.1f)
                                   .texte;
            QVERIFY2(cAvant(c, lu(tm, "C2")), qPrintable(tm));
        }
        const QString tp = calculerReseau(TypeReseau::Pi, float(bas ? kR0 : r),
                                          float(bas ? r : kR0), float(q), 7.1f)
                               .texte;
        QVERIFY2(cAvant(pi->composants[bas ? 0 : 2], lu(tp, "C1")) &&
                     cAvant(pi->composants[bas ? 2 : 0], lu(tp, "C2")) &&
                     lAvant(pi->composants[1], lu(tp, "L1")),
                 qPrintable(tp));
    }

    // Forms that do not exist for a load, each said once; 25 + j0 against 50: (R² + X²)/R = 25.
    void absents_data()
    {
        QTest::addColumn<complexe>("z");
        QTest::addColumn<double>("q");
        QTest::addColumn<QStringList>("absents");
        QTest::addColumn<int>("nombre");  // networks found
        const QString a25 = QStringLiteral(
            "L, parallèle côté charge : impossible, la résistance parallèle de la charge "
            "((R² + X²) / R = 25,0 Ohms) est inférieure à 50,0 Ohms.");
        const QString b500 = QStringLiteral(
            "L, parallèle côté source : impossible, R de la charge (500,0 Ohms) supérieure à "
            "50,0 Ohms.");
        QTest::newRow("25 Ohms, Q 5") << complexe(25, 0) << 5.0 << QStringList{a25} << 3;
        // 0.5² + 1 = 1.25 against 50/25 = 2: Q must exceed √(2 − 1) = 1.
        QTest::newRow("25 Ohms, Q 0.5")
            << complexe(25, 0) << 0.5
            << QStringList{a25,
                           "PI (Q = 0,5) : impossible, Q trop faible : Q² + 1 (1,25) doit "
                           "dépasser le rapport des résistances (2,00 = 50,0 Ohms / "
                           "25,0 Ohms), soit Q au-dessus de 1,00."}
            << 2;
        // 3² + 1 = 10 against 500/50: the low side's Q would be 0.
        QTest::newRow("500 Ohms, Q 3, ratio equal")
            << complexe(500, 0) << 3.0
            << QStringList{b500,
                           "PI (Q = 3) : impossible, Q trop faible : Q² + 1 (10,00) doit "
                           "dépasser le rapport des résistances (10,00 = 500,0 Ohms / "
                           "50,0 Ohms), soit Q au-dessus de 3,00."}
            << 2;
        QTest::newRow("Q 0") << complexe(500, 0) << 0.0
                             << QStringList{b500,
                                            "PI : impossible, le Q doit être un nombre fini "
                                            "au-dessus de 0."}
                             << 2;
        // A load Q of 1e11: the reactance of 100 Ohms must be cancelled to 1e-17 Ohms, beyond a
        // double's 16 digits, in every form (the PI's Q of 1e6 is above √(1e13 / 50 − 1)).
        QTest::newRow("1e-9 + j100, precision lost")
            << complexe(1e-9, 100) << 1e6
            << QStringList{"L, parallèle côté charge : la précision du calcul ne suffit pas pour "
                           "cette charge.",
                           "L, parallèle côté source : la précision du calcul ne suffit pas pour "
                           "cette charge.",
                           "PI (Q = 1000000) : la précision du calcul ne suffit pas pour cette "
                           "charge."}
            << 0;
    }
    void absents()
    {
        QFETCH(complexe, z);
        QFETCH(double, q);
        QFETCH(QStringList, absents);
        QFETCH(int, nombre);
        const Adaptation a = adapter(z, kR0, kF, q);
        QCOMPARE(a.absents, absents);
        QCOMPARE(int(a.reseaux.size()), nombre);
    }

    void impossibles_data()
    {
        QTest::addColumn<complexe>("z");
        QTest::addColumn<double>("r0");
        QTest::addColumn<double>("f");
        QTest::addColumn<QString>("pourquoi");
        const QString d = QStringLiteral("Aucun réseau passif ne peut adapter cette charge : ");
        const double nan = std::numeric_limits<double>::quiet_NaN(),
                     inf = std::numeric_limits<double>::infinity();
        QTest::newRow("R = 0") << complexe(0, 40) << kR0 << kF
                               << d + "sa résistance est nulle ou négative.";
        QTest::newRow("R < 0") << complexe(-3, 0) << kR0 << kF
                               << d + "sa résistance est nulle ou négative.";
        QTest::newRow("NaN") << complexe(nan, 1) << kR0 << kF
                             << d + "son impédance n'est pas un nombre fini.";
        QTest::newRow("infinite X")
            << complexe(20, -inf) << kR0 << kF << d + "son impédance n'est pas un nombre fini.";
        // |1e300 j − 50| and |1e300 j + 50| are the same double: |Γ| = 1.
        QTest::newRow("|Γ| = 1") << complexe(1e-300, 1e300) << kR0 << kF
                                 << d + "elle réfléchit toute l'onde (|Γ| = 1).";
        QTest::newRow("R0 = 0")
            << complexe(20, 0) << 0.0 << kF
            << d + "la résistance de la source doit être un nombre fini au-dessus de 0.";
        QTest::newRow("f = 0") << complexe(20, 0) << kR0 << 0.0
                               << d + "la fréquence doit être un nombre fini au-dessus de 0.";
    }
    void impossibles()
    {
        QFETCH(complexe, z);
        QFETCH(double, r0);
        QFETCH(double, f);
        QFETCH(QString, pourquoi);
        const Adaptation a = adapter(z, r0, f, 5);
        QCOMPARE(a.impossible, pourquoi);
        QVERIFY(a.reseaux.empty() && a.absents.isEmpty());
    }

    // Coils of Q 100. 200 + j0, low-pass L: the load with its capacitor is 50 − j50√3 and the coil
    // adds 50√3 (1/100 + j), so 50 + 0.866025 Ohms: SWR 50.866025 / 50 = 1.017321. The other
    // networks of 23.4 + j41.2 stay under SWR 1.1 (worst, the PI: 46.58 − j2.00, 1.085).
    void pertesDesSelfs()
    {
        const auto tos = [](complexe z) {
            const double g = std::abs((z - kR0) / (z + kR0));
            return (1 + g) / (1 - g);
        };
        const Adaptation a = adapter(200, kR0, kF, 5);
        const ReseauLC *l = trouver(a, "L, parallèle côté charge, passe-bas");
        QVERIFY(l);
        const complexe z = entree(*l, 200, kF, 100);
        QVERIFY(std::abs(z - 50.866025) < 1e-5);
        QVERIFY(std::abs(tos(z) - 1.017321) < 1e-6);
        for (const ReseauLC &n : adapter({23.4, 41.2}, kR0, kF, 5).reseaux)
            QVERIFY2(tos(entree(n, {23.4, 41.2}, kF, 100)) < 1.1, qPrintable(n.nom));
    }

    void texte_data()
    {
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("place");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("pF") << 0 << 0 << 123.44e-12 << "C série 123,4 pF";
        QTest::newRow("under 10 pF") << 0 << 1 << 4.7e-12 << "C parallèle 4,70 pF";
        QTest::newRow("nF") << 0 << 0 << 250e-9 << "C série 250,0 nF";
        QTest::newRow("µH") << 1 << 1 << 1.234e-6 << "L parallèle 1,23 µH";
        QTest::newRow("under 0.1 µH") << 1 << 0 << 45e-9 << "L série 0,045 µH";
        QTest::newRow("nH") << 1 << 0 << 4.5e-9 << "L série 4,5 nH";
    }
    void texte()
    {
        QFETCH(int, genre);
        QFETCH(int, place);
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        QCOMPARE((Composant{Composant::Genre(genre), Composant::Place(place), valeur}.texte()),
                 texte);
    }
};

QTEST_GUILESS_MAIN(TstReseaux)
#include "tst_reseaux.moc"
