// SPDX-License-Identifier: GPL-3.0-or-later
// The VSWR calculation, from its inputs alone, with French regional settings: the report of each
// method, the warning threshold, the figures a run keeps, and inputs left as they were.
#include "measures/vswr.h"
#include "tests/support/reglages.h"

#include <QtTest>

using mesures::EntreesVswr;
using mesures::Methode;

Q_DECLARE_METATYPE(mesures::EntreesVswr)

namespace {

const QString kAlerte = QStringLiteral(
    "\n\n* Au vue des pertes duent au câble coaxial, aucune estimation serieuse ne peut être fait "
    "vue de l'antenne, car le câble et/ou l'antenne sont soit défectueux ou désadaptés");
const QString kImpedance = QStringLiteral("\n\nImpédance de l'antenne\n     si Ra + Jx = ");

QString alerte(const QString &rapport, const QString &directe, const QString &reflechie)
{
    return QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = ") + rapport
           + QStringLiteral("\nPuissance directe à l'antenne = ") + directe
           + QStringLiteral(" Watt\nPuissance réflécie à l'antenne = ") + reflechie
           + QStringLiteral(" Watt") + kAlerte;
}

// The readings, defaults first (a source impedance of 50 ohms).
EntreesVswr valeurs(float directeSource = 100, float reflechieSource = 4, float affaiblissement = 3,
                    float directeAntenne = 50, float reflechieAntenne = 8)
{
    EntreesVswr e;
    e.impedanceSource = 50;
    e.directeSource = directeSource;
    e.reflechieSource = reflechieSource;
    e.affaiblissementCable = affaiblissement;
    e.directeAntenne = directeAntenne;
    e.reflechieAntenne = reflechieAntenne;
    return e;
}

QString rapport(Methode methode, const EntreesVswr &e)
{
    const auto r = mesures::calculerVswr(methode, e);
    return r.rapport.value_or(QStringLiteral("<inchangé>")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Which figures a run keeps, by name.
QStringList nomsGardes(const mesures::FiguresGardees &g)
{
    QStringList noms;
    const std::pair<const char *, const std::optional<float> &> figures[] = {
        {"rosSource", g.rosSource},
        {"tosSource", g.tosSource},
        {"returnLossSource", g.returnLossSource},
        {"pertesEstimees", g.pertesEstimees},
        {"rosAntenne", g.rosAntenne},
        {"tosAntenne", g.tosAntenne},
        {"directeAntenne", g.directeAntenne},
        {"reflechieAntenne", g.reflechieAntenne},
    };
    for (const auto &[nom, valeur] : figures)
        if (valeur) noms << QString::fromLatin1(nom);
    return noms;
}

}  // namespace

class TstVswr : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void rapportVswr_data();
    void rapportVswr();
    void seuilAvertissement_data();
    void seuilAvertissement();
    void valeursGardees();
    void entreesIntactes_data();
    void entreesIntactes();
};

void TstVswr::rapportVswr_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<EntreesVswr>("entree");
    QTest::addColumn<QString>("attendu");

    const int source = int(Methode::VueDeLaSource), antenne = int(Methode::VueALAntenne),
              perte = int(Methode::AffaiblissementConnu), aucune = int(Methode::Aucune);
    QTest::newRow("vue de la source, valeurs de départ")
        << source << valeurs()
        << QStringLiteral("Calcul du ROS-TOS-K-RL\nROS = 1,5 : 1\nTOS = 4,0 %\nK = 0,200\n"
                          "Return Loss = 13,98 dB") + kImpedance
               + QStringLiteral("75,00 Ohms\n     si Ra - Jx = 33,33 Ohms");
    QTest::newRow("vue à l'antenne, valeurs de départ")
        << antenne << valeurs()
        << QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 2,0\n"
                          "ROS estimé à l'antenne = 2,3 : 1\nTOS estimé à l'antenne = 16,0 %\n"
                          "K = 0,400\nPertes estimées à l'antenne 3,01 dB\n"
                          "Return Loss à l'antenne = 7,96 dB") + kImpedance
               + QStringLiteral("116,67 Ohms\n     si Ra - Jx = 21,43 Ohms");
    QTest::newRow("affaiblissement connu de 3 dB")
        << perte << valeurs()
        << QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 2,0\n"
                          "Puissance directe à l'antenne = 50,1 Watt\n"
                          "Puissance réflécie à l'antenne = 8,0 Watt\n"
                          "ROS estimé à l'antenne = 2,3 : 1\nTOS estimé à l'antenne = 15,9 %\n"
                          "K = 0,399\nReturn Loss à l'antenne = 7,98 dB") + kImpedance
               + QStringLiteral("116,40 Ohms\n     si Ra - Jx = 21,48 Ohms");
    QTest::newRow("affaiblissement de 10 dB") << perte << valeurs(100, 4, 10)
                                              << alerte("10,0", "10,0", "40,0");
    QTest::newRow("puissance directe abaissée sous la réfléchie")
        << source << valeurs(2, 4)
        << QStringLiteral("Calcul du ROS-TOS-K-RL\nROS = -5,8 : 1\nTOS = 200,0 %\nK = 1,414\n"
                          "Return Loss = -3,01 dB") + kImpedance
               + QStringLiteral("-291,42 Ohms\n     si Ra - Jx = -8,58 Ohms");
    QTest::newRow("toute la puissance revient")
        << source << valeurs(4, 4)
        << QStringLiteral("Calcul du ROS-TOS-K-RL\nROS infini : toute la puissance est réfléchie");
    QTest::newRow("vue de la source après une estimation impossible")
        << source << valeurs(100, 4, 3, 20, 20) << alerte("0,0", "20,0", "20,0");
    QTest::newRow("vue à l'antenne, réfléchie au-dessus de la directe")
        << antenne << valeurs(100, 4, 3, 8, 50) << alerte("12,5", "8,0", "50,0");
    QTest::newRow("aucune option") << aucune << valeurs() << QStringLiteral("<inchangé>");
    QTest::newRow("aucune option, antenne désadaptée")
        << aucune << valeurs(100, 4, 3, 8, 8) << alerte("0,0", "8,0", "8,0");
    const QString impossible =
        QStringLiteral("Calcul impossible : les valeurs indiquées sortent des limites du calcul.");
    QTest::newRow("affaiblissement démesuré") << perte << valeurs(100, 4, 400) << impossible;
    QTest::newRow("puissance directe infime") << source << valeurs(1e-45f, 4) << impossible;
}

void TstVswr::rapportVswr()
{
    QFETCH(int, methode);
    QFETCH(EntreesVswr, entree);
    QFETCH(QString, attendu);
    QCOMPARE(rapport(Methode(methode), entree), attendu);
}

// For 100 W and 4 W at the source, the estimated reflected power reaches the forward power from
// a loss of 10 × log10(5) dB, about 6.99 dB, as the singles round it.
void TstVswr::seuilAvertissement_data()
{
    QTest::addColumn<float>("affaiblissement");
    QTest::addColumn<QString>("debut");
    const QString estimation = QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = ");
    QTest::newRow("6,98 dB") << 6.98f << estimation + "5,0\nPuissance directe à l'antenne = 20,0 Watt\n"
                                                      "Puissance réflécie à l'antenne = 20,0 Watt\n"
                                                      "ROS estimé à l'antenne = 895,5 : 1";
    QTest::newRow("juste sous le seuil") << 6.9896995f
                                         << estimation + "5,0\nPuissance directe à l'antenne = 20,0 Watt\n"
                                                         "Puissance réflécie à l'antenne = 20,0 Watt\n"
                                                         "ROS estimé à l'antenne = 10 485 760,0 : 1";
    QTest::newRow("au seuil") << 6.9897f << alerte("5,0", "20,0", "20,0");
    QTest::newRow("6,99 dB") << 6.99f << alerte("5,0", "20,0", "20,0");
}

void TstVswr::seuilAvertissement()
{
    QFETCH(float, affaiblissement);
    QFETCH(QString, debut);
    QString texte = rapport(Methode::AffaiblissementConnu, valeurs(100, 4, affaiblissement));
    texte.replace(QChar(0x202F), QLatin1Char(' '));
    QCOMPARE(texte.left(debut.size()), debut);
}

void TstVswr::valeursGardees()
{
    EntreesVswr e = valeurs();
    const auto source = mesures::calculerVswr(Methode::VueDeLaSource, e);
    QVERIFY(source.gardees.rosSource && source.gardees.tosSource);
    QCOMPARE(*source.gardees.rosSource, 1.5f);
    QCOMPARE(*source.gardees.tosSource, 4.0f);
    QVERIFY(!source.gardees.rosAntenne);  // the antenna figures wait for an antenna method

    const auto connu = mesures::calculerVswr(Methode::AffaiblissementConnu, e);
    const mesures::FiguresGardees &g = connu.gardees;
    QVERIFY(g.directeAntenne && g.reflechieAntenne && g.tosAntenne);
    QCOMPARE(qRound(*g.directeAntenne * 1000), 50119);
    QCOMPARE(qRound(*g.reflechieAntenne * 1000), 7981);
    QCOMPARE(qRound(*g.tosAntenne * 100), 1592);
    QVERIFY(!g.tosSource);  // the source figures stay as the source run left them

    // A loss large enough leaves estimates that the source method still warns about.
    e.affaiblissementCable = 7;
    const auto sept = mesures::calculerVswr(Methode::AffaiblissementConnu, e);
    QVERIFY(sept.gardees.directeAntenne && sept.gardees.reflechieAntenne);
    e.directeAntenne = *sept.gardees.directeAntenne;
    e.reflechieAntenne = *sept.gardees.reflechieAntenne;
    QVERIFY(e.reflechieAntenne >= e.directeAntenne);
    QVERIFY(rapport(Methode::VueDeLaSource, e).startsWith(
        QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 0,0\n")));

    // All the power back: 100 % reflected, 0 dB, and no VSWR to keep (the last one stays).
    const auto r = mesures::calculerVswr(Methode::VueDeLaSource, valeurs(4, 4));
    QVERIFY(r.rosInfini);
    QVERIFY(!r.gardees.rosSource);
    QVERIFY(r.gardees.tosSource && r.gardees.returnLossSource);
    QCOMPARE(*r.gardees.tosSource, 100.0f);
    QCOMPARE(*r.gardees.returnLossSource, 0.0f);

    // Out of range: nothing is kept, not even the estimated powers.
    const auto demesure = mesures::calculerVswr(Methode::AffaiblissementConnu, valeurs(100, 4, 400));
    QVERIFY(demesure.horsLimites);
    QVERIFY(!demesure.gardees.directeAntenne && !demesure.gardees.reflechieAntenne);
    QVERIFY(!demesure.gardees.tosAntenne);
}

// The calculation reads its inputs and changes none of them; what it keeps depends on the method
// alone, and nothing when no method is chosen or the run is out of range.
void TstVswr::entreesIntactes_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<EntreesVswr>("entree");
    QTest::addColumn<QStringList>("gardes");

    const QStringList source{"rosSource", "tosSource", "returnLossSource"};
    const QStringList antenne{"pertesEstimees", "rosAntenne", "tosAntenne"};
    const QStringList connu{"rosAntenne", "tosAntenne", "directeAntenne", "reflechieAntenne"};
    QTest::newRow("vue de la source") << int(Methode::VueDeLaSource) << valeurs() << source;
    QTest::newRow("vue de la source, ROS infini")
        << int(Methode::VueDeLaSource) << valeurs(4, 4)
        << QStringList{"tosSource", "returnLossSource"};
    QTest::newRow("vue de la source, avertissement")
        << int(Methode::VueDeLaSource) << valeurs(100, 4, 3, 20, 20) << source;
    QTest::newRow("vue à l'antenne") << int(Methode::VueALAntenne) << valeurs() << antenne;
    QTest::newRow("vue à l'antenne, avertissement")
        << int(Methode::VueALAntenne) << valeurs(100, 4, 3, 8, 50) << antenne;
    QTest::newRow("affaiblissement connu") << int(Methode::AffaiblissementConnu) << valeurs() << connu;
    QTest::newRow("affaiblissement connu, avertissement")
        << int(Methode::AffaiblissementConnu) << valeurs(100, 4, 10) << connu;
    QTest::newRow("aucune option") << int(Methode::Aucune) << valeurs() << QStringList();
    QTest::newRow("aucune option, avertissement")
        << int(Methode::Aucune) << valeurs(100, 4, 3, 8, 8) << QStringList();
    QTest::newRow("affaiblissement démesuré")
        << int(Methode::AffaiblissementConnu) << valeurs(100, 4, 400) << QStringList();
    QTest::newRow("puissance directe infime")
        << int(Methode::VueDeLaSource) << valeurs(1e-45f, 4) << QStringList();
    QTest::newRow("vue à l'antenne, puissance infime")
        << int(Methode::VueALAntenne) << valeurs(100, 4, 3, 1e-45f, 1e-45f) << QStringList();
}

void TstVswr::entreesIntactes()
{
    QFETCH(int, methode);
    QFETCH(EntreesVswr, entree);
    QFETCH(QStringList, gardes);
    const EntreesVswr avant = entree;
    const auto r = mesures::calculerVswr(Methode(methode), entree);
    QVERIFY(entree == avant);
    QCOMPARE(nomsGardes(r.gardees), gardes);
    QCOMPARE(r.gardees.vide(), gardes.isEmpty());
    if (r.horsLimites) QVERIFY(r.gardees.vide());
}

QTEST_GUILESS_MAIN(TstVswr)
#include "tst_vswr.moc"
