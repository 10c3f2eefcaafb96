// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/yagi.h"

#include "shell/core/nombres.h"

namespace antennes {

namespace {

const QString kBibliographieVarnasse =
    QStringLiteral("Bibliographie tirée du livre de Varnasse (Q5ZT), 8ème édition, page 476, paragraphe E)");
const QString kLigneQuartOnde75 = QStringLiteral(
    "Une ligne quart d'onde 75 ohms d'adaptation est nécessaire entre l'antenne et la descente en câble "
    "coaxiale 50ohms");

// Boom factor of each design: the boom is the band allowance plus this many wavelengths.
constexpr double kFacteursBoom[kModelesYagi] = {0.45, 0.65, 0.65, 1.67};

}  // namespace

ResultatModele calculerYagi(const EntreeModele &e)
{
    ResultatModele r;
    r.image = QStringLiteral("\\Yagi.gif");
    const float f = e.frequence;
    const int y = (e.modele >= 0 && e.modele < kModelesYagi) ? e.modele : 0;
    const float lambda = 300 / f;
    r.longueurOnde = lambda;
    const double l = lambda;  // spacings are worked in double from the single wavelength
    r.boom = float(allocationBande(e.bande) + kFacteursBoom[y] * l);

    const auto metres = [](double v) { return nombres::fixe(v, 3) + QStringLiteral(" m"); };
    // An element: its name and constant / F, in double (design 0 passes its singles).
    const auto element = [&](const QString &nom, double valeur) { return nom + QStringLiteral(" = ") + metres(valeur); };
    const auto espace = [&](const QString &entre, double facteur) {
        return QStringLiteral("Espace entre ") + entre + QStringLiteral(" : ") + metres(facteur * l);
    };
    const QString boom = nombres::fixe(r.boom, kDecimalesRegionales) + QStringLiteral(" m");
    const QString separateur = tirets(kTiretsYagi);
    const double df = f;

    // The elements, rear to front: each length as its line shows it, each spacing added to the
    // position of the element before.
    const auto ajouter = [&](Element::Role role, double longueur, double facteurEspace) {
        const double avant = r.elements.empty() ? 0 : r.elements.back().position;
        r.elements.push_back({role, longueur, r.elements.empty() ? 0 : avant + facteurEspace * l});
    };
    using R = Element::Role;
    switch (y) {
    case 0:
        ajouter(R::Reflecteur, 148.0f / f, 0);
        ajouter(R::Radiateur, 143.0f / f, 0.2);
        ajouter(R::Directeur, 138.0f / f, 0.25);
        break;
    case 1:
    case 2:
        ajouter(R::Reflecteur, 147.17 / df, 0);
        ajouter(R::Radiateur, 140.65 / df, 0.2);
        ajouter(R::Directeur, 134.85 / df, 0.15);
        ajouter(R::Directeur, 133.4 / df, 0.08);
        if (y == 2) ajouter(R::Directeur, 132.7 / df, 0.22);
        break;
    case 3: {
        ajouter(R::Reflecteur, 149.35 / df, 0);
        ajouter(R::Radiateur, 143.55 / df, 0.157);
        constexpr double longueurs[7] = {137.75, 134.85, 133.4, 133.4, 130.5, 130.5, 127.6};
        constexpr double espaces[7] = {0.089, 0.173, 0.262, 0.262, 0.262, 0.262, 0.203};
        for (int i = 0; i < 7; ++i) ajouter(R::Directeur, longueurs[i] / df, espaces[i]);
        break;
    }
    }

    switch (y) {
    case 0:
        r.lignes = {
            QStringLiteral("Antenne trois éléments avec dipôle simple"),
            QStringLiteral("Impédance: 50 Ohms, "),
            QStringLiteral("Gain: 7 dB-i"),
            QStringLiteral("Longueur de Boom = ") + boom,
            element(QStringLiteral("Reflecteur"), 148.0f / f),
            espace(QStringLiteral("reflecteur et radiateur"), 0.2),
            element(QStringLiteral("Radiateur"), 143.0f / f),
            espace(QStringLiteral("radiateur et directeur"), 0.25),
            element(QStringLiteral("Directeur"), 138.0f / f),
            separateur,
            QStringLiteral("Le diamètre des brins sera variable de 4 à 20 mm, suivant la bande passante souhaitée"),
            QStringLiteral("Une ligne quart d'onde d'adaptation 75 ohms est nécessaire entre l'antenne et la "
                           "descente en câble coaxiale 50ohms"),
            separateur,
            kBibliographieVarnasse,
        };
        break;
    case 1:
    case 2: {
        const Lignes commun = {
            QString(), QString(), QString(),
            QStringLiteral("Longueur de Boom = ") + boom,
            element(QStringLiteral("Reflecteur"), 147.17 / df),
            espace(QStringLiteral("reflecteur et radiateur"), 0.2),
            element(QStringLiteral("Radiateur"), 140.65 / df),
            espace(QStringLiteral("radiateur et directeur 1"), 0.15),
            element(QStringLiteral("Directeur 1"), 134.85 / df),
            espace(QStringLiteral("directeur 1 et directeur 2"), 0.08),
            element(QStringLiteral("Directeur 2"), 133.4 / df),
        };
        r.lignes = commun;
        if (y == 1) {
            // Four elements, though the book's title says five.
            r.lignes[0] = QStringLiteral("Antenne cinq éléments avec radiateur simple.");
            r.lignes[1] = QStringLiteral("Impédance: 50 Ohms.");
            r.lignes[2] = QStringLiteral("Gain: 9 dB-i.");
            r.lignes[11] = separateur;
            r.lignes[12] = QStringLiteral("Diamètre de 12 mm pour le radiateur.");
            r.lignes[13] = QStringLiteral("Diamètre de 4 à 6 mm pour les autres éléments.");
            r.lignes[14] = kLigneQuartOnde75;
            r.lignes[15] = separateur;
            r.lignes[16] = kBibliographieVarnasse;
        } else {
            r.lignes[0] = QStringLiteral("Antenne cinq éléments avec radiateur replié");
            r.lignes[1] = QStringLiteral("Impédance: 50 Ohms");
            r.lignes[2] = QStringLiteral("Gain: 10,5dB-i");
            r.lignes[11] = espace(QStringLiteral("directeur 2 et directeur 3"), 0.22);
            r.lignes[12] = element(QStringLiteral("Directeur 3"), 132.7 / df);
            r.lignes[13] = separateur;
            r.lignes[14] = QStringLiteral("Diamètre des brins de 4 mm pour le premier réflecteur et 6 mm, "
                                          "pour les deux derniers directeurs");
            r.lignes[15] = QStringLiteral("Diamètre du brin de 4 mm, pour le premiers directeurs");
            r.lignes[16] = QStringLiteral("Diamètre du radiateur 12 mm et de 5 mm pour le retour ");
            r.lignes[17] = kLigneQuartOnde75;
            r.lignes[18] = separateur;
            r.lignes[19] = QStringLiteral("Bibliographie tirée du livre de Varnasse (Q5ZT), 8ème édition, "
                                          "pages 477 et 478, paragraphe : antenne cinq éléments pour 144 Mhz "
                                          "et sa note");
        }
        break;
    }
    case 3: {
        r.lignes = {
            QStringLiteral("Antenne neuf éléments ORBEQUE avec radiateur simple"),
            QStringLiteral("Impédence: 50 Ohms"),
            QStringLiteral("Gain: 13 dB-i, rapport Av-Ar: 20 dB"),
            QStringLiteral("Longueur de Boom =") + boom,
            element(QStringLiteral("Réflecteur"), 149.35 / df),
            espace(QStringLiteral("réflecteur et radiateur"), 0.157),
            element(QStringLiteral("Radiateur"), 143.55 / df),
            espace(QStringLiteral("radiateur et directeur 1"), 0.089),
        };
        // Directors 1 to 7 and the spacings that lead to each next one.
        constexpr double directeurs[7] = {137.75, 134.85, 133.4, 133.4, 130.5, 130.5, 127.6};
        constexpr double espaces[6] = {0.173, 0.262, 0.262, 0.262, 0.262, 0.203};
        int n = 8;
        for (int i = 0; i < 7; ++i) {
            const QString d = QStringLiteral("directeur %1").arg(i + 1);
            r.lignes[n++] = element(QStringLiteral("Directeur %1").arg(i + 1), directeurs[i] / df);
            if (i < 6)
                r.lignes[n++] = espace(d + QStringLiteral(" et directeur %1").arg(i + 2), espaces[i]);
        }
        r.lignes[21] = separateur;
        r.lignes[22] = QStringLiteral("Diamètre des brins variable de 4 à 20 mm, suivant la bande passante souhaitée");
        r.lignes[23] = QStringLiteral("Une ligne quart d'onde d'adaptation est nécessaire entre l'antenne et la "
                                      "descente en câble coaxiale 50ohms");
        r.lignes[24] = separateur;
        r.lignes[25] = QStringLiteral("Bibliographie tirée du livre -Les antennes- de Belvanter (Q8WK) et coll., "
                                      "13ème édition, page 277, paragraphe : les antennes ORBEQUE");
        break;
    }
    }
    return r;
}

}  // namespace antennes
