// SPDX-License-Identifier: GPL-3.0-or-later
// Quad and Delta-Loop designs: every line of every design under French settings, and the boom.
#include "antennas/quad.h"
#include "antennas/tests/lignes.h"
#include "tests/support/reglages.h"

#include <QtTest>

using namespace antennes;

namespace {

const QString impedance = QStringLiteral(
    "Son impédance est variable en fonction de sa hauteur au dessus du sol, une ligne quart d'onde "
    "d'adaptation est nécessaire.");
const QString gammaMatch = QStringLiteral("Son impédance est adaptée par un Gamma-Match d'une longueur de : 1,06 m");
const QString diagramme = QStringLiteral(
    "Cette antenne ne présente pas de rapport avant-arrière particuler, elle est bi-directionnelle à la "
    "façon d'un cadre");

}  // namespace

class TstQuad : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    // 14.2 MHz on the 20 m band (index 5), and "Libre choix" (index 0) where the band matters.
    // Circumferences by the handbook quad rule, worked by hand: 1005 ft / 14.2 = 70.77 ft =
    // 21.570 m (306.3 / 14.2 = 21.5704), director 975 ft -> 297.2 / 14.2 = 20.9296, reflector
    // 1030 ft -> 313.9 / 14.2 = 22.1056 metres.
    void quad_data()
    {
        QTest::addColumn<int>("modele");
        QTest::addColumn<int>("bande");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("lignes");
        const QString quad = "\\Quad.gif", delta = "\\Delta-Loop.gif";
        QTest::newRow("0 quad seule") << 0 << 5 << quad
            << QStringList{"Antenne Quad, un élément seulement", impedance,
                           "Circonférence du radiateur = 21,570 m", diagramme};
        QTest::newRow("1 quad directeur") << 1 << 5 << quad
            << QStringList{"Antenne Quad, deux éléments dont un directeur", impedance, "Longueur de Boom =4,68 m",
                           "Circonférence du radiateur = 21,570 m",
                           "Espace entre radiateur et directeur : 4,225 m",
                           "Circonférence du directeur = 20,930 m"};
        QTest::newRow("1 quad directeur, libre choix") << 1 << 0 << quad
            << QStringList{"Antenne Quad, deux éléments dont un directeur", impedance, "Longueur de Boom =4,93 m",
                           "Circonférence du radiateur = 21,570 m",
                           "Espace entre radiateur et directeur : 4,225 m",
                           "Circonférence du directeur = 20,930 m"};
        QTest::newRow("2 quad reflecteur") << 2 << 5 << quad
            << QStringList{"Antenne Quad, deux éléments dont un réflecteur", impedance, "Longueur de Boom =4,68 m",
                           "Circonférence du radiateur = 21,570 m",
                           "Espace entre réflecteur et radiateur : 4,225 m",
                           "Circonférence du réflecteur = 22,106 m"};
        QTest::newRow("3 quad trois") << 3 << 5 << quad
            << QStringList{"Antenne Quad, trois éléments", impedance, "Longueur de Boom = 10,56 m",
                           "Circonférence du directeur = 20,930 m",
                           "Espace entre radiateur et directeur : 5,282 m",
                           "Circonférence du radiateur = 21,570 m",
                           "Espace entre reflecteur et radiateur : 4,225 m",
                           "Circonférence du réflecteur = 22,106 m"};
        // The single Delta-Loop gives its radiator, like the single Quad.
        QTest::newRow("4 delta seule") << 4 << 5 << delta
            << QStringList{"Antenne Delta-Loop, un éléments seulement", gammaMatch,
                           "Circonférence du radiateur = 21,570 m", diagramme};
        QTest::newRow("5 delta directeur") << 5 << 0 << delta
            << QStringList{"Antenne Delta-Loop, deux éléments dont un radiateur", gammaMatch,
                           "Longueur de Boom =5,28 m", "Circonférence du directeur = 20,930 m",
                           "Espace entre radiateur et directeur : 4,225 m",
                           "Circonférence du radiateur = 21,570 m"};
        QTest::newRow("6 delta reflecteur") << 6 << 5 << delta
            << QStringList{"Antenne Delta-Loop, deux éléments dont un réflecteur", gammaMatch,
                           "Longueur de Boom =5,28 m", "Circonférence du radiateur = 21,570 m",
                           "Espace entre réflecteur et radiateur : 4,225 m",
                           "Circonférence du réflecteur = 22,106 m"};
        QTest::newRow("7 delta trois") << 7 << 5 << delta
            << QStringList{"Antenne Delta-Loop, trois éléments", gammaMatch, "Longueur de Boom = 10,563 m",
                           "Circonférence du directeur = 20,930 m",
                           "Espace entre radiateur et directeur : 5,282 m",
                           "Circonférence du radiateur = 21,570 m",
                           "Espace entre réflecteur et radiateur : 4,225 m",
                           "Circonférence du réflecteur = 22,106 m"};
    }
    void quad()
    {
        QFETCH(int, modele);
        QFETCH(int, bande);
        QFETCH(QString, image);
        QFETCH(QStringList, lignes);
        const ResultatModele r = calculerQuad({modele, 14.2f, bande});
        comparerLignes(r.lignes, lignes);
        QCOMPARE(r.image, image);
        QCOMPARE(r.longueurOnde, 300 / 14.2f);
    }

    void boomQuadSuitLaBande()
    {
        const float avec20m = calculerQuad({1, 14.2f, 5}).boom;
        const float libre = calculerQuad({1, 14.2f, 0}).boom;
        QVERIFY(qAbs(avec20m - 4.6754f) < 1e-4);
        QVERIFY(qAbs(libre - avec20m - 0.25f) < 1e-5);
        QCOMPARE(calculerQuad({2, 14.2f, 5}).boom, avec20m);
        QCOMPARE(calculerQuad({5, 14.2f, 0}).lignes[2], calculerQuad({5, 14.2f, 13}).lignes[2]);
    }
};

QTEST_GUILESS_MAIN(TstQuad)
#include "tst_quad.moc"
