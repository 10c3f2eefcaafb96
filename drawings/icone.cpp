// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/icone.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace dessin {

namespace {

// The icon is described on a 64 by 64 grid.
constexpr double kGrille = 64;

struct Forme {
    enum Genre { Carre, Trait, Arc, Disque } genre;
    double a, b, c, d;       // Carre: x, y, side, corner radius; Trait: x1, y1, x2, y2;
                             // Arc: cx, cy, radius, unused; Disque: cx, cy, radius, unused
    double debut = 0, etendue = 0; // Arc: start angle and extent, degrees, anticlockwise
    const char *couleur;
    double trait = 0;        // 0: filled
};

const QList<Forme> &formes()
{
    static const QList<Forme> liste = {
        {Forme::Carre, 2, 2, 60, 12, 0, 0, "#1d4e89"},
        // waves above the dipole
        {Forme::Arc, 32, 27, 11, 0, 35, 110, "#f2b134", 3.5},
        {Forme::Arc, 32, 27, 19, 0, 40, 100, "#f2b134", 3.5},
        // mast and its feet
        {Forme::Trait, 32, 29, 32, 55, 0, 0, "#ffffff", 4},
        {Forme::Trait, 32, 55, 24, 58, 0, 0, "#ffffff", 3},
        {Forme::Trait, 32, 55, 40, 58, 0, 0, "#ffffff", 3},
        // the dipole, fed at the top of the mast
        {Forme::Trait, 9, 29, 55, 29, 0, 0, "#ffffff", 4},
        {Forme::Disque, 32, 29, 4, 0, 0, 0, "#f2b134"},
    };
    return liste;
}

QString nombre(double x) { return QString::number(x, 'g', 6); }

QPointF surArc(const Forme &f, double degres)
{
    const double a = qDegreesToRadians(degres);
    return {f.a + f.c * std::cos(a), f.b - f.c * std::sin(a)};
}

}  // namespace

QImage icone(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / kGrille, pixels / kGrille);
    for (const Forme &f : formes()) {
        const QColor couleur(QString::fromLatin1(f.couleur));
        if (f.trait > 0) {
            p.setPen(QPen(couleur, f.trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(couleur);
        }
        switch (f.genre) {
        case Forme::Carre: p.drawRoundedRect(QRectF(f.a, f.b, f.c, f.c), f.d, f.d); break;
        case Forme::Trait: p.drawLine(QPointF(f.a, f.b), QPointF(f.c, f.d)); break;
        case Forme::Disque: p.drawEllipse(QPointF(f.a, f.b), f.c, f.c); break;
        case Forme::Arc: {
            QPainterPath chemin(surArc(f, f.debut));
            chemin.arcTo(QRectF(f.a - f.c, f.b - f.c, 2 * f.c, 2 * f.c), f.debut, f.etendue);
            p.drawPath(chemin);
            break;
        }
        }
    }
    return image;
}

QString iconeSvg()
{
    QString s = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <title>Orvalis</title>\n");
    for (const Forme &f : formes()) {
        const QString couleur = QString::fromLatin1(f.couleur);
        const QString peinture =
            f.trait > 0 ? QStringLiteral("fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" "
                                         "stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                              .arg(couleur, nombre(f.trait))
                        : QStringLiteral("fill=\"%1\"").arg(couleur);
        switch (f.genre) {
        case Forme::Carre:
            s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" %5/>\n")
                     .arg(nombre(f.a), nombre(f.b), nombre(f.c), nombre(f.d), peinture);
            break;
        case Forme::Trait:
            s += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>\n")
                     .arg(nombre(f.a), nombre(f.b), nombre(f.c), nombre(f.d), peinture);
            break;
        case Forme::Disque:
            s += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n")
                     .arg(nombre(f.a), nombre(f.b), nombre(f.c), peinture);
            break;
        case Forme::Arc: {
            const QPointF p0 = surArc(f, f.debut), p1 = surArc(f, f.debut + f.etendue);
            // Anticlockwise on screen is sweep 0 in SVG's downward y axis.
            s += QStringLiteral("  <path d=\"M %1 %2 A %3 %3 0 %4 0 %5 %6\" %7/>\n")
                     .arg(nombre(p0.x()), nombre(p0.y()), nombre(f.c),
                          f.etendue > 180 ? QStringLiteral("1") : QStringLiteral("0"),
                          nombre(p1.x()), nombre(p1.y()), peinture);
            break;
        }
        }
    }
    s += QStringLiteral("</svg>\n");
    return s;
}

}  // namespace dessin
