// SPDX-License-Identifier: GPL-3.0-or-later
// The cable between the antenna and the analyser: a cable read from its line of Câbles.dat, its
// attenuation between and beyond the table's frequencies, the line transform against closed forms
// (half wave, quarter wave) and against an independent computation, and whole sweeps brought back
// to the antenna, with the refusals.
#include "adaptation/ligne.h"

#include "shell/core/Module1.h"
#include "shell/core/fichiers.h"
#include "tests/support/reglages.h"

#include <QtTest>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

using namespace ligne;
using cplx = std::complex<double>;
Q_DECLARE_METATYPE(cplx)

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The RG213/U line of data/Câbles.dat, as the program holds it.
const QString kLigneRG213 =
    QStringLiteral("RG213/U 50 10.30 101 0.66 2.0 3.6 8.2 15.5 30.0 2000 PE_plein coaxial");

Cable rg213() { return *lireCable(kLigneRG213); }

bool proche(cplx a, cplx b, double relative) { return std::abs(a - b) <= relative * std::abs(b); }

QString texte(cplx z) { return QStringLiteral("%1 %2j").arg(z.real(), 0, 'g', 17).arg(z.imag(), 0, 'g', 17); }

// A sweep of a series RLC load (R, resonant at f0 with L) against R0 = 50 Ohms, as the reader
// makes its points.
touchstone::Mesure balayage(double debut, double fin, int n, double R = 60, double f0 = 7.05e6, double L = 12e-6)
{
    touchstone::Mesure m;
    const double C = 1 / (std::pow(2 * kPi * f0, 2) * L);
    for (int k = 0; k < n; ++k) {
        touchstone::Point p;
        p.frequence = debut + (fin - debut) * k / (n - 1);
        const double w = 2 * kPi * p.frequence;
        p.impedance = {R, w * L - 1 / (w * C)};
        p.gamma = (p.impedance - 50.0) / (p.impedance + 50.0);
        p.ros = (1 + std::abs(p.gamma)) / (1 - std::abs(p.gamma));
        p.valide = true;
        m.points.push_back(p);
    }
    m.resonance = *touchstone::trouverResonance(m.points, 50);
    return m;
}

}  // namespace

class TestLigne : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void cable()
    {
        const std::optional<Cable> c = lireCable(kLigneRG213);
        QVERIFY(c);
        QCOMPARE(c->nom, QStringLiteral("RG213/U"));
        QCOMPARE(c->impedance, 50.0);
        QCOMPARE(c->facteurVelocite, 0.66);
        const std::array<double, 5> pertes{2.0, 3.6, 8.2, 15.5, 30.0};
        QVERIFY(c->pertes == pertes);
    }

    void pasUnCable_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::newRow("en-tête") << QStringLiteral("Câble Impédance_Ohms Diamètre_mm Capacité_pF/m Coef.Vélocité "
                                                   "dB/100m@10MHz dB/100m@30MHz dB/100m@145MHz dB/100m@435MHz "
                                                   "dB/100m@1296MHz Pmax_W@30MHz Diélectrique Type");
        QTest::newRow("vide") << QString();
        QTest::newRow("sans nom") << QStringLiteral(" 50 10.30 101 0.66 2.0 3.6 8.2 15.5 30.0 2000 PE_plein coaxial");
        QTest::newRow("pertes manquantes") << QStringLiteral("RG213/U 50 10.30 101 0.66 2.0 3.6 8.2");
        QTest::newRow("colonne vide") << QStringLiteral("RG213/U 50 10.30 101 0.66 2.0  3.6 8.2 15.5 30.0");
        QTest::newRow("impédance nulle") << QStringLiteral("X 0 10.30 101 0.66 2.0 3.6 8.2 15.5 30.0");
        QTest::newRow("impédance en texte") << QStringLiteral("X cinquante 10.30 101 0.66 2.0 3.6 8.2 15.5 30.0");
        QTest::newRow("vélocité au-delà de 1") << QStringLiteral("X 50 10.30 101 1.5 2.0 3.6 8.2 15.5 30.0");
        QTest::newRow("perte négative") << QStringLiteral("X 50 10.30 101 0.66 2.0 -3.6 8.2 15.5 30.0");
        QTest::newRow("perte infinie") << QStringLiteral("X 50 10.30 101 0.66 2.0 3.6 1e999 15.5 30.0");
    }
    void pasUnCable()
    {
        QFETCH(QString, ligne);
        QVERIFY(!lireCable(ligne));
    }

    // The store's cable list: the heading and the lines that are not cables left out.
    void cablesDuStore()
    {
        Module1 m;
        m.Lignes_Cables[0] = QStringLiteral("Câble Impédance_Ohms Diamètre_mm");
        m.Lignes_Cables[1] = kLigneRG213;
        m.Lignes_Cables[2] = QStringLiteral("abîmée");
        m.Lignes_Cables[3] = QStringLiteral("RG58C/U 50 4.95 101 0.66 4.6 8.2 17.8 33.0 63.0 550 PE_plein coaxial");
        m.Lignes_Cables[4] = kLigneRG213;  // beyond Dernier_Cable
        m.Dernier_Cable = 3;
        const std::vector<Cable> c = lireCables(m);
        QCOMPARE(c.size(), size_t(2));
        QCOMPARE(c[0].nom, QStringLiteral("RG213/U"));
        QCOMPARE(c[1].nom, QStringLiteral("RG58C/U"));
    }

    // RG213/U: 2.0, 3.6, 8.2, 15.5, 30.0 dB / 100 m at 10, 30, 145, 435, 1296 MHz; Np/m = dB/100 m
    // / 100 / (20 / ln 10). Independent values (Python, exp of the interpolated logarithm):
    //   66 MHz:  3.6 (8.2/3.6)^(ln(66/30)/ln(145/30)) = 3.6 * 2.2778^0.50043 = 5.4351878814501697
    //            dB/100 m (by hand: e^(0.82322 * 0.50043) = 1.50977, x 3.6 = 5.4352)
    //   14.2 MHz: 2.0 (3.6/2.0)^(ln 1.42 / ln 3) = 2.4127276006398857
    //   2.5 MHz: 2.0 sqrt(2.5/10) = 1 dB/100 m exactly
    //   2592 MHz: 30 (2592/1296)^(ln(30/15.5)/ln(1296/435)) = 45.625995981971634
    void attenuations_data()
    {
        QTest::addColumn<double>("frequence");
        QTest::addColumn<double>("decibels");  // per 100 m
        QTest::addColumn<double>("tolerance");  // relative
        QTest::newRow("10 MHz, la table") << 10e6 << 2.0 << 0.0;
        QTest::newRow("145 MHz, la table") << 145e6 << 8.2 << 0.0;
        QTest::newRow("1296 MHz, la table") << 1296e6 << 30.0 << 0.0;
        QTest::newRow("66 MHz, log-log") << 66e6 << 5.4351878814501697 << 1e-13;
        QTest::newRow("14,2 MHz, log-log") << 14.2e6 << 2.4127276006398857 << 1e-13;
        QTest::newRow("2,5 MHz, racine") << 2.5e6 << 1.0 << 1e-15;
        QTest::newRow("0 Hz") << 0.0 << 0.0 << 0.0;
        QTest::newRow("2592 MHz, prolongée") << 2592e6 << 45.625995981971634 << 1e-13;
    }
    void attenuations()
    {
        QFETCH(double, frequence);
        QFETCH(double, decibels);
        QFETCH(double, tolerance);
        const double attendu = decibels / 100 / (20 / std::log(10.0));
        const double a = attenuation(rg213(), frequence);
        QVERIFY2(std::abs(a - attendu) <= tolerance * attendu, qPrintable(QString::number(a, 'g', 17)));
        QVERIFY(std::abs(perte(rg213(), frequence, 100) - decibels) <= 1e-12 * std::max(1.0, decibels));
    }

    // Closed forms: half a wave gives the load back, a quarter wave inverts it (Z0^2 / Z_L).
    void formesFermees_data()
    {
        QTest::addColumn<cplx>("charge");
        QTest::addColumn<double>("z0");
        QTest::addColumn<cplx>("gl");
        QTest::addColumn<cplx>("entree");
        QTest::newRow("demi-onde") << cplx(36, 12) << 50.0 << cplx(0, kPi) << cplx(36, 12);
        QTest::newRow("demi-onde, 75 Ohms") << cplx(300, -200) << 75.0 << cplx(0, kPi) << cplx(300, -200);
        QTest::newRow("deux demi-ondes") << cplx(5, 80) << 50.0 << cplx(0, 2 * kPi) << cplx(5, 80);
        // 2500 / (100 + 50j) = 2500 (100 - 50j) / 12500 = 20 - 10j
        QTest::newRow("quart d'onde") << cplx(100, 50) << 50.0 << cplx(0, kPi / 2) << cplx(20, -10);
        // 75^2 / 50 = 112.5
        QTest::newRow("quart d'onde, 75 Ohms") << cplx(50, 0) << 75.0 << cplx(0, kPi / 2) << cplx(112.5, 0);
        // A matched load stays matched through any line: Z0 (Z0 + Z0 t) / (Z0 + Z0 t) = Z0.
        QTest::newRow("adaptée, pertes") << cplx(50, 0) << 50.0 << cplx(0.7, 3.1) << cplx(50, 0);
        // A very long lossy line shows Z0 whatever the load: tanh(gl) = 1 there.
        QTest::newRow("très longue") << cplx(5, 300) << 50.0 << cplx(800, 1e5) << cplx(50, 0);
    }
    void formesFermees()
    {
        QFETCH(cplx, charge);
        QFETCH(double, z0);
        QFETCH(cplx, gl);
        QFETCH(cplx, entree);
        const cplx z = ajouter(charge, z0, gl);
        QVERIFY2(proche(z, entree, 1e-12), qPrintable(texte(z)));
        if (gl.real() < 10) {
            const cplx l = retirer(entree, z0, gl);
            QVERIFY2(proche(l, charge, 1e-9), qPrintable(texte(l)));
        }
    }

    // RG213/U (Z0 50, VF 0.66) against an independent computation in Python (cmath.tanh, the
    // attenuation interpolated as exp of the interpolated logarithm):
    //   alpha l = dB/100 m / 100 / (20 / ln 10) * l, beta l = 2 pi f / (0.66 * 299792458) * l
    //   14.2 MHz, 20 m, Z_L = 36 + 12j: al = 0.055555106066886926, bl = 9.0184846399132983,
    //     Z_in = 34.037695859287005 + 0.46531273050321725j
    //   7.05 MHz, 33.3 m, Z_L = 500 - 300j: al = 0.064380520081687098, bl = 7.4550160087649466,
    //     Z_in = 7.7710052658039537 - 18.120340593701513j
    //   145 MHz, 7.5 m, Z_L = 5: al = 0.070804491609566908, bl = 34.53381002079476,
    //     Z_in = 8.4790462603034982 - 1.1516017870330204j
    void avecPertes_data()
    {
        QTest::addColumn<cplx>("charge");
        QTest::addColumn<double>("frequence");
        QTest::addColumn<double>("longueur");
        QTest::addColumn<cplx>("gl");
        QTest::addColumn<cplx>("entree");
        QTest::newRow("14,2 MHz, 20 m") << cplx(36, 12) << 14.2e6 << 20.0
                                        << cplx(0.055555106066886926, 9.0184846399132983)
                                        << cplx(34.037695859287005, 0.46531273050321725);
        QTest::newRow("7,05 MHz, 33,3 m") << cplx(500, -300) << 7.05e6 << 33.3
                                          << cplx(0.064380520081687098, 7.4550160087649466)
                                          << cplx(7.7710052658039537, -18.120340593701513);
        QTest::newRow("145 MHz, 7,5 m") << cplx(5, 0) << 145e6 << 7.5 << cplx(0.070804491609566908, 34.53381002079476)
                                        << cplx(8.4790462603034982, -1.1516017870330204);
    }
    void avecPertes()
    {
        QFETCH(cplx, charge);
        QFETCH(double, frequence);
        QFETCH(double, longueur);
        QFETCH(cplx, gl);
        QFETCH(cplx, entree);
        const cplx g = propagation(rg213(), frequence, longueur);
        QVERIFY2(proche(g, gl, 1e-13), qPrintable(texte(g)));
        const cplx z = ajouter(charge, 50, g);
        QVERIFY2(proche(z, entree, 1e-10), qPrintable(texte(z)));
        const cplx l = retirer(z, 50, g);
        QVERIFY2(proche(l, charge, 1e-9), qPrintable(texte(l)));
    }

    // Load -> cable added -> cable removed gives the load back.
    void allerRetour_data()
    {
        QTest::addColumn<cplx>("charge");
        QTest::addColumn<double>("frequence");
        QTest::addColumn<double>("longueur");
        QTest::newRow("dipôle, 20 m") << cplx(72, -40) << 7.05e6 << 20.0;
        QTest::newRow("court-circuit presque") << cplx(0.5, 3) << 3.6e6 << 41.0;
        QTest::newRow("haute impédance") << cplx(2500, 1200) << 28.5e6 << 12.7;
        QTest::newRow("basse fréquence") << cplx(12, -300) << 1.8e6 << 55.0;
        QTest::newRow("UHF") << cplx(50, 50) << 435e6 << 3.0;
        QTest::newRow("au-delà de la table") << cplx(30, 10) << 2.4e9 << 1.5;
    }
    void allerRetour()
    {
        QFETCH(cplx, charge);
        QFETCH(double, frequence);
        QFETCH(double, longueur);
        const cplx g = propagation(rg213(), frequence, longueur);
        const cplx l = retirer(ajouter(charge, 50, g), 50, g);
        QVERIFY2(proche(l, charge, 1e-9), qPrintable(texte(l)));
    }

    // A sweep carried through the cable and brought back gives its points and its resonance back.
    void balayageAllerRetour()
    {
        const touchstone::Mesure m = balayage(6.5e6, 7.6e6, 111);
        const Transformee loin = prolonger(m, rg213(), 20);
        QVERIFY(loin.mesure);
        QCOMPARE(loin.ecartes, 0);
        const Transformee retour = ramener(*loin.mesure, rg213(), 20);
        QVERIFY2(retour.mesure, qPrintable(retour.erreur));
        QCOMPARE(retour.ecartes, 0);
        QCOMPARE(retour.mesure->points.size(), m.points.size());
        for (size_t i = 0; i < m.points.size(); ++i) {
            const touchstone::Point &p = retour.mesure->points[i];
            QCOMPARE(p.frequence, m.points[i].frequence);
            QVERIFY(p.valide);
            QVERIFY(proche(p.impedance, m.points[i].impedance, 1e-9));
            QVERIFY(std::abs(p.gamma - m.points[i].gamma) <= 1e-9);
            QVERIFY(std::abs(p.ros - m.points[i].ros) <= 1e-8 * m.points[i].ros);
        }
        // The model's resonance (7.05 MHz, 60 Ohms, SWR 1.2) found again on the points.
        QVERIFY(std::abs(retour.mesure->resonance.frequence - 7.05e6) < 10);
        QVERIFY(std::abs(retour.mesure->resonance.ros - 1.2) < 1e-6);
    }

    // A point without an SWR stays so; a point the cable's removal would make |gamma| >= 1 is kept
    // out and counted.
    void pointsEcartes()
    {
        touchstone::Mesure m = balayage(6.9e6, 7.2e6, 31);
        m.points[3].valide = false;
        m.points[3].gamma = {1.5, 0};
        // A pure reactance at the shack end: behind a lossy cable it would need a negative resistance.
        m.points[10].gamma = std::polar(0.999999, 0.3);
        const Transformee t = ramener(m, rg213(), 20);
        QVERIFY(t.mesure);
        QCOMPARE(t.ecartes, 1);
        QVERIFY(!t.mesure->points[3].valide);
        QVERIFY(std::isnan(t.mesure->points[3].gamma.real()));
        QVERIFY(!t.mesure->points[10].valide);
        QVERIFY(std::abs(t.mesure->points[10].gamma) >= 1);
        QCOMPARE(t.mesure->points[10].ros, 0.0);
        int valides = 0;
        for (const touchstone::Point &p : t.mesure->points) valides += p.valide;
        QCOMPARE(valides, 29);
    }

    // tests/donnees/dipole_7050_rg213_20m.s1p (made by fabriquer_cable.py): a copper dipole modelled
    // with nec2c, trimmed to resonate at 7.050 MHz, seen at the shack end of 20 m of RG213/U. From
    // the NEC-2 impedances alone (Python, linear interpolation between the 5 kHz points as the
    // reader does): the reactance crosses zero at 7.049981 MHz where R = 73.196 Ohms (SWR 1.4639),
    // and the SWR stays below 2 from 6.888046 to 7.199224 MHz. At the shack end, the generator
    // finds the zero crossing at 6.970366 MHz. With RG213/U read from the program's own cable list,
    // removing 20 m gives the antenna back.
    void dipoleAuBoutDuCable()
    {
        const touchstone::Lecture l =
            touchstone::lireFichier(QStringLiteral(ORVALIS_DONNEES_ESSAI "/dipole_7050_rg213_20m.s1p"));
        QVERIFY2(l.mesure, qPrintable(l.erreur.texte));
        QCOMPARE(l.mesure->points.size(), size_t(221));
        const touchstone::Resonance brute = l.mesure->resonance;
        QVERIFY(brute.passageAZero);
        QVERIFY2(std::abs(brute.frequence - 6.970366e6) < 50, qPrintable(QString::number(brute.frequence, 'f', 0)));

        const fichiers::Lecture liste = fichiers::lireLignes(QStringLiteral(ORVALIS_DONNEES_PROGRAMME "/Câbles.dat"));
        QVERIFY(liste.ok);
        std::optional<Cable> c;
        for (const QString &ligne : liste.lignes)
            if (ligne.startsWith(QStringLiteral("RG213/U "))) c = lireCable(ligne);
        QVERIFY(c);

        const Transformee t = ramener(*l.mesure, *c, 20);
        QVERIFY2(t.mesure, qPrintable(t.erreur));
        QCOMPARE(t.ecartes, 0);
        const touchstone::Resonance &r = t.mesure->resonance;
        QVERIFY(r.passageAZero);
        QVERIFY2(std::abs(r.frequence - 7.050e6) <= 2e3, qPrintable(QString::number(r.frequence, 'f', 0)));
        QVERIFY(std::abs(r.frequence - 7.049981e6) <= 100);
        QVERIFY(std::abs(r.impedance.real() - 73.196) <= 0.02);
        QVERIFY(std::abs(r.ros - 1.4639) <= 0.001);
        QVERIFY(r.bande && !r.debutAuBord && !r.finAuBord);
        QVERIFY(std::abs(r.bandeDebut - 6.888046e6) <= 500);
        QVERIFY(std::abs(r.bandeFin - 7.199224e6) <= 500);
        QCOMPARE(touchstone::resume(r) + u' ' + suffixe(*c, 20),
                 QStringLiteral("Résonance : 7,050 Mhz — ROS 1,46 — Z = 73,2 + j0,0 Ohms — ROS < 2 de 6,888 à "
                                "7,199 Mhz au point d'alimentation (câble RG213/U, 20,00 m retirés)"));

        // Written as a file and read again, the feed-point sweep gives the same resonance.
        const touchstone::Lecture relu = touchstone::lire(
            touchstone::ecrireS1p(t.mesure->points, t.mesure->reference, suffixe(*c, 20)), QStringLiteral("a.s1p"));
        QVERIFY(relu.mesure);
        QVERIFY(std::abs(relu.mesure->resonance.frequence - r.frequence) <= 1e-6);
    }

    void refus_data()
    {
        QTest::addColumn<double>("longueur");
        QTest::addColumn<double>("haut");  // the sweep's top frequency, Hz
        QTest::addColumn<QString>("erreur");
        const QString longueur = QStringLiteral("La longueur du câble doit être supérieure à 0.");
        QTest::newRow("nulle") << 0.0 << 30e6 << longueur;
        QTest::newRow("négative") << -20.0 << 30e6 << longueur;
        QTest::newRow("NaN") << kNaN << 30e6 << longueur;
        QTest::newRow("infinie") << kInf << 30e6 << longueur;
        // 650 m of RG213/U at 30 MHz: 3.6 * 6.5 = 23.4 dB.
        QTest::newRow("23,4 dB") << 650.0 << 30e6
                                 << QStringLiteral("Le câble perdrait 23,4 dB à 30,000 Mhz : plus de 20 dB, la mesure "
                                                   "ne peut pas être ramenée à l'antenne.");
        // 250 m at 145 MHz: 8.2 * 2.5 = 20.5 dB.
        QTest::newRow("20,5 dB") << 250.0 << 145e6
                                 << QStringLiteral("Le câble perdrait 20,5 dB à 145,000 Mhz : plus de 20 dB, la mesure "
                                                   "ne peut pas être ramenée à l'antenne.");
        QTest::newRow("hors des nombres") << 1e306 << 30e6
                                          << QStringLiteral("Le câble perdrait plus de 20 dB à 30,000 Mhz : la mesure "
                                                            "ne peut pas être ramenée à l'antenne.");
        // 500 m at 30 MHz: 18 dB, brought back.
        QTest::newRow("18 dB") << 500.0 << 30e6 << QString();
    }
    void refus()
    {
        QFETCH(double, longueur);
        QFETCH(double, haut);
        QFETCH(QString, erreur);
        touchstone::Mesure m = balayage(haut * 0.9, haut, 21, 60, haut * 0.95);
        // A sweep that cable can have given: the load seen through it.
        if (erreur.isEmpty()) m = *prolonger(m, rg213(), longueur).mesure;
        const Transformee t = ramener(m, rg213(), longueur);
        QCOMPARE(t.erreur, erreur);
        QCOMPARE(bool(t.mesure), erreur.isEmpty());
        if (!erreur.startsWith(QStringLiteral("Le câble"))) QCOMPARE(prolonger(m, rg213(), longueur).erreur, erreur);
    }

    void suffixes()
    {
        QCOMPARE(suffixe(rg213(), 20), QStringLiteral("au point d'alimentation (câble RG213/U, 20,00 m retirés)"));
        QCOMPARE(suffixe(rg213(), 123.456), QStringLiteral("au point d'alimentation (câble RG213/U, 123,46 m retirés)"));
    }
};

QTEST_GUILESS_MAIN(TestLigne)
#include "tst_ligne.moc"
