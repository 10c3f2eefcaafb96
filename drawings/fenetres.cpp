// SPDX-License-Identifier: GPL-3.0-or-later
// Drawings that belong to windows rather than to a calculation: the shortened dipole and the
// shortened quarter-wave radiator, with the dimensions A, B and C the window asks for, and the
// tapped coil of a multiband loaded dipole shown beside the table of retained solutions.

#include <QtMath>

#include "drawings/catalogue.h"
#include "drawings/trace.h"

namespace dessin {

namespace {


const QString kDimA = QStringLiteral("Dim A");
const QString kDimB = QStringLiteral("Dim B");
const QString kDimC = QStringLiteral("Dim C");
const QString kSelf = QStringLiteral("Lµh");

void dipoleRaccourci(Trace &t)
{
    t.titre(QStringLiteral("Dipôle raccourci"));
    const double y = 124, g = 28, d = 432, c = (g + d) / 2, b = 86, demiSelf = 16;
    const double selfG = c - b, selfD = c + b;
    t.isolateur(P(g, y), P(1, 0));
    t.isolateur(P(d, y), P(1, 0));
    t.fil(P(g + 9, y), P(selfG - demiSelf, y));
    t.bobine(P(selfG - demiSelf, y), P(selfG + demiSelf, y), 4, 8);
    t.fil(P(selfG + demiSelf, y), P(c - 9, y));
    t.fil(P(c + 9, y), P(selfD - demiSelf, y));
    t.bobine(P(selfD - demiSelf, y), P(selfD + demiSelf, y), 4, 8);
    t.fil(P(selfD + demiSelf, y), P(d - 9, y));
    t.isolateur(P(c, y), P(1, 0));

    t.cote(P(g, y), P(d, y), 62, kDimA);
    t.cote(P(g, y), P(selfG, y), 30, kDimC);
    t.cote(P(selfG, y), P(c, y), 30, kDimB);
    t.cote(P(c, y), P(selfD, y), 30, kDimB);
    t.cote(P(selfD, y), P(d, y), 30, kDimC);
    t.nom(P(selfG, y + 6), kSelf, kDessous);
    t.nom(P(selfD, y + 6), kSelf, kDessous);

    const QRectF balun = t.boite(P(c, 164), QStringLiteral("BALUN"));
    t.conducteurSchema(P(c - 4, y + 4), P(c - 4, balun.top()));
    t.conducteurSchema(P(c + 4, y + 4), P(c + 4, balun.top()));
    t.pointAlimentation(P(c, y));
    t.coax(P(c, balun.bottom()), P(c, t.hauteur()));
    t.etiquette(P(c + 10, 196), QStringLiteral("Coax/50r"), kGauche);
}

void quartOndeRaccourci(Trace &t)
{
    t.titre(QStringLiteral("Quart d'onde"));
    const double x = 120, sommet = 58, base = 246, b = 84, demiSelf = 16;
    const double ySelf = base - b;
    t.fil(P(x, sommet), P(x, ySelf - demiSelf));
    t.bobine(P(x, ySelf - demiSelf), P(x, ySelf + demiSelf), 4, 8);
    t.fil(P(x, ySelf + demiSelf), P(x, base - 10));
    t.isolateur(P(x, base - 5), P(0, 1));
    t.pointAlimentation(P(x, base));
    t.sol(base + 8, 20, 220);

    t.cote(P(x, sommet), P(x, base), -62, kDimA, Trace::Place::Dehors);
    t.cote(P(x, sommet), P(x, ySelf), 36, kDimC, Trace::Place::Dehors);
    t.cote(P(x, ySelf), P(x, base), 36, kDimB, Trace::Place::Dehors);
    t.nom(P(x - 12, ySelf), kSelf, kDroite);

    t.coax(P(x, base + 4), P(x, 282));
    t.coax(P(x, 282), P(220, 282));
    t.etiquette(P(x + 8, 270), QStringLiteral("Coax 50r"), kGauche);
}

// The coil of one arm, tapped for each band: the rotary switch shorts the turns between the
// inner end and the chosen tap, so the highest band uses the fewest turns.
void selfAPrises(Trace &t)
{
    t.titre(QStringLiteral("Self à prises, une par bande"));
    const double y = 96, xc = 84, xb = 284, pas = 20;
    t.fil(P(10, y), P(xc, y));
    t.fil(P(xb, y), P(350, y));
    t.bobine(P(xc, y), P(xb, y), 10, 13);
    t.nom(P((xc + xb) / 2, y - 18), QStringLiteral("L1"), kDessus);
    t.etiquette(P(12, y - 8), QStringLiteral("Branche C"), Qt::AlignLeft | Qt::AlignBottom);
    t.etiquette(P(348, y - 8), QStringLiteral("Branche B"), Qt::AlignRight | Qt::AlignBottom);

    const P centre(184, 206);
    const double rayon = 48;
    const struct { double spire, angle; const char *bande; } prises[] = {
        {2, 152, "20m"}, {4, 118, "30m"}, {6, 62, "40m"}, {8, 28, "80m"}};
    for (const auto &prise : prises) {
        const double a = qDegreesToRadians(prise.angle);
        const P contact = centre + P(std::cos(a), -std::sin(a)) * rayon;
        const P depart(xc + prise.spire * pas, y);
        t.jonction(depart);
        t.conducteurSchema(depart, P(depart.x(), contact.y() - 18));
        t.conducteurSchema(P(depart.x(), contact.y() - 18), contact);
        t.borne(contact);
        t.etiquette(P(depart.x() + 4, y + 30), QString::fromLatin1(prise.bande), kGauche,
                    style::tailleCote, style::accent, true);
    }
    // The wiper, resting on the 40 m tap, and the common back to the inner end of the coil.
    const double a = qDegreesToRadians(62.0);
    t.fleche(centre, centre + P(std::cos(a), -std::sin(a)) * (rayon - 6), style::encre, 2.5);
    QPainter &p = t.peintre();
    p.setPen(QPen(style::encre, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 6, 6);
    t.conducteurSchema(centre + P(0, 6), P(centre.x(), 244));
    t.conducteurSchema(P(centre.x(), 244), P(310, 244));
    t.conducteurSchema(P(310, 244), P(310, y));
    t.jonction(P(310, y));
    t.etiquette(P(centre.x(), 250), QStringLiteral("Commutateur de bandes"), kDessous);
}

}  // namespace

QList<Dessin> fenetres()
{
    return {
        {QStringLiteral("dessins/Form8-dipole.png"), QSize(460, 210), dipoleRaccourci},
        {QStringLiteral("dessins/Form8-quart-onde.png"), QSize(240, 300), quartOndeRaccourci},
        {QStringLiteral("dessins/Form11.png"), QSize(360, 276), selfAPrises},
    };
}

}  // namespace dessin
