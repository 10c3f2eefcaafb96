// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 deck: a small design written by hand card by card, the numbers in the C form whatever
// the regional settings, and lines nec2c can read (it cuts them at 132 columns).
#include "modele/carte.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <clocale>

using namespace modele;

namespace {

// A 10 m wire fed at its centre with a load and a shorted 75 ohm line to a short wire.
Conception conceptionEssai()
{
    Conception c;
    c.titre = QStringLiteral("Essai à la main, « 1 » λ");
    c.frequence = 10;
    c.fils = {{{0, -5, 0}, {0, 5, 0}, 21, 0, -1}, {{1, 0, 0}, {1.2, 0, 0}, 1, 0.001, -1}};
    c.charges = {{0, 11, 10, 1e-6, 0, true}};
    LigneTL t;
    t.fil1 = 0;
    t.segment1 = 11;
    t.fil2 = 1;
    t.segment2 = 1;
    t.impedance = 75;
    t.longueur = 2.5;
    t.admittance2Reelle = LigneTL::kCourtCircuit;
    c.lignes = {t};
    c.alimentation = {0, 11};
    return c;
}

}  // namespace

class TstCarte : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void carteEntiere()
    {
        const QByteArray attendu =
            "CM Essai a la main, 1\n"
            "CM Orvalis, F = 10 MHz, average ground\n"
            "CE\n"
            "GW 1 21 0 -5 8 0 5 8 0.001\n"
            "GW 2 1 1 0 8 1.2 0 8 0.001\n"
            "GE 1\n"
            "PT -1 0 0 0\n"
            "GN 2 0 0 0 13 0.005\n"
            "LD 5 0 0 0 5.8e+07\n"
            "LD 0 1 11 11 10 1e-06 0\n"
            "TL 1 11 2 1 75 2.5 0 0 1e+10 0\n"
            "EX 0 1 11 0 1 0\n"
            "FR 0 3 0 0 9 1\n"
            "XQ\n"
            "FR 0 1 0 0 10 0\n"
            "RP 0 4 12 1000 0 0 30 30\n"
            "EN\n";
        QCOMPARE(carte(conceptionEssai(), {Sol::Moyen, 8, 2}, 9, 11, 3, 30), attendu);
    }

    void environnements_data()
    {
        QTest::addColumn<int>("sol");
        QTest::addColumn<bool>("verticale");
        QTest::addColumn<QByteArray>("fil");
        QTest::addColumn<QByteArray>("sol_");
        QTest::addColumn<QByteArray>("diagramme");
        QTest::newRow("espace libre") << int(Sol::EspaceLibre) << false << QByteArray("GW 1 21 0 -5 0 0 5 0 0.00075\n")
                                      << QByteArray("GE 0\n") << QByteArray("RP 0 37 72 1000 0 0 5 5\n");
        QTest::newRow("sol parfait") << int(Sol::Parfait) << false << QByteArray("GW 1 21 0 -5 12.5 0 5 12.5 0.00075\n")
                                     << QByteArray("GE 1\nPT -1 0 0 0\nGN 1\n") << QByteArray("RP 0 19 72 1000 0 0 5 5\n");
        QTest::newRow("vertical au sol") << int(Sol::Parfait) << true << QByteArray("GW 1 21 0 -5 0 0 5 0 0.00075\n")
                                         << QByteArray("GN 1\n") << QByteArray("RP 0 19 72 1000 0 0 5 5\n");
    }

    void environnements()
    {
        QFETCH(int, sol);
        QFETCH(bool, verticale);
        QFETCH(QByteArray, fil);
        QFETCH(QByteArray, sol_);
        QFETCH(QByteArray, diagramme);
        Conception c = conceptionEssai();
        c.verticale = verticale;
        // The usual sweep: 9 to 11 MHz in 101 points of 0.02 MHz, the pattern in 5° steps.
        const QByteArray k = carte(c, {Sol(sol), 12.5, 1.5});
        QVERIFY2(k.contains(fil), k.constData());
        QVERIFY2(k.contains(sol_), k.constData());
        QVERIFY2(k.contains(diagramme), k.constData());
        QVERIFY2(k.contains("FR 0 101 0 0 9 0.02\n"), k.constData());
        QCOMPARE(k.contains("GN"), sol != int(Sol::EspaceLibre));
    }

    void nombres_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QByteArray>("texte");
        QTest::newRow("14.2") << 14.2 << QByteArray("14.2");
        QTest::newRow("negatif") << -5.0176 << QByteArray("-5.0176");
        QTest::newRow("cuivre") << 5.8e7 << QByteArray("5.8e+07");
        QTest::newRow("zero negatif") << -0.0 << QByteArray("0");
        QTest::newRow("petit") << 1e-10 << QByteArray("1e-10");
        QTest::newRow("simple") << double(10.0352f) << QByteArray("10.0352");
        QTest::newRow("tiers") << 1.0 / 3 << QByteArray("0.33333333");
        QTest::newRow("grand") << -123456.789012345 << QByteArray("-123456.79");
    }

    void nombres()
    {
        QFETCH(double, x);
        QFETCH(QByteArray, texte);
        QCOMPARE(nombreC(x), texte);
    }

    void lignesCourtes()
    {
        // Numbers as long as they come: every card stays within what nec2c reads.
        Conception c = conceptionEssai();
        const double laid = -1.0 / 3 * 1e-7;
        c.fils[0] = {{laid, -123456.789012345, 2.0 / 3}, {1.0 / 7, 98765.4321987, laid}, 199, 0, -1};
        c.lignes[0].impedance = -1.0 / 3;
        c.lignes[0].longueur = 2.0 / 3 * 1e5;
        c.lignes[0].admittance1Imaginaire = laid;
        for (const QByteArray &l : carte(c, {Sol::Moyen, 1.0 / 3, 1.0 / 7}).split('\n'))
            QVERIFY2(l.size() <= 100, l.constData());
    }

    void localeSansEffet()
    {
        // The C library's numeric locale in French (a comma) changes nothing.
        const QByteArray avant = carte(conceptionEssai(), {Sol::Moyen, 8.25, 2.5});
        const char *ancienne = std::setlocale(LC_NUMERIC, nullptr);
        const QByteArray garde = ancienne ? QByteArray(ancienne) : QByteArray("C");
        if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) QSKIP("the fr_FR.UTF-8 locale is not installed");
        const QByteArray apres = carte(conceptionEssai(), {Sol::Moyen, 8.25, 2.5});
        std::setlocale(LC_NUMERIC, garde.constData());
        QCOMPARE(apres, avant);
        QVERIFY(avant.contains("GW 1 21 0 -5 8.25 0 5 8.25 0.00125\n"));
    }
};

QTEST_GUILESS_MAIN(TstCarte)
#include "tst_carte.moc"
