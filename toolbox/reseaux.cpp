// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/reseaux.h"

#include "shell/core/nombres.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace boite {

namespace {

using Genre = Composant::Genre;
using Place = Composant::Place;
using complexe = std::complex<double>;

const QString kOhms = QStringLiteral(" Ohms");

// A resistance as the texts show it, regional form: 1 decimal, or 3 significant digits below 1
// Ohm (at most 12 decimals).
QString ohms(double r)
{
    const int decimales = r >= 1 ? 1 : std::min(12, 2 - int(std::floor(std::log10(r))));
    return nombres::fixe(r, decimales) + kOhms;
}

// True when a - b is only the rounding of two equal values: the element it would give is nothing.
bool quasiEgaux(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

// The component of a series reactance x (ohms) or a shunt susceptance b (siemens) at ω.
Composant depuisReactance(double x, double omega)
{
    return x > 0 ? Composant{Genre::Self, Place::Serie, x / omega}
                 : Composant{Genre::Condensateur, Place::Serie, -1 / (omega * x)};
}
Composant depuisSusceptance(double b, double omega)
{
    return b > 0 ? Composant{Genre::Condensateur, Place::Parallele, b / omega}
                 : Composant{Genre::Self, Place::Parallele, -1 / (omega * b)};
}

bool valable(const ReseauLC &r)
{
    return std::all_of(r.composants.begin(), r.composants.end(),
                       [](const Composant &c) { return std::isfinite(c.valeur) && c.valeur > 0; });
}

bool memes(const ReseauLC &a, const ReseauLC &b)
{
    if (a.composants.size() != b.composants.size()) return false;
    for (std::size_t i = 0; i < a.composants.size(); ++i) {
        const Composant &x = a.composants[i], &y = b.composants[i];
        if (x.genre != y.genre || x.place != y.place || !quasiEgaux(x.valeur, y.valeur))
            return false;
    }
    return true;
}

// The name of a two-element L network from the kinds of its elements: series coil and shunt
// capacitor pass the low frequencies, series capacitor and shunt coil the high ones.
QString nomL(const QString &forme, const Composant &serie, const Composant &parallele)
{
    if (serie.genre != parallele.genre)
        return forme + (serie.genre == Genre::Self ? QStringLiteral(", passe-bas")
                                                   : QStringLiteral(", passe-haut"));
    return forme + (serie.genre == Genre::Self ? QStringLiteral(", deux selfs")
                                               : QStringLiteral(", deux condensateurs"));
}

// An L network from its series reactance xs and shunt susceptance bp; elements that vanish are
// left out, and the name then says what is left.
ReseauLC reseauL(const QString &forme, bool paralleleCoteSource, double xs, bool xsNul, double bp,
                 bool bpNul, double omega)
{
    ReseauLC r;
    if (xsNul && bpNul) {
        r.nom = QStringLiteral("Liaison directe : la charge est déjà adaptée");
        return r;
    }
    if (xsNul) {
        r.nom = QStringLiteral("Un composant en parallèle");
        r.composants.push_back(depuisSusceptance(bp, omega));
        return r;
    }
    if (bpNul) {
        r.nom = QStringLiteral("Un composant en série");
        r.composants.push_back(depuisReactance(xs, omega));
        return r;
    }
    const Composant s = depuisReactance(xs, omega), p = depuisSusceptance(bp, omega);
    r.nom = nomL(forme, s, p);
    r.composants =
        paralleleCoteSource ? std::vector<Composant>{p, s} : std::vector<Composant>{s, p};
    return r;
}

// Keeps a network unless one of its values is out of reach, or it no longer shows r0 to the
// source (a load whose reactance or resistance ratio is in the billions loses the match in the
// rounding of doubles); a network found before is kept once.
void garder(Adaptation &a, ReseauLC r, const QString &forme, complexe charge, double r0, double f)
{
    const bool horsLimites = !valable(r);
    if (horsLimites || !(std::abs(entree(r, charge, f) - r0) <= 1e-6 * r0)) {
        const QString ligne =
            forme + (horsLimites ? QStringLiteral(" : résultat hors des limites du calcul.")
                                 : QStringLiteral(" : la précision du calcul ne suffit pas pour "
                                                  "cette charge."));
        if (!a.absents.contains(ligne)) a.absents << ligne;
        return;
    }
    for (const ReseauLC &deja : a.reseaux)
        if (memes(deja, r)) return;
    a.reseaux.push_back(std::move(r));
}

QString pourquoiImpossible(complexe z, double r0, double f)
{
    const QString debut = QStringLiteral("Aucun réseau passif ne peut adapter cette charge : ");
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        return debut + QStringLiteral("son impédance n'est pas un nombre fini.");
    if (!std::isfinite(r0) || r0 <= 0)
        return debut + QStringLiteral(
                           "la résistance de la source doit être un nombre fini au-dessus de 0.");
    if (!std::isfinite(f) || f <= 0)
        return debut + QStringLiteral("la fréquence doit être un nombre fini au-dessus de 0.");
    if (z.real() <= 0) return debut + QStringLiteral("sa résistance est nulle ou négative.");
    if (std::abs(z - r0) >= std::abs(z + r0))
        return debut + QStringLiteral("elle réfléchit toute l'onde (|Γ| = 1).");
    return {};
}

}  // namespace

QString Composant::texte() const
{
    const bool c = genre == Genre::Condensateur;
    QString t = (c ? QStringLiteral("C ") : QStringLiteral("L ")) +
                (place == Place::Serie ? QStringLiteral("série ") : QStringLiteral("parallèle "));
    if (!std::isfinite(valeur)) return t + QStringLiteral("hors des limites du calcul");
    if (c) {
        const double pf = valeur * 1e12;
        if (pf >= 1e5) return t + nombres::fixe(pf / 1000, 1) + QStringLiteral(" nF");
        return t + nombres::fixe(pf, pf < 10 ? 2 : 1) + QStringLiteral(" pF");
    }
    const double uh = valeur * 1e6;
    if (uh < 0.01) return t + nombres::fixe(uh * 1000, 1) + QStringLiteral(" nH");
    return t + nombres::fixe(uh, uh < 0.1 ? 3 : 2) + QStringLiteral(" µH");
}

Adaptation adapter(complexe charge, double r0, double frequence, double qPi)
{
    Adaptation a;
    a.impossible = pourquoiImpossible(charge, r0, frequence);
    if (!a.impossible.isEmpty()) return a;

    const double omega = 2 * std::numbers::pi * frequence;
    const double r = charge.real(), x = charge.imag();
    const complexe y = 1.0 / charge;
    const double g = y.real(), b = y.imag();
    const double rp = 1 / g;  // the load's parallel resistance, (R² + X²) / R

    // Parallel element across the load.
    const QString formeA = QStringLiteral("L, parallèle côté charge");
    const double resteA = 1 / r0 - g;
    if (resteA < 0 && !quasiEgaux(1 / r0, g)) {
        a.absents
            << formeA +
                   QStringLiteral(
                       " : impossible, la résistance parallèle de la charge ((R² + X²) / R = ") +
                   ohms(rp) + QStringLiteral(") est inférieure à ") + ohms(r0) +
                   QStringLiteral(".");
    } else {
        const double racine = quasiEgaux(1 / r0, g) ? 0.0 : std::sqrt(g * resteA);
        for (double bPrime : {racine, -racine}) {
            const double xs = bPrime * r0 / g;
            ReseauLC n =
                reseauL(formeA, false, xs, bPrime == 0, bPrime - b, quasiEgaux(bPrime, b), omega);
            garder(a, std::move(n), formeA, charge, r0, frequence);
            if (racine == 0) break;
        }
    }

    // Parallel element on the source side, series element next to the load.
    const QString formeB = QStringLiteral("L, parallèle côté source");
    const double resteB = r0 - r;
    if (resteB < 0 && !quasiEgaux(r0, r)) {
        a.absents << formeB + QStringLiteral(" : impossible, R de la charge (") + ohms(r) +
                         QStringLiteral(") supérieure à ") + ohms(r0) + QStringLiteral(".");
    } else {
        const double racine = quasiEgaux(r0, r) ? 0.0 : std::sqrt(r * resteB);
        for (double xPrime : {racine, -racine}) {
            const double bp = xPrime / (r * r0);
            ReseauLC n =
                reseauL(formeB, true, xPrime - x, quasiEgaux(xPrime, x), bp, xPrime == 0, omega);
            garder(a, std::move(n), formeB, charge, r0, frequence);
            if (racine == 0) break;
        }
    }

    // PI network of loaded Q qPi.
    const QString formePi =
        QStringLiteral("PI (Q = ") + nombres::enClairDouble(qPi) + QStringLiteral(")");
    const double haute = std::max(r0, rp), basse = std::min(r0, rp);
    const double rapport = haute / basse;
    if (!std::isfinite(qPi) || qPi <= 0) {
        a.absents << QStringLiteral(
            "PI : impossible, le Q doit être un nombre fini au-dessus de 0.");
    } else if (!std::isfinite(rapport)) {
        a.absents << formePi + QStringLiteral(" : résultat hors des limites du calcul.");
    } else if (qPi * qPi + 1 <= rapport) {
        a.absents << formePi + QStringLiteral(" : impossible, Q trop faible : Q² + 1 (") +
                         nombres::fixe(qPi * qPi + 1, 2) +
                         QStringLiteral(") doit dépasser le rapport des résistances (") +
                         nombres::fixe(rapport, 2) + QStringLiteral(" = ") + ohms(haute) +
                         QStringLiteral(" / ") + ohms(basse) +
                         QStringLiteral("), soit Q au-dessus de ") +
                         nombres::fixe(std::sqrt(rapport - 1), 2) + QStringLiteral(".");
    } else {
        const double rv = haute / (qPi * qPi + 1);
        const double qBasse = std::sqrt(basse / rv - 1);
        const bool sourceHaute = r0 >= rp;
        const double qSource = sourceHaute ? qPi : qBasse, qCharge = sourceHaute ? qBasse : qPi;
        const double bCharge = qCharge / rp;  // the capacitor the design wants across the load
        ReseauLC pi;
        pi.composants.push_back(depuisSusceptance(qSource / r0, omega));
        pi.composants.push_back(depuisReactance(rv * (qSource + qCharge), omega));
        if (quasiEgaux(bCharge, b)) {
            pi.nom = formePi + QStringLiteral(", passe-bas, sans élément côté charge");
        } else {
            pi.composants.push_back(depuisSusceptance(bCharge - b, omega));
            pi.nom = formePi + (bCharge > b ? QStringLiteral(", passe-bas")
                                            : QStringLiteral(", self parallèle côté charge"));
        }
        garder(a, std::move(pi), formePi, charge, r0, frequence);
    }
    return a;
}

complexe entree(const ReseauLC &r, complexe charge, double frequence, double qBobine)
{
    const double omega = 2 * std::numbers::pi * frequence;
    complexe z = charge;
    for (auto c = r.composants.rbegin(); c != r.composants.rend(); ++c) {
        complexe ze;
        if (c->genre == Genre::Self) {
            const double xl = omega * c->valeur;
            ze = complexe(std::isfinite(qBobine) ? xl / qBobine : 0.0, xl);
        } else {
            ze = complexe(0.0, -1 / (omega * c->valeur));
        }
        if (c->place == Place::Serie)
            z += ze;
        else
            z = z * ze / (z + ze);
    }
    return z;
}

}  // namespace boite
