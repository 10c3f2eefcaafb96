// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/ligne.h"

#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/cables.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace ligne {

namespace {

// The columns of Câbles.dat this reads.
constexpr int kColonneImpedance = 1;
constexpr int kColonnePremierePerte = 5;

bool positif(double x) { return std::isfinite(x) && x > 0; }

}  // namespace

std::optional<Cable> lireCable(const QString &ligneFichier)
{
    std::array<QString, boite::kColonnesCables> champ;
    for (const auto &[colonne, texte] : boite::champsCable(ligneFichier)) champ[size_t(colonne)] = texte;
    Cable c;
    c.nom = champ[boite::kColonneNom];
    if (c.nom.isEmpty()) return std::nullopt;
    // A field left empty reads as 0 and is refused with the others.
    c.impedance = nombres::lireNombre(champ[kColonneImpedance]);
    c.facteurVelocite = nombres::lireNombre(champ[boite::kColonneVelocite]);
    if (!positif(c.impedance) || !positif(c.facteurVelocite) || c.facteurVelocite > 1) return std::nullopt;
    for (size_t i = 0; i < c.pertes.size(); ++i) {
        c.pertes[i] = nombres::lireNombre(champ[kColonnePremierePerte + i]);
        if (!positif(c.pertes[i])) return std::nullopt;
    }
    return c;
}

std::vector<Cable> lireCables(const Module1 &m)
{
    std::vector<Cable> out;
    for (int i = 1; i <= m.Dernier_Cable && i < Module1::kMaxLignesCables; ++i)
        if (std::optional<Cable> c = lireCable(m.Lignes_Cables[size_t(i)])) out.push_back(std::move(*c));
    return out;
}

double attenuation(const Cable &c, double f)
{
    const std::array<double, 5> &F = kFrequencesPertes;
    const std::array<double, 5> &a = c.pertes;
    const size_t n = F.size();
    double decibels = 0;  // per 100 m
    if (!(f >= F[0])) {
        // Below the table (and for a frequency that is not a number, which stays one).
        decibels = a[0] * std::sqrt(f / F[0]);
    } else if (f >= F[n - 1]) {
        const double pente = std::log(a[n - 1] / a[n - 2]) / std::log(F[n - 1] / F[n - 2]);
        decibels = a[n - 1] * std::pow(f / F[n - 1], pente);
    } else {
        // F[i] <= f < F[i + 1]: at a table frequency the exponent is 0 and the value the table's.
        size_t i = 0;
        while (!(f < F[i + 1])) ++i;
        const double t = std::log(f / F[i]) / std::log(F[i + 1] / F[i]);
        decibels = a[i] * std::pow(a[i + 1] / a[i], t);
    }
    return decibels / 100 / kDecibelsParNeper;
}

double perte(const Cable &c, double frequence, double longueur)
{
    return attenuation(c, frequence) * longueur * kDecibelsParNeper;
}

std::complex<double> propagation(const Cable &c, double frequence, double longueur)
{
    const double beta = 2 * std::numbers::pi * frequence / (c.facteurVelocite * kVitesseLumiere);
    return {attenuation(c, frequence) * longueur, beta * longueur};
}

// std::tanh of a complex number (the C library's ctanh) stays exact for a large real part: it
// gives 1 (or -1) there, with no overflow of the exponentials.
std::complex<double> ajouter(std::complex<double> charge, double z0, std::complex<double> gl)
{
    const std::complex<double> t = std::tanh(gl);
    return z0 * (charge + z0 * t) / (z0 + charge * t);
}

std::complex<double> retirer(std::complex<double> entree, double z0, std::complex<double> gl)
{
    const std::complex<double> t = std::tanh(gl);
    return z0 * (entree - z0 * t) / (z0 - entree * t);
}

namespace {

bool fini(std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// The sweep with every valid point's impedance, worked out from its gamma, moved through the cable
// by `deplacer(Z, frequency)`.
template <typename Deplacer>
Transformee transformer(const touchstone::Mesure &m, Deplacer deplacer)
{
    Transformee t;
    touchstone::Mesure out = m;
    const double R0 = m.reference;
    for (size_t i = 0; i < m.points.size(); ++i) {
        const touchstone::Point &avant = m.points[i];
        touchstone::Point &p = out.points[i];
        p.valide = false;
        p.ros = 0;
        p.impedance = {};
        p.gamma = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
        if (!avant.valide) continue;
        const std::complex<double> Z = deplacer(R0 * (1.0 + avant.gamma) / (1.0 - avant.gamma), avant.frequence);
        const std::complex<double> g = (Z - R0) / (Z + R0);
        const double module = std::abs(g);
        // As the reader takes a point: |gamma| < 1, a finite impedance with a resistance above 0.
        if (fini(Z) && fini(g)) p.gamma = g;
        if (fini(Z) && fini(g) && module < 1 && Z.real() > 0) {
            p.impedance = Z;
            p.ros = (1 + module) / (1 - module);
            p.valide = std::isfinite(p.ros);
        }
        if (!p.valide) {
            p.impedance = {};
            p.ros = 0;
            ++t.ecartes;
        }
    }
    const std::optional<touchstone::Resonance> r = touchstone::trouverResonance(out.points, R0);
    if (!r) {
        t.erreur = QStringLiteral("Au bout du câble, |S11| vaudrait 1 ou plus à toutes les fréquences : le ROS n'y "
                                  "serait défini nulle part.");
        return t;
    }
    out.resonance = *r;
    t.mesure = std::move(out);
    return t;
}

std::optional<QString> refusLongueur(double longueur)
{
    if (std::isfinite(longueur) && longueur > 0) return std::nullopt;
    return QStringLiteral("La longueur du câble doit être supérieure à 0.");
}

}  // namespace

Transformee ramener(const touchstone::Mesure &m, const Cable &c, double longueur)
{
    Transformee t;
    if (const std::optional<QString> refus = refusLongueur(longueur)) {
        t.erreur = *refus;
        return t;
    }
    if (!m.points.empty()) {
        const double haut = m.points.back().frequence;
        const double dB = perte(c, haut, longueur);
        if (!(dB <= kPerteMaximale)) {
            const QString mhz = nombres::fixe(haut / 1e6, 3);
            // A figure beyond a million dB (or beyond the numbers) is not worth its digits.
            t.erreur = dB < 1e6 ? QStringLiteral("Le câble perdrait %1 dB à %2 Mhz : plus de 20 dB, la mesure ne peut "
                                                 "pas être ramenée à l'antenne.")
                                      .arg(nombres::fixe(dB, 1), mhz)
                                : QStringLiteral("Le câble perdrait plus de 20 dB à %1 Mhz : la mesure ne peut pas "
                                                 "être ramenée à l'antenne.")
                                      .arg(mhz);
            return t;
        }
    }
    t = transformer(m, [&](std::complex<double> Z, double f) {
        return retirer(Z, c.impedance, propagation(c, f, longueur));
    });
    if (!t.mesure)
        t.erreur = QStringLiteral("Au point d'alimentation, |S11| vaudrait 1 ou plus à toutes les fréquences : la "
                                  "mesure ne peut pas être ramenée à l'antenne.");
    return t;
}

Transformee prolonger(const touchstone::Mesure &m, const Cable &c, double longueur)
{
    Transformee t;
    if (const std::optional<QString> refus = refusLongueur(longueur)) {
        t.erreur = *refus;
        return t;
    }
    return transformer(m, [&](std::complex<double> Z, double f) {
        return ajouter(Z, c.impedance, propagation(c, f, longueur));
    });
}

QString suffixe(const Cable &c, double longueur)
{
    return QStringLiteral("au point d'alimentation (câble %1, %2 m retirés)").arg(c.nom, nombres::fixe(longueur, 2));
}

}  // namespace ligne
