// SPDX-License-Identifier: GPL-3.0-or-later
// The trap calculator alone, under French regional settings: the worked example, twice the
// reactance, and a capacitance beyond what a single holds.
#include "toolbox/trappe.h"
#include "toolbox/tests/textes.h"

#include "tests/support/reglages.h"

#include <QtTest>

using namespace boite;

class TstTrappe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void trappe_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("x");
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("21 MHz, 400 ohms")
            << 21.0f << 400.0f
            << QStringList{"3,03 µH", "18,95 pF",
                           "Surface de CI double face de 5,41 cm²\r\nCâble coaxial (6mm à 101pF/m) de 0,188 m"};
        QTest::newRow("twice the reactance")
            << 21.0f << 800.0f
            << QStringList{"6,06 µH", "9,47 pF",
                           "Surface de CI double face de 2,71 cm²\r\nCâble coaxial (6mm à 101pF/m) de 0,094 m"};
        QTest::newRow("capacitance beyond a single") << 1e-3f << 1e-45f << QStringList{"", "", kHors};
    }
    void trappe()
    {
        QFETCH(float, f);
        QFETCH(float, x);
        QFETCH(QStringList, textes);
        const Trappe t = calculerTrappe(f, x);
        QCOMPARE((QStringList{t.texteL, t.texteC, t.texteCapacite}), textes);
    }
};

QTEST_GUILESS_MAIN(TstTrappe)
#include "tst_trappe.moc"
