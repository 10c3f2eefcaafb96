// SPDX-License-Identifier: GPL-3.0-or-later
// The radiation-resistance calculation, from its inputs alone, with French regional settings: the
// texts it gives, the inputs it cannot work with, and the textbook values of a vertical.
#include "measures/rayonnement.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <cmath>
#include <numbers>

using mesures::EntreesRayonnement;

class TstRayonnement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void rayonnement_data();
    void rayonnement();
    void rayonnementImpossible();
    void rayonnementReference();
};

void TstRayonnement::rayonnement_data()
{
    QTest::addColumn<float>("frequence");
    QTest::addColumn<float>("resistance");
    QTest::addColumn<float>("facteur");
    QTest::addColumn<bool>("vueDeLaSource");
    QTest::addColumn<QStringList>("textes");
    QTest::addColumn<QString>("avertissement");

    const QString trop = QStringLiteral("La longueur du brin d'antenne ne devrait pas être plus grand que ");
    // Efficiency by hand: radiation resistance / (radiation + loss) = 30.35 / (30.35 + 5.65)
    // = 0.8431.
    QTest::newRow("plan de sol, 14 MHz")
        << 14.0f << 36.0f << 1.0f << true
        << QStringList{"21,43 m", "30,35 Ohms", "5,65 Ohms", "84,31 %", "80,94 %"} << QString();
    QTest::newRow("plan de sol, 14,2 MHz : brin trop long")
        << 14.2f << 36.0f << 1.0f << true
        << QStringList{"21,13 m", "31,58 Ohms", "4,42 Ohms", "87,73 %", "84,22 %"} << trop + "5,02 m";
    QTest::newRow("Ground Plane")
        << 14.2f << 50.0f << float(50.0 / 36) << true
        << QStringList{"21,13 m", "43,87 Ohms", "6,13 Ohms", "87,73 %", "84,22 %"} << trop + "5,02 m";
    QTest::newRow("dipôle : 75 ohms mesurés, facteur de 73")
        << 14.2f << 75.0f << float(73.0 / 36) << true
        << QStringList{"21,13 m", "64,05 Ohms", "10,95 Ohms", "85,39 %", "81,98 %"} << trop + "5,02 m";
    QTest::newRow("sans mesure à la source : TOS à l'antenne")
        << 14.0f << 36.0f << 1.0f << false
        << QStringList{"21,43 m", "30,35 Ohms", "5,65 Ohms", "84,31 %", "70,82 %"} << QString();
    QTest::newRow("résistance mesurée sous la résistance de rayonnement")
        << 14.0f << 20.0f << 1.0f << true
        << QStringList{"21,43 m", "30,35 Ohms", "-10,35 Ohms", "151,76 %", "145,69 %"} << QString();
}

void TstRayonnement::rayonnement()
{
    QFETCH(float, frequence);
    QFETCH(float, resistance);
    QFETCH(float, facteur);
    QFETCH(bool, vueDeLaSource);
    QFETCH(QStringList, textes);
    QFETCH(QString, avertissement);
    EntreesRayonnement e;
    e.frequence = frequence;
    e.dimensionBrin = 5.02f;
    e.resistanceMesuree = resistance;
    e.facteurType = facteur;
    e.tosSource = 4;
    e.tosAntenne = 16;
    const EntreesRayonnement avant = e;
    const auto r = mesures::calculerRayonnement(e, vueDeLaSource);
    QVERIFY(e == avant);
    QCOMPARE((QStringList{r.texteLongueurOnde, r.texteRayonnement, r.textePerte, r.texteRendement,
                          r.texteRendementGlobal}),
             textes);
    QCOMPARE(r.avertissement.value_or(QString()), avertissement);
    QVERIFY(!r.erreur);
}

void TstRayonnement::rayonnementImpossible()
{
    // A band without a preferred frequency gives 0 MHz: no result, a message instead.
    EntreesRayonnement e;
    e.frequence = 0;
    auto r = mesures::calculerRayonnement(e, true);
    QVERIFY(r.erreur && r.erreur->contains(QStringLiteral("fréquence")));
    QVERIFY(!r.avertissement);
    QVERIFY(r.texteLongueurOnde.isEmpty() && r.texteRendementGlobal.isEmpty());

    // An element of no height has no base current.
    e.frequence = 14;
    e.dimensionBrin = 0;
    r = mesures::calculerRayonnement(e, true);
    QVERIFY(r.erreur && r.erreur->startsWith(QStringLiteral("Calcul impossible")));
    QVERIFY(r.texteRayonnement.isEmpty() && r.texteRendement.isEmpty());

    // A type factor so large that the radiation resistance overflows a single.
    e.dimensionBrin = 1e30f;
    e.facteurType = 3e38f;
    r = mesures::calculerRayonnement(e, true);
    QVERIFY(r.avertissement);
    QVERIFY(r.erreur && r.erreur->startsWith(QStringLiteral("Calcul impossible")));
    QVERIFY(r.texteRayonnement.isEmpty() && r.texteRendement.isEmpty());
}

// The radiation resistance of a vertical against the textbook values: 36.5 ohms at a quarter wave
// (half the half-wave dipole's 73.1), and the short monopole's 40π²(h/λ)².
void TstRayonnement::rayonnementReference()
{
    const double pi = std::numbers::pi;
    QVERIFY(std::abs(mesures::resistanceRayonnementVerticale(pi / 2) - 36.5) <= 0.1);
    const double court = 40 * pi * pi / 400;  // h = λ/20
    QVERIFY(std::abs(mesures::resistanceRayonnementVerticale(2 * pi / 20) / court - 1) <= 0.02);
    const double tresCourt = 40 * pi * pi * 1e-6;  // h = λ/1000
    QVERIFY(std::abs(mesures::resistanceRayonnementVerticale(2 * pi / 1000) / tresCourt - 1) <= 1e-4);
    QVERIFY(std::isnan(mesures::resistanceRayonnementVerticale(0)));
    // Towards a half wave the base current vanishes and the resistance referred to it grows.
    QVERIFY(mesures::resistanceRayonnementVerticale(pi * 0.999) > 1e5);

    // Through the calculation: a quarter-wave ground plane on 14 MHz (5.357 m).
    EntreesRayonnement e;
    e.frequence = 14;
    e.dimensionBrin = float(300.0 / 14 / 4);
    e.facteurType = 1;
    e.resistanceMesuree = 36;
    const auto r = mesures::calculerRayonnement(e, true);
    QVERIFY(std::abs(r.resistanceRayonnement - 36.5) <= 0.1);
}

QTEST_GUILESS_MAIN(TstRayonnement)
#include "tst_rayonnement.moc"
