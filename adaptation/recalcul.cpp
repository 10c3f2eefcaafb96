// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/recalcul.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

#include <array>
#include <cmath>

using constantes::kSautLigne;

namespace adaptation {

namespace {

using nombres::fixe;

// Where the correction goes, for each type: in metres (d >= 1) or centimetres.
QString action(int type, double d)
{
    const bool metres = d >= 1;
    const double echelle = metres ? 1 : 100;
    const int decimales = metres ? 2 : 1;
    const QString unite = metres ? QStringLiteral(" m") : QStringLiteral(" cm");
    const auto texte = [&](double x, const char16_t *ou) {
        return fixe(x * echelle, decimales) + unite + QString::fromUtf16(ou);
    };
    switch (type) {
    case antennes::GroundPlane:
        return texte(d, u" aux extrémités de l'antenne") + kSautLigne + kSautLigne +
               QStringLiteral("(Et de tous les radians pour une Ground-Plane)");
    case antennes::Dipole:
    case antennes::G5rv:
    case antennes::Bazooka:
        return texte(d / 2, u" aux deux extrémités de l'antenne");
    case antennes::Windom:
        return texte(d / 3, u" au côté court de l'antenne") + kSautLigne +
               texte(2 * d / 3, u" au côté long de l'antenne");
    case antennes::DemiOnde:
        return texte(d, u" à une extrémité de l'antenne");
    case antennes::Loop:
        return texte(d, u" au périmètre de la Loop");
    default:
        return QString();
    }
}

struct Genre {
    float k;
    const char16_t *legende;  // the kind, once corrected
};

const std::array<Genre, antennes::kTypesFilaires> kGenres = {{
    {75, u"Antenne quart d'onde"},
    {150, u"Antenne de type doublet"},
    {150, u"Antenne Conrad Windom"},
    {450, u"Antenne G5RV full-size"},
    {0, u""},
    {150, u"Antenne filaire demie onde"},
    {300, u"Antenne Loop onde entière"},
    {150, u"Antenne double Bazooka"},
}};

}  // namespace

float constante(int type) { return type >= 0 && type < antennes::kTypesFilaires ? kGenres[size_t(type)].k : 0; }

int typeDepuisTitre(const QString &titre)
{
    for (int t = 0; t < antennes::kTypesFilaires; ++t)
        if (titre == antennes::titreFilaire(t)) return t;
    return -1;
}

std::optional<Resultat> recalculer(int type, float F0, float K0, float L0, float Fm)
{
    const float k = constante(type);
    if (k == 0 || !(F0 > 0) || !(Fm > 0)) return std::nullopt;
    Resultat r;
    // Each value is kept in single precision, as it is stored.
    r.longueurReference = float(double(k) / Fm);
    r.facteurRecalcule = float(double(L0) / r.longueurReference);
    r.longueurRecalculee = float(double(r.facteurRecalcule) * k / F0);
    r.correction = float(double(L0) - r.longueurRecalculee);
    r.aSupprimer = r.correction >= 0;
    if (!r.aSupprimer) r.correction = -r.correction;

    r.cadre = r.aSupprimer ? QStringLiteral("Longueur à supprimer") : QStringLiteral("Longueur à rajouter");
    r.legende = QString::fromUtf16(kGenres[size_t(type)].legende);
    r.facteurMaximum = float(K0 * 1.01);
    r.facteurMinimum = float(K0 / 1.05);

    // A measured frequency far beyond any antenna gives figures a single cannot hold: the fields
    // say so, and nothing beyond a single is kept.
    if (!std::isfinite(r.longueurReference) || !std::isfinite(r.facteurRecalcule) ||
        !std::isfinite(r.longueurRecalculee) || !std::isfinite(r.correction)) {
        r.horsLimites = true;
        r.longueurReference = r.facteurRecalcule = r.longueurRecalculee = r.correction = 0;
        r.facteur = r.longueur = r.action = messageHorsLimites();
        r.cadre.clear();  // neither a length to cut nor one to add
        return r;
    }
    r.action = action(type, r.correction);
    r.facteur = fixe(r.facteurRecalcule, 2);
    r.longueur = fixe(r.longueurRecalculee, 2) + QStringLiteral(" m");
    if (r.facteurRecalcule > r.facteurMaximum) r.plausibilite = Plausibilite::TropHaute;
    else if (r.facteurRecalcule < r.facteurMinimum) r.plausibilite = Plausibilite::TropBasse;
    return r;
}

QString messageHorsLimites() { return QStringLiteral("Résultat hors des limites du calcul"); }

QString messageSansCalcul()
{
    return QStringLiteral("Ce module fonctionne seulement après avoir calculer une Antenne Filaire. "
                          "Reportez-vous au menu [ Les antennes ]");
}

QString messageT2FD()
{
    return QStringLiteral("Cette antenne n'a pas besoin d'être corrigée") + kSautLigne +
           QStringLiteral("Elle nécessite seulement l'utilisation d'une boite d'accord");
}

QString messageFrequenceAbsente()
{
    return QStringLiteral("Entrez la fréquence de résonnance") + kSautLigne +
           QStringLiteral("réellement mesurée de l'antenne");
}

QString messageG5RV()
{
    return QStringLiteral("Cette antenne, utilisée en multibande, n'a pas besoin d'être corrigée") + kSautLigne +
           QStringLiteral("Elle nécessite seulement l'utilisation d'une boite d'accord");
}

QString messagePlausibilite(const Resultat &r)
{
    switch (r.plausibilite) {
    case Plausibilite::TropHaute:
        return QStringLiteral("Verifiez vos mesures") + kSautLigne +
               QStringLiteral("Le coéficient d'antenne ne devrait pas être suppérieur à ") +
               fixe(r.facteurMaximum, 2);
    case Plausibilite::TropBasse:
        return QStringLiteral("Verifiez vos mesures dans un premier temps") + kSautLigne +
               QStringLiteral("assurez-vous que l'antenne, ne soit pas trop proche") + kSautLigne +
               QStringLiteral("d'un environnement défavorable à son bon fonctionnement.") + kSautLigne +
               QStringLiteral("Le coéficient d'antenne ne devrais pas être aussi bas ") + kSautLigne +
               QStringLiteral("Demandez conseil à un spécialiste");
    case Plausibilite::Correcte:
        break;
    }
    return QString();
}

}  // namespace adaptation
