// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/quad.h"

#include "shell/core/nombres.h"

namespace antennes {

ResultatModele calculerQuad(const EntreeModele &e)
{
    ResultatModele r;
    const float f = e.frequence;
    const int d = (e.modele >= 0 && e.modele < kModelesQuad) ? e.modele : 0;
    const bool delta = d >= 4;
    r.image = delta ? QStringLiteral("\\Delta-Loop.gif") : QStringLiteral("\\Quad.gif");
    const float lambda = 300 / f;
    r.longueurOnde = lambda;
    const double l = lambda;  // fractions of the wavelength are worked in double

    const auto metres = [](double v, int n) { return nombres::fixe(v, n) + QStringLiteral(" m"); };
    // A loop resonates when its circumference is a little over one wavelength: the handbooks' quad
    // rule, 1005 / f feet for the driven element, 975 / f for the director and 1030 / f for the
    // reflector (f in MHz), in metres. Worked in single precision, as the wavelength is.
    const float circRadiateur = 306.3f / f;
    const float circDirecteur = 297.2f / f;
    const float circReflecteur = 313.9f / f;
    const QString radiateur = QStringLiteral("Circonférence du radiateur = ") + metres(circRadiateur, 3);
    const QString directeur = QStringLiteral("Circonférence du directeur = ") + metres(circDirecteur, 3);
    const QString reflecteur = QStringLiteral("Circonférence du réflecteur = ") + metres(circReflecteur, 3);
    const QString espaceDirecteur = QStringLiteral("Espace entre radiateur et directeur : ");
    const QString espaceReflecteur = QStringLiteral("Espace entre réflecteur et radiateur : ");
    const QString impedance = QStringLiteral(
        "Son impédance est variable en fonction de sa hauteur au dessus du sol, une ligne quart d'onde "
        "d'adaptation est nécessaire.");
    const QString gamma = QStringLiteral("Son impédance est adaptée par un Gamma-Match d'une longueur de : ")
                        + metres(0.05 * l, 2);
    const QString diagramme = QStringLiteral(
        "Cette antenne ne présente pas de rapport avant-arrière particuler, elle est bi-directionnelle "
        "à la façon d'un cadre");
    const QString boomQuad = QStringLiteral("Longueur de Boom =");  // no blank: as the window writes it

    if (d == 1 || d == 2) r.boom = float(allocationBande(e.bande) + 0.2 * l);

    // The elements, rear to front, with the circumferences and spacings the lines show.
    using R = Element::Role;
    const Element radiateurSeul{R::Radiateur, circRadiateur, 0};
    switch (d) {
    case 0:
    case 4: r.elements = {radiateurSeul}; break;
    case 1:
    case 5: r.elements = {radiateurSeul, {R::Directeur, circDirecteur, 0.2 * l}}; break;
    case 2:
    case 6: r.elements = {{R::Reflecteur, circReflecteur, 0}, {R::Radiateur, circRadiateur, 0.2 * l}}; break;
    case 3:
    case 7:
        r.elements = {{R::Reflecteur, circReflecteur, 0}, {R::Radiateur, circRadiateur, 0.2 * l},
                      {R::Directeur, circDirecteur, 0.2 * l + 0.25 * l}};
        break;
    }

    switch (d) {
    case 0:
        r.lignes = {QStringLiteral("Antenne Quad, un élément seulement"), impedance, radiateur, diagramme};
        break;
    case 1:
        r.lignes = {QStringLiteral("Antenne Quad, deux éléments dont un directeur"), impedance,
                    boomQuad + metres(r.boom, kDecimalesRegionales), radiateur,
                    espaceDirecteur + metres(0.2 * l, 3), directeur};
        break;
    case 2:
        r.lignes = {QStringLiteral("Antenne Quad, deux éléments dont un réflecteur"), impedance,
                    boomQuad + metres(r.boom, kDecimalesRegionales), radiateur,
                    espaceReflecteur + metres(0.2 * l, 3), reflecteur};
        break;
    case 3:
        r.lignes = {QStringLiteral("Antenne Quad, trois éléments"), impedance,
                    QStringLiteral("Longueur de Boom = ") + metres(0.5 * l, 2), directeur,
                    espaceDirecteur + metres(0.25 * l, 3), radiateur,
                    QStringLiteral("Espace entre reflecteur et radiateur : ") + metres(0.2 * l, 3),
                    reflecteur};
        break;
    case 4:
        // The only element is the radiator: its circumference, as for the single Quad.
        r.lignes = {QStringLiteral("Antenne Delta-Loop, un éléments seulement"), gamma, radiateur,
                    diagramme};
        break;
    case 5:
        r.lignes = {QStringLiteral("Antenne Delta-Loop, deux éléments dont un radiateur"), gamma,
                    boomQuad + metres(0.25 * l, 2), directeur, espaceDirecteur + metres(0.2 * l, 3),
                    radiateur};
        break;
    case 6:
        r.lignes = {QStringLiteral("Antenne Delta-Loop, deux éléments dont un réflecteur"), gamma,
                    boomQuad + metres(0.25 * l, 2), radiateur, espaceReflecteur + metres(0.2 * l, 3),
                    reflecteur};
        break;
    case 7:
        r.lignes = {QStringLiteral("Antenne Delta-Loop, trois éléments"), gamma,
                    QStringLiteral("Longueur de Boom = ") + metres(0.5 * l, 3), directeur,
                    espaceDirecteur + metres(0.25 * l, 3), radiateur,
                    espaceReflecteur + metres(0.2 * l, 3), reflecteur};
        break;
    }
    return r;
}

}  // namespace antennes
