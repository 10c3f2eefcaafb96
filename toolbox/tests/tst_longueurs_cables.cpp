// SPDX-License-Identifier: GPL-3.0-or-later
// The feed-line cut lengths and the cable list's lines alone (toolbox/cables), under French
// regional settings: the lengths and their text, the fields of a line of the list, the velocity
// factor read from its cell, and the cable's summary.
#include "toolbox/cables.h"
#include "toolbox/tests/textes.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

class TstLongueursCables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void cable_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("cv");
        QTest::addColumn<short>("n");
        QTest::addColumn<QStringList>("longueurs");  // 3/4, 1, 1/2, 1/4, chosen
        QTest::newRow("14.12 MHz, 0.66") << 14.12f << 0.66f << short(1)
                                         << QStringList{"10,52", "14,02", "7,01", "3,51", "7,01"};
        QTest::newRow("three half-waves") << 14.12f << 0.66f << short(3)
                                          << QStringList{"10,52", "14,02", "7,01", "3,51", "21,03"};
        QTest::newRow("no velocity factor") << 14.12f << 0.0f << short(1)
                                            << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
        QTest::newRow("beyond a single") << 1e-40f << 0.66f << short(1) << QStringList{};
    }
    void cable()
    {
        QFETCH(float, f);
        QFETCH(float, cv);
        QFETCH(short, n);
        QFETCH(QStringList, longueurs);
        const QStringList lignes = calculerCable(f, cv, n, QStringLiteral("RG58")).texte.split(kSaut);
        const QString t73(73, u'-'), t53(53, u'-');
        if (longueurs.isEmpty()) {
            QCOMPARE(lignes, (QStringList{"Type de câble: RG58", t73, kHors}));
            return;
        }
        const QStringList attendu{
            "Type de câble: RG58", t73,
            "Une trois-quart-d'onde = " + longueurs[0] + " m",
            "Une Onde entière = " + longueurs[1] + " m",
            "Une demi-onde = " + longueurs[2] + " m",
            "Une quart-d'onde = " + longueurs[3] + " m", t53,
            "Longueur optimale choisie : " + longueurs[4] + " m", t53,
            "Pour info, Il faut savoir que...",
            "Une ligne quart d'onde ouverte se comporte en réjecteur",
            "Une ligne quart d'onde fermée se comporte en résonnateur",
            "Une ligne quart d'onde adapte les impédances vues par ses extrémités.",
            "Une ligne demi-onde recopie les impédances vues à ses extrémités."};
        QCOMPARE(lignes, attendu);
    }

    void champsCable_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QStringList>("cellules");  // "column:text"
        const QStringList rg58{"0:RG58", "1:50", "2:2.9", "3:4.95", "4:0.66"};
        QTest::newRow("each field followed by a blank") << "RG58 50 2.9 4.95 0.66 " << rg58;
        QTest::newRow("without the final blank") << "RG58 50 2.9 4.95 0.66" << rg58;
        QTest::newRow("two blanks leave a column") << "RG58  50" << QStringList{"0:RG58", "2:50"};
        QTest::newRow("leading blank") << " X" << QStringList{"1:X"};
        QTest::newRow("empty line") << "" << QStringList{};
        QTest::newRow("fields beyond column 12 ignored")
            << "a b c d e f g h i j k l m n o"
            << QStringList{"0:a", "1:b", "2:c", "3:d", "4:e", "5:f", "6:g", "7:h", "8:i", "9:j",
                           "10:k", "11:l", "12:m"};
    }
    void champsCable()
    {
        QFETCH(QString, ligne);
        QFETCH(QStringList, cellules);
        QStringList vus;
        for (const auto &[c, t] : boite::champsCable(ligne)) vus << QString::number(c) + u':' + t;
        QCOMPARE(vus, cellules);
    }

    void velocite_data()
    {
        QTest::addColumn<QString>("cellule");
        QTest::addColumn<float>("cv");
        QTest::newRow("number") << "0.82" << 0.82f;
        QTest::newRow("comma stops the number") << "0,66" << 0.0f;
        QTest::newRow("not a number") << "-" << 0.0f;
        QTest::newRow("beyond a single") << "1e39" << 0.0f;
    }
    void velocite()
    {
        QFETCH(QString, cellule);
        QFETCH(float, cv);
        QCOMPARE(velociteLue(cellule), cv);
    }

    void resume()
    {
        QCOMPARE(resumeCable(QStringLiteral("RG6/U"), 0.82f), QStringLiteral("Câble type:  RG6/U, Coef.Vélocité =  .82"));
    }
};

QTEST_GUILESS_MAIN(TstLongueursCables)
#include "tst_longueurs_cables.moc"
