// SPDX-License-Identifier: GPL-3.0-or-later
// The Smith chart's geometry: points of impedances worked by hand, and every circle and arc on its
// own circle, inside the unit disc, with the ends and the points it must pass through.
#include "adaptation/smith.h"

#include <QtTest>
#include <cmath>
#include <complex>
#include <limits>

using namespace smith;
using cplx = std::complex<double>;
Q_DECLARE_METATYPE(cplx)

namespace {

// QPointF's == is fuzzy: this one is exact.
bool egal(QPointF p, double x, double y) { return p.x() == x && p.y() == y; }

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The nearest vertex of a polyline to a point, and the longest of its segments.
double plusPres(const std::vector<QPointF> &l, QPointF p)
{
    double d = INFINITY;
    for (QPointF q : l) d = std::min(d, distance(p, q));
    return d;
}
double plusLongSegment(const std::vector<QPointF> &l)
{
    double d = 0;
    for (size_t i = 1; i < l.size(); ++i) d = std::max(d, distance(l[i - 1], l[i]));
    return d;
}

}  // namespace

class TestSmith : public QObject {
    Q_OBJECT

private slots:
    // gamma = (z - 1) / (z + 1), by hand.
    void points_data()
    {
        QTest::addColumn<cplx>("z");
        QTest::addColumn<QPointF>("gamma");
        QTest::newRow("adaptée, le centre") << cplx(1, 0) << QPointF(0, 0);
        QTest::newRow("court-circuit") << cplx(0, 0) << QPointF(-1, 0);
        QTest::newRow("j") << cplx(0, 1) << QPointF(0, 1);
        QTest::newRow("-j") << cplx(0, -1) << QPointF(0, -1);
        QTest::newRow("2 : 1/3") << cplx(2, 0) << QPointF(1.0 / 3, 0);
        QTest::newRow("0,5 : -1/3") << cplx(0.5, 0) << QPointF(-1.0 / 3, 0);
        // j / (2 + j) = j (2 - j) / 5 = (1 + 2j) / 5
        QTest::newRow("1 + j") << cplx(1, 1) << QPointF(0.2, 0.4);
        QTest::newRow("circuit ouvert") << cplx(INFINITY, 0) << QPointF(1, 0);
    }
    void points()
    {
        QFETCH(cplx, z);
        QFETCH(QPointF, gamma);
        const QPointF p = point(z);
        QVERIFY2(distance(p, gamma) <= 1e-15, qPrintable(QStringLiteral("%1 %2").arg(p.x()).arg(p.y())));
    }

    void cercles_data()
    {
        QTest::addColumn<double>("r");
        for (double r : kResistances) QTest::newRow(qPrintable(QString::number(r))) << r;
    }
    void cercles()
    {
        QFETCH(double, r);
        const std::vector<QPointF> c = cercleResistance(r);
        QCOMPARE(c.size(), size_t(129));
        QVERIFY(egal(c.front(), 1, 0));
        QVERIFY(egal(c.back(), 1, 0));
        const QPointF centre(r / (1 + r), 0);
        for (QPointF p : c) {
            QVERIFY(std::abs(distance(p, centre) - 1 / (1 + r)) <= 1e-15);
            QVERIFY(std::hypot(p.x(), p.y()) <= 1 + 1e-15);
        }
        // The circle passes through the points of r + jx, and its leftmost point is z = r.
        for (double x : {-2.0, 0.0, 0.5, 3.0}) QVERIFY(plusPres(c, point({r, x})) <= plusLongSegment(c));
        QVERIFY(plusPres(c, point({r, 0})) <= 1e-15);
    }

    // r = 1 passes through the centre and (1, 0); r = 0 is the unit circle.
    void cerclesParticuliers()
    {
        const std::vector<QPointF> un = cercleResistance(1);
        QVERIFY(plusPres(un, QPointF(0, 0)) <= 1e-15);
        QVERIFY(egal(un.front(), 1, 0));
        for (QPointF p : cercleResistance(0)) QVERIFY(std::abs(std::hypot(p.x(), p.y()) - 1) <= 1e-15);
        QCOMPARE(cercleResistance(1, 3).size(), size_t(9));  // at least 8 segments
    }

    void arcs_data()
    {
        QTest::addColumn<double>("x");
        for (double x : kReactances) {
            QTest::newRow(qPrintable(QString::number(x))) << x;
            QTest::newRow(qPrintable(QString::number(-x))) << -x;
        }
    }
    void arcs()
    {
        QFETCH(double, x);
        const std::vector<QPointF> a = arcReactance(x);
        QCOMPARE(a.size(), size_t(65));
        // From z = jx on the unit circle, (x^2 - 1 + 2jx) / (x^2 + 1), to (1, 0).
        const QPointF debut((x * x - 1) / (x * x + 1), 2 * x / (x * x + 1));
        QVERIFY(distance(a.front(), debut) <= 1e-15);
        QVERIFY(egal(a.back(), 1, 0));
        const QPointF centre(1, 1 / x);
        for (QPointF p : a) {
            QVERIFY(std::abs(distance(p, centre) - 1 / std::abs(x)) <= 1e-14);
            QVERIFY(std::hypot(p.x(), p.y()) <= 1);
            QVERIFY(x > 0 ? p.y() >= 0 : p.y() <= 0);  // inductive above the axis, capacitive below
        }
        // It passes through r + jx for every r.
        for (double r : {0.2, 1.0, 5.0}) QVERIFY(plusPres(a, point({r, x})) <= plusLongSegment(a));
    }

    void axeReel()
    {
        const std::vector<QPointF> a = arcReactance(0, 4);
        QCOMPARE(a.size(), size_t(5));
        QVERIFY(egal(a.front(), -1, 0));
        QVERIFY(egal(a[2], 0, 0));
        QVERIFY(egal(a.back(), 1, 0));
    }

    void abaqueEntier()
    {
        const std::vector<Trace> t = abaque();
        QCOMPARE(t.size(), size_t(6 + 1 + 10));
        int cercles = 0;
        for (const Trace &l : t) cercles += l.resistance;
        QCOMPARE(cercles, 6);
        QCOMPARE(t[6].valeur, 0.0);
        QCOMPARE(t[7].valeur, 0.2);
        QCOMPARE(t[8].valeur, -0.2);
        QCOMPARE(t.back().valeur, -5.0);
    }
};

QTEST_GUILESS_MAIN(TestSmith)
#include "tst_smith.moc"
