// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the antenna analyser's Touchstone files, on sweeps written here from a series RLC
// model of a dipole, Z = R + j(wL - 1/(wC)), whose resonance 1/(2 pi sqrt(LC)), impedance R there
// and SWR < 2 band (where |Z - R0| = |Z + R0| / 3) are known in closed form, in every format, unit,
// version and port count; then the files of tests/donnees and every kind of bad file.
#include "adaptation/touchstone.h"

#include "tests/support/reglages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <complex>
#include <numbers>

using namespace touchstone;
using cplx = std::complex<double>;
Q_DECLARE_METATYPE(cplx)

namespace {

constexpr double kPi = std::numbers::pi;

// A series RLC dipole near its resonance.
struct Dipole {
    double R = 56, L = 15e-6, f0 = 7.023e6;
    double C() const { return 1 / (std::pow(2 * kPi * f0, 2) * L); }
    cplx Z(double f) const
    {
        const double w = 2 * kPi * f;
        return {R, w * L - 1 / (w * C())};
    }
    cplx gamma(double f, double R0) const { return (Z(f) - R0) / (Z(f) + R0); }
    // The frequency where the reactance is X: the positive root of L w^2 - X w - 1/C = 0.
    double frequenceDeReactance(double X) const
    {
        return (X + std::sqrt(X * X + 4 * L / C())) / (2 * L) / (2 * kPi);
    }
    // |Gamma| = 1/3 where 8 X^2 = (R + R0)^2 - 9 (R - R0)^2.
    double reactanceROS2(double R0) const { return std::sqrt((std::pow(R + R0, 2) - 9 * std::pow(R - R0, 2)) / 8); }
};

QString nombre(double x) { return QString::number(x, 'g', 12); }

// The pair of numbers of a reflection coefficient in the file's format.
QString paire(cplx g, const QString &format)
{
    const double angle = std::arg(g) * 180 / kPi;
    if (format == "RI") return nombre(g.real()) + " " + nombre(g.imag());
    if (format == "MA") return nombre(std::abs(g)) + " " + nombre(angle);
    return nombre(20 * std::log10(std::abs(g))) + " " + nombre(angle);
}

double facteur(const QString &unite)
{
    const QString u = unite.toLower();
    return u == "hz" ? 1 : u == "khz" ? 1e3 : u == "mhz" ? 1e6 : 1e9;
}

// A sweep of `n` points from `debut` to `fin` Hz in a Touchstone file.
struct Fichier {
    int version = 1;
    int ports = 1;
    QString format = "MA";
    QString unite = "MHz";
    double R0 = 50;
    QString options;      // the option line, when not the one made of the fields above
    double debut = 6.5e6, fin = 7.5e6;
    int n = 201;

    QByteArray ecrire(const std::function<cplx(double)> &gamma) const
    {
        QStringList l;
        if (version == 2) l << "[Version] 2.0";
        l << "! written by the test";
        l << (options.isEmpty() ? QStringLiteral("# %1 S %2 R %3").arg(unite, format, nombre(R0)) : options);
        if (version == 2) {
            l << QStringLiteral("[Number of Ports] %1").arg(ports);
            if (ports == 2) l << "[Two-Port Data Order] 21_12";
            l << QStringLiteral("[Number of Frequencies] %1").arg(n) << "[Network Data]";
        }
        for (int k = 0; k < n; ++k) {
            const double f = debut + (fin - debut) * k / (n - 1);
            const QString debutLigne = nombre(f / facteur(unite)) + " " + paire(gamma(f), format);
            // The other parameters of a two-port: anything but S11.
            const QString autres = paire({0.1, 0.9}, format) + "  " + paire({0.85, -0.2}, format) + "  " +
                                   paire({0.3, 0.3}, format);
            if (ports == 1) l << debutLigne;
            else if (version == 1) l << debutLigne + "  " + autres;
            else l << debutLigne << "   " + autres;  // version 2 lets a measurement wrap
        }
        if (version == 2) l << "[End]";
        return (l.join("\r\n") + "\r\n").toLatin1();
    }
    QByteArray ecrire(const Dipole &d) const
    {
        return ecrire([&](double f) { return d.gamma(f, R0); });
    }
};

// A sweep of the impedances `Z` at 1, 2, 3... MHz, in RI against 50 Ohms.
QByteArray impedances(const QList<cplx> &Z)
{
    QByteArray t = "# MHz S RI R 50\n";
    for (int k = 0; k < Z.size(); ++k) {
        const cplx g = (Z[k] - 50.0) / (Z[k] + 50.0);
        t += (nombre(k + 1) + " " + nombre(g.real()) + " " + nombre(g.imag()) + "\n").toLatin1();
    }
    return t;
}

double ros(cplx Z, double R0 = 50)
{
    const double g = std::abs((Z - R0) / (Z + R0));
    return (1 + g) / (1 - g);
}

Mesure lu(const QByteArray &contenu, const QString &nom = "mesure.s1p")
{
    const Lecture l = lire(contenu, nom);
    if (!l.mesure) qWarning("refused: line %d: %s", l.erreur.ligne, qPrintable(l.erreur.texte));
    return l.mesure.value_or(Mesure{});
}

}  // namespace

class TstTouchstone : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    // The same dipole in every format, unit, version and port count, against 50 or 75 Ohms.
    void dipole_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("ports");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("unite");
        QTest::addColumn<double>("R0");
        for (int version : {1, 2})
            for (int ports : {1, 2})
                for (const char *format : {"RI", "MA", "DB"})
                    for (const char *unite : {"Hz", "kHz", "MHz", "GHz"}) {
                        const double R0 = QByteArray(unite) == "kHz" ? 75 : 50;
                        QTest::addRow("v%d %d port %s %s R %g", version, ports, format, unite, R0)
                            << version << ports << QString(format) << QString(unite) << R0;
                    }
    }
    void dipole()
    {
        QFETCH(int, version);
        QFETCH(int, ports);
        QFETCH(QString, format);
        QFETCH(QString, unite);
        QFETCH(double, R0);
        Fichier f;
        f.version = version;
        f.ports = ports;
        f.format = format;
        f.unite = unite;
        f.R0 = R0;
        const Dipole d;
        const Mesure m = lu(f.ecrire(d), ports == 1 ? "antenne.s1p" : "antenne.s2p");
        QCOMPARE(m.version, version);
        QCOMPARE(m.ports, ports);
        QCOMPARE(m.reference, R0);
        QCOMPARE(int(m.points.size()), 201);
        QVERIFY(qAbs(m.points[0].frequence - 6.5e6) < 1e-3);
        // Every point: the model's impedance and SWR.
        for (const Point &p : m.points) {
            QVERIFY(p.valide);
            QVERIFY(std::abs(p.impedance - d.Z(p.frequence)) < 1e-6 * std::abs(d.Z(p.frequence)));
            QVERIFY(qAbs(p.ros - ros(d.Z(p.frequence), R0)) < 1e-6 * p.ros);
        }
        const Resonance &r = m.resonance;
        QVERIFY(r.passageAZero);
        QVERIFY2(qAbs(r.frequence - d.f0) < 5, qPrintable(nombre(r.frequence)));
        QVERIFY(qAbs(r.impedance.real() - d.R) < 1e-3);
        QCOMPARE(r.impedance.imag(), 0.0);
        QVERIFY(qAbs(r.ros - std::max(d.R / R0, R0 / d.R)) < 1e-4);
        // The SWR is 2 where the reactance is -Xb and +Xb; the edges are interpolated between
        // points 5 kHz apart.
        QVERIFY(r.bande && !r.debutAuBord && !r.finAuBord);
        const double Xb = d.reactanceROS2(R0);
        QVERIFY2(qAbs(r.bandeDebut - d.frequenceDeReactance(-Xb)) < 20, qPrintable(nombre(r.bandeDebut)));
        QVERIFY2(qAbs(r.bandeFin - d.frequenceDeReactance(Xb)) < 20, qPrintable(nombre(r.bandeFin)));
        QCOMPARE(touchstone::frequenceSaisie(r), QStringLiteral("7.023"));
    }

    // The option line in any case and order, spaced anyhow, with comments and blank lines
    // anywhere and any line end; without it, GHz, MA and 50 Ohms.
    void syntaxe_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("unite");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fin");        // line end
        QTest::addColumn<bool>("commentaires");  // comments and blank lines between the data
        QTest::newRow("minuscules") << "#mhz s ri r 50" << "MHz" << "RI" << "\r\n" << false;
        QTest::newRow("désordre") << "# R 50 RI khz S" << "kHz" << "RI" << "\n" << false;
        QTest::newRow("blancs et commentaire") << "  #\t GHz   S\tdB  R   50   ! the analyser" << "GHz" << "DB"
                                               << "\n" << true;
        QTest::newRow("par défaut") << "" << "GHz" << "MA" << "\r" << true;
        QTest::newRow("seulement l'unité") << "# Hz" << "Hz" << "MA" << "\r\n" << true;
        QTest::newRow("R collé au dièse") << "#R 50 MA MHz" << "MHz" << "MA" << "\n" << false;
    }
    void syntaxe()
    {
        QFETCH(QString, options);
        QFETCH(QString, unite);
        QFETCH(QString, format);
        QFETCH(QString, fin);
        QFETCH(bool, commentaires);
        const Dipole d;
        QStringList l = {"! sweep of the test", "", options};
        for (int k = 0; k < 41; ++k) {
            const double f = 6.9e6 + 5e3 * k;
            QString ligne = nombre(f / facteur(unite)) + (commentaires ? "\t  " : " ") + paire(d.gamma(f, 50), format);
            if (commentaires) {
                ligne = "  " + ligne.replace(' ', "   ") + "  ! point " + QString::number(k);
                if (k % 7 == 0) l << "" << "   ! a comment line" << "\t";
            }
            l << ligne;
        }
        const Mesure m = lu((l.join(fin) + fin).toLatin1(), "mesure.s1p");
        QCOMPARE(int(m.points.size()), 41);
        QVERIFY(qAbs(m.resonance.frequence - d.f0) < 5);
        QVERIFY(qAbs(m.resonance.impedance.real() - d.R) < 1e-3);
    }

    // Version 2: [Reference] prevails over R, a lower or upper half of a two-port matrix, the
    // information block, keywords in any case, and what follows the network data.
    void version2_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("R0");
        const Dipole d;
        auto lignes = [&](double R0, int paires) {
            QString t;
            for (int k = 0; k < 21; ++k) {
                const double f = 6.95e6 + 7.5e3 * k;
                t += nombre(f) + " " + paire(d.gamma(f, R0), "RI");
                for (int p = 1; p < paires; ++p) t += (p == 2 ? "\n " : " ") + paire({0.2, -0.1}, "RI");
                t += "\n";
            }
            return t;
        };
        QTest::newRow("[Reference]") << "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 1\n[Reference] 75\n"
                                        "[Network Data]\n" + lignes(75, 1) << 75.0;
        QTest::newRow("[Reference] sur deux lignes")
            << "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 12_21\n"
               "[Reference] 75 ! port 1\n 50 ! port 2\n[Network Data]\n" + lignes(75, 4)
            << 75.0;
        QTest::newRow("demi-matrice basse")
            << "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 12_21\n"
               "[Matrix Format] Lower\n[Network Data]\n" + lignes(50, 3)
            << 50.0;
        QTest::newRow("information, casse, bruit")
            << "! a comment first\n[VERSION] 2.0\n# hz s ri r 50\n[number  of   ports] 1\n"
               "[Begin Information]\nanything [at all] 1 2 3\nno bracket here\n[End Information]\n"
               "[Number of Frequencies] 21\n[Network Data]\n" + lignes(50, 1) +
               "[Noise Data]\n1 2 3 4 5\n[End]\ntext after the end\n"
            << 50.0;
    }
    void version2()
    {
        QFETCH(QString, texte);
        QFETCH(double, R0);
        const Mesure m = lu(texte.toLatin1(), "mesure.txt");
        QCOMPARE(m.version, 2);
        QCOMPARE(m.reference, R0);
        QCOMPARE(int(m.points.size()), 21);
        const Dipole d;
        QVERIFY(qAbs(m.resonance.frequence - d.f0) < 10);
        QVERIFY(qAbs(m.resonance.impedance.real() - d.R) < 1e-3);
    }

    // Version 1: the ports by the name, or by the first data line; the noise lines of a two-port.
    void version1()
    {
        Fichier f;
        f.ports = 2;
        f.n = 11;
        f.debut = 6.97e6;
        f.fin = 7.07e6;
        const Dipole d;
        QByteArray deuxPorts = f.ecrire(d);
        QCOMPARE(lu(deuxPorts, "sans extension").ports, 2);
        QCOMPARE(lu(deuxPorts, "ANTENNE.S2P").ports, 2);
        deuxPorts += "! noise parameters\n6.9 1.5 0.5 45 0.3\n7.0 1.6 0.5 46 0.3\n";
        const Mesure m = lu(deuxPorts, "antenne.s2p");
        QCOMPARE(int(m.points.size()), 11);
        QVERIFY(qAbs(m.resonance.frequence - d.f0) < 10);
        f.ports = 1;
        QCOMPARE(lu(f.ecrire(d), "sans extension").ports, 1);
    }

    // The resonance and its band on sweeps of chosen impedances at 1, 2, 3... MHz.
    void resonance_data()
    {
        QTest::addColumn<QList<cplx>>("Z");
        QTest::addColumn<double>("frequence");  // MHz
        QTest::addColumn<bool>("passage");
        QTest::addColumn<cplx>("impedance");
        QTest::addColumn<double>("debut");      // MHz, 0 when there is no band
        QTest::addColumn<double>("fin");
        QTest::addColumn<QString>("resume");
        // Two crossings: the anti-resonance at 1.5 MHz and the resonance at 3.5 MHz; the SWR
        // minimum is at 3 MHz (50 - j20, the first of two equal ones). The band edges lie where
        // the SWR, linear between the points, reaches 2.
        {
            const QList<cplx> Z = {{200, 20}, {200, -20}, {50, -20}, {50, 20}, {50, 40}, {50, 60}};
            const double s2 = ros(Z[1]), s3 = ros(Z[2]), s4 = ros(Z[3]), s5 = ros(Z[4]);
            const double debut = 3 - (2 - s3) / (s2 - s3), fin = 4 + (2 - s4) / (s5 - s4);
            QTest::newRow("deux passages") << Z << 3.5 << true << cplx(50, 0) << debut << fin
                                           << "Résonance : 3,500 Mhz — ROS 1,00 — Z = 50,0 + j0,0 Ohms — "
                                              "ROS < 2 de 2,800 à 4,738 Mhz";
        }
        // No crossing: the SWR minimum itself, 50 - j10 at 3 MHz (|Gamma| = 10 / sqrt(10100)).
        {
            const QList<cplx> Z = {{80, -10}, {60, -10}, {50, -10}, {40, -10}, {30, -10}};
            const double s = ros(Z[2]);
            QVERIFY(qAbs(s - (1 + 10 / std::sqrt(10100.0)) / (1 - 10 / std::sqrt(10100.0))) < 1e-12);
            QTest::newRow("sans passage") << Z << 3.0 << false << cplx(50, -10) << 1.0 << 5.0
                                          << "Résonance : 3,000 Mhz — ROS 1,22 — Z = 50,0 - j10,0 Ohms — "
                                             "ROS < 2 de 1,000 à 5,000 Mhz (jusqu'au bord du balayage)";
        }
        // A reactance of exactly zero on a point.
        QTest::newRow("zéro sur un point") << QList<cplx>{{70, -30}, {50, 0}, {70, 30}} << 2.0 << true << cplx(50, 0)
                                           << 1.0 << 3.0
                                           << "Résonance : 2,000 Mhz — ROS 1,00 — Z = 50,0 + j0,0 Ohms — "
                                              "ROS < 2 de 1,000 à 3,000 Mhz (jusqu'au bord du balayage)";
        // A resonance at 200 Ohms: an SWR of 4, no band.
        QTest::newRow("sans bande") << QList<cplx>{{200, -50}, {200, -10}, {200, 30}} << 2.25 << true << cplx(200, 0)
                                    << 0.0 << 0.0
                                    << "Résonance : 2,250 Mhz — ROS 4,00 — Z = 200,0 + j0,0 Ohms — "
                                       "aucune bande où le ROS est inférieur à 2";
    }
    void resonance()
    {
        QFETCH(QList<cplx>, Z);
        QFETCH(double, frequence);
        QFETCH(bool, passage);
        QFETCH(cplx, impedance);
        QFETCH(double, debut);
        QFETCH(double, fin);
        QFETCH(QString, resume);
        const Resonance r = lu(impedances(Z)).resonance;
        QVERIFY(qAbs(r.frequence - frequence * 1e6) < 1e-3);
        QCOMPARE(r.passageAZero, passage);
        QVERIFY(std::abs(r.impedance - impedance) < 1e-7);
        QVERIFY(qAbs(r.ros - ros(impedance)) < 1e-7);
        QCOMPARE(r.bande, debut > 0);
        if (r.bande) {
            QVERIFY(qAbs(r.bandeDebut - debut * 1e6) < 1e-3);
            QVERIFY(qAbs(r.bandeFin - fin * 1e6) < 1e-3);
        }
        QCOMPARE(touchstone::resume(r), resume);
    }

    // Points whose |S11| is 1 or more have no SWR: the band stops before them, the curve skips
    // them, and the resonance is sought between the others.
    void pointsSansROS()
    {
        QByteArray t = "# MHz S MA R 50\n";
        t += "1 0.5 0\n2 1.0 0\n3 0.1 10\n4 0.05 0\n5 0.1 -10\n6 1.5 30\n7 0.2 0\n";
        const Mesure m = lu(t);
        QCOMPARE(int(m.points.size()), 7);
        QVERIFY(!m.points[1].valide && !m.points[5].valide);
        // Gamma = 0.05 at 4 MHz is the minimum; Z = 50 x 1.05 / 0.95 there, a pure resistance.
        QVERIFY(qAbs(m.resonance.frequence - 4e6) < 1e-6);
        QVERIFY(qAbs(m.resonance.impedance.real() - 50 * 1.05 / 0.95) < 1e-9);
        QVERIFY(m.resonance.bande);
        QVERIFY(qAbs(m.resonance.bandeDebut - 3e6) < 1e-6);
        QVERIFY(qAbs(m.resonance.bandeFin - 5e6) < 1e-6);
        QCOMPARE(pointsATracer(m.points, 100), (std::vector<size_t>{0, 2, 3, 4, 6}));
        // Next to |S11| = 1 a point keeps a resistance above 0, or has no SWR.
        const Mesure bord = lu("# MHz S RI R 50\n1 0.1 0\n2 0.99999999999999989 0.0000000001\n3 -0.99999999999999989 0\n4 0.1 0\n");
        for (const Point &p : bord.points)
            QVERIFY(!p.valide || (p.impedance.real() > 0 && p.ros >= 1 && std::isfinite(p.ros)));
        QVERIFY(bord.resonance.ros >= 1 && std::isfinite(bord.resonance.ros));
    }

    // A long sweep is drawn with at most the points asked, the dip kept.
    void pointsATracerLongs()
    {
        std::vector<Point> p(100000);
        for (size_t i = 0; i < p.size(); ++i) {
            p[i].frequence = double(i);
            p[i].valide = true;
            p[i].ros = 1 + std::abs(double(i) - 61234.0) / 1000;
        }
        const std::vector<size_t> t = pointsATracer(p, 2000);
        QVERIFY(t.size() <= 2000 && t.size() >= 1000);
        QVERIFY(std::is_sorted(t.begin(), t.end()));
        QVERIFY(std::find(t.begin(), t.end(), size_t(61234)) != t.end());
        QCOMPARE(t.front(), size_t(0));
        QCOMPARE(t.back(), p.size() - 1);
    }

    // The two sweeps of tests/donnees, as an analyser saves them.
    void fichiersDEssai_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("ports");
        QTest::addColumn<int>("points");
        QTest::newRow("s1p") << "dipole_7023.s1p" << 1 << 1 << 201;
        QTest::newRow("s2p") << "dipole_7023.s2p" << 2 << 2 << 161;
    }
    void fichiersDEssai()
    {
        QFETCH(QString, nom);
        QFETCH(int, version);
        QFETCH(int, ports);
        QFETCH(int, points);
        const Lecture l = lireFichier(QDir(QStringLiteral(ORVALIS_DONNEES_ESSAI)).filePath(nom));
        QVERIFY(l.mesure);
        QCOMPARE(l.mesure->version, version);
        QCOMPARE(l.mesure->ports, ports);
        QCOMPARE(int(l.mesure->points.size()), points);
        const Dipole d;
        const Resonance &r = l.mesure->resonance;
        QVERIFY(qAbs(r.frequence - d.f0) < 20);
        QCOMPARE(touchstone::frequenceSaisie(r), QStringLiteral("7.023"));
        // SWR 56/50; the band edges of the model, 6.8298 and 7.2217 MHz.
        QVERIFY(qAbs(d.frequenceDeReactance(-d.reactanceROS2(50)) - 6.8298e6) < 100);
        QVERIFY(qAbs(d.frequenceDeReactance(d.reactanceROS2(50)) - 7.2217e6) < 100);
        QCOMPARE(touchstone::resume(r), QStringLiteral("Résonance : 7,023 Mhz — ROS 1,12 — Z = 56,0 + j0,0 Ohms — "
                                                       "ROS < 2 de 6,830 à 7,222 Mhz"));
    }

    // Every bad file says why, naming the line when one line is at fault.
    void mauvais_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("texte");
        const QByteArray debut = "! sweep\n# MHz S MA R 50\n";
        QTest::newRow("texte quelconque") << QByteArray("Bonjour, voici ma mesure\n1 2 3\n") << "a.s1p" << 1
                                          << "« Bonjour, » : ce n'est pas un fichier Touchstone";
        QTest::newRow("vide") << QByteArray() << "a.s1p" << 0
                              << "le fichier ne contient rien : ce n'est pas un fichier Touchstone";
        QTest::newRow("que des commentaires") << QByteArray("! one\n\n   ! two\r\n") << "a.s1p" << 0
                                              << "le fichier ne contient rien : ce n'est pas un fichier Touchstone";
        QTest::newRow("binaire") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "a.s1p" << 1
                                 << "« \uFFFDPNG » : ce n'est pas un fichier Touchstone";
        QTest::newRow("mot-clé sans [Version]") << QByteArray("[Number of Ports] 1\n") << "a.s1p" << 1
                                                << "« [Number of Ports] 1 » : ce n'est pas un fichier Touchstone "
                                                   "(la version 2 commence par [Version])";
        QTest::newRow("aucune mesure") << debut << "a.s1p" << 0
                                       << "le fichier ne contient aucune mesure ; il en faut au moins 3";
        QTest::newRow("une mesure") << debut + "7 0.1 0\n" << "a.s1p" << 0
                                    << "le fichier ne contient qu'une mesure ; il en faut au moins 3";
        QTest::newRow("deux mesures") << debut + "7 0.1 0\n7.1 0.1 0\n" << "a.s1p" << 0
                                      << "le fichier ne contient que 2 mesures ; il en faut au moins 3";
        QTest::newRow("pas un nombre") << debut + "7 0.1 0\n7.1 abc 0\n" << "a.s1p" << 4
                                       << "« abc » n'est pas un nombre";
        QTest::newRow("virgule") << debut + "7,1 0.1 0\n" << "a.s1p" << 3 << "« 7,1 » n'est pas un nombre";
        QTest::newRow("nan") << debut + "7 0.1 0\n7.1 0.1 NaN\n" << "a.s1p" << 4 << "« NaN » n'est pas une valeur finie";
        QTest::newRow("inf") << debut + "-inf 0.1 0\n" << "a.s1p" << 3 << "« -inf » n'est pas une valeur finie";
        QTest::newRow("trop grand") << debut + "7 1e400 0\n" << "a.s1p" << 3 << "« 1e400 » n'est pas une valeur finie";
        QTest::newRow("fréquence hors limites") << QByteArray("# GHz\n1e300 0.1 0\n") << "a.s1p" << 2
                                                << "la fréquence dépasse les limites des nombres";
        QTest::newRow("ROS nulle part") << debut + "7 1 0\n7.1 1.5 0\n7.2 1 90\n" << "a.s1p" << 0
                                        << "|S11| vaut 1 ou plus à toutes les fréquences : le ROS n'y est défini "
                                           "nulle part";
        QTest::newRow("fréquence répétée") << debut + "7 0.1 0\n\n7.1 0.1 0\n7.1 0.1 0\n" << "a.s1p" << 6
                                           << "la fréquence n'est pas supérieure à celle de la ligne 5 : les "
                                              "fréquences doivent croître";
        QTest::newRow("fréquence qui baisse") << debut + "7 0.1 0\n6.9 0.1 0\n" << "a.s1p" << 4
                                              << "la fréquence n'est pas supérieure à celle de la ligne 3 : les "
                                                 "fréquences doivent croître";
        QTest::newRow("fréquence négative") << debut + "-7 0.1 0\n" << "a.s1p" << 3 << "la fréquence est négative";
        QTest::newRow("nombres en trop") << debut + "7 0.1 0 0.2\n" << "a.s1p" << 3
                                         << "4 nombres au lieu de 3 pour une mesure à 1 port";
        QTest::newRow("deux ports incomplets") << debut + "7 0.1 0 0.2 0 0.3 0\n" << "a.s2p" << 3
                                               << "7 nombres au lieu de 9 pour une mesure à 2 ports";
        QTest::newRow("ports inconnus") << debut + "7 0.1 0 0.2\n" << "a.txt" << 3
                                        << "4 nombres : une ligne de mesure en a 3 (1 port) ou 9 (2 ports)";
        QTest::newRow("trois ports") << debut + "7 0.1 0\n" << "a.s3p" << 2
                                     << "le fichier décrit 3 ports ; seules les mesures à 1 ou 2 ports (.s1p, .s2p) "
                                        "sont lues";
        QTest::newRow("option inconnue") << QByteArray("# MHz S MA R 50 X\n") << "a.s1p" << 1
                                         << "option « X » inconnue (attendu : Hz, kHz, MHz, GHz, S, RI, MA, DB, R)";
        QTest::newRow("paramètres Z") << QByteArray("# MHz Z RI R 50\n") << "a.s1p" << 1
                                      << "paramètres Z : seuls les paramètres S (coefficients de réflexion) sont lus";
        QTest::newRow("R sans valeur") << QByteArray("# MHz S RI R\n") << "a.s1p" << 1
                                       << "la résistance de référence (R) doit être un nombre supérieur à 0";
        QTest::newRow("mot-clé en version 1") << debut + "[Number of Ports] 1\n" << "a.s1p" << 3
                                              << "mot-clé « [Number of Ports] » dans un fichier Touchstone 1 (sans "
                                                 "[Version])";
        const QByteArray v2 = "[Version] 2.0\n# MHz S RI R 50\n";
        QTest::newRow("version 3") << QByteArray("[Version] 3.0\n") << "a.s1p" << 1
                                   << "[Version] « 3.0 » : seules les versions 1.0, 1.1 et 2.x sont lues";
        // The version as the file writes it, never a number the reader made of it.
        QTest::newRow("version infinie") << QByteArray("[Version] inf\n") << "a.s1p" << 1
                                         << "[Version] « inf » : seules les versions 1.0, 1.1 et 2.x sont lues";
        QTest::newRow("version hors des nombres") << QByteArray("[Version] 1e999 ! comment\n") << "a.s1p" << 1
                                                  << "[Version] « 1e999 » : seules les versions 1.0, 1.1 et 2.x sont "
                                                     "lues";
        QTest::newRow("version en deux mots") << QByteArray("[Version]  2.0   bis \n") << "a.s1p" << 1
                                              << "[Version] « 2.0   bis » : seules les versions 1.0, 1.1 et 2.x sont "
                                                 "lues";
        QTest::newRow("version sans numéro") << QByteArray("[Version]\n") << "a.s1p" << 1
                                             << "[Version] sans numéro : seules les versions 1.0, 1.1 et 2.x sont lues";
        QTest::newRow("données avant [Network Data]") << v2 + "[Number of Ports] 1\n7 0 0\n" << "a.s1p" << 4
                                                      << "des données précèdent [Network Data]";
        QTest::newRow("sans [Number of Ports]") << v2 + "[Network Data]\n" << "a.s1p" << 3
                                                << "[Network Data] sans [Number of Ports] avant";
        QTest::newRow("sans [Network Data]") << v2 + "[Number of Ports] 1\n" << "a.s1p" << 0
                                             << "[Network Data] manque : le fichier ne contient aucune mesure";
        QTest::newRow("mesure incomplète")
            << v2 + "[Number of Ports] 2\n[Network Data]\n7 0 0 0 0 0 0 0 0\n7.1 0 0 0 0\n7.2 0 0\n" << "a.s2p" << 6
            << "mesure incomplète : 8 nombres au lieu de 9";
        QTest::newRow("nombre de fréquences")
            << v2 + "[Number of Ports] 1\n[Number of Frequencies] 4\n[Network Data]\n7 0 0\n7.1 0 0\n7.2 0 0\n"
            << "a.s1p" << 0 << "[Number of Frequencies] annonce 4 fréquences, le fichier en contient 3";
        QTest::newRow("[Reference] nulle") << v2 + "[Number of Ports] 1\n[Reference] 0\n" << "a.s1p" << 4
                                           << "[Reference] : « 0 » n'est pas une résistance supérieure à 0";
        QTest::newRow("crochet") << v2 + "[Number of Ports 1\n" << "a.s1p" << 3
                                 << "« [Number of Ports 1 » : crochet fermant manquant";
    }
    void mauvais()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, nom);
        QFETCH(int, ligne);
        QFETCH(QString, texte);
        const Lecture l = lire(contenu, nom);
        QVERIFY(!l.mesure);
        QCOMPARE(l.erreur.texte, texte);
        QCOMPARE(l.erreur.ligne, ligne);
    }

    // The message names the file, and the line when there is one.
    void messages()
    {
        QCOMPARE(message("antenne.s1p", {4, "« abc » n'est pas un nombre"}),
                 QStringLiteral("La mesure « antenne.s1p » n'a pas été lue.\r\nLigne 4 : « abc » n'est pas un nombre."));
        QCOMPARE(message("antenne.s1p", {0, "le fichier ne peut pas être ouvert"}),
                 QStringLiteral("La mesure « antenne.s1p » n'a pas été lue.\r\nLe fichier ne peut pas être ouvert."));
        Resonance r;
        r.frequence = 400;
        QCOMPARE(messageRefus("bas.s1p", r),
                 QStringLiteral("La mesure « bas.s1p » n'a pas été lue.\r\nSa résonance, 0,000 Mhz, ne peut pas être "
                                "prise comme fréquence mesurée."));
    }

    // Files that cannot be read, or that are too large to be a sweep.
    void fichiersIllisibles()
    {
        QTemporaryDir dir;
        QCOMPARE(lireFichier(dir.filePath("absent.s1p")).erreur.texte, QStringLiteral("le fichier ne peut pas être ouvert"));
        QVERIFY(QDir(dir.path()).mkdir("dossier.s1p"));
        QCOMPARE(lireFichier(dir.filePath("dossier.s1p")).erreur.texte, QStringLiteral("le fichier ne peut pas être ouvert"));
        QFile grand(dir.filePath("grand.s1p"));
        QVERIFY(grand.open(QIODevice::WriteOnly));
        QVERIFY(grand.resize(kTailleMaximale + 1));
        grand.close();
        const Lecture l = lireFichier(grand.fileName());
        QVERIFY(!l.mesure);
        QCOMPARE(l.erreur.texte, QStringLiteral("le fichier dépasse 16 Mio : ce n'est pas une mesure d'analyseur"));
        // Contents of that size, however they came.
        QCOMPARE(lire(QByteArray(kTailleMaximale + 1, ' '), "a.s1p").erreur.texte, l.erreur.texte);
        // Exactly 16 MiB is read: blanks and a sweep.
        QByteArray juste(kTailleMaximale - 30, ' ');
        juste += "\n1 0.1 0\n2 0.2 0\n3 0.3 0\n";
        juste += QByteArray(kTailleMaximale - juste.size(), ' ');
        QVERIFY(lire(juste, "a.s1p").mesure);
    }

    // The resonance typed as a user types it: MHz rounded to the kHz, with a point.
    // The written file reads back as the same points, in the shortest C form of each number.
    void ecriture()
    {
        const Dipole d;
        std::vector<Point> points;
        for (int k = 0; k < 101; ++k) {
            Point p;
            p.frequence = 6.5e6 + 1e4 * k + (k == 7 ? 0.125 : 0);
            p.gamma = d.gamma(p.frequence, 75);
            points.push_back(p);
        }
        // A point without a value (a cable's removal leaves some) is left out.
        points[50].gamma = {std::nan(""), std::nan("")};
        const QByteArray octets = ecrireS1p(points, 75, "dipôle\nau point d'alimentation");
        const QList<QByteArray> lignes = octets.split('\n');
        QCOMPARE(lignes[0], QStringLiteral("! Orvalis — dipôle au point d'alimentation").toUtf8());
        QCOMPARE(lignes[1], QByteArray("# HZ S RI R 75"));
        QVERIFY(lignes[2].startsWith("6500000 "));
        QVERIFY(lignes[9].startsWith("6570000.125 "));
        QCOMPARE(lignes.size(), 2 + 100 + 1);  // the last line ends with LF
        QVERIFY(lignes.last().isEmpty());
        QVERIFY(!octets.contains('\r'));
        const Lecture l = lire(octets, "antenne.s1p");
        QVERIFY2(l.mesure, qPrintable(l.erreur.texte));
        QCOMPARE(l.mesure->reference, 75.0);
        QCOMPARE(l.mesure->points.size(), size_t(100));
        for (size_t i = 0, j = 0; i < points.size(); ++i) {
            if (i == 50) continue;
            const Point &p = l.mesure->points[j++];
            QVERIFY(std::abs(p.frequence - points[i].frequence) <= 1e-9);
            QVERIFY(std::abs(p.gamma - points[i].gamma) <= 1e-9);
        }
        // The resonance the reader finds in it is the model's (75 Ohms: R0 = 75, R = 56).
        QVERIFY(std::abs(l.mesure->resonance.frequence - 7.023e6) < 5);
        QVERIFY(std::abs(l.mesure->resonance.ros - 75.0 / 56) < 1e-6);
    }

    // The resonance search on points alone is the reader's.
    void resonanceDesPoints()
    {
        const Lecture l = lireFichier(QStringLiteral(ORVALIS_DONNEES_ESSAI "/dipole_7023.s1p"));
        QVERIFY(l.mesure);
        const std::optional<Resonance> r = trouverResonance(l.mesure->points, l.mesure->reference);
        QVERIFY(r);
        QVERIFY(r->frequence == l.mesure->resonance.frequence);  // the same search: bit for bit
        QVERIFY(r->ros == l.mesure->resonance.ros);  // the same search: bit for bit
        QVERIFY(r->bandeDebut == l.mesure->resonance.bandeDebut);  // the same search: bit for bit
        QVERIFY(r->bandeFin == l.mesure->resonance.bandeFin);  // the same search: bit for bit
        std::vector<Point> aucun = l.mesure->points;
        for (Point &p : aucun) p.valide = false;
        QVERIFY(!trouverResonance(aucun, 50));
    }

    void frequenceSaisie_data()
    {
        QTest::addColumn<double>("hertz");
        QTest::addColumn<QString>("texte");
        QTest::newRow("7,0234999") << 7023499.9 << "7.023";
        QTest::newRow("7,0235001") << 7023500.1 << "7.024";
        QTest::newRow("0,0004") << 400.0 << "0.000";
        QTest::newRow("2 GHz") << 2e9 << "2000.000";
    }
    void frequenceSaisie()
    {
        QFETCH(double, hertz);
        QFETCH(QString, texte);
        Resonance r;
        r.frequence = hertz;
        QCOMPARE(touchstone::frequenceSaisie(r), texte);
    }
};

QTEST_MAIN(TstTouchstone)
#include "tst_touchstone.moc"
