// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbox's pictures, 400 by 300: the loaded whip, the single-layer coil, the trap, the line
// cross-sections, the cable lengths, the balun and the three matching networks. Each shows the
// quantities its calculator asks for or gives, under the names of the window's fields.

#include <QPainterPath>
#include <QtMath>

#include "drawings/catalogue.h"
#include "drawings/trace.h"

namespace dessin {

namespace {

const P kNote(12, 294);

void antenneRaccourcie(Trace &t)
{
    t.titre(QStringLiteral("Antenne raccourcie"),
            QStringLiteral("Fouet plus court qu'un quart d'onde, chargé à sa base"));
    const double x = 200, base = 236, bobineBas = 226, bobineHaut = 186, sommet = 112;
    t.sol(246, 40, 360);
    t.fil(P(x, sommet), P(x, bobineHaut));
    t.bobine(P(x, bobineHaut), P(x, bobineBas), 5, 9);
    t.conducteurSchema(P(x, bobineBas), P(x, base));
    t.pointAlimentation(P(x, base));
    t.filTirets(P(x, sommet - 4), P(x, 66));
    t.cote(P(x, sommet), P(x, base), -40, QStringLiteral("Hauteur\nsouhaitée\ndu fouet"),
           Trace::Place::Dehors);
    t.cote(P(x, 66), P(x, base), 70, QStringLiteral("Quart d'onde\n(pour info)"),
           Trace::Place::Dehors);
    t.renvoi(P(x + 9, 206), P(x + 30, 180), QStringLiteral("Self L (µH)"), kGauche);
    t.coax(P(x + 6, base + 2), P(x + 6, 262));
    t.coax(P(x + 6, 262), P(300, 262));
    t.etiquette(P(304, 262), QStringLiteral("Coaxial"), kGauche);
    t.note(kNote, QStringLiteral("La self compense la longueur manquante."), kPied);
}

void selfNagaoka(Trace &t)
{
    t.titre(QStringLiteral("Calcul d'une self"),
            QStringLiteral("Self à une couche sur air, spires espacées ou jointes"));
    const double x0 = 110, haut = 100, bas = 190, pas = 16, fil = 7;
    const int spires = 12;
    const double x1 = x0 + spires * pas;
    QPainter &p = t.peintre();
    // The former, then the turns: back halves thin, front halves in full.
    p.setPen(Qt::NoPen);
    p.setBrush(style::remplissage);
    p.drawRect(QRectF(x0 - 6, haut, x1 - x0 + pas / 2 + 12, bas - haut));
    p.setPen(QPen(style::discret, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < spires; ++i)
        p.drawLine(P(x0 + i * pas + pas / 2, bas), P(x0 + (i + 1) * pas, haut));
    p.setPen(QPen(style::conducteur, fil, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < spires; ++i)
        p.drawLine(P(x0 + i * pas, haut), P(x0 + i * pas + pas / 2, bas));
    p.drawLine(P(x0, haut), P(x0 - 40, haut - 14));
    p.drawLine(P(x1 - pas / 2, bas), P(x1 + 36, bas + 14));

    t.cote(P(x0 - 6, haut), P(x0 - 6, bas), -26, QStringLiteral("Diamètre\nde la self"),
           Trace::Place::Dehors);
    t.cote(P(x0, bas), P(x1 - pas / 2, bas), -30, QStringLiteral("Longueur de la self"));
    t.cote(P(x0 + 5 * pas - 4, haut), P(x0 + 5 * pas + 4, haut), 10, QString());
    t.renvoi(P(x0 + 5 * pas, haut - 14), P(x0 + 5 * pas + 40, 66),
             QStringLiteral("Diamètre du fil"), kGauche);
    t.renvoi(P(x0 + 9 * pas + pas / 4, 150), P(326, 128), QStringLiteral("Nombre\nde spires"),
             kGauche);
    t.note(kNote,
           QStringLiteral("Espacées : un diamètre de fil entre spires.\n"
                          "Longueur du fil = π x diamètre x spires."),
           kPied);
}

void trappe(Trace &t)
{
    t.titre(QStringLiteral("Calcul d'une trappe"),
            QStringLiteral("Circuit L et C en parallèle, accordé sur la fréquence à rejeter"));
    const double y = 156, xa = 130, xb = 270, yl = 112, yc = 200;
    // The wire is cut by an insulator; the trap bridges the cut.
    t.fil(P(20, y), P(191, y));
    t.fil(P(209, y), P(380, y));
    t.isolateur(P(200, y), P(1, 0));
    t.conducteurSchema(P(xa, y), P(xa, yl));
    t.conducteurSchema(P(xa, yl), P(150, yl));
    t.bobine(P(150, yl), P(250, yl), 5, 12);
    t.conducteurSchema(P(250, yl), P(xb, yl));
    t.conducteurSchema(P(xb, yl), P(xb, y));
    t.conducteurSchema(P(xa, y), P(xa, yc));
    t.conducteurSchema(P(xa, yc), P(xb, yc));
    t.condensateur(P(170, yc), P(230, yc), 26, 9);
    t.conducteurSchema(P(xb, yc), P(xb, y));
    t.jonction(P(xa, y));
    t.jonction(P(xb, y));
    t.etiquette(P(200, yl - 18), QStringLiteral("Valeur de L"), kDessus);
    t.etiquette(P(200, yc + 18), QStringLiteral("Valeur de C"), kDessous);
    t.etiquette(P(24, y - 8), QStringLiteral("Antenne"), Qt::AlignLeft | Qt::AlignBottom,
                style::tailleNote, style::discret);
    t.etiquette(P(376, y - 8), QStringLiteral("Antenne"), Qt::AlignRight | Qt::AlignBottom,
                style::tailleNote, style::discret);
    t.note(kNote,
           QStringLiteral("L et C ont la même impédance à la résonnance.\n"
                          "Capacité d'accord : CI double face ou câble coaxial."),
           kPied);
}

void impedanceLigne(Trace &t)
{
    t.titre(QStringLiteral("Impédance des lignes"),
            QStringLiteral("Coupes : d et D dans la même unité"));
    QPainter &p = t.peintre();
    const double cy = 150;
    // Coaxial cable.
    {
        const double cx = 68, rD = 38, rd = 8;
        t.etiquette(P(cx, 66), QStringLiteral("Câble coaxiale"), kDessous);
        p.setPen(QPen(style::ligne, 5));
        p.setBrush(style::remplissage);
        p.drawEllipse(P(cx, cy), rD + 2.5, rD + 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(style::encre);
        p.drawEllipse(P(cx, cy), rd, rd);
        t.cote(P(cx - rd, cy), P(cx + rd, cy), rD + 14, QStringLiteral("d"), Trace::Place::Dehors);
        t.cote(P(cx - rD, cy), P(cx + rD, cy), -(rD + 18), QStringLiteral("D"),
               Trace::Place::Dehors);
        t.note(P(cx, 232), QStringLiteral("d : âme\nD : tresse"), kDessous);
    }
    // Twin line.
    {
        const double cx = 200, demi = 30, r = 7;
        t.etiquette(P(cx, 66), QStringLiteral("Ligne bifilaire"), kDessous);
        p.setPen(QPen(style::encre, 1.5));
        p.setBrush(style::remplissage);
        p.drawRoundedRect(QRectF(cx - demi - 14, cy - 5, 2 * demi + 28, 10), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(style::encre);
        p.drawEllipse(P(cx - demi, cy), r, r);
        p.drawEllipse(P(cx + demi, cy), r, r);
        t.cote(P(cx - demi - r, cy), P(cx - demi + r, cy), 30, QStringLiteral("d"),
               Trace::Place::Dehors);
        t.cote(P(cx - demi, cy), P(cx + demi, cy), -56, QStringLiteral("D"), Trace::Place::Dehors);
        t.note(P(cx, 232), QStringLiteral("d : fils\nD : espacement"), kDessous);
    }
    // Wire over a ground plane.
    {
        const double cx = 330, r = 7, yFil = 116, ySol = 196;
        t.etiquette(P(cx, 66), QStringLiteral("Fil et plan de masse"), kDessous);
        p.setPen(Qt::NoPen);
        p.setBrush(style::encre);
        p.drawEllipse(P(cx, yFil), r, r);
        t.sol(ySol, cx - 50, cx + 50);
        t.cote(P(cx - r, yFil), P(cx + r, yFil), 16, QStringLiteral("d"), Trace::Place::Dehors);
        t.cote(P(cx, yFil), P(cx, ySol), -34, QStringLiteral("D"), Trace::Place::Dehors);
        t.note(P(cx, 232), QStringLiteral("d : fil\nD : hauteur"), kDessous);
    }
    t.note(kNote, QStringLiteral("Diélectrique : air, polyéthylène, téflon..."), kPied);
}

void longueurLigne(Trace &t)
{
    t.titre(QStringLiteral("Longueur des lignes"),
            QStringLiteral("Longueur de coupe = longueur d'onde x coefficient de vélocité"));
    const double x0 = 40, x1 = 360, y = 236;
    const double l = x1 - x0;
    QPainter &p = t.peintre();
    // The standing wave along one electrical wavelength.
    QPainterPath onde;
    for (int i = 0; i <= 160; ++i) {
        const double s = i / 160.0;
        const P point(x0 + s * l, y - 26 * std::abs(std::cos(2 * M_PI * s)));
        if (i == 0) onde.moveTo(point);
        else onde.lineTo(point);
    }
    p.setPen(QPen(style::accent, 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(onde);
    t.coax(P(x0, y), P(x1, y));
    for (double x : {x0, x1}) {
        p.setPen(QPen(style::encre, 1.2));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(x - 5, y - 7, 10, 14));
    }
    const QString noms[] = {QStringLiteral("Une quart-d'onde"), QStringLiteral("Une demi-onde"),
                            QStringLiteral("Une trois-quart-d'onde"),
                            QStringLiteral("Une Onde entière")};
    for (int i = 0; i < 4; ++i) {
        const double xf = x0 + l * (i + 1) / 4;
        const double yc = 74 + 30 * i;
        // The quarter wave is too short to carry its name: it stands after the arrow.
        if (i == 0) {
            t.cote(P(x0, yc), P(xf, yc), -1, QString());
            t.etiquette(P(xf + 6, yc), noms[i], kGauche, style::tailleCote, style::cote);
        } else {
            t.cote(P(x0, yc), P(xf, yc), -1, noms[i]);
        }
        p.setPen(QPen(style::cote, 0.8, Qt::DotLine));
        p.drawLine(P(xf, yc), P(xf, y - 8));
    }
    p.setPen(QPen(style::cote, 0.8, Qt::DotLine));
    p.drawLine(P(x0, 74), P(x0, y - 8));
    t.note(kNote, QStringLiteral("En tirets : tension le long d'une ligne ouverte."), kPied);
}

void transformateur(Trace &t)
{
    t.titre(QStringLiteral("Transformateur d'impédance (Balun)"),
            QStringLiteral("Rapport des spires = racine du rapport des impédances"));
    const double haut = 96, bas = 206, xp = 150, xs = 250, xe = 104, xsortie = 296;
    t.borne(P(xe, haut));
    t.borne(P(xe, bas));
    t.conducteurSchema(P(xe + 4, haut), P(xp, haut));
    t.conducteurSchema(P(xe + 4, bas), P(xp, bas));
    t.bobine(P(xp, haut), P(xp, bas), 4, 12, 10);
    t.borne(P(xsortie, haut - 10));
    t.borne(P(xsortie, bas + 10));
    t.conducteurSchema(P(xs, haut - 10), P(xsortie - 4, haut - 10));
    t.conducteurSchema(P(xs, bas + 10), P(xsortie - 4, bas + 10));
    t.bobine(P(xs, bas + 10), P(xs, haut - 10), 7, 12, 8);
    QPainter &p = t.peintre();
    p.setPen(QPen(style::encre, 2));
    p.drawLine(P(194, haut - 10), P(194, bas + 10));
    p.drawLine(P(202, haut - 10), P(202, bas + 10));
    t.etiquette(P(xe - 10, 151), QStringLiteral("Impédance\nd'entrée"), kDroite);
    t.etiquette(P(xsortie + 10, 151), QStringLiteral("Impédance\nde sortie"), kGauche);
    t.etiquette(P(xp, bas + 26), QStringLiteral("Np : spires\nau primaire"), kDessous);
    t.etiquette(P(xs, bas + 26), QStringLiteral("Ns : spires\nau secondaire"), kDessous);
    t.note(kNote, QStringLiteral("Ns = Np x √(Zsortie / Zentrée)"), kPied);
}

// The frame of a matching network: source terminals on the left, the antenna's resistance on the
// right, a common return along the bottom.
struct Reseau {
    double haut = 104, bas = 214, gauche = 44, droite = 350;
};

void extremites(Trace &t, const Reseau &r, const QString &source, const QString &charge)
{
    t.borne(P(r.gauche, r.haut));
    t.borne(P(r.gauche, r.bas));
    t.nom(P(r.gauche, r.haut - 10), source, kDessus);
    t.resistance(P(r.droite, r.haut), P(r.droite, r.bas), 44, 16);
    t.nom(P(r.droite, r.haut - 10), charge, kDessus);
    t.conducteurSchema(P(r.gauche + 4, r.bas), P(r.droite, r.bas));
    t.masse(P((r.gauche + r.droite) / 2, r.bas));
}

void enDerivation(Trace &t, const Reseau &r, double x, const QString &nom)
{
    t.condensateur(P(x, r.haut), P(x, r.bas), 26, 9);
    t.jonction(P(x, r.haut));
    t.jonction(P(x, r.bas));
    t.nom(P(x + 18, (r.haut + r.bas) / 2), nom, kGauche);
}

// The top line of a network from the source terminal to the load: each series element starts at
// its x and ends at the next one's; nothing in series means a plain wire up to the load.
struct EnSerie {
    enum { Self, Condensateur } genre;
    double debut, fin;
    QString nom;
};

void ligneDuHaut(Trace &t, const Reseau &r, const QList<EnSerie> &elements)
{
    double x = r.gauche + 4;
    for (const EnSerie &e : elements) {
        t.conducteurSchema(P(x, r.haut), P(e.debut, r.haut));
        const P a(e.debut, r.haut), b(e.fin, r.haut);
        if (e.genre == EnSerie::Self) t.bobine(a, b, 4, 11);
        else t.condensateur(a, b, 26, 9);
        t.nom(P((e.debut + e.fin) / 2, r.haut - 17), e.nom, kDessus);
        x = e.fin;
    }
    t.conducteurSchema(P(x, r.haut), P(r.droite, r.haut));
}

void filtreLSerie(Trace &t)
{
    t.titre(QStringLiteral("Adaptateur en L (Tuning and Matching)"),
            QStringLiteral("Feeder plus grand que RL(ant)"));
    const Reseau r;
    extremites(t, r, QStringLiteral("Feeder"), QStringLiteral("RL(ant)"));
    ligneDuHaut(t, r, {{EnSerie::Self, 150, 230, QStringLiteral("L1")},
                       {EnSerie::Condensateur, 230, 300, QStringLiteral("C1")}});
    enDerivation(t, r, 104, QStringLiteral("C2"));
    t.note(kNote, QStringLiteral("C2 en dérivation côté feeder, L1 et C1 en série."), kPied);
}

void filtreLSerieParal(Trace &t)
{
    t.titre(QStringLiteral("Adaptateur en L (Networks)"),
            QStringLiteral("Z1(Rs) plus petit que Z2(Rp)"));
    const Reseau r;
    extremites(t, r, QStringLiteral("Z1(Rs)"), QStringLiteral("Z2(Rp)"));
    t.etiquette(P(r.droite, r.bas + 26), QStringLiteral("vers antenne"), kDessous,
                style::tailleNote, style::discret);
    ligneDuHaut(t, r, {{EnSerie::Self, 110, 200, QStringLiteral("L1")}});
    enDerivation(t, r, 262, QStringLiteral("C1"));
    t.note(kNote, QStringLiteral("L1 en série, C1 en dérivation côté antenne."), kPied);
}

void filtrePi(Trace &t)
{
    t.titre(QStringLiteral("Adaptateur en PI (Networks)"),
            QStringLiteral("R1 plus grand que R2 ; Q de 5 à 15"));
    const Reseau r;
    extremites(t, r, QStringLiteral("R1"), QStringLiteral("R2"));
    ligneDuHaut(t, r, {{EnSerie::Self, 150, 240, QStringLiteral("L1")}});
    enDerivation(t, r, 104, QStringLiteral("C1"));
    enDerivation(t, r, 286, QStringLiteral("C2"));
    t.note(kNote, QStringLiteral("C1 et C2 en dérivation, L1 en série."), kPied);
}

}  // namespace

QList<Dessin> circuits()
{
    const QSize taille(400, 300);
    return {
        {QStringLiteral("Antenne-raccourcie-6.bmp"), taille, antenneRaccourcie},
        {QStringLiteral("Self-Nagaoka-6.bmp"), taille, selfNagaoka},
        {QStringLiteral("Trappe-6.bmp"), taille, trappe},
        {QStringLiteral("Impedance-ligne-6.bmp"), taille, impedanceLigne},
        {QStringLiteral("Longueur-ligne-6.bmp"), taille, longueurLigne},
        {QStringLiteral("Transformateur-impedance-6.bmp"), taille, transformateur},
        {QStringLiteral("Filtre-LSerie-6.bmp"), taille, filtreLSerie},
        {QStringLiteral("Filtre-LSerieParal-6.bmp"), taille, filtreLSerieParal},
        {QStringLiteral("Filtre-PI-6.bmp"), taille, filtrePi},
    };
}

}  // namespace dessin
