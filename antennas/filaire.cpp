// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/filaire.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

using constantes::kSautLigne;

namespace antennes {

namespace {

const QString kSeparateur = tirets(kTiretsFilaire);

const QString kTitres[kTypesFilaires] = {
    QStringLiteral("Antenne quart d'onde."),
    QStringLiteral("Antenne dipôle (Center-Fed)"),
    QStringLiteral("Antenne multibandes Conrad Windom."),
    QStringLiteral("Antenne multibandes G5RV"),
    QStringLiteral("W3HH - Tilted Terminated Folded Dipole (T2FD)"),
    QStringLiteral("Antenne filaire mono-brin demi-onde."),
    QStringLiteral("Antenne multibandes Loop Onde entière."),
    QStringLiteral("Antenne dipôle Double Bazooka."),
};

void quartOnde(ResultatFilaire &r)
{
    r.lignes = {
        titreFilaire(GroundPlane),
        QStringLiteral("Impédance caractéristique : 36 Ohms"),
        QStringLiteral("Longueur du fouet = ") + nombres::fixe(r.longueur, 2) + QStringLiteral(" m"),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne mono bande peut très bien fonctionner sur des harmoniques impaires, "
                       "par exemple: 145Mhz initialement et 435Mhz en complément.") + kSautLigne,
        QStringLiteral("En version Plan-de-sol, elle nécessite une surface conductrice de bonne qualité "
                       "ou des radians en nombres suffisants.") + kSautLigne,
        QStringLiteral("Utiliser des radians formant un angle ouvert de 120° avec le radiateur pour "
                       "obtenir une impédance caractéristique de 50 Ohms.") + kSautLigne,
        QStringLiteral("Les radians, aux nombres de trois, ont alors les mêmes dimensions que le radiateur."),
    };
}

void dipole(ResultatFilaire &r)
{
    r.lignes = {
        titreFilaire(Dipole),
        QStringLiteral("Impédance caractéristique : 75 Ohms"),
        QStringLiteral("Longueur du dipole = 2 x ") + nombres::fixe(r.longueur / 2, 2) + QStringLiteral(" m"),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne monobande peut très bien fonctionner sur des harmoniques impaires, "
                       "par exemple: 7Mhz initialement et 21Mhz en complément.") + kSautLigne,
        QStringLiteral("Elle nécessite préférentiellement un sol de bonne qualité.") + kSautLigne,
        QStringLiteral("Notez qu'un symétriseur est nécessaire à la connexion centrale.") + kSautLigne,
        QStringLiteral("Privilégier un Balun au rapport 2/3 (50 ohms / 75 ohms) pour une décente en câble "
                       "coaxiale 50 ohms de longueur quelconque vers la station.") + kSautLigne,
        QStringLiteral("Dans le cas d'utilisation d'un symétriseur au rapport 1/1, l'adaptation d'impédance "
                       "peut se faire avec une longueur de ligne coaxiale 75 Ohms égale à 1/4 d'onde x FV, "
                       "suivi d'un câble coaxial 50 Ohms de longueur quelconque vers la station."),
    };
}

void windom(ResultatFilaire &r)
{
    const float l = r.longueur;
    r.lignes = {
        titreFilaire(Windom),
        QStringLiteral("Impédance caractéristique : 300 Ohms"),
        QStringLiteral("Longueur de la branche courte = ") + nombres::fixe(l / 3, 2) + QStringLiteral(" m."),
        QStringLiteral("Longueur de la branche longue = ") + nombres::fixe(l * 2 / 3, 2) + QStringLiteral(" m."),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne est essenciellement multibandes et fonctionne de sa fréquence initiale "
                       "jusqu'aux bandes supérieures en harmoniques paires uniquement.") + kSautLigne,
        QStringLiteral("Par exemple si l'antenne est calculée pour la bande des 80m, elle résonnera aussi "
                       "sur 40m, 20m et 10m. Mais sont exclus les bandes warc et le 30m et 15m.") + kSautLigne,
        QStringLiteral("Moyennant le rajout de deux brins supplémentaires, il est possible d'obtenir en plus "
                       "le 30m et le 15m.") + kSautLigne,
        QStringLiteral("Les deux brins se connectent à un balun de rapport 1/6 pour une adaptation avec un "
                       "câble coaxial 50 Ohms d'une longueur quelconque.") + kSautLigne,
        QStringLiteral("La Conrad-Windom n'est pas une antenne symétrique, un Shock-Balun serait bien util "
                       "pour supprimer les courants de gaine indésirables.") + kSautLigne,
        QStringLiteral("Une boite de couplage peut s'avérer utile pour certaines bandes."),
    };
}

void g5rv(ResultatFilaire &r, const EntreeFilaire &e)
{
    const float ligne = (r.longueurOnde / 2) * e.facteurVelocite;
    r.longueurLigne = ligne;
    r.lignes = {
        titreFilaire(G5rv),
        QStringLiteral("Impédance caractéristique : 75 Ohms"),
        QStringLiteral("Longueur du dipole = 2 x ") + nombres::fixe(r.longueur / 2, 2) + QStringLiteral(" m"),
        QStringLiteral("Ligne ") + e.cable + QStringLiteral(" FV = ") + nombres::fixe(ligne, 2) + QStringLiteral(" m"),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("L'antenne de type G5RV full-size, conçue à l'origine par Ledrovic,"),
        QStringLiteral("était à l'origine une antenne monobande qui mesure 2 x 15 m équivalent à 3 "
                       "demi-ondes à 14Mhz, relié en son centre par une ligne bifilaire demi-onde 300 Ohms "
                       "de 9,60 m.") + kSautLigne,
        QStringLiteral("Le raccordement à la station, se fera par un câble coaxial 50 ohms de longueur "
                       "quelconque.") + kSautLigne,
        QStringLiteral("La G5RV half-size (28Mhz) mesure 2 x 7,5 m avec une ligne 1/2 onde bifilaire "
                       "300 Ohms de 4,80 m.") + kSautLigne,
        QStringLiteral("En utilisation multibandes, une boite de couplage sera indispensable pour la "
                       "majorité des bandes exploitées."),
    };
}

void t2fd(ResultatFilaire &r, const EntreeFilaire &e)
{
    // Wire A is a hundredth of a wavelength, wire B a sixth: neither depends on k.
    const float filA = 3 / e.frequence;
    const float filB = 50 / e.frequence;
    r.filA = filA;
    r.filB = filB;
    r.lignes = {
        titreFilaire(T2fd),
        QStringLiteral("Antenne de type repliée à charge terminale "),
        QStringLiteral("Impédance caractéristique : 300 à 1200 Ohms"),
        QStringLiteral("Longueur du fil A = ") + nombres::fixe(filA, 2) + QStringLiteral(" m"),
        QStringLiteral("Longueur du fil B = ") + nombres::fixe(filB, 2) + QStringLiteral(" m"),
        kSeparateur,
        QStringLiteral("La charge terminale de 300 à 1200 Ohms (390 ohms est généralement employé), doit "
                       "pouvoir supporter plus de 50 pour cent de la puissance du TX."),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne filaire est multibandes et nécessite obligatoirement une boite de "
                       "couplage") + kSautLigne,
        QStringLiteral("La descente se fera en câble coaxial avec un transformateur symétriseur de rapport "
                       "1/6 à 1/22 suivant la valeur de la charge terminale (exp:50R/300R à 50R/1200R)"),
    };
}

void demiOnde(ResultatFilaire &r)
{
    // The Zeppelin line, a quarter wave in a 0.88 line, in double from the single wavelength.
    const double zeppelin = double(r.longueurOnde) * 0.88 / 4;
    r.lignes = {
        titreFilaire(DemiOnde),
        QStringLiteral("Impédance caractéristique : 450 à 1100 Ohms."),
        QStringLiteral("Longueur du fil d'antenne = ") + nombres::fixe(r.longueur, 2) + QStringLiteral(" m."),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne filaire est multibandes et fonctionne de sa fréquence initiale, "
                       "jusqu'aux bandes supérieures en harmoniques paires et impaires.") + kSautLigne,
        QStringLiteral("Le raccordement du fil se fait en haute impédance à un transformateur de rapport "
                       "1/9 à 1/22, raccordé à un câble coaxial 50 ohms de longueur quelconque.") + kSautLigne,
        QStringLiteral("Une boite de couplage peut s'avérer très utile pour faire fonctionner cette antenne "
                       "capricieuse.") + kSautLigne,
        QStringLiteral("L'antenne de type Zeppelin, ayant une longueur d'une demi-onde, utilise une ligne "
                       "bifilaire 450R, remplacant le transformateur haute impédance et d'une longueur de: ")
            + nombres::fixe(zeppelin, 2) + QStringLiteral(" m (un quart d'onde)") + kSautLigne,
        QStringLiteral("Lantenne Zeppelin peut très bien fonctionner sur des harmoniques paires et impaires, "
                       "par exemple: 7Mhz initialement et 21Mhz en complément."),
    };
}

void loop(ResultatFilaire &r)
{
    r.lignes = {
        titreFilaire(Loop),
        QStringLiteral("Impédance caractéristique : 300 Ohms"),
        QStringLiteral("Longueur du fil d'antenne = ") + nombres::fixe(r.longueur, 2) + QStringLiteral(" m"),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Cette antenne filaire est multibandes et fonctionne de sa fréquence initiale, "
                       "jusqu'aux bandes supérieures en harmoniques paires et impaires.") + kSautLigne,
        QStringLiteral("La connexion à la boucle se fera par un transformateur symétriseur de rapport 1/4 à "
                       "1/6 directement connecté au centre d'un coté ou à un coin.") + kSautLigne,
        QStringLiteral("Le raccordement à la station peut se faire avec une longueur quelconque de câble "
                       "coaxiale d'impédance 50 Ohms.") + kSautLigne,
        QStringLiteral("Placer cette antenne aussi haute que possible."),
    };
}

void bazooka(ResultatFilaire &r, const EntreeFilaire &e)
{
    const float l = r.longueur;
    r.longueurLignesCoaxiales = e.facteurVelocite * l;
    const float extremite = (l - r.longueurLignesCoaxiales) / 2;
    r.lignes = {
        titreFilaire(Bazooka),
        QStringLiteral("Impédance caractéristique : 75 Ohms."),
        QStringLiteral("Câble coaxial utilisé : ") + e.cable + QStringLiteral(" FV."),
        QStringLiteral("Longueur total de l'antenne : ") + nombres::fixe(l, 2) + QStringLiteral(" m."),
        QStringLiteral("Longueur des lignes coaxiales utilisées : ") + nombres::fixe(r.longueurLignesCoaxiales, 2)
            + QStringLiteral(" m."),
        QStringLiteral("Longueur des extrémités : 2 x ") + nombres::fixe(extremite, 2)
            + QStringLiteral(" m de fil d'une section de 2,5 mm²."),
        kSeparateur,
        QStringLiteral("Pour information :") + kSautLigne,
        QStringLiteral("Les deux portions constituées d'un seul câble coaxial sont l'équivalent de deux "
                       "lignes quart-d'onde ouvertes aux points d'alimentation et présentant une haute "
                       "impédance à la fréquence de résonnance.") + kSautLigne,
        QStringLiteral("La descente, se fait au centre du câble coaxial par un espace ouvert de 2 cm dans "
                       "la tresse.") + kSautLigne,
        QStringLiteral("La ligne d'alimentation se fait de préférence, par une ligne coaxiale 1/4 d'onde "
                       "(Lg x FV) 75 ohms, suivi d'un coaxial 50 Ohms de longueur quelconque.") + kSautLigne,
        QStringLiteral("Ou bien, par un symétriseur de rapport 2/3 pour un ROS minimal de 1:1, en liaison "
                       "avec un coaxial 50 Ohms de longueur quelconque.") + kSautLigne,
        QStringLiteral("Cette antenne est exclusivement monobande, et ramène beaucoup moins de bruit qu'un "
                       "dipôle classique, grace à ces deux lignes coaxiales accordées."),
    };
}

}  // namespace

QString titreFilaire(int type) { return type >= 0 && type < kTypesFilaires ? kTitres[type] : QString(); }

float facteurDuType(int type)
{
    if (type == T2fd) return 1.0f;
    if (type == Loop) return 1.05f;
    return 0.95f;
}

bool typeAvecCable(int type) { return type == G5rv || type == Bazooka; }

float facteurVelociteDe(const QString &cable) { return float(nombres::lireNombre(cable.right(4))); }

ResultatFilaire calculerFilaire(const EntreeFilaire &e)
{
    static const char *const images[kTypesFilaires] = {
        "\\Ground-Plane.gif", "\\Doublet.gif", "\\Windom.gif", "\\G5rv.gif",
        "\\W3HH.gif",         "\\Filaire.gif", "\\Loop.gif",   "\\Bazooka.gif"};
    ResultatFilaire r;
    const float f = e.frequence;
    const float k = e.facteur;
    r.longueurOnde = 300 / f;
    r.ondeEntiere = r.longueurOnde;
    r.quartOnde = 75 / f;
    r.demiOnde = 150 / f;
    r.troisDemiOndes = 450 / f;
    const int type = (e.type >= 0 && e.type < kTypesFilaires) ? e.type : GroundPlane;
    r.image = QLatin1String(images[type]);
    switch (type) {
    case GroundPlane: r.longueur = r.quartOnde * k; quartOnde(r); break;
    case Dipole: r.longueur = r.demiOnde * k; dipole(r); break;
    case Windom: r.longueur = r.demiOnde * k; windom(r); break;
    case G5rv: r.longueur = r.troisDemiOndes * k; g5rv(r, e); break;
    case T2fd: r.longueur = r.ondeEntiere * k; t2fd(r, e); break;
    case DemiOnde: r.longueur = r.demiOnde * k; demiOnde(r); break;
    case Loop: r.longueur = r.ondeEntiere * k; loop(r); break;
    case Bazooka: r.longueur = r.demiOnde * k; bazooka(r, e); break;
    }
    return r;
}

}  // namespace antennes
