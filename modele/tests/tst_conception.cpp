// SPDX-License-Identifier: GPL-3.0-or-later
// The designs laid out as wires: coordinates worked by hand from each design's rule (150 / F x k
// for the dipole, the handbook circumferences over 4 or 3 for the loops, the book's lengths and
// spacings for the Yagi), the shortened dipole's coil as a load, the trimming scale, and the
// refusals.
#include "antennas/filaire.h"
#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "dipole/calcul.h"
#include "modele/conception.h"
#include "modele/tests/conceptions.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <cmath>

using namespace modele;

namespace {

constexpr double kTol = 2e-5;  // metres: the designs work in single precision

Conception quadA(int modele)
{
    const antennes::EntreeModele e{modele, 14.2f, 3};
    return quad(e, antennes::calculerQuad(e));
}

Conception yagiA(int modele)
{
    const antennes::EntreeModele e{modele, 14.2f, 3};
    return yagi(e, antennes::calculerYagi(e));
}

// The loaded dipole of the calculation's own tests: 7.1 MHz, A = 30 ft, AWG 14, here with its coil
// at B = 1.5 ft, where the grid's first row puts it (13,02 µH, Q 755).
Conception raccourciA(bool dipole, Sol sol)
{
    dipole::Entrees e;
    e.frequence = 7.1f;
    e.dimensionA = dipole ? 30 : 15;
    e.dimensionB = 1.5f;
    e.diametreFil = 14;
    e.dipole = dipole;
    return dipoleRaccourci(e, dipole::calculer(e), sol);
}

void comparer(const Point3 &p, double x, double y, double z)
{
    QVERIFY2(std::abs(p.x - x) < kTol && std::abs(p.y - y) < kTol && std::abs(p.z - z) < kTol,
             qPrintable(QStringLiteral("(%1, %2, %3) instead of (%4, %5, %6)")
                            .arg(p.x, 0, 'f', 7).arg(p.y, 0, 'f', 7).arg(p.z, 0, 'f', 7)
                            .arg(x, 0, 'f', 7).arg(y, 0, 'f', 7).arg(z, 0, 'f', 7)));
}

}  // namespace

class TstConception : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void dipole()
    {
        // 150 / 14.2 x 0.95 = 10.035211 m; a fortieth of 299.792458 / 14.2 is 0.5278 m: 19 segments.
        const Conception c = conceptionFilaire(antennes::Dipole);
        QCOMPARE(c.fils.size(), size_t(1));
        comparer(c.fils[0].debut, 0, -5.0176056, 0);
        comparer(c.fils[0].fin, 0, 5.0176056, 0);
        QCOMPARE(c.fils[0].segments, 19);
        QCOMPARE(c.alimentation.fil, 0);
        QCOMPARE(c.alimentation.segment, 10);
        QCOMPARE(c.impedanceReference, 75.0);
        QVERIFY(!c.verticale && !c.directionnelle);
        QCOMPARE(c.ajustement, Ajustement::Tout);
        QCOMPARE(ligneCorrigee(c), QStringLiteral("Longueur corrigée : 2 x 5,018 m"));
    }

    void groundPlane()
    {
        // 75 / 14.2 x 0.95 = 5.0176056 m; radials 120° from the whip: 30° under the horizontal.
        const Conception libre = conceptionFilaire(antennes::GroundPlane);
        QCOMPARE(libre.fils.size(), size_t(4));
        QVERIFY(libre.verticale);
        comparer(libre.fils[0].fin, 0, 0, 5.0176056);
        comparer(libre.fils[1].fin, 4.3453741, 0, -2.5088028);
        comparer(libre.fils[2].fin, -2.1726870, 3.7632043, -2.5088028);
        QCOMPARE(libre.alimentation.segment, 1);
        QCOMPARE(libre.impedanceReference, 50.0);
        const Conception parfait = conceptionFilaire(antennes::GroundPlane, Sol::Parfait);
        QCOMPARE(parfait.fils.size(), size_t(1));
        QVERIFY(parfait.verticale);
        QCOMPARE(parfait.impedanceReference, 36.0);
        QCOMPARE(parfait.remarques.size(), 1);
        // On average ground, its radials and its mast: lifted like a horizontal antenna.
        const Conception moyen = conceptionFilaire(antennes::GroundPlane, Sol::Moyen);
        QCOMPARE(moyen.fils.size(), size_t(4));
        QVERIFY(!moyen.verticale);
        QCOMPARE(moyen.impedanceReference, 50.0);
        QCOMPARE(moyen.remarques.size(), 1);
        QCOMPARE(modele::refus(moyen, {Sol::Moyen, 2.5, 2}),
                 QStringLiteral("À 2,50 m de hauteur, l'antenne toucherait le sol : sa hauteur doit dépasser 2,51 m."));
    }

    void windom()
    {
        // Short branch 10.035211 / 3 = 3.3450704 m, long branch 6.6901408 m, the feed segment a
        // fortieth of a wavelength (0.5278035 m) centred at the origin.
        const Conception c = conceptionFilaire(antennes::Windom);
        QCOMPARE(c.fils.size(), size_t(3));
        comparer(c.fils[0].debut, 0, -3.3450704, 0);
        comparer(c.fils[1].debut, 0, -0.2639018, 0);
        comparer(c.fils[1].fin, 0, 0.2639018, 0);
        comparer(c.fils[2].fin, 0, 6.6901408, 0);
        QCOMPARE(c.alimentation.fil, 1);
        QCOMPARE(ligneCorrigee(c), QStringLiteral("Branches corrigées : 3,345 m et 6,690 m"));
    }

    void lignes()
    {
        // G5RV: 300 ohm line of 150 / 14.2 x 0.88 = 9.2957746 m, 10.563380 m electrical.
        const Conception g = conceptionFilaire(antennes::G5rv, Sol::EspaceLibre, QStringLiteral("T-Lead 300 Ohms, CV:0.88"));
        QCOMPARE(g.lignes.size(), size_t(1));
        QCOMPARE(g.lignes[0].impedance, 300.0);
        QVERIFY(std::abs(g.lignes[0].longueur - 10.563380) < kTol);
        QCOMPARE(g.alimentation.fil, g.lignes[0].fil2);
        // Double bazooka: stubs 0.66 x 10.035211 = 6.6232394 m of 50 ohm cable, seen as one shorted
        // line of 100 ohms, 3.3116197 / 0.66 = 5.0176056 m electrical.
        const Conception b = conceptionFilaire(antennes::Bazooka, Sol::EspaceLibre, QStringLiteral("RG58; 50R, CV:0.66"));
        QCOMPARE(b.lignes.size(), size_t(1));
        QCOMPARE(b.lignes[0].impedance, 100.0);
        QVERIFY(std::abs(b.lignes[0].longueur - 5.0176056) < kTol);
        QCOMPARE(b.lignes[0].admittance2Reelle, LigneTL::kCourtCircuit);
        QCOMPARE(b.lignes[0].fil1, b.alimentation.fil);
        QCOMPARE(b.lignes[0].segment1, b.alimentation.segment);
        // T2FD: 2 x 50 / 14.2 = 7.0422535 m long, 3 / 14.2 = 0.2112676 m between its conductors,
        // 390 ohms in the middle of the upper one.
        const Conception t = conceptionFilaire(antennes::T2fd);
        QCOMPARE(t.fils.size(), size_t(4));
        comparer(t.fils[0].debut, 0, -3.5211268, 0);
        comparer(t.fils[2].debut, 0, 3.5211268, 0.2112676);
        QCOMPARE(t.charges.size(), size_t(1));
        QCOMPARE(t.charges[0].fil, 2);
        QCOMPARE(t.charges[0].resistance, 390.0);
        QCOMPARE(t.charges[0].segment, (t.fils[2].segments + 1) / 2);
    }

    void quadTroisElements()
    {
        // Reflector 313.9 / 14.2 = 22.105634 m round, 0.2 x 300 / 14.2 = 4.2253521 m behind the
        // radiator (306.3 / 14.2 = 21.570423 m, sides of 5.3926056 m); director 297.2 / 14.2 =
        // 20.929577 m, 0.25 x 300 / 14.2 = 5.2816901 m in front.
        const Conception c = quadA(3);
        QCOMPARE(c.fils.size(), size_t(12));
        comparer(c.fils[0].debut, -4.2253521, -2.7632042, -2.7632042);
        comparer(c.fils[4].debut, 0, -2.6963028, -2.6963028);
        comparer(c.fils[4].fin, 0, 2.6963028, -2.6963028);
        comparer(c.fils[6].debut, 0, 2.6963028, 2.6963028);
        comparer(c.fils[8].debut, 5.2816901, -2.6161972, -2.6161972);
        for (const Fil &f : c.fils) QCOMPARE(f.segments, 11);
        QCOMPARE(c.alimentation.fil, 4);
        QCOMPARE(c.alimentation.segment, 6);
        QVERIFY(c.directionnelle);
        QCOMPARE(c.ajustement, Ajustement::ElementAlimente);
        QCOMPARE(c.elementAjuste, 1);
        QCOMPARE(ligneCorrigee(c), QStringLiteral("Circonférence corrigée du radiateur : 21,570 m"));
    }

    void delta()
    {
        // One triangle of 21.570423 / 3 = 7.1901408 m sides, 6.2268600 m high, apex up.
        const Conception c = quadA(4);
        QCOMPARE(c.fils.size(), size_t(3));
        comparer(c.fils[0].debut, 0, -3.5950704, -3.1134300);
        comparer(c.fils[1].fin, 0, 0, 3.1134300);
        QCOMPARE(c.alimentation.segment, 8);  // 15 segments
        QVERIFY(!c.directionnelle);
        QCOMPARE(c.ajustement, Ajustement::Tout);
        QVERIFY(c.remarques.join(QString()).contains(QStringLiteral("Gamma-match non modélisé")));
    }

    void yagiTroisElements()
    {
        // 148 / 14.2, 143 / 14.2 and 138 / 14.2 m; spacings 0.2 and 0.25 x 300 / 14.2.
        const Conception c = yagiA(0);
        QCOMPARE(c.fils.size(), size_t(3));
        comparer(c.fils[0].debut, -4.2253521, -5.2112676, 0);
        comparer(c.fils[1].fin, 0, 5.0352113, 0);
        comparer(c.fils[2].fin, 5.2816901, 4.8591549, 0);
        QCOMPARE(c.fils[0].segments, 21);
        QCOMPARE(c.fils[1].segments, 19);
        QCOMPARE(c.fils[2].segments, 19);
        QCOMPARE(c.alimentation.fil, 1);
        QCOMPARE(c.alimentation.segment, 10);
        QVERIFY(c.directionnelle);
    }

    void yagiNeufElements()
    {
        // The last director 127.6 / 14.2 = 8.9859155 m long, (0.089 + 0.173 + 4 x 0.262 + 0.203)
        // x 300 / 14.2 = 31.964789 m in front of the radiator.
        const Conception c = yagiA(3);
        QCOMPARE(c.fils.size(), size_t(9));
        comparer(c.fils[8].fin, 31.964789, 4.4929577, 0);
    }

    void raccourci_data()
    {
        QTest::addColumn<bool>("dipole");
        QTest::addColumn<int>("sol");
        QTest::addColumn<int>("charges");
        QTest::addColumn<int>("fils");
        QTest::addColumn<bool>("verticale");
        QTest::newRow("dipole") << true << int(Sol::EspaceLibre) << 2 << 5 << false;
        QTest::newRow("dipole au sol") << true << int(Sol::Moyen) << 2 << 5 << false;
        QTest::newRow("quart d'onde au sol") << false << int(Sol::Parfait) << 1 << 3 << true;
        QTest::newRow("quart d'onde en espace libre") << false << int(Sol::EspaceLibre) << 2 << 5 << true;
    }

    void raccourci()
    {
        QFETCH(bool, dipole);
        QFETCH(int, sol);
        QFETCH(int, charges);
        QFETCH(int, fils);
        QFETCH(bool, verticale);
        const Conception c = raccourciA(dipole, Sol(sol));
        QVERIFY2(c.nonModelisable.isEmpty(), qPrintable(c.nonModelisable));
        QCOMPARE(int(c.charges.size()), charges);
        QCOMPARE(int(c.fils.size()), fils);
        QCOMPARE(c.verticale, verticale);
        QCOMPARE(c.ajustement, Ajustement::Inductance);
        // 13.015 to 13.025 µH; R = 2π x 7.1 MHz x L / Q, Q from 755 to 756: 0.7680 to 0.7696 ohm.
        for (const Charge &k : c.charges) {
            QVERIFY(k.bobine);
            QVERIFY2(std::abs(k.inductance - 13.02e-6) <= 0.0051e-6, qPrintable(QString::number(k.inductance)));
            QVERIFY2(k.resistance > 0.7679 && k.resistance < 0.7697, qPrintable(QString::number(k.resistance)));
            QCOMPARE(k.capacite, 0.0);
            // The coil is centred 1.5 ft = 0.4572010 m from the feed point, on a wire of its own.
            const Fil &f = c.fils[size_t(k.fil)];
            const Point3 milieu{(f.debut.x + f.fin.x) / 2, (f.debut.y + f.fin.y) / 2, (f.debut.z + f.fin.z) / 2};
            QVERIFY(std::abs(std::abs(milieu.y) + std::abs(milieu.z) - 0.4572010) < kTol);
            QCOMPARE(f.segments, 1);
        }
        // AWG 14: 0.0640837 in, a radius of 0.8138630 mm.
        for (const Fil &f : c.fils) QVERIFY(std::abs(f.rayon - 0.8138630e-3) < 1e-9);
        QCOMPARE(ligneCorrigee(c), QStringLiteral("Inductance corrigée : 13,02 µH"));
    }

    void bobinesAuCentre()
    {
        // Coils at the feed point (B = 0): both on the feed segment, in series.
        dipole::Entrees e;
        e.dimensionB = 0;
        const dipole::Resultat r = dipole::calculer(e);
        QCOMPARE(r.issue, dipole::Issue::Calcule);
        const Conception c = dipoleRaccourci(e, r, Sol::EspaceLibre);
        QCOMPARE(c.fils.size(), size_t(3));
        QCOMPARE(c.charges.size(), size_t(1));
        QCOMPARE(c.charges[0].fil, c.alimentation.fil);
        QVERIFY(std::abs(c.charges[0].inductance - 2 * r.Lu * 1e-6) < 1e-15);
        QVERIFY(modele::refus(c, Environnement()).isEmpty());
    }

    void raccourciNonCalcule()
    {
        dipole::Entrees e;
        e.dimensionB = 20;  // beyond the arm
        const Conception c = dipoleRaccourci(e, dipole::calculer(e), Sol::EspaceLibre);
        QVERIFY(!c.nonModelisable.isEmpty());
        QCOMPARE(modele::refus(c, Environnement()), c.nonModelisable);
    }

    void echelle_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<double>("facteur");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("dipole") << 0 << 1.02 << QStringLiteral("Longueur corrigée : 2 x 5,118 m");
        QTest::newRow("yagi") << 1 << 0.98 << QStringLiteral("Longueur corrigée du radiateur : 9,869 m");
        QTest::newRow("quad") << 2 << 1.01 << QStringLiteral("Circonférence corrigée du radiateur : 21,786 m");
    }

    void echelle()
    {
        QFETCH(int, cas);
        QFETCH(double, facteur);
        QFETCH(QString, ligne);
        const Conception avant = cas == 0 ? conceptionFilaire(antennes::Dipole) : cas == 1 ? yagiA(0) : quadA(3);
        const Conception apres = modele::echelle(avant, facteur);
        QCOMPARE(apres.facteur, facteur);
        QCOMPARE(ligneCorrigee(apres), ligne);
        if (cas == 0) comparer(apres.fils[0].fin, 0, 5.0176056 * 1.02, 0);
        if (cas == 1) {
            comparer(apres.fils[1].fin, 0, 5.0352113 * 0.98, 0);
            comparer(apres.fils[0].fin, -4.2253521, 5.2112676, 0);  // the reflector stays
        }
        if (cas == 2) {
            comparer(apres.fils[4].debut, 0, -2.6963028 * 1.01, -2.6963028 * 1.01);
            comparer(apres.fils[8].debut, 5.2816901, -2.6161972, -2.6161972);
        }
        // Twice in a row multiplies.
        QCOMPARE(modele::echelle(apres, 2).facteur, facteur * 2);
    }

    void echelleInductance()
    {
        const Conception c = raccourciA(true, Sol::EspaceLibre);
        const Conception d = modele::echelle(c, 1.1);
        for (size_t i = 0; i < c.charges.size(); ++i) {
            QVERIFY(std::abs(d.charges[i].inductance / c.charges[i].inductance - 1.1) < 1e-12);
            QVERIFY(std::abs(d.charges[i].resistance / c.charges[i].resistance - 1.1) < 1e-12);
        }
        comparer(d.fils[4].debut, c.fils[4].debut.x, c.fils[4].debut.y, c.fils[4].debut.z);
    }

    void segments_data()
    {
        QTest::addColumn<double>("longueur");
        QTest::addColumn<bool>("impair");
        QTest::addColumn<int>("segments");
        QTest::newRow("demi-onde") << 10.035211 << true << 19;
        QTest::newRow("cote de quad") << 5.3926056 << true << 11;
        QTest::newRow("pair permis") << 5.3926056 << false << 10;
        QTest::newRow("tres court") << 0.1 << false << 1;
        QTest::newRow("tres court impair") << 0.1 << true << 1;
        QTest::newRow("plafond") << 1000.0 << false << 199;
    }

    void segments()
    {
        QFETCH(double, longueur);
        QFETCH(bool, impair);
        QFETCH(int, segments);
        QCOMPARE(segmentsPour(longueur, 14.2, impair), segments);
    }

    void cable_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<double>("z");
        QTest::newRow("RG58") << "RG58; 50R, CV:0.66" << 50.0;
        QTest::newRow("KX8") << "KX8; 75R, CV:0.70" << 75.0;
        QTest::newRow("ohms") << "Coaxial 50 ohms, CV:0.66" << 50.0;
        QTest::newRow("Ohms") << "T-Lead 300 Ohms, CV:0.88" << 300.0;
        QTest::newRow("RG6/U") << "RG6/U; 75R, CV:0.82" << 75.0;
        QTest::newRow("virgule") << "Ligne 450,5 Ω" << 450.5;
        QTest::newRow("rien") << "Câble inconnu, CV:0.66" << 0.0;
        QTest::newRow("vide") << "" << 0.0;
    }

    void cable()
    {
        QFETCH(QString, nom);
        QFETCH(double, z);
        QCOMPARE(impedanceDuCable(nom), z);
    }

    void refus_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<int>("sol");
        QTest::addColumn<double>("hauteur");
        QTest::addColumn<double>("diametre");
        QTest::addColumn<QString>("message");
        const QString hauteurNulle = QStringLiteral("La hauteur de l'antenne au-dessus du sol doit être supérieure à 0 m.");
        const QString diametreNul = QStringLiteral("Le diamètre des fils doit être supérieur à 0 mm.");
        const QString nonFini = QStringLiteral("Les valeurs de l'antenne ou de son environnement ne sont pas des "
                                               "nombres utilisables : le modèle ne peut pas être calculé.");
        // 0 dipole, 1 T2FD, 2 three-element Quad, 3 ground plane.
        QTest::newRow("dipole a 10 m") << 0 << int(Sol::Moyen) << 10.0 << 2.0 << QString();
        QTest::newRow("dipole a 0 m") << 0 << int(Sol::Moyen) << 0.0 << 2.0 << hauteurNulle;
        QTest::newRow("dipole sous le sol") << 0 << int(Sol::Parfait) << -1.0 << 2.0 << hauteurNulle;
        QTest::newRow("hauteur sans effet en espace libre") << 0 << int(Sol::EspaceLibre) << 0.0 << 2.0 << QString();
        QTest::newRow("diametre nul") << 0 << int(Sol::EspaceLibre) << 10.0 << 0.0 << diametreNul;
        QTest::newRow("diametre negatif") << 0 << int(Sol::EspaceLibre) << 10.0 << -2.0 << diametreNul;
        QTest::newRow("diametre NaN") << 0 << int(Sol::EspaceLibre) << 10.0 << qQNaN() << nonFini;
        QTest::newRow("hauteur infinie") << 0 << int(Sol::Moyen) << qInf() << 2.0 << nonFini;
        // The T2FD's conductors are 3 / 14.2 m = 211.3 mm apart.
        QTest::newRow("T2FD fil de 200 mm") << 1 << int(Sol::EspaceLibre) << 10.0 << 200.0 << QString();
        QTest::newRow("T2FD fil de 220 mm") << 1 << int(Sol::EspaceLibre) << 10.0 << 220.0
            << QStringLiteral("Le diamètre des fils (220,0 mm) atteint l'écart entre deux fils parallèles de "
                              "l'antenne (211,3 mm) : choisissez un diamètre plus petit.");
        // The Quad's reflector reaches 2.7632 m under its boom.
        QTest::newRow("quad a 2 m") << 2 << int(Sol::Moyen) << 2.0 << 2.0
            << QStringLiteral("À 2,00 m de hauteur, l'antenne toucherait le sol : sa hauteur doit dépasser 2,76 m.");
        QTest::newRow("quad a 3 m") << 2 << int(Sol::Moyen) << 3.0 << 2.0 << QString();
        // The ground plane's whip and radials: 5.0176056 m in 10 segments of 0.5017606 m, no shorter
        // than the wire's diameter.
        QTest::newRow("fil gros") << 3 << int(Sol::EspaceLibre) << 10.0 << 500.0 << QString();
        QTest::newRow("fil trop gros") << 3 << int(Sol::EspaceLibre) << 10.0 << 502.0
            << QStringLiteral("Des fils de 502,0 mm de diamètre sont trop gros pour ce modèle, dont les segments "
                              "mesurent 501,8 mm : choisissez un diamètre plus petit.");
        QTest::newRow("vertical a hauteur nulle") << 3 << int(Sol::Parfait) << 0.0 << 2.0 << QString();
    }

    void refus()
    {
        QFETCH(int, cas);
        QFETCH(int, sol);
        QFETCH(double, hauteur);
        QFETCH(double, diametre);
        QFETCH(QString, message);
        const Conception c = cas == 0   ? conceptionFilaire(antennes::Dipole, Sol(sol))
                             : cas == 1 ? conceptionFilaire(antennes::T2fd, Sol(sol))
                             : cas == 2 ? quadA(3)
                                        : conceptionFilaire(antennes::GroundPlane, Sol(sol));
        QCOMPARE(modele::refus(c, {Sol(sol), hauteur, diametre}), message);
    }

    void refusConceptionNonFinie()
    {
        Conception c = conceptionFilaire(antennes::Dipole);
        c.fils[0].fin.y = qQNaN();
        QVERIFY(modele::refus(c, Environnement()).contains(QStringLiteral("pas des nombres utilisables")));
        QCOMPARE(modele::refus(Conception(), Environnement()), QStringLiteral("Cette antenne n'a rien à modéliser."));
    }

    void levy() { QVERIFY(modele::levy().startsWith(QStringLiteral("L'antenne Levy n'est pas modélisée"))); }
};

QTEST_GUILESS_MAIN(TstConception)
#include "tst_conception.moc"
