// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/commun.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

#include <cmath>

using constantes::kSautLigne;

namespace antennes {

QString tirets(int n) { return QString(n, QLatin1Char('-')); }


QString enTete(const QString &bande, float frequence, float longueurOnde, int nombreTirets)
{
    return QStringLiteral("Bande de fréquence = ") + bande + kSautLigne
         + QStringLiteral("fréquence d'accord = ") + nombres::fixe(frequence, 3) + QStringLiteral(" Mhz") + kSautLigne
         + QStringLiteral("Longueur d'onde = ") + nombres::fixe(longueurOnde, 2) + QStringLiteral(" m ") + kSautLigne
         + tirets(nombreTirets) + kSautLigne;
}

QString boiteResultats(const QString &enTete, const Lignes &lignes)
{
    QString texte = enTete;
    for (const QString &ligne : lignes) {
        if (ligne.isEmpty()) break;
        texte += ligne + kSautLigne;
    }
    return texte;
}

QString bandeDeLongueurOnde(float longueurOnde)
{
    return nombres::montrer(std::floor(longueurOnde)) + QStringLiteral(" m");
}

bool frequenceUtilisable(double frequence)
{
    // 1404 / F (the Levy "3x1/2 Lambda" length in feet) is the largest dimension of the designers.
    const float f = float(frequence);
    return frequence > 0 && f > 0 && std::isfinite(f) && std::isfinite(1404.0f / f);
}

// Worked in double so that no index, even a wrong one, overflows the subtraction.
double allocationBande(int bande) { return (14.0 - bande) / 2 * 0.1; }

}  // namespace antennes
