// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna designer's pictures: one per wire type, the Levy antenna, the Quad, the Delta-Loop
// and the Yagi, all 640 by 480 like the drawing the window shows before its first calculation.
// Dimensions carry the names the result lines use; proportions are indicative, not to scale.

#include <QPolygonF>
#include <QtMath>

#include "drawings/catalogue.h"
#include "drawings/trace.h"

namespace dessin {

namespace {

constexpr double kSol = 440;
// Notes stand at the foot of the picture, under the ground line.
const P kNote(16, 474);

// A mast standing on the ground with a halyard to the end insulator of a wire.
void support(Trace &t, double x, double haut, P isolateur)
{
    t.mat(P(x, kSol), P(x, haut));
    t.corde(P(x, haut + 4), isolateur);
}

// Horizontal wire between two end insulators, each held by a mast at the picture's edge.
void filTendu(Trace &t, P gauche, P droite)
{
    support(t, 34, gauche.y() - 14, gauche - P(9, 0));
    support(t, t.largeur() - 34, droite.y() - 14, droite + P(9, 0));
    t.isolateur(gauche, P(1, 0));
    t.isolateur(droite, P(1, 0));
}

// Title, subtitle and the ground line of an outdoor scene.
void enPlein(Trace &t, const QString &titre, const QString &sousTitre)
{
    t.titre(titre, sousTitre);
    t.sol(kSol, 20, 620);
}

void station(Trace &t, P centre) { t.boite(centre, QStringLiteral("Station"), 80); }

// The coaxial feed line down from `depart` to `y`, then across to the station centred on `xStation`.
void versStation(Trace &t, P depart, double y, double xStation)
{
    t.coax(depart, P(depart.x(), y));
    t.coax(P(depart.x(), y), P(xStation - 40, y));
    station(t, P(xStation, y));
}

// A horizontal dipole between two masts, cut at `xAlimentation` by the feed insulator.
P dipoleTendu(Trace &t, double y, double xAlimentation, bool pointAlimente = true)
{
    const P g(70, y), d(570, y), c(xAlimentation, y);
    filTendu(t, g, d);
    t.fil(g + P(9, 0), c - P(9, 0));
    t.fil(c + P(9, 0), d - P(9, 0));
    t.isolateur(c, P(1, 0));
    if (pointAlimente) t.pointAlimentation(c);
    return c;
}

// Each arm of a centre-fed dipole, and the whole.
void cotesDipole(Trace &t, double y, const QString &bras, const QString &total)
{
    const P g(70, y), d(570, y), c(320, y);
    t.cote(g, c, 28, bras);
    t.cote(c, d, 28, bras);
    t.cote(g, d, 62, total);
}

// A box (balun, transformer) under the feed point, joined to both sides of the feed.
QRectF sousAlimentation(Trace &t, P alimentation, double y, const QString &texte)
{
    const QRectF r = t.boite(P(alimentation.x(), y), texte);
    t.conducteurSchema(alimentation + P(-4, 4), P(alimentation.x() - 4, r.top()));
    t.conducteurSchema(alimentation + P(4, 4), P(alimentation.x() + 4, r.top()));
    return r;
}

// ----------------------------------------------------------------------------------------------

void groundPlane(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne quart d'onde (Ground Plane)"),
            QStringLiteral("Fouet vertical et trois radians inclinés à 120° du radiateur"));
    const P base(300, 272), sommet(300, 86);
    const double rayon = 186;
    t.mat(P(300, kSol), base + P(0, 10), 10);
    // Radials: two in the plane of the picture, the third one going away behind the mast.
    const double a = qDegreesToRadians(30.0);
    const P droite = base + P(rayon * std::cos(a), rayon * std::sin(a));
    const P gauche = base + P(-rayon * std::cos(a), rayon * std::sin(a));
    const P arriere = base + P(-42, 70);
    t.fil(base, droite);
    t.fil(base, gauche);
    t.fil(base, arriere);
    t.isolateur(droite, droite - base);
    t.isolateur(gauche, gauche - base);
    t.fil(sommet, base - P(0, 10));
    t.isolateur(base - P(0, 5), P(0, 1));
    t.pointAlimentation(base);

    t.cote(sommet, base, -44, QStringLiteral("Longueur\ndu fouet"), Trace::Place::Dehors);
    t.angle(base, -30, 120, 46, QStringLiteral("120°"));
    t.renvoi((base + droite) / 2 + P(20, 10), P(470, 240),
             QStringLiteral("3 radians,\nmême longueur\nque le fouet"), kGauche);
    t.renvoi(sommet + P(0, 60), P(380, 130), QStringLiteral("Radiateur"), kGauche);

    // Feed line down the mast to the station.
    versStation(t, base + P(12, 6), 420, 520);
    t.renvoi(P(312, 400), P(286, 400), QStringLiteral("Câble coaxial 50 Ohms"), kDroite);
    t.note(kNote, QStringLiteral("Impédance : 36 Ohms, 50 Ohms avec radians à 120°"),
           kPied);
}

void doublet(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne dipôle (Center-Fed)"),
            QStringLiteral("Demi-onde alimentée au centre par un symétriseur"));
    const P c = dipoleTendu(t, 158, 320);
    cotesDipole(t, 158, QStringLiteral("L / 2"), QStringLiteral("Longueur du dipole = 2 x L / 2"));
    const QRectF balun =
        sousAlimentation(t, c, 222, QStringLiteral("Balun 2/3\n(50 / 75 Ohms)"));
    versStation(t, P(320, balun.bottom()), 400, 500);
    t.renvoi(P(320, 330), P(350, 330),
             QStringLiteral("Câble coaxial 50 Ohms,\nlongueur quelconque"), kGauche);
    t.note(kNote,
           QStringLiteral("Ou : symétriseur 1/1 et ligne coaxiale 75 Ohms de 1/4 d'onde x FV"),
           kPied);
}

void windom(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne multibandes Conrad Windom"),
            QStringLiteral("Dipôle alimenté au tiers de sa longueur"));
    const double y = 158;
    const P g(70, y), d(570, y);
    const P c = dipoleTendu(t, y, 70 + (570 - 70) / 3.0);
    t.cote(g, c, 28, QStringLiteral("Branche courte = L / 3"));
    t.cote(c, d, 28, QStringLiteral("Branche longue = 2 x L / 3"));
    t.cote(g, d, 62, QStringLiteral("L"));
    const QRectF balun = sousAlimentation(t, c, 218, QStringLiteral("Balun 1/6"));
    versStation(t, P(c.x(), balun.bottom()), 400, 500);
    // Ferrite rings of the choke on the feed line.
    QPainter &p = t.peintre();
    p.setPen(QPen(style::encre, 1.2));
    p.setBrush(QColor(90, 90, 90));
    for (int i = 0; i < 5; ++i) p.drawRoundedRect(QRectF(c.x() - 9, 262 + i * 11, 18, 8), 2, 2);
    t.renvoi(P(c.x() + 9, 290), P(c.x() + 60, 290),
             QStringLiteral("Shock-Balun (ferrites)\ncontre les courants de gaine"), kGauche);
    t.renvoi(P(c.x(), 365), P(c.x() + 60, 365),
             QStringLiteral("Câble coaxial 50 Ohms,\nlongueur quelconque"), kGauche);
    t.note(kNote, QStringLiteral("Harmoniques paires : 80 m, 40 m, 20 m, 10 m"),
           kPied);
}

void g5rv(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne multibandes G5RV full-size"),
            QStringLiteral("Trois demi-ondes alimentées par une ligne bifilaire demi-onde"));
    const P c = dipoleTendu(t, 158, 320);
    cotesDipole(t, 158, QStringLiteral("L / 2"), QStringLiteral("Longueur du dipole = 2 x L / 2"));

    const P basLigne(320, 330);
    t.bifilaire(c + P(0, 6), basLigne, 12);
    t.cote(c + P(0, 6), basLigne, 40, QStringLiteral("Ligne bifilaire\n(λ / 2) x FV"),
           Trace::Place::Dehors);
    t.jonction(basLigne);
    t.renvoi(basLigne, P(360, 318), QStringLiteral("Raccordement ligne / coaxial"), kGauche);
    t.coax(basLigne, P(320, 400));
    t.coax(P(320, 400), P(388, 400));
    const QRectF boite = t.boite(P(440, 400), QStringLiteral("Boite de\ncouplage"));
    t.coax(P(boite.right(), 400), P(538, 400));
    station(t, P(580, 400));
    t.renvoi(P(320, 372), P(250, 372), QStringLiteral("Coaxial 50 Ohms,\nlongueur quelconque"),
             kDroite);
}

void w3hh(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne multibandes W3HH ou T2FD"),
            QStringLiteral("Dipôle replié incliné, chargé par une résistance terminale"));
    const double inclinaison = qDegreesToRadians(16.0);
    const P u(std::cos(inclinaison), std::sin(inclinaison));
    const P n(u.y(), -u.x()); // towards the upper conductor
    const P c(320, 250);
    const double demi = 232, ecart = 46;
    const P g = c - u * demi, d = c + u * demi;
    const P gh = g + n * ecart, dh = d + n * ecart, ch = c + n * ecart;

    // Masts: a tall one at the high end, a short post at the low end.
    t.mat(P(g.x() - 26, kSol), P(g.x() - 26, gh.y() - 30));
    t.corde(P(g.x() - 26, gh.y() - 26), gh - u * 6);
    t.corde(P(g.x() - 26, gh.y() - 26), g - u * 6);
    t.mat(P(d.x() + 30, kSol), P(d.x() + 30, dh.y() - 10));
    t.corde(P(d.x() + 30, dh.y() - 6), dh + u * 6);
    t.corde(P(d.x() + 30, dh.y() - 6), d + u * 6);

    // Spreaders between the two conductors.
    QPainter &p = t.peintre();
    p.setPen(QPen(style::support, 2));
    for (double s : {-160.0, -80.0, 80.0, 160.0}) p.drawLine(c + u * s, c + u * s + n * ecart);

    t.fil(g, c - u * 8);
    t.fil(c + u * 8, d);
    t.fil(gh, ch - u * 26);
    t.fil(ch + u * 26, dh);
    t.resistance(ch - u * 26, ch + u * 26, 36, 13);
    t.fil(g, gh);
    t.fil(d, dh);
    t.pointAlimentation(c);

    t.cote(d, dh, -30, QStringLiteral("Fil A"), Trace::Place::Dehors);
    t.cote(g, gh, 30, QStringLiteral("Fil A"), Trace::Place::Dehors);
    t.cote(g, c, -30, QStringLiteral("Fil B"));
    t.cote(c, d, -30, QStringLiteral("Fil B"));
    t.renvoi(ch + n * 8, P(300, 118),
             QStringLiteral("Charge terminale 300 à 1200 Ohms (390 Ohms),\n"
                            "plus de 50 % de la puissance"),
             kDessus);

    const QRectF balun = t.boite(P(c.x(), 330), QStringLiteral("Balun 1/6 à 1/22"));
    t.conducteurSchema(c, P(c.x(), balun.top()));
    versStation(t, P(c.x(), balun.bottom()), 410, 490);
    t.renvoi(P(c.x(), 385), P(c.x() - 30, 385), QStringLiteral("Câble coaxial"), kDroite);
    t.note(kNote, QStringLiteral("Fil A = λ / 100 ; Fil B = λ / 6 (de chaque côté)"),
           kPied);
}

void filaire(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne filaire demie onde"),
            QStringLiteral("Fil alimenté en bout, en haute impédance"));
    const P g(70, 124), d(500, 148);
    support(t, 34, g.y() - 14, g - P(9, 0));
    t.isolateur(g, d - g);
    t.fil(g + P(9, 0.5), d);
    t.cote(g, d, 30, QStringLiteral("Longueur du fil d'antenne"));
    t.mat(P(596, kSol), P(596, 120));
    const QRectF transfo = t.boite(P(530, 196), QStringLiteral("Transfo.\n1/9 à 1/22"));
    t.fil(d, P(d.x(), transfo.top()));
    t.conducteurSchema(P(transfo.right() - 14, transfo.bottom()), P(transfo.right() - 14, 234));
    t.masse(P(transfo.right() - 14, 234));
    t.coax(P(516, transfo.bottom()), P(516, 262));
    t.coax(P(516, 262), P(375, 262));
    station(t, P(330, 262));
    t.renvoi(P(420, 262), P(410, 238), QStringLiteral("Coaxial 50 Ohms,\nlongueur quelconque"),
             kDessus);

    // The Zeppelin version: the same wire fed by a quarter-wave twin line and a tuner.
    QPainter &p = t.peintre();
    p.setPen(QPen(style::support, 1, Qt::DotLine));
    p.drawLine(P(20, 296), P(620, 296));
    t.nom(P(20, 304), QStringLiteral("Version Zeppelin"), Qt::AlignLeft | Qt::AlignTop);
    const P zg(70, 344), zd(330, 344);
    t.isolateur(zg, P(1, 0));
    t.fil(zg + P(9, 0), zd);
    t.cote(zg, zd, 16, QStringLiteral("λ / 2"));
    const P basLigne(zd.x() + 5, 396);
    t.bifilaire(zd + P(5, 0), basLigne, 10);
    t.cote(zd + P(5, 0), basLigne, 26, QStringLiteral("Ligne bifilaire 450 Ohms\nλ / 4 x 0,88"),
           Trace::Place::Dehors);
    const QRectF boite = t.boite(P(basLigne.x(), 418), QStringLiteral("Boite de couplage"));
    t.coax(P(boite.left(), 418), P(190, 418));
    station(t, P(146, 418));
}

void loop(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne Loop onde entière"),
            QStringLiteral("Boucle carrée d'une longueur d'onde, alimentée par un symétriseur"));
    const double gauche = 190, droite = 430, haut = 96, bas = 336;
    const P hg(gauche, haut), hd(droite, haut), bd(droite, bas), bg(gauche, bas);
    const P c((gauche + droite) / 2, bas);
    t.polyFil({c - P(9, 0), bg, hg, hd, bd, c + P(9, 0)});
    for (const P &coin : {hg, hd, bd, bg}) t.isolateur(coin, P(1, 1));
    t.corde(hg, P(gauche - 60, haut - 20));
    t.corde(hd, P(droite + 60, haut - 20));
    t.isolateur(c, P(1, 0));
    t.pointAlimentation(c);
    t.cote(hg, hd, 22, QStringLiteral("L / 4"));
    t.cote(hd, bd, 24, QStringLiteral("L / 4"), Trace::Place::Dehors);
    t.etiquette(P((gauche + droite) / 2, (haut + bas) / 2),
                QStringLiteral("Périmètre L =\nlongueur du fil\nd'antenne"), Qt::AlignCenter,
                style::tailleCote, style::cote);

    const QRectF balun = sousAlimentation(t, c, 372, QStringLiteral("Balun 1/4 à 1/6"));
    t.coax(P(balun.right(), 372), P(480, 372));
    station(t, P(520, 372));
    t.renvoi(P(440, 372), P(440, 398), QStringLiteral("Coaxial 50 Ohms,\nlongueur quelconque"),
             kDessous);
    t.note(kNote,
           QStringLiteral("Alimentation au centre d'un côté ou à un coin ; aussi haute que possible"),
           kPied);
}

void bazooka(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne Double Bazooka"),
            QStringLiteral("Dipôle dont la partie centrale est un câble coaxial"));
    const double y = 176;
    const P g(70, y), d(570, y);
    const double coaxG = 70 + 500 * 0.17, coaxD = 570 - 500 * 0.17;
    const P c(320, y);
    filTendu(t, g, d);
    t.fil(g + P(9, 0), P(coaxG, y));
    t.fil(P(coaxD, y), d - P(9, 0));
    // The central coaxial section, with its braid opened 2 cm at the middle.
    QPainter &p = t.peintre();
    const QColor gaine = style::ligne, ame(236, 214, 176);
    p.setPen(Qt::NoPen);
    p.setBrush(gaine);
    p.drawRoundedRect(QRectF(coaxG, y - 6, c.x() - 6 - coaxG, 12), 3, 3);
    p.drawRoundedRect(QRectF(c.x() + 6, y - 6, coaxD - c.x() - 6, 12), 3, 3);
    p.setPen(QPen(ame, 2));
    p.drawLine(P(coaxG + 4, y), P(coaxD - 4, y));
    p.setPen(QPen(style::encre, 2));
    p.drawLine(P(c.x() - 6, y), P(c.x() + 6, y));
    t.jonction(P(coaxG, y));
    t.jonction(P(coaxD, y));
    t.renvoi(P(c.x(), y - 4), P(c.x() + 40, 212),
             QStringLiteral("Ouverture de 2 cm dans la tresse"), kGauche);
    t.renvoi(P(coaxD, y + 3), P(coaxD + 10, 258), QStringLiteral("Âme et tresse\nreliées"),
             kGauche);
    t.renvoi(P(coaxG, y + 3), P(coaxG - 10, 258), QStringLiteral("Âme et tresse\nreliées"),
             kDroite);

    t.cote(g, P(coaxG, y), 28, QStringLiteral("Extrémité"));
    t.cote(P(coaxD, y), d, 28, QStringLiteral("Extrémité"));
    t.cote(P(coaxG, y), P(coaxD, y), 28, QStringLiteral("Lignes coaxiales = FV x L"));
    t.cote(g, d, 62, QStringLiteral("Longueur totale de l'antenne L"));

    const P jonction(c.x(), 330);
    t.coax(c + P(0, 6), jonction);
    t.cote(c + P(0, 6), jonction, -30, QStringLiteral("Ligne 1/4 d'onde\n75 Ohms (λ/4 x FV)"),
           Trace::Place::Dehors);
    t.jonction(jonction);
    versStation(t, jonction, 400, 500);
    t.renvoi(P(c.x(), 370), P(c.x() - 30, 370),
             QStringLiteral("Coaxial 50 Ohms,\nlongueur quelconque"), kDroite);
    t.note(kNote, QStringLiteral("Ou : symétriseur 2/3 et coaxial 50 Ohms. Antenne monobande."),
           kPied);
}

void levy(Trace &t)
{
    enPlein(t, QStringLiteral("L'antenne Lévy"),
            QStringLiteral("Dipôle de longueur quelconque alimenté par une ligne bifilaire accordée"));
    const P c = dipoleTendu(t, 150, 320, false);
    cotesDipole(t, 150, QStringLiteral("L"), QStringLiteral("Longueur du dipôle (L + L)"));

    const QRectF boite = t.boite(P(320, 384), QStringLiteral("Boite de couplage"));
    const P h(320, boite.top());
    t.bifilaire(c + P(0, 6), h, 12);
    t.cote(c + P(0, 6), h, -44, QStringLiteral("Longueur de la\nligne bifilaire"),
           Trace::Place::Dehors);
    t.renvoi(P(320, 260), P(360, 250),
             QStringLiteral("Ligne 300, 450, 600\nou 1200 Ohms (FV)"), kGauche);
    t.pointAlimentation(h);
    t.etiquette(h + P(12, -6), QStringLiteral("H"), Qt::AlignLeft | Qt::AlignBottom,
                style::tailleTitre, style::encre, true);
    t.coax(P(boite.right(), 384), P(480, 384));
    station(t, P(520, 384));
    t.note(kNote,
           QStringLiteral("En H : ventre de courant (longueur optimale) ou de tension (à éviter)"),
           kPied);
}

// Side view of up to three loop elements along a boom, shared by the Quad and the Delta-Loop:
// the radiator solid, the reflector and the director dashed as they belong to some designs only.
void vueDeCote(Trace &t, double hauteurRadiateur)
{
    const double yBoom = 250, xr = 262, xa = 408, xd = 590;
    t.nom(P((xr + xd) / 2, 64), QStringLiteral("Vue de côté"), kDessous);
    t.mat(P(xr - 12, yBoom), P(xd + 12, yBoom), 7);
    t.mat(P(xa + 40, kSol), P(xa + 40, yBoom), 8);
    struct Element { double x, facteur; QString nom; bool toujours; };
    const Element elements[] = {{xr, 302.0 / 286, QStringLiteral("Réflecteur"), false},
                                {xa, 1, QStringLiteral("Radiateur"), true},
                                {xd, 274.0 / 286, QStringLiteral("Directeur"), false}};
    for (const Element &e : elements) {
        const double demi = hauteurRadiateur * e.facteur / 2;
        const P haut(e.x, yBoom - demi), bas(e.x, yBoom + demi);
        if (e.toujours) t.fil(haut, bas);
        else t.filTirets(haut, bas);
        t.etiquette(haut - P(0, 6), e.nom, kDessus);
    }
    t.cote(P(xr, 350), P(xa, 350), -10,
           QStringLiteral("Espace entre\nréflecteur et radiateur"), Trace::Place::Dehors);
    t.cote(P(xa, 350), P(xd, 350), -10,
           QStringLiteral("Espace entre\nradiateur et directeur"), Trace::Place::Dehors);
    t.cote(P(xr, 405), P(xd, 405), -10, QStringLiteral("Longueur de Boom"));
}

void quad(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne Quad"),
            QStringLiteral("Éléments carrés ; en tirets, ceux que comptent certains modèles"));
    const double cote = 140, cx = 110, cy = 232;
    t.nom(P(cx, 64), QStringLiteral("Vue de face"), kDessous);
    const P hg(cx - cote / 2, cy - cote / 2), hd(cx + cote / 2, cy - cote / 2);
    const P bd(cx + cote / 2, cy + cote / 2), bg(cx - cote / 2, cy + cote / 2);
    const P c(cx, cy + cote / 2);
    QPainter &p = t.peintre();
    p.setPen(QPen(style::support, 2));
    for (const P &coin : {hg, hd, bd, bg}) p.drawLine(P(cx, cy), coin);
    t.polyFil({c - P(7, 0), bg, hg, hd, bd, c + P(7, 0)});
    t.pointAlimentation(c);
    t.cote(hg, hd, 16, QStringLiteral("1/4 de la\ncirconférence"), Trace::Place::Dehors);
    t.etiquette(P(cx, cy + 22), QStringLiteral("Radiateur"), kDessous);
    t.coax(c + P(0, 6), P(cx, 420));
    t.renvoi(P(cx, 340), P(cx + 14, 360),
             QStringLiteral("Ligne quart d'onde\nd'adaptation"), kGauche);
    vueDeCote(t, cote);
    t.note(kNote, QStringLiteral("Circonférence = 4 côtés ; bi-directionnelle en un élément"),
           kPied);
}

void deltaLoop(Trace &t)
{
    enPlein(t, QStringLiteral("Antenne Delta-Loop"),
            QStringLiteral("Éléments triangulaires ; en tirets, ceux que comptent certains modèles"));
    const double cote = 170, cx = 110, yBas = 300;
    const double h = cote * std::sqrt(3.0) / 2;
    t.nom(P(cx, 64), QStringLiteral("Vue de face"), kDessous);
    const P sommet(cx, yBas - h), bg(cx - cote / 2, yBas), bd(cx + cote / 2, yBas);
    const P c(cx, yBas);
    t.polyFil({bg, sommet, bd, bg}, false);
    // Gamma match: a rod along the base, shorted to the element at its far end, fed through a
    // capacitor from the coax's centre conductor; the braid goes to the element's middle.
    const double xFin = cx + 0.3 * cote, yTige = yBas - 12;
    QPainter &p = t.peintre();
    p.setPen(QPen(style::conducteur, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(cx + 16, yTige), P(xFin, yTige));
    p.drawLine(P(xFin, yTige), P(xFin, yBas));
    t.condensateur(P(cx + 2, yTige), P(cx + 16, yTige), 12, 5);
    t.cote(P(cx, yTige), P(xFin, yTige), 26, QStringLiteral("Gamma-Match"), Trace::Place::Dehors);
    t.pointAlimentation(c);
    t.coax(c + P(0, 6), P(cx, 420));
    t.renvoi(P(cx, 380), P(cx + 14, 390), QStringLiteral("Câble coaxial"), kGauche);
    t.etiquette(P(cx, yBas - 0.55 * h), QStringLiteral("Radiateur"), kDessus);
    t.cote(sommet, bd, 18, QStringLiteral("1/3 de la\ncirconférence"), Trace::Place::Dehors);
    vueDeCote(t, h);
    t.note(kNote, QStringLiteral("Circonférence = 3 côtés ; Gamma-Match = 0,05 λ"), kPied);
}

void yagi(Trace &t)
{
    t.titre(QStringLiteral("Antenne Yagi"),
            QStringLiteral("Vue de dessus ; alimentée au centre du radiateur"));
    const double yBoom = 250;
    const double xs[] = {64, 184, 300, 416, 532};
    const double demis[] = {108, 103, 98, 96, 94};
    const QString noms[] = {QStringLiteral("Réflecteur"), QStringLiteral("Radiateur"),
                            QStringLiteral("Directeur 1"), QStringLiteral("Directeur 2"),
                            QStringLiteral("Directeur 3")};
    t.mat(P(xs[0] - 14, yBoom), P(xs[4] + 14, yBoom), 8);
    QPainter &p = t.peintre();
    p.setPen(QPen(style::support, 2, Qt::DashLine));
    p.drawLine(P(xs[4] + 18, yBoom), P(626, yBoom));
    t.etiquette(P(626, yBoom - 8), QStringLiteral("... Directeur 7"), Qt::AlignRight | Qt::AlignBottom,
                style::tailleNote, style::discret);
    for (int i = 0; i < 5; ++i) {
        const P haut(xs[i], yBoom - demis[i]), bas(xs[i], yBoom + demis[i]);
        if (i == 1) {
            t.fil(haut, P(xs[i], yBoom - 7));
            t.fil(P(xs[i], yBoom + 7), bas);
            t.pointAlimentation(P(xs[i], yBoom));
        } else if (i < 3) {
            t.fil(haut, bas);
        } else {
            t.filTirets(haut, bas);
        }
        t.etiquette(haut - P(0, 6), noms[i], kDessus);
    }
    const QString espaces[] = {QStringLiteral("Espace entre\nréflecteur et radiateur"),
                               QStringLiteral("Espace entre\nradiateur et directeur 1"),
                               QStringLiteral("Espace entre\ndirecteur 1 et directeur 2"),
                               QStringLiteral("Espace entre\ndirecteur 2 et directeur 3")};
    for (int i = 0; i < 4; ++i) {
        const double y = i % 2 == 0 ? 366 : 410;
        t.cote(P(xs[i], y), P(xs[i + 1], y), -1, espaces[i], Trace::Place::Dehors);
        p.setPen(QPen(style::cote, 0.8, Qt::DotLine));
        p.drawLine(P(xs[i], yBoom + demis[i] + 4), P(xs[i], y));
        p.drawLine(P(xs[i + 1], yBoom + demis[i + 1] + 4), P(xs[i + 1], y));
    }
    t.cote(P(xs[0], 110), P(xs[4], 110), 0, QStringLiteral("Longueur de Boom"));
    t.note(kNote, QStringLiteral("3, 4, 5 ou 9 éléments selon le modèle ; en tirets : selon le modèle"),
           kPied);
}

// Shown before the first calculation: a few antennas on a house and a mast.
void generique(Trace &t)
{
    enPlein(t, QStringLiteral("Les antennes"),
            QStringLiteral("Choisissez une bande et une antenne, puis « Calculer »"));
    // The house with the station.
    QPainter &p = t.peintre();
    p.setPen(QPen(style::support, 2));
    p.setBrush(QColor(244, 244, 244));
    p.drawPolygon(QPolygonF({P(60, kSol), P(60, 330), P(140, 270), P(220, 330), P(220, kSol)}));
    station(t, P(140, 400));
    // Ground plane on the roof.
    t.mat(P(140, 272), P(140, 230), 5);
    t.fil(P(140, 230), P(140, 150));
    t.fil(P(140, 232), P(100, 252));
    t.fil(P(140, 232), P(180, 252));
    t.renvoi(P(140, 180), P(96, 168), QStringLiteral("Ground plane"), kDroite);
    // The mast with a Yagi at the top and an inverted-V dipole below it.
    const double xm = 440;
    t.mat(P(xm, kSol), P(xm, 110), 9);
    t.mat(P(xm - 110, 110), P(xm + 110, 110), 5);
    for (double dx : {-100.0, -30.0, 40.0, 100.0}) {
        const double demi = 36 - dx * 0.04;
        t.fil(P(xm + dx - demi * 0.45, 110 + demi * 0.35), P(xm + dx + demi * 0.45, 110 - demi * 0.35));
    }
    t.renvoi(P(xm + 100, 100), P(560, 84), QStringLiteral("Yagi"), kGauche);
    const P sommet(xm, 200);
    t.fil(sommet, P(300, 330));
    t.fil(sommet, P(580, 330));
    t.isolateur(P(300, 330), P(-1, 1));
    t.isolateur(P(580, 330), P(1, 1));
    t.corde(P(294, 336), P(270, kSol));
    t.corde(P(586, 336), P(610, kSol));
    t.pointAlimentation(sommet);
    t.renvoi(P(370, 265), P(300, 215), QStringLiteral("Dipôle en V inversé"), kDroite);
    t.coax(sommet + P(6, 4), P(xm + 6, 420));
    t.coax(P(xm + 6, 420), P(190, 420));
    t.coax(P(140, 272), P(140, 388));
    t.note(kNote, QStringLiteral("Les dimensions s'affichent ici après le calcul."), kPied);
}

}  // namespace

QList<Dessin> antennes()
{
    const QSize taille(640, 480);
    return {
        {QStringLiteral("Ground-Plane.gif"), taille, groundPlane},
        {QStringLiteral("Doublet.gif"), taille, doublet},
        {QStringLiteral("Windom.gif"), taille, windom},
        {QStringLiteral("G5rv.gif"), taille, g5rv},
        {QStringLiteral("W3HH.gif"), taille, w3hh},
        {QStringLiteral("Filaire.gif"), taille, filaire},
        {QStringLiteral("Loop.gif"), taille, loop},
        {QStringLiteral("Bazooka.gif"), taille, bazooka},
        {QStringLiteral("Levy.gif"), taille, levy},
        {QStringLiteral("Quad.gif"), taille, quad},
        {QStringLiteral("Delta-Loop.gif"), taille, deltaLoop},
        {QStringLiteral("Yagi.gif"), taille, yagi},
        {QStringLiteral("dessins/Form1.png"), taille, generique},
    };
}

}  // namespace dessin
