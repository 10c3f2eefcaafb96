// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/rayonnement.h"

#include "measures/integrales.h"
#include "shell/core/Module1.h"
#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

#include <cmath>
#include <limits>

namespace mesures {

using nombres::enSimple;
using nombres::fixe;

double resistanceRayonnementVerticale(double hk)
{
    // A vertical of height h over perfect ground with a sinusoidal current radiates half of what
    // a dipole of length 2h does (induced-EMF method); with x = 2hk, referred to the current
    // maximum the dipole gives 60 [γ + ln x − Ci(x) + ½ sin x (Si(2x) − 2 Si(x))
    // + ½ cos x (γ + ln(x/2) + Ci(2x) − 2 Ci(x))]; the base current is sin(hk) times the maximum.
    // Written with Cin(x) = γ + ln x − Ci(x), the last bracket is 2 Cin(x) − Cin(2x), which keeps
    // its digits for a short element.
    const double x = 2 * hk;
    const double base = std::sin(hk);
    if (!(x > 0) || base == 0) return std::numeric_limits<double>::quiet_NaN();
    const SinusCosinusIntegraux i1 = sinusCosinusIntegraux(x);
    const SinusCosinusIntegraux i2 = sinusCosinusIntegraux(2 * x);
    const double cin1 = cosinusIntegralEntier(x);
    const double crochet = cin1 + 0.5 * std::sin(x) * (i2.si - 2 * i1.si) +
                           0.5 * std::cos(x) * (2 * cin1 - cosinusIntegralEntier(2 * x));
    return 30 * crochet / (base * base);
}

ResultatRayonnement calculerRayonnement(const EntreesRayonnement &e, bool vueDeLaSource)
{
    ResultatRayonnement r;
    const double f = e.frequence;
    const double h = e.dimensionBrin;
    const double pi = constantes::kPi;

    // A band whose preferred frequency is missing from the band table gives 0 MHz.
    const float onde = f > 0 ? enSimple(300 / f) : 0;
    if (!(f > 0) || !std::isfinite(onde)) {
        r.erreur = QStringLiteral("Aucune fréquence d'émission utilisable : la bande choisie n'a pas "
                                  "de fréquence préférée dans le tableau des bandes. Indiquez la "
                                  "fréquence d'émission.");
        return r;
    }
    r.longueurOnde = onde;
    r.longueurMaximale = enSimple(double(onde) * 0.95 / 4);
    if (h > r.longueurMaximale)
        r.avertissement = QStringLiteral("La longueur du brin d'antenne ne devrait pas être plus grand que ")
                          + fixe(r.longueurMaximale, 2) + QStringLiteral(" m");

    r.nombreOnde = enSimple((pi + pi) / onde);
    r.resistanceRayonnement = enSimple(double(e.facteurType) *
                                       resistanceRayonnementVerticale(h * double(r.nombreOnde)));
    const double rr = r.resistanceRayonnement;
    r.resistancePerte = enSimple(double(e.resistanceMesuree) - rr);
    r.rendement = enSimple(rr / (rr + double(r.resistancePerte)));
    const float pourcent = enSimple(double(r.rendement) * 100);
    const double tos = vueDeLaSource ? e.tosSource : e.tosAntenne;
    r.rendementGlobal = enSimple((100 - tos) * double(r.rendement));

    for (float x : {r.resistanceRayonnement, r.resistancePerte, r.rendement, pourcent,
                    r.rendementGlobal}) {
        if (!std::isfinite(x)) {
            r.erreur = QStringLiteral("Calcul impossible : la dimension du brin ou la résistance "
                                      "mesurée sort des limites du calcul.");
            return r;
        }
    }
    r.texteLongueurOnde = fixe(onde, 2) + QStringLiteral(" m");
    r.texteRayonnement = fixe(r.resistanceRayonnement, 2) + QStringLiteral(" Ohms");
    r.textePerte = fixe(r.resistancePerte, 2) + QStringLiteral(" Ohms");
    r.texteRendement = fixe(pourcent, 2) + QStringLiteral(" %");
    r.texteRendementGlobal = fixe(r.rendementGlobal, 2) + QStringLiteral(" %");
    return r;
}

EntreesRayonnement entreesRayonnement(const Module1 &m)
{
    return {.frequence = m.Frequence_Mesure, .dimensionBrin = m.Dimension_Brin,
            .resistanceMesuree = m.Resistance_Mesuree, .facteurType = m.Facteur_Type_Antenne,
            .tosSource = m.TOS_Source, .tosAntenne = m.TOS_Antenne};
}

}  // namespace mesures
