// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/cables.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "toolbox/arrondis.h"

#include <cmath>

using constantes::kSautLigne;

namespace boite {

LongueursCable calculerCable(float F, float cv, short n, const QString &nom)
{
    LongueursCable r;
    const float onde = 300.0f / F * cv;
    const float troisQuarts = 225.0f / F * cv;
    const float demi = 150.0f / F * cv;
    const float quart = 75.0f / F * cv;
    const float optimale = float(n) * demi;
    const auto metres = [](float x) { return nombres::fixe(double(x), 2) + QStringLiteral(" m"); };
    const QString tirets73(73, u'-');
    const QString tirets53(53, u'-');
    QStringList lignes{QStringLiteral("Type de câble: ") + nom, tirets73};
    if (!std::isfinite(onde) || !std::isfinite(troisQuarts) || !std::isfinite(optimale)) {
        lignes << horsLimites();
        r.texte = lignes.join(kSautLigne);
        return r;
    }
    r.calculees = true;
    r.onde = onde;
    r.demiOnde = demi;
    lignes << QStringLiteral("Une trois-quart-d'onde = ") + metres(troisQuarts)
           << QStringLiteral("Une Onde entière = ") + metres(onde)
           << QStringLiteral("Une demi-onde = ") + metres(demi)
           << QStringLiteral("Une quart-d'onde = ") + metres(quart)
           << tirets53
           << QStringLiteral("Longueur optimale choisie : ") + metres(optimale)
           << tirets53
           << QStringLiteral("Pour info, Il faut savoir que...")
           << QStringLiteral("Une ligne quart d'onde ouverte se comporte en réjecteur")
           << QStringLiteral("Une ligne quart d'onde fermée se comporte en résonnateur")
           << QStringLiteral("Une ligne quart d'onde adapte les impédances vues par ses extrémités.")
           << QStringLiteral("Une ligne demi-onde recopie les impédances vues à ses extrémités.");
    r.texte = lignes.join(kSautLigne);
    return r;
}

QList<std::pair<int, QString>> champsCable(const QString &ligne)
{
    QList<std::pair<int, QString>> champs;
    int colonne = 0;
    qsizetype i = 0;
    while (i < ligne.size() && colonne < kColonnesCables) {
        if (ligne[i] == u' ') {
            ++colonne;
            ++i;
            continue;
        }
        qsizetype fin = ligne.indexOf(u' ', i);
        if (fin < 0) fin = ligne.size();
        champs.append({colonne, ligne.mid(i, fin - i)});
        i = fin;
    }
    return champs;
}

float velociteLue(const QString &cellule)
{
    const double x = nombres::lireNombre(cellule);
    return nombres::tientEnSimple(x) ? float(x) : 0.0f;
}

QString resumeCable(const QString &nom, float cv)
{
    return QStringLiteral("Câble type:  ") + nom + QStringLiteral(", Coef.Vélocité = ")
           + nombres::montrer(cv);
}

}  // namespace boite
