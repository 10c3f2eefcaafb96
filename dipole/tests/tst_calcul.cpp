// The loaded-dipole calculation on its own, with French regional settings.
#include "dipole/calcul.h"
#include "tests/support/utilisateur.h"

#include <QtTest>

using namespace dipole;

class TestCalcul : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }
    void apercu()
    {
        Entrees e;
        const Resultat r = calculer(e);
        qInfo() << int(r.issue) << r.note << r.dimensionC << r.inductance << r.K << r.M << r.R << r.D;
        for (auto &l : r.lignes) qInfo() << QStringList(l.begin(), l.end());
    }
};

QTEST_GUILESS_MAIN(TestCalcul)
#include "tst_calcul.moc"
