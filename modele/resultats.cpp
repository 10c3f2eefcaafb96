// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/resultats.h"

#include "shell/core/nombres.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace modele {

namespace {

using nombres::fixe;

constexpr double kSansChamp = -999;  // NEC prints -999.99 where there is no field

QString mhz(double f) { return fixe(f, 3) + QStringLiteral(" Mhz"); }

// "+2,0" / "-1,3": one decimal, the sign always shown (a rounded zero is "+0,0").
QString signe(double v)
{
    const double arrondi = std::round(v * 10) / 10;
    return (arrondi < 0 ? QStringLiteral("-") : QStringLiteral("+")) + fixe(std::abs(arrondi), 1);
}

// Linear interpolation of the curve's r and x at f, inside the curve.
bool interpoler(const std::vector<PointCourbe> &c, double f, double &r, double &x)
{
    for (size_t i = 0; i + 1 < c.size(); ++i)
        if (f >= c[i].frequence && f <= c[i + 1].frequence) {
            const double d = c[i + 1].frequence - c[i].frequence;
            const double t = d > 0 ? (f - c[i].frequence) / d : 0;
            r = c[i].r + t * (c[i + 1].r - c[i].r);
            x = c[i].x + t * (c[i + 1].x - c[i].x);
            return true;
        }
    if (c.size() == 1 && c[0].frequence == f) {
        r = c[0].r;
        x = c[0].x;
        return true;
    }
    return false;
}

// Where the SWR crosses 2 between two points.
double croisement(const PointCourbe &a, const PointCourbe &b)
{
    const double d = b.ros - a.ros;
    const double t = d != 0 ? (2 - a.ros) / d : 0;
    return a.frequence + std::clamp(t, 0.0, 1.0) * (b.frequence - a.frequence);
}

std::optional<Bande> bandeRos2(const std::vector<PointCourbe> &c, double f)
{
    if (c.empty()) return std::nullopt;
    // The point the band is grown from: the one nearest F when under 2, else the lowest SWR.
    size_t centre = 0;
    for (size_t i = 1; i < c.size(); ++i)
        if (std::abs(c[i].frequence - f) < std::abs(c[centre].frequence - f)) centre = i;
    if (!(c[centre].ros < 2)) {
        for (size_t i = 0; i < c.size(); ++i)
            if (c[i].ros < c[centre].ros) centre = i;
        if (!(c[centre].ros < 2)) return std::nullopt;
    }
    size_t g = centre, d = centre;
    while (g > 0 && c[g - 1].ros < 2) --g;
    while (d + 1 < c.size() && c[d + 1].ros < 2) ++d;
    Bande b;
    b.bas = g > 0 ? croisement(c[g - 1], c[g]) : c[g].frequence;
    b.haut = d + 1 < c.size() ? croisement(c[d], c[d + 1]) : c[d].frequence;
    return b;
}

double normaliser(double angle)
{
    double a = std::fmod(angle, 360);
    if (a < 0) a += 360;
    return a;
}

bool egal(double a, double b) { return std::abs(a - b) < 1e-3; }

void diagramme(Resultats &r, const std::vector<PointDiagramme> &d, bool directionnelle)
{
    if (d.empty()) return;
    // The maximum; among directions within 0.01 dB of it (a dipole's whole broadside plane), the
    // one nearest the horizon, then the first in azimuth.
    double plusFort = d[0].gain;
    for (const PointDiagramme &p : d) plusFort = std::max(plusFort, p.gain);
    const PointDiagramme *max = nullptr;
    for (const PointDiagramme &p : d)
        if (p.gain >= plusFort - 0.01 && (!max || std::abs(90 - p.theta) < std::abs(90 - max->theta)))
            max = &p;
    r.diagramme = true;
    r.gainMax = max->gain;
    r.elevationMax = 90 - max->theta;
    r.azimutMax = normaliser(max->phi);
    const double theta0 = max->theta, phi0 = normaliser(max->phi);
    const double arriere = normaliser(phi0 + 180);

    for (const PointDiagramme &p : d) {
        const double phi = normaliser(p.phi);
        if (egal(p.theta, theta0)) {
            if (!(phi == 0 && p.phi >= 359.999)) r.coupeHorizontale.push_back({phi, p.gain});
            if (directionnelle && egal(phi, arriere) && !r.avantArriere)
                r.avantArriere = max->gain - std::max(p.gain, kSansChamp);
        }
        if (egal(phi, phi0)) r.coupeVerticale.push_back({normaliser(90 - p.theta), p.gain});
        else if (egal(phi, arriere)) r.coupeVerticale.push_back({90 + p.theta, p.gain});
    }
    const auto parAngle = [](const PointPolaire &a, const PointPolaire &b) { return a.angle < b.angle; };
    const auto memeAngle = [](const PointPolaire &a, const PointPolaire &b) { return egal(a.angle, b.angle); };
    for (auto *coupe : {&r.coupeHorizontale, &r.coupeVerticale}) {
        std::stable_sort(coupe->begin(), coupe->end(), parAngle);
        coupe->erase(std::unique(coupe->begin(), coupe->end(), memeAngle), coupe->end());
    }
    if (!r.coupeHorizontale.empty() && egal(r.coupeHorizontale.front().angle, 0))
        r.coupeHorizontale.push_back({360, r.coupeHorizontale.front().gain});
}

}  // namespace

double ros(double r, double x, double z0)
{
    const std::complex<double> z(r, x);
    const double g = std::abs((z - z0) / (z + z0));
    if (!std::isfinite(g) || g >= 1) return 1e9;
    return std::min((1 + g) / (1 - g), 1e9);
}

std::optional<double> resonance(const std::vector<PointCourbe> &courbe, double f)
{
    std::optional<double> meilleure;
    const auto retenir = [&](double candidate) {
        if (!meilleure || std::abs(candidate - f) < std::abs(*meilleure - f)) meilleure = candidate;
    };
    for (size_t i = 0; i < courbe.size(); ++i) {
        const PointCourbe &a = courbe[i];
        if (a.x == 0) retenir(a.frequence);
        if (i + 1 < courbe.size()) {
            const PointCourbe &b = courbe[i + 1];
            if ((a.x < 0 && b.x > 0) || (a.x > 0 && b.x < 0))
                retenir(a.frequence + (b.frequence - a.frequence) * a.x / (a.x - b.x));
        }
    }
    return meilleure;
}

Resultats analyser(const Sortie &sortie, const Conception &c, double fmin, double fmax, int points,
                   QString *erreur)
{
    Resultats r;
    r.titre = c.titre;
    r.frequence = c.frequence;
    r.impedanceReference = c.impedanceReference;
    const auto echouer = [&](const QString &message) {
        if (erreur) *erreur = message;
        r.courbe.clear();
        return r;
    };
    if (!sortie.erreur.isEmpty()) return echouer(sortie.erreur);

    std::vector<const BlocFrequence *> blocs;
    for (const BlocFrequence &b : sortie.frequences)
        if (b.impedanceLue) blocs.push_back(&b);
    // The sweep, then F alone with its pattern.
    const BlocFrequence *seul = nullptr;
    if (!blocs.empty() && (!blocs.back()->diagramme.empty() || int(blocs.size()) == points + 1)) {
        seul = blocs.back();
        blocs.pop_back();
    }
    if (blocs.empty())
        return echouer(QStringLiteral("La sortie du moteur NEC-2 ne contient pas le balayage en fréquence."));

    const bool exactes = int(blocs.size()) == points && points > 1;
    for (size_t i = 0; i < blocs.size(); ++i) {
        const double f = exactes ? fmin + (fmax - fmin) * double(i) / (points - 1) : blocs[i]->frequence;
        r.courbe.push_back({f, blocs[i]->r, blocs[i]->x, ros(blocs[i]->r, blocs[i]->x, c.impedanceReference)});
    }
    std::stable_sort(r.courbe.begin(), r.courbe.end(),
                     [](const PointCourbe &a, const PointCourbe &b) { return a.frequence < b.frequence; });

    r.resonance = resonance(r.courbe, c.frequence);
    if (seul && std::abs(seul->frequence - c.frequence) <= 1e-3 * c.frequence) {
        r.rF = seul->r;
        r.xF = seul->x;
    } else if (!interpoler(r.courbe, c.frequence, r.rF, r.xF)) {
        // F outside the sweep: the nearest end.
        const PointCourbe &p = std::abs(r.courbe.front().frequence - c.frequence) <
                                       std::abs(r.courbe.back().frequence - c.frequence)
                                   ? r.courbe.front()
                                   : r.courbe.back();
        r.rF = p.r;
        r.xF = p.x;
    }
    r.rosF = ros(r.rF, r.xF, c.impedanceReference);
    r.bandeRos2 = bandeRos2(r.courbe, c.frequence);
    if (seul) {
        diagramme(r, seul->diagramme, c.directionnelle);
        if (seul->rendement >= 0) r.rendement = seul->rendement;
    }
    r.lignes = lignesResume(r, c);
    if (erreur) erreur->clear();
    return r;
}

QStringList lignesResume(const Resultats &r, const Conception &c)
{
    QStringList l;
    const double f = r.frequence;
    if (r.resonance)
        l << QStringLiteral("Résonance du modèle : %1 (%2 %)")
                 .arg(mhz(*r.resonance), signe((*r.resonance / f - 1) * 100));
    else if (!r.courbe.empty())
        l << QStringLiteral("Pas de résonance entre %1 et %2 Mhz")
                 .arg(fixe(r.courbe.front().frequence, 3), fixe(r.courbe.back().frequence, 3));
    l << QStringLiteral("Impédance à %1 : %2 %3 j%4 Ohms")
             .arg(mhz(f), fixe(r.rF, 1), r.xF >= 0 ? QStringLiteral("+") : QStringLiteral("-"),
                  fixe(std::abs(r.xF), 1));
    l << QStringLiteral("ROS à %1 : %2 (%3 Ohms)")
             .arg(mhz(f), fixe(r.rosF, 2), nombres::enClairDouble(r.impedanceReference));
    if (r.bandeRos2)
        l << QStringLiteral("ROS < 2 de %1 à %2 Mhz").arg(fixe(r.bandeRos2->bas, 3), fixe(r.bandeRos2->haut, 3));
    else if (!r.courbe.empty())
        l << QStringLiteral("Pas de ROS < 2 entre %1 et %2 Mhz")
                 .arg(fixe(r.courbe.front().frequence, 3), fixe(r.courbe.back().frequence, 3));
    if (r.diagramme) {
        QString g = QStringLiteral("Gain maximal : %1 dBi").arg(fixe(r.gainMax, 1));
        if (r.avantArriere) g += QStringLiteral(" — avant/arrière : %1 dB").arg(fixe(*r.avantArriere, 1));
        l << g;
    }
    if (r.rendement) l << QStringLiteral("Rendement : %1 %").arg(fixe(*r.rendement, 1));
    if (c.facteur != 1 && !c.corrigee.modele.isEmpty()) l << ligneCorrigee(c);
    l << c.remarques;
    return l;
}

}  // namespace modele
