// SPDX-License-Identifier: GPL-3.0-or-later
// The recalculation from the measured resonance, for each kind of wire antenna, under French
// regional settings.
#include "adaptation/recalcul.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace adaptation;

Q_DECLARE_METATYPE(adaptation::Plausibilite)

namespace {


// The main length the antenna designer computes: the fraction of the wavelength times k, in single
// precision.
float longueur(float base, float F, float k) { return float(base / F) * k; }

}  // namespace

class TstRecalcul : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void recalculer_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("F0");
        QTest::addColumn<float>("K0");
        QTest::addColumn<float>("L0");
        QTest::addColumn<float>("Fm");
        QTest::addColumn<QString>("facteur");
        QTest::addColumn<QString>("longueur");
        QTest::addColumn<QString>("cadre");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<Plausibilite>("plausibilite");
        const QString moins = "Longueur à supprimer", plus = "Longueur à rajouter";
        const QString radians = "\r\n\r\n(Et de tous les radians pour une Ground-Plane)";
        QTest::newRow("doublet 14,2 mesuré 13,9")
            << int(antennes::Dipole) << 14.2f << 0.95f << longueur(150, 14.2f, 0.95f) << 13.9f << "0,93" << "9,82 m"
            << moins << "10,6 cm aux deux extrémités de l'antenne" << "Antenne de type doublet"
            << Plausibilite::Correcte;
        QTest::newRow("quart d'onde 7,1 mesuré 7,3")
            << int(antennes::GroundPlane) << 7.1f << 0.95f << longueur(75, 7.1f, 0.95f) << 7.3f << "0,98" << "10,32 m"
            << plus << "28,3 cm aux extrémités de l'antenne" + radians << "Antenne quart d'onde"
            << Plausibilite::TropHaute;
        QTest::newRow("exactement 1 m") << int(antennes::GroundPlane) << 150.0f << 0.95f << 2.0f << 75.0f << "2,00" << "1,00 m"
                                        << moins << "1,00 m aux extrémités de l'antenne" + radians
                                        << "Antenne quart d'onde" << Plausibilite::TropHaute;
        QTest::newRow("0,999 m") << int(antennes::GroundPlane) << 150.0f << 0.95f << 1.998f << 75.0f << "2,00" << "1,00 m"
                                 << moins << "99,9 cm aux extrémités de l'antenne" + radians
                                 << "Antenne quart d'onde" << Plausibilite::TropHaute;
        QTest::newRow("facteur trop bas")
            << int(antennes::Dipole) << 14.2f << 0.95f << longueur(150, 14.2f, 0.95f) << 13.0f << "0,87" << "9,19 m"
            << moins << "42,4 cm aux deux extrémités de l'antenne" << "Antenne de type doublet"
            << Plausibilite::TropBasse;
        QTest::newRow("Windom en mètres")
            << int(antennes::Windom) << 3.5f << 0.95f << longueur(150, 3.5f, 0.95f) << 3.3f << "0,90" << "38,39 m" << moins
            << "0,78 m au côté court de l'antenne\r\n1,55 m au côté long de l'antenne" << "Antenne Conrad Windom"
            << Plausibilite::TropBasse;
        QTest::newRow("Windom en centimètres")
            << int(antennes::Windom) << 14.2f << 0.95f << longueur(150, 14.2f, 0.95f) << 13.9f << "0,93" << "9,82 m" << moins
            << "7,1 cm au côté court de l'antenne\r\n14,1 cm au côté long de l'antenne" << "Antenne Conrad Windom"
            << Plausibilite::Correcte;
        QTest::newRow("G5RV")
            << int(antennes::G5rv) << 14.2f << 0.95f << longueur(450, 14.2f, 0.95f) << 14.0f << "0,94" << "29,68 m" << moins
            << "21,2 cm aux deux extrémités de l'antenne" << "Antenne G5RV full-size" << Plausibilite::Correcte;
        QTest::newRow("demi-onde")
            << int(antennes::DemiOnde) << 7.05f << 0.95f << longueur(150, 7.05f, 0.95f) << 7.2f << "0,97" << "20,64 m" << plus
            << "43,0 cm à une extrémité de l'antenne" << "Antenne filaire demie onde" << Plausibilite::TropHaute;
        QTest::newRow("Loop")
            << int(antennes::Loop) << 14.2f << 1.05f << longueur(300, 14.2f, 1.05f) << 14.5f << "1,07" << "22,65 m" << plus
            << "46,9 cm au périmètre de la Loop" << "Antenne Loop onde entière" << Plausibilite::TropHaute;
        QTest::newRow("double Bazooka")
            << int(antennes::Bazooka) << 14.2f << 0.95f << longueur(150, 14.2f, 0.95f) << 14.0f << "0,94" << "9,89 m"
            << moins << "7,1 cm aux deux extrémités de l'antenne" << "Antenne double Bazooka"
            << Plausibilite::Correcte;
        QTest::newRow("double Bazooka en mètres")
            << int(antennes::Bazooka) << 3.65f << 0.95f << longueur(150, 3.65f, 0.95f) << 3.5f << "0,91" << "37,44 m"
            << moins << "0,80 m aux deux extrémités de l'antenne" << "Antenne double Bazooka"
            << Plausibilite::Correcte;
        QTest::newRow("rien à corriger")
            << int(antennes::Dipole) << 14.2f << 0.95f << longueur(150, 14.2f, 0.95f) << 14.2f << "0,95" << "10,04 m"
            << moins << "0,0 cm aux deux extrémités de l'antenne" << "Antenne de type doublet"
            << Plausibilite::Correcte;
    }
    void recalculer()
    {
        QFETCH(int, type);
        QFETCH(float, F0);
        QFETCH(float, K0);
        QFETCH(float, L0);
        QFETCH(float, Fm);
        const auto r = adaptation::recalculer(type, F0, K0, L0, Fm);
        QVERIFY(r);
        QTEST(r->facteur, "facteur");
        QTEST(r->longueur, "longueur");
        QTEST(r->cadre, "cadre");
        QTEST(r->action, "action");
        QTEST(r->legende, "legende");
        QTEST(r->plausibilite, "plausibilite");
        // The corrected length scales the initial one by the ratio of the frequencies.
        QVERIFY(qAbs(r->longueurRecalculee - L0 * Fm / F0) < 1e-5 * L0);
        QCOMPARE(r->aSupprimer, r->cadre == "Longueur à supprimer");
        QVERIFY(r->correction >= 0);
    }

    // The values kept, each in single precision.
    void valeursSimples()
    {
        const float L0 = longueur(150, 14.2f, 0.95f);
        const auto r = adaptation::recalculer(antennes::Dipole, 14.2f, 0.95f, L0, 13.9f);
        QVERIFY(r);
        QCOMPARE(r->longueurReference, float(150 / 13.9f));
        QCOMPARE(r->facteurRecalcule, float(L0 / r->longueurReference));
        QCOMPARE(r->longueurRecalculee, float(double(r->facteurRecalcule) * 150 / 14.2f));
        QCOMPARE(r->correction, L0 - r->longueurRecalculee);
        QCOMPARE(r->facteurMaximum, float(0.95f * 1.01));
        QCOMPARE(r->facteurMinimum, float(0.95f / 1.05));
        QVERIFY(r->facteurMinimum < r->facteurRecalcule && r->facteurRecalcule < r->facteurMaximum);
    }

    void sansResultat_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("F0");
        QTest::addColumn<float>("Fm");
        QTest::newRow("T2FD") << int(antennes::T2fd) << 7.1f << 7.0f;
        QTest::newRow("type inconnu") << 8 << 7.1f << 7.0f;
        QTest::newRow("aucun type") << -1 << 7.1f << 7.0f;
        QTest::newRow("sans fréquence d'accord") << int(antennes::Dipole) << 0.0f << 7.0f;
        QTest::newRow("sans mesure") << int(antennes::Dipole) << 7.1f << 0.0f;
    }
    void sansResultat()
    {
        QFETCH(int, type);
        QFETCH(float, F0);
        QFETCH(float, Fm);
        QVERIFY(!adaptation::recalculer(type, F0, 0.95f, 10, Fm));
    }

    // A measured frequency a single holds but no antenna reaches: the figures overflow a single.
    void horsLimites_data()
    {
        QTest::addColumn<float>("Fm");
        QTest::addColumn<float>("L0");
        QTest::newRow("mesure démesurée") << 3e38f << 20.21f;
        QTest::newRow("longueur et mesure démesurées") << 1e37f << 3e38f;
    }
    void horsLimites()
    {
        QFETCH(float, Fm);
        QFETCH(float, L0);
        const auto r = adaptation::recalculer(antennes::Dipole, 7.05f, 0.95f, L0, Fm);
        QVERIFY(r);
        QVERIFY(r->horsLimites);
        QCOMPARE(r->facteur, QStringLiteral("Résultat hors des limites du calcul"));
        QCOMPARE(r->longueur, r->facteur);
        QCOMPARE(r->action, r->facteur);
        QVERIFY(r->cadre.isEmpty());  // neither a length to cut nor one to add
        QCOMPARE(r->longueurRecalculee, 0.0f);
        QCOMPARE(r->correction, 0.0f);
        QCOMPARE(r->plausibilite, Plausibilite::Correcte);
        QCOMPARE(messagePlausibilite(*r), QString());
    }

    void constantesEtTitres()
    {
        const float k[] = {75, 150, 150, 450, 0, 150, 300, 150};
        const char *titres[] = {"Antenne quart d'onde.",
                                "Antenne dipôle (Center-Fed)",
                                "Antenne multibandes Conrad Windom.",
                                "Antenne multibandes G5RV",
                                "W3HH - Tilted Terminated Folded Dipole (T2FD)",
                                "Antenne filaire mono-brin demi-onde.",
                                "Antenne multibandes Loop Onde entière.",
                                "Antenne dipôle Double Bazooka."};
        for (int t = 0; t < antennes::kTypesFilaires; ++t) {
            QCOMPARE(constante(t), k[t]);
            QCOMPARE(typeDepuisTitre(QString::fromUtf8(titres[t])), t);
        }
        QCOMPARE(constante(-1), 0.0f);
        QCOMPARE(typeDepuisTitre(QString()), -1);
        QCOMPARE(typeDepuisTitre("Antenne Levy"), -1);
    }

    void messages()
    {
        QCOMPARE(messageSansCalcul(),
                 QStringLiteral("Ce module fonctionne seulement après avoir calculer une Antenne Filaire. "
                                "Reportez-vous au menu [ Les antennes ]"));
        QCOMPARE(messageT2FD(), QStringLiteral("Cette antenne n'a pas besoin d'être corrigée\r\n"
                                                    "Elle nécessite seulement l'utilisation d'une boite d'accord"));
        QCOMPARE(messageFrequenceAbsente(),
                 QStringLiteral("Entrez la fréquence de résonnance\r\nréellement mesurée de l'antenne"));
        QCOMPARE(messageG5RV(),
                 QStringLiteral("Cette antenne, utilisée en multibande, n'a pas besoin d'être corrigée\r\n"
                                "Elle nécessite seulement l'utilisation d'une boite d'accord"));

        const float L0 = longueur(75, 7.1f, 0.95f);
        auto r = adaptation::recalculer(antennes::GroundPlane, 7.1f, 0.95f, L0, 7.3f);
        QCOMPARE(messagePlausibilite(*r),
                 QStringLiteral("Verifiez vos mesures\r\nLe coéficient d'antenne ne devrait pas être suppérieur à 0,96"));
        r = adaptation::recalculer(antennes::GroundPlane, 7.1f, 0.95f, L0, 6.5f);
        QCOMPARE(messagePlausibilite(*r),
                 QStringLiteral("Verifiez vos mesures dans un premier temps\r\n"
                                "assurez-vous que l'antenne, ne soit pas trop proche\r\n"
                                "d'un environnement défavorable à son bon fonctionnement.\r\n"
                                "Le coéficient d'antenne ne devrais pas être aussi bas \r\n"
                                "Demandez conseil à un spécialiste"));
        r = adaptation::recalculer(antennes::GroundPlane, 7.1f, 0.95f, L0, 7.0f);
        QVERIFY(messagePlausibilite(*r).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstRecalcul)
#include "tst_recalcul.moc"
