// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random and extreme inputs: the calculation always ends quickly, never writes a
// text holding NaN or infinity, and either gives a whole result or a reason with nothing else.
#include "dipole/calcul.h"
#include "tests/support/reglages.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>
#include <cfloat>
#include <cmath>

using namespace dipole;

namespace {

// Extreme values first, then anything from 1e-40 to 1e38 of either sign.
float tirer(QRandomGenerator &g)
{
    static const float extremes[] = {0.0f, -0.0f, -1.0f, 1e-45f, 1e-30f, FLT_MIN, 0.5f, 1.0f,
                                     7.1f, 14.0f, 30.0f, 41.0f, 1e6f, FLT_MAX, INFINITY,
                                     -INFINITY, NAN};
    const int n = int(std::size(extremes));
    const int k = int(g.bounded(n + 6));
    if (k < n) return extremes[k];
    const double exposant = g.generateDouble() * 78 - 40;
    const double v = std::pow(10.0, exposant);
    return float(g.bounded(5) == 0 ? -v : v);
}

// Plausible antennas, so that most runs go deep into the coil search.
Entrees plausible(QRandomGenerator &g)
{
    Entrees e;
    e.frequence = float(1 + g.generateDouble() * 60);
    e.dimensionA = float(1 + g.generateDouble() * 600 / e.frequence);
    e.dimensionB = float(g.generateDouble() * e.dimensionA * 0.6);
    e.diametreFil = float(g.generateDouble() * 45);
    e.uniteFil = UniteFil(g.bounded(3));
    e.metres = g.bounded(2);
    e.dipole = g.bounded(2);
    return e;
}

Entrees extreme(QRandomGenerator &g)
{
    Entrees e;
    e.frequence = tirer(g);
    e.dimensionA = tirer(g);
    e.dimensionB = tirer(g);
    e.diametreFil = tirer(g);
    e.uniteFil = UniteFil(g.bounded(3));
    e.metres = g.bounded(2);
    e.dipole = g.bounded(2);
    return e;
}

}  // namespace

class TestFuzz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void entreesAuHasard_data()
    {
        QTest::addColumn<bool>("extremes");
        QTest::newRow("antennes plausibles") << false;
        QTest::newRow("valeurs extremes") << true;
    }
    void entreesAuHasard()
    {
        QFETCH(bool, extremes);
        QRandomGenerator g(extremes ? 4242 : 1717);
        const QRegularExpression nonNombre(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption);
        int issues[4] = {};
        qint64 pire = 0;
        QElapsedTimer total;
        total.start();
        for (int n = 0; n < 4000; ++n) {
            const Entrees e = extremes ? extreme(g) : plausible(g);
            QElapsedTimer t;
            t.start();
            const Resultat r = calculer(e);
            pire = std::max(pire, t.elapsed());
            ++issues[int(r.issue)];

            QStringList textes{r.note, r.dimensionC, r.inductance};
            for (const auto &l : r.lignes) textes += QStringList(l.begin(), l.end());
            for (const QString &t : textes)
                QVERIFY2(!nonNombre.match(t).hasMatch(), qPrintable(t));
            QVERIFY(!r.note.isEmpty());
            const bool complet = r.issue == Issue::Calcule;
            QCOMPARE(!r.dimensionC.isEmpty(), complet);
            QCOMPARE(!r.inductance.isEmpty(), complet);
            for (const auto &l : r.lignes)
                for (const QString &c : l) QCOMPARE(!c.isEmpty(), complet);
        }
        qInfo("issues: %d calculated, %d coil beyond the arm, %d too long, %d impossible; "
              "slowest run %lld ms, all in %lld ms",
              issues[0], issues[1], issues[2], issues[3], pire, total.elapsed());
        QVERIFY(pire < 500);
        QVERIFY(total.elapsed() < 60000);
        // Both families reach the cases they are meant to.
        if (extremes) QVERIFY(issues[int(Issue::Impossible)] > 100);
        else QVERIFY(issues[int(Issue::Calcule)] > 100);
    }
};

QTEST_GUILESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
