// SPDX-License-Identifier: GPL-3.0-or-later
// The retained-solutions table and its file, without windows: free rows, clearing, the ten
// written lines, and fields that read back into the same cells whatever they hold.
#include "dipole/tableau.h"
#include "shell/core/fichiers.h"
#include "tests/support/reglages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace solutions;

namespace {

Tableau livre()
{
    Tableau t{};
    for (int r = 1; r <= 10; ++r) {
        t[r][0] = QString::number(r);
        for (int c = 1; c < 9; ++c) t[r][c] = kVide;
    }
    return t;
}

// Reads lines back as start-up does: the field splitter, 9 fields per row.
Tableau relire(const QStringList &lignes)
{
    Tableau t{};
    for (int r = 1; r <= lignes.size() && r <= 10; ++r) fichiers::decouperChamps(lignes[r - 1], t[r].data(), 9);
    return t;
}

}  // namespace

class TestTableau : public QObject {
    Q_OBJECT
private slots:
    void lignesLibres()
    {
        Tableau t = livre();
        QCOMPARE(premiereLigneLibre(t), 1);
        t[1][1] = QStringLiteral("D");
        t[2][1] = QStringLiteral("Q");
        QCOMPARE(premiereLigneLibre(t), 3);
        for (int r = 1; r <= 10; ++r) t[r][1] = QStringLiteral("D");
        QCOMPARE(premiereLigneLibre(t), 0);
        // Rows a short file never reached hold empty texts: not free until a clear.
        Tableau court{};
        QCOMPARE(premiereLigneLibre(court), 0);
        effacer(court);
        QCOMPARE(premiereLigneLibre(court), 1);
        QVERIFY(court[1][0].isEmpty());
    }

    void effacerGardeLesNumeros()
    {
        Tableau t = livre();
        t[3] = {QStringLiteral("3"), "D", "F", "40", "7.050", "30.00", "3.50", "11.50", "16.5"};
        effacer(t);
        QCOMPARE(t, livre());
    }

    void lignes_data()
    {
        QTest::addColumn<QStringList>("rang3");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("dipole en pieds") << QStringList{"3", "D", "F", "40", "7.050", "30.00", "3.50", "11.50", "16.5"}
                                          << "3 D F 40 7.050 30.00 3.50 11.50 16.5";
        QTest::newRow("rang efface") << QStringList{"3", "-", "-", "-", "-", "-", "-", "-", "-"}
                                      << "3 - - - - - - - -";
        QTest::newRow("calcul manque") << QStringList{"3", "D", "F", "40", "7.050", "30,00", "15,00", "", ""}
                                        << "3 D F 40 7.050 30,00 15,00  ";
        QTest::newRow("jamais rempli") << QStringList{"", "", "", "", "", "", "", "", ""} << "        ";
        QTest::newRow("blancs tapes") << QStringList{"3", "D", "F", "LCh", "14,300", "3 0", " 3,5", "1\t2", "16,5 "}
                                       << "3 D F LCh 14,300 3\u00A00 \u00A03,5 1\u00A02 16,5\u00A0";
        QTest::newRow("separateur de milliers") << QStringList{"3", "D", "M", "LCh", "1\u202F296,200", "1\u202F234,00", "1,00", "2,00", "0,1"}
                                                 << "3 D M LCh 1\u00A0296,200 1\u00A0234,00 1,00 2,00 0,1";
    }
    void lignes()
    {
        QFETCH(QStringList, rang3);
        QFETCH(QString, ligne);
        Tableau t = livre();
        for (int c = 0; c < 9; ++c) t[3][c] = rang3[c];
        const QStringList l = lignesFichier(t);
        QCOMPARE(l.size(), 10);
        QCOMPARE(l[2], ligne);
        QCOMPARE(l[0], QStringLiteral("1 - - - - - - - -"));

        // Through the file and back: the same nine cells, in a form free of blanks.
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("Tableau.dat"));
        QVERIFY(fichiers::ecrireLignes(chemin, l));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        QVERIFY(!octets.contains('?'));
        QCOMPARE(octets.count("\r\n"), 10);
        const Tableau relu = relire(fichiers::lireLignes(chemin).lignes);
        for (int c = 0; c < 9; ++c) QCOMPARE(relu[3][c], sansBlanc(rang3[c]));
    }

    void solutionEnChamps()
    {
        Solution s;
        s.dipole = false;
        s.metres = true;
        s.bande = QStringLiteral("LCh");
        s.frequence = QStringLiteral("14,300");
        s.A = QStringLiteral("4,57");
        s.B = QStringLiteral("1 ,07");
        s.C = QString();
        s.L = QStringLiteral("16,5");
        const std::array<QString, 8> attendu = {"Q", "M", "LCh", "14,300", "4,57", "1\u00A0,07", "", "16,5"};
        QCOMPARE(champs(s), attendu);
    }

    void grille()
    {
        QCOMPARE(texteGrille(QStringLiteral("-")), QString());
        QCOMPARE(texteGrille(QStringLiteral("D")), QStringLiteral("D"));
        QCOMPARE(texteGrille(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestTableau)
#include "tst_tableau.moc"
