// SPDX-License-Identifier: GPL-3.0-or-later
// The sine and cosine integrals against reference values, with French regional settings.
#include "measures/integrales.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <cmath>

class TstIntegrales : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void integrales_data();
    void integrales();
};

// Reference values of the sine and cosine integrals (Abramowitz and Stegun, table 5.1; GSL agrees
// to the last digit).
void TstIntegrales::integrales_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("si");
    QTest::addColumn<double>("ci");
    QTest::newRow("0.5") << 0.5 << 0.49310741804306674 << -0.17778407880661296;
    QTest::newRow("1") << 1.0 << 0.946083070367183 << 0.3374039229009682;
    QTest::newRow("2 (series limit)") << 2.0 << 1.6054129768026948 << 0.42298082877486504;
    QTest::newRow("5") << 5.0 << 1.549931244944674 << -0.19002974965664385;
    QTest::newRow("20") << 20.0 << 1.5482417010434397 << 0.044419820845353314;
    QTest::newRow("100") << 100.0 << 1.5622254668890563 << -0.005148825142610493;
}

void TstIntegrales::integrales()
{
    QFETCH(double, x);
    QFETCH(double, si);
    QFETCH(double, ci);
    const auto r = mesures::sinusCosinusIntegraux(x);
    QVERIFY2(std::abs(r.si - si) <= 1e-14 * std::abs(si), qPrintable(QString::number(r.si, 'g', 17)));
    QVERIFY2(std::abs(r.ci - ci) <= 1e-13 * std::abs(ci), qPrintable(QString::number(r.ci, 'g', 17)));
    const double cin = mesures::kEuler + std::log(x) - ci;
    QVERIFY(std::abs(mesures::cosinusIntegralEntier(x) - cin) <= 1e-13 * cin);
}

QTEST_GUILESS_MAIN(TstIntegrales)
#include "tst_integrales.moc"
