// SPDX-License-Identifier: GPL-3.0-or-later
// The band table editing rules: what a typed value may be, how it is cut to three decimals,
// whether it suits a band, and the file written back read the same way at the next start.
#include "shell/core/Module1.h"
#include "shell/core/bandes.h"
#include "shell/core/fichiers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TstBandes : public QObject {
    Q_OBJECT
private slots:
    void troisDecimales_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("place");
        QTest::newRow("entier") << "7" << "7.000";
        QTest::newRow("une décimale") << "14.1" << "14.100";
        QTest::newRow("coupé, pas arrondi") << "14.12345" << "14.123";
        QTest::newRow("9 coupé") << "14.3509" << "14.350";
        QTest::newRow("trois décimales") << "14.350" << "14.350";
        QTest::newRow("point final") << "7." << "7.000";
        QTest::newRow("point initial") << ".5" << ".500";
        QTest::newRow("grand") << "1296.2" << "1296.200";
        QTest::newRow("signe") << "-1" << "-1.000";
    }
    void troisDecimales()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, place);
        QCOMPARE(bandes::troisDecimales(saisie), place);
    }

    void placable_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("ok");
        QTest::newRow("décimal") << "14.2" << true;
        QTest::newRow("entier") << "7" << true;
        QTest::newRow("point initial") << ".5" << true;
        QTest::newRow("point final") << "7." << true;
        QTest::newRow("signe") << "-1.5" << true;
        QTest::newRow("vide") << "" << false;
        QTest::newRow("avec unité") << "14.2 MHz" << false;
        QTest::newRow("blanc devant") << " 14.2" << false;
        QTest::newRow("blanc derrière") << "14.2 " << false;
        QTest::newRow("tabulation") << "14.2\t" << false;
        QTest::newRow("lettres") << "abc" << false;
        QTest::newRow("lettres collées") << "14.2abc" << false;
        QTest::newRow("virgule") << "14,2" << false;
        QTest::newRow("deux points") << "1.2.3" << false;
        QTest::newRow("exposant") << "1E3" << false;
        QTest::newRow("hexadécimal") << "&H10" << false;
        QTest::newRow("point seul") << "." << false;
        QTest::newRow("saut de ligne derrière") << "114\n" << false;
        QTest::newRow("retour chariot derrière") << "14.2\r\n" << false;
    }
    void placable()
    {
        QFETCH(QString, saisie);
        QFETCH(bool, ok);
        QCOMPARE(bandes::placable(saisie), ok);
    }

    void dansLaBande_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<bool>("dedans");
        QTest::newRow("préférée 20 m") << "14.200" << "14.000 mhz" << "14.350 mhz" << true;
        QTest::newRow("sous le bord") << "13.900" << "14.000 mhz" << "14.350 mhz" << false;
        QTest::newRow("au-dessus") << "14.351" << "14.000 mhz" << "14.350 mhz" << false;
        QTest::newRow("bord bas inclus") << "14.000" << "14.000 mhz" << "14.350 mhz" << true;
        QTest::newRow("bord haut inclus") << "14.350" << "14.000 mhz" << "14.350 mhz" << true;
        QTest::newRow("bord placé") << "13.950" << "13.900 Mhz" << "14.350 mhz" << true;
        QTest::newRow("bords vides") << "7.000" << " mhz" << " mhz" << false;
    }
    void dansLaBande()
    {
        QFETCH(QString, valeur);
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QFETCH(bool, dedans);
        QCOMPARE(bandes::dansLaBande(valeur, debut, fin), dedans);
    }

    // What is written is read back by the start-up field splitter into the same table, empty rows
    // included (five blanks).
    void allerRetour()
    {
        QTemporaryDir dir;
        Module1 m;
        m.Fichier_Bandes = dir.filePath("Bande_bdfcp.dat");
        m.Nombre_Bandes = 4;
        m.Tableau_Bandes[1] = {"1", "160", "1.810", "2.000", "1.905", "1.850"};
        m.Tableau_Bandes[2] = {"2", "80", "3.500", "3.800", "3.650", "3.650"};
        m.Tableau_Bandes[4] = {"4", "23/24", "1240", "1300.000", "1270.000", "1296.200"};
        m.Tableau_Bandes[5] = {"5", "hors", "table", "", "", ""};  // beyond Nombre_Bandes
        QVERIFY(bandes::enregistrer(m));

        QFile f(m.Fichier_Bandes);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1 160 1.810 2.000 1.905 1.850\r\n"
                                         "2 80 3.500 3.800 3.650 3.650\r\n"
                                         "     \r\n"
                                         "4 23/24 1240 1300.000 1270.000 1296.200\r\n"));
        Module1 relu;
        QVERIFY(demarrer(relu, dir.path()).size() == 2);  // the two other files are missing
        QCOMPARE(relu.Nombre_Bandes, short(4));
        for (int r = 0; r <= Module1::kMaxBandes; ++r)
            QCOMPARE(relu.Tableau_Bandes[r], r <= 4 ? m.Tableau_Bandes[r] : relu.Tableau_Bandes[0]);
    }

    // A file that cannot be replaced is reported, and no temporary file is left behind.
    void ecritureImpossible()
    {
        QTemporaryDir dir;
        Module1 m;
        m.Nombre_Bandes = 1;
        m.Tableau_Bandes[1] = {"1", "160", "1.810", "2.000", "1.905", "1.850"};
        m.Fichier_Bandes = dir.filePath("absent/Bande_bdfcp.dat");
        QString erreur;
        QVERIFY(!bandes::enregistrer(m, &erreur));
        QVERIFY(!erreur.isEmpty());

        m.Fichier_Bandes = dir.filePath("Bande_bdfcp.dat");
        QVERIFY(QDir(dir.path()).mkdir("Bande_bdfcp.dat"));
        QVERIFY(!bandes::enregistrer(m));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Bande_bdfcp.dat"});
    }
};

QTEST_GUILESS_MAIN(TstBandes)
#include "tst_bandes.moc"
