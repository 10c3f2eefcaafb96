// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/adaptateurs.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "toolbox/arrondis.h"

#include <cmath>
#include <initializer_list>
#include <iterator>

using constantes::kSautLigne;

namespace boite {

const ReglageReseau *reglageReseau(int type)
{
    static const ReglageReseau reglages[] = {
        {QStringLiteral("Feeder"), QStringLiteral(" 50 Ohms"), QStringLiteral("RL(ant)"), QStringLiteral("5 Ohms"),
         QStringLiteral("Q"), QStringLiteral("3"), 5, 3, "\\Filtre-LSerie-6.bmp", true},
        {QStringLiteral("Z1(Rs)"), QString(), QStringLiteral("Z2(Rp)"), QStringLiteral("300 Ohms"),
         QStringLiteral("Q"), QStringLiteral("1"), 300, 1, "\\Filtre-LSerieParal-6.bmp", true},
        {QStringLiteral("R1"), QString(), QStringLiteral("R2"), QStringLiteral("36 Ohms"),
         QStringLiteral("Q (de 5 à 15)"), QStringLiteral("5"), 36, 5, "\\Filtre-PI-6.bmp", false},
    };
    return type >= 0 && type < int(std::size(reglages)) ? &reglages[type] : nullptr;
}

namespace {

double capacite(float f, float x) { return 1000000.0 / (6.28 * double(f) * double(x)); }
double inductance(float f, float x) { return double(x) / (6.28 * double(f)); }

// "C1 = 1516 pf": whole picofarads, the fraction dropped.
QString ligneC(const QString &nom, double c)
{
    return nom + QStringLiteral(" = ") + nombres::enClairDouble(std::floor(c)) + QStringLiteral(" pf");
}

QString ligneL(double l) { return QStringLiteral("L1 = ") + nombres::fixe(l, 2) + QStringLiteral(" µH"); }

bool utilisables(std::initializer_list<float> reactances)
{
    for (float x : reactances)
        if (!std::isfinite(x) || x <= 0) return false;
    return true;
}

Reseau erreur(const QString &texte)
{
    Reseau r;
    r.texte = texte;
    return r;
}

}  // namespace

Reseau calculerReseau(TypeReseau type, float ra, float rb, float q, float f)
{
    const QString horsDuCalcul = QStringLiteral(" ") + horsLimites();
    Reseau r;
    switch (type) {
    case TypeReseau::LTuningMatching: {
        if (ra <= rb)
            return erreur(QStringLiteral(" RL(ant) doit être plus petit que Feeder") + kSautLigne
                          + QStringLiteral("RL ne peut pas être égale à Feeder"));
        const float x1 = q * rb;
        const float x2 = float(double(ra) * std::sqrt(double(rb / (ra - rb))));
        const float xl = q * rb + rb * ra / x2;
        if (!utilisables({x1, x2, xl})) return erreur(horsDuCalcul);
        r.texte = ligneC(QStringLiteral("C1"), capacite(f, x1)) + kSautLigne
                  + ligneC(QStringLiteral("C2"), capacite(f, x2)) + kSautLigne + ligneL(inductance(f, xl));
        break;
    }
    case TypeReseau::LNetworks: {
        if (ra >= rb)
            return erreur(QStringLiteral(" Z1(in) doit être plus petit que Z2") + kSautLigne
                          + QStringLiteral("Z2 sortie vers antenne"));
        q = float(std::sqrt(double(rb / ra - 1.0f)));
        const float xs = q * ra;  // series inductor
        const float xp = rb / q;  // shunt capacitor
        if (!utilisables({q, xs, xp})) return erreur(horsDuCalcul);
        r.texte = ligneC(QStringLiteral("C1"), capacite(f, xp)) + kSautLigne + ligneL(inductance(f, xs));
        break;
    }
    case TypeReseau::Pi: {
        if (ra <= rb) return erreur(QStringLiteral(" R1 doit être plus grand que R2"));
        const double q2 = double(q) * double(q);
        const float rapport = ra / rb;
        // A ratio beyond a single leaves no Q to show.
        if (!std::isfinite(rapport)) return erreur(horsDuCalcul);
        const double reste = q2 + 1 - double(rapport);
        // No real network when Q² + 1 does not exceed R1 / R2.
        if (reste <= 0)
            return erreur(QStringLiteral(" Q trop faible pour ce rapport R1/R2") + kSautLigne
                          + QStringLiteral("Q doit dépasser ")
                          + nombres::enClair(float(std::sqrt(double(rapport) - 1))));
        const float x1 = ra / q;
        const float x2 = float(double(rb) * std::sqrt(double(rapport) / reste));
        const float xl = float(double(q * ra + ra * rb / x2) / (q2 + 1));
        if (!utilisables({x1, x2, xl})) return erreur(horsDuCalcul);
        r.texte = ligneC(QStringLiteral("C1"), capacite(f, x1)) + kSautLigne
                  + ligneC(QStringLiteral("C2"), capacite(f, x2)) + kSautLigne + ligneL(inductance(f, xl));
        break;
    }
    }
    r.calcule = true;
    r.q = q;
    r.texteQ = nombres::fixe(double(q), 2);
    return r;
}

}  // namespace boite
