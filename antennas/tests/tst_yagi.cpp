// SPDX-License-Identifier: GPL-3.0-or-later
// Yagi designs: every line of every design under French settings, and the boom.
#include "antennas/yagi.h"
#include "antennas/tests/lignes.h"
#include "tests/support/reglages.h"

#include <QtTest>

using namespace antennes;

namespace {

const QString tirets41 = QString(41, QLatin1Char('-'));

}  // namespace

class TstYagi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    // 144.3 MHz on the 2 m band (index 11).
    void yagi_data()
    {
        QTest::addColumn<int>("modele");
        QTest::addColumn<int>("bande");
        QTest::addColumn<QStringList>("lignes");
        const QString varnasse = "Bibliographie tirée du livre de Varnasse (Q5ZT), 8ème édition, page 476, paragraphe E)";
        const QString quartOnde75 = "Une ligne quart d'onde 75 ohms d'adaptation est nécessaire entre l'antenne et "
                                    "la descente en câble coaxiale 50ohms";
        const QStringList debut45{"Reflecteur = 1,020 m", "Espace entre reflecteur et radiateur : 0,416 m",
                                  "Radiateur = 0,975 m", "Espace entre radiateur et directeur 1 : 0,312 m",
                                  "Directeur 1 = 0,935 m", "Espace entre directeur 1 et directeur 2 : 0,166 m",
                                  "Directeur 2 = 0,924 m"};
        // Worked by hand for the 2 m band (index 11, 144.3 MHz, wavelength 300 / 144.3 = 2.07900 m):
        // reflector 148 / 144.3 = 1.02564, radiator 143 / 144.3 = 0.99099, director
        // 138 / 144.3 = 0.95634; spacings 0.2 x 2.07900 = 0.41580 and 0.25 x 2.07900 = 0.51975;
        // boom (14 - 11) / 2 x 0.1 + 0.45 x 2.07900 = 1.08555 metres.
        QTest::newRow("0 trois") << 0 << 11
            << QStringList{"Antenne trois éléments avec dipôle simple", "Impédance: 50 Ohms, ", "Gain: 7 dB-i",
                           "Longueur de Boom = 1,09 m", "Reflecteur = 1,026 m",
                           "Espace entre reflecteur et radiateur : 0,416 m", "Radiateur = 0,991 m",
                           "Espace entre radiateur et directeur : 0,520 m", "Directeur = 0,956 m", tirets41,
                           "Le diamètre des brins sera variable de 4 à 20 mm, suivant la bande passante souhaitée",
                           "Une ligne quart d'onde d'adaptation 75 ohms est nécessaire entre l'antenne et la "
                           "descente en câble coaxiale 50ohms",
                           tirets41, varnasse};
        QTest::newRow("1 quatre") << 1 << 11
            << QStringList{"Antenne cinq éléments avec radiateur simple.", "Impédance: 50 Ohms.", "Gain: 9 dB-i.",
                           "Longueur de Boom = 1,50 m"}
                   + debut45
                   + QStringList{tirets41, "Diamètre de 12 mm pour le radiateur.",
                                 "Diamètre de 4 à 6 mm pour les autres éléments.", quartOnde75, tirets41, varnasse};
        QTest::newRow("2 cinq") << 2 << 11
            << QStringList{"Antenne cinq éléments avec radiateur replié", "Impédance: 50 Ohms", "Gain: 10,5dB-i",
                           "Longueur de Boom = 1,50 m"}
                   + debut45
                   + QStringList{"Espace entre directeur 2 et directeur 3 : 0,457 m", "Directeur 3 = 0,920 m",
                                 tirets41,
                                 "Diamètre des brins de 4 mm pour le premier réflecteur et 6 mm, pour les deux "
                                 "derniers directeurs",
                                 "Diamètre du brin de 4 mm, pour le premiers directeurs",
                                 "Diamètre du radiateur 12 mm et de 5 mm pour le retour ", quartOnde75, tirets41,
                                 "Bibliographie tirée du livre de Varnasse (Q5ZT), 8ème édition, pages 477 et 478, "
                                 "paragraphe : antenne cinq éléments pour 144 Mhz et sa note"};
        const QStringList neuf{
            "Antenne neuf éléments ORBEQUE avec radiateur simple", "Impédence: 50 Ohms",
            "Gain: 13 dB-i, rapport Av-Ar: 20 dB", "Longueur de Boom =3,62 m", "Réflecteur = 1,035 m",
            "Espace entre réflecteur et radiateur : 0,326 m", "Radiateur = 0,995 m",
            "Espace entre radiateur et directeur 1 : 0,185 m", "Directeur 1 = 0,955 m",
            "Espace entre directeur 1 et directeur 2 : 0,360 m", "Directeur 2 = 0,935 m",
            "Espace entre directeur 2 et directeur 3 : 0,545 m", "Directeur 3 = 0,924 m",
            "Espace entre directeur 3 et directeur 4 : 0,545 m", "Directeur 4 = 0,924 m",
            "Espace entre directeur 4 et directeur 5 : 0,545 m", "Directeur 5 = 0,904 m",
            "Espace entre directeur 5 et directeur 6 : 0,545 m", "Directeur 6 = 0,904 m",
            "Espace entre directeur 6 et directeur 7 : 0,422 m", "Directeur 7 = 0,884 m", tirets41,
            "Diamètre des brins variable de 4 à 20 mm, suivant la bande passante souhaitée",
            "Une ligne quart d'onde d'adaptation est nécessaire entre l'antenne et la descente en câble coaxiale "
            "50ohms",
            tirets41,
            "Bibliographie tirée du livre -Les antennes- de Belvanter (Q8WK) et coll., 13ème édition, page 277, "
            "paragraphe : les antennes ORBEQUE"};
        QTest::newRow("3 neuf") << 3 << 11 << neuf;
        QStringList neufLibre = neuf;
        neufLibre[3] = "Longueur de Boom =4,17 m";  // 0.55 m longer with "Libre choix"
        QTest::newRow("3 neuf, libre choix") << 3 << 0 << neufLibre;
    }
    void yagi()
    {
        QFETCH(int, modele);
        QFETCH(int, bande);
        QFETCH(QStringList, lignes);
        const ResultatModele r = calculerYagi({modele, 144.3f, bande});
        comparerLignes(r.lignes, lignes);
        QCOMPARE(r.longueurOnde, 300 / 144.3f);
        QCOMPARE(r.image, QStringLiteral("\\Yagi.gif"));
    }

    void boomYagi()
    {
        const float deuxMetres = calculerYagi({0, 144.3f, 11}).boom;
        QVERIFY(qAbs(deuxMetres - 1.08555f) < 1e-4);
        QVERIFY(qAbs(calculerYagi({0, 144.3f, 0}).boom - deuxMetres - 0.55f) < 1e-5);
        QCOMPARE(calculerYagi({3, 144.3f, 11}).boom, float(0.15000000000000002 + 1.67 * double(300 / 144.3f)));
        QCOMPARE(nonVides(calculerYagi({3, 144.3f, 11}).lignes).size(), 26);
    }
};

QTEST_GUILESS_MAIN(TstYagi)
#include "tst_yagi.moc"
