// SPDX-License-Identifier: GPL-3.0-or-later
// The table of retained solutions as a sheet, without windows: what the sheet holds, its date in
// the regional settings, an empty table, and its rich text.
#include "dipole/feuille.h"
#include "dipole/tests/tableau_exemple.h"
#include "tests/support/reglages.h"

#include <QtTest>

using namespace solutions;

class TestFeuille : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void contenuDeLaFeuille()
    {
        const Feuille f = feuille(exemple(), kJour, QLocale(QLocale::French, QLocale::France));
        QCOMPARE(f.titre, QStringLiteral("Orvalis \u2014 solutions retenues"));
        QCOMPARE(f.date, QStringLiteral("mardi 14 mai 2024"));
        QCOMPARE(f.enTetes, QStringList({"N°", "Sel.", "Sys.", "Bande", "Frq.Mhz", "Lg.A", "Lg.B", "Lg.C", "Self µH"}));
        QCOMPARE(f.lignes.size(), 10);
        // As the solutions window shows them: "-" is nothing, the labels stay.
        QCOMPARE(f.lignes[0], QStringList({"1", "", "", "", "", "", "", "", ""}));
        QCOMPARE(f.lignes[2], QStringList({"3", "D", "F", "40", "7.050", "30,00", "3,50", "11,50", "16,5"}));
        QCOMPARE(f.lignes[9][0], QStringLiteral("10"));
        QCOMPARE(f.legende, QStringLiteral("Pour info: F=feet; M=mètre; D=dipôle; Q=quart d'onde."));
    }

    void dateRegionale()
    {
        QCOMPARE(feuille(exemple(), kJour).date, QStringLiteral("mardi 14 mai 2024"));  // French settings
        QCOMPARE(feuille(exemple(), QDate(2026, 1, 1), QLocale(QLocale::French, QLocale::France)).date,
                 QStringLiteral("jeudi 1 janvier 2026"));
        QCOMPARE(feuille(exemple(), kJour, QLocale(QLocale::English, QLocale::UnitedStates)).date,
                 QStringLiteral("Tuesday, May 14, 2024"));
    }

    // A file of fewer lines leaves empty rows: still ten rows of nine cells.
    void tableauVide()
    {
        const Feuille f = feuille(Tableau{}, kJour);
        QCOMPARE(f.lignes.size(), 10);
        for (const QStringList &l : f.lignes) QCOMPARE(l, QStringList(9, QString()));
    }

    void texteRicheEchappe()
    {
        Tableau t = exemple();
        t[1][0] = QStringLiteral("<b>&1");
        const QString h = html(feuille(t, kJour));
        QVERIFY(h.contains(QStringLiteral("&lt;b&gt;&amp;1")));
        QVERIFY(!h.contains(QStringLiteral("<b>")));
        QCOMPARE(h.count(QStringLiteral("<th ")), 9);
        QCOMPARE(h.count(QStringLiteral("<td ")), 90);
        QCOMPARE(h.count(QStringLiteral("<thead>")), 1);  // repeated at the top of every page
        QVERIFY(h.contains(QStringLiteral("Orvalis \u2014 solutions retenues")));
        QVERIFY(h.contains(QStringLiteral("Self µH")));
    }
};

QTEST_GUILESS_MAIN(TestFeuille)
#include "tst_feuille.moc"
