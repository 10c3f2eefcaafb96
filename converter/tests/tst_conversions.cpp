// SPDX-License-Identifier: GPL-3.0-or-later
// The six conversions, with their decimals and units, under French regional settings.
#include "converter/conversions.h"

#include "tests/support/reglages.h"

#include <QtTest>

class TstConversions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void entrees()
    {
        QCOMPARE(conversions::entrees(),
                 (QStringList{"Feet en Mètres", "Inches en Mètres", "Mètres en Feet", "Mètres en Inche",
                              "MiliMètres en Inches", "Milimètres en Feet"}));
        QCOMPARE(conversions::nombre(), 6);
    }

    void resultat_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("n");
        QTest::addColumn<QString>("texte");
        const QString g = QString(QChar(0x202F));  // French digit grouping
        const char *uns[] = {"0,3048 M", "0,0254 M", "3,28083 Ft", "39,37000 In", "0,03937 In", "0,00328 Ft"};
        const char *zeros[] = {"0,0000 M", "0,0000 M", "0,00000 Ft", "0,00000 In", "0,00000 In", "0,00000 Ft"};
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("1, entrée %d", i) << i << 1.0f << QString::fromUtf8(uns[i]);
            QTest::addRow("0, entrée %d", i) << i << 0.0f << QString::fromUtf8(zeros[i]);
        }
        QTest::newRow("5 pieds") << 0 << 5.0f << "1,5240 M";
        QTest::newRow("mille mètres en pieds") << 2 << 1000.0f << "3" + g + "280,83333 Ft";
        QTest::newRow("un mile en mètres") << 0 << 5280.0f << "1" + g + "609,3472 M";
        QTest::newRow("demi-arrondi") << 1 << 0.5f << "0,0127 M";
        // The number is a single: 0.1 is 0.100000001490116...
        QTest::newRow("simple") << 3 << 0.1f << "3,93700 In";
        QTest::newRow("grand") << 4 << 1e7f << "393" + g + "700,78740 In";
    }
    void resultat()
    {
        QFETCH(int, index);
        QFETCH(float, n);
        QFETCH(QString, texte);
        QCOMPARE(conversions::resultat(index, n), texte);
    }

    // The formulas in double precision, in the order they are written.
    void doublePrecision()
    {
        QCOMPARE(conversions::convertir(0, 1), 12 / 39.37);
        QCOMPARE(conversions::convertir(5, 1), 1 / 25.4 / 12);
        QCOMPARE(conversions::convertir(2, double(1.1f)), double(1.1f) * 39.37 / 12);
    }
};

QTEST_GUILESS_MAIN(TstConversions)
#include "tst_conversions.moc"
