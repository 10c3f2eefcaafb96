// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/rayonnement.h"

#include "shell/Module1.h"
#include "shell/numbers.h"

#include <cmath>

namespace mesures {

using nombres::enSimple;
using nombres::fixe;

ResultatRayonnement calculerRayonnement(const Module1 &v, bool vueDeLaSource)
{
    ResultatRayonnement r;
    const double f = v.Frequence_Mesure;
    const double h = v.Dimension_Brin;
    const double pi = v.Pi;

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
    const double rapport = h / onde;
    const double cosinus = std::cos(h * double(r.nombreOnde)) + 1;
    r.resistanceRayonnement = enSimple(pi * pi * (double(v.Facteur_Type_Antenne) * 40)
                                       * (rapport * rapport) * (cosinus * cosinus));
    const double rr = r.resistanceRayonnement;
    r.resistancePerte = enSimple(double(v.Resistance_Mesuree) - rr);
    r.rendement = enSimple(rr / (rr + double(r.resistancePerte)));
    const float pourcent = enSimple(double(r.rendement) * 100);
    const double tos = vueDeLaSource ? v.TOS_Source : v.TOS_Antenne;
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

}  // namespace mesures
