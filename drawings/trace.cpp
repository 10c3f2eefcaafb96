// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/trace.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace dessin {

QFont style::police(int pixels, bool gras, bool italique)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setItalic(italique);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QList<QColor> style::couleurs()
{
    return {encre, conducteur, ligne, cote, support, remplissage, accent, discret};
}

namespace {

QPointF unitaire(QPointF v)
{
    const double n = std::hypot(v.x(), v.y());
    return n > 0 ? v / n : QPointF(1, 0);
}

// Left-hand normal of a direction, in screen coordinates (y down).
QPointF normale(QPointF u) { return {u.y(), -u.x()}; }

QPen stylo(const QColor &c, double trait, Qt::PenStyle s = Qt::SolidLine)
{
    QPen p(c, trait, s, Qt::RoundCap, Qt::RoundJoin);
    return p;
}

}  // namespace

Trace::Trace(QImage &image) : image_(image), p_(&image)
{
    image_.fill(style::fond);
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
}

void Trace::titre(const QString &texte, const QString &sousTitre)
{
    const QRectF r = etiquette({12, 10}, texte, Qt::AlignLeft | Qt::AlignTop, style::tailleTitre,
                               style::encre, true);
    double bas = r.bottom();
    if (!sousTitre.isEmpty())
        bas = etiquette({12, bas + 2}, sousTitre, Qt::AlignLeft | Qt::AlignTop, style::tailleNote,
                        style::discret)
                  .bottom();
    p_.setPen(stylo(style::support, 1));
    p_.drawLine(QPointF(12, bas + 5), QPointF(largeur() - 12, bas + 5));
}

void Trace::fil(QPointF a, QPointF b)
{
    p_.setPen(stylo(style::conducteur, style::traitConducteur));
    p_.drawLine(a, b);
}

void Trace::polyFil(const QList<QPointF> &points, bool ferme)
{
    p_.setPen(stylo(style::conducteur, style::traitConducteur));
    p_.setBrush(Qt::NoBrush);
    const QPolygonF poly(points);
    if (ferme) p_.drawPolygon(poly);
    else p_.drawPolyline(poly);
}

void Trace::filTirets(QPointF a, QPointF b)
{
    QPen pen = stylo(style::conducteur, 2, Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    p_.setPen(pen);
    p_.drawLine(a, b);
}

void Trace::isolateur(QPointF centre, QPointF direction)
{
    const QPointF u = unitaire(direction);
    p_.save();
    p_.translate(centre);
    p_.rotate(qRadiansToDegrees(std::atan2(u.y(), u.x())));
    p_.setPen(stylo(style::encre, 1.5));
    p_.setBrush(Qt::white);
    p_.drawRoundedRect(QRectF(-9, -4.5, 18, 9), 4, 4);
    p_.drawLine(QPointF(-3, -4.5), QPointF(-3, 4.5));
    p_.drawLine(QPointF(3, -4.5), QPointF(3, 4.5));
    p_.restore();
}

void Trace::pointAlimentation(QPointF c)
{
    p_.setPen(stylo(style::encre, 1.2));
    p_.setBrush(style::accent);
    p_.drawEllipse(c, 5, 5);
}

void Trace::jonction(QPointF c)
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(style::encre);
    p_.drawEllipse(c, 3.2, 3.2);
}

void Trace::coax(QPointF a, QPointF b)
{
    QPen gaine = stylo(style::ligne, 7);
    gaine.setCapStyle(Qt::FlatCap);
    p_.setPen(gaine);
    p_.drawLine(a, b);
    QPen ame = stylo(QColor(236, 214, 176), 2);
    ame.setCapStyle(Qt::FlatCap);
    p_.setPen(ame);
    p_.drawLine(a, b);
}

void Trace::bifilaire(QPointF a, QPointF b, double ecart)
{
    const QPointF u = unitaire(b - a);
    const QPointF n = normale(u) * (ecart / 2);
    p_.setPen(stylo(style::ligne, 2));
    p_.drawLine(a + n, b + n);
    p_.drawLine(a - n, b - n);
    const double l = QLineF(a, b).length();
    p_.setPen(stylo(style::ligne, 1.5));
    for (double s = 8; s < l - 4; s += 16) {
        const QPointF c = a + u * s;
        p_.drawLine(c + n, c - n);
    }
}

void Trace::bobine(QPointF a, QPointF b, int spires, double bosse, double fils)
{
    const QPointF u = unitaire(b - a);
    const QPointF n = normale(u);
    const double l = QLineF(a, b).length();
    const double amorce = fils > 0 ? fils : 0;
    const QPointF debut = a + u * amorce;
    const double pas = (l - 2 * amorce) / spires;
    QPainterPath chemin(a);
    chemin.lineTo(debut);
    for (int i = 0; i < spires; ++i) {
        const QPointF p0 = debut + u * (pas * i);
        const QPointF p1 = debut + u * (pas * (i + 1));
        // A hump: two quarter ellipses drawn with cubic curves.
        const double k = 0.5523;
        const QPointF m = (p0 + p1) / 2 + n * bosse;
        chemin.cubicTo(p0 + n * (bosse * k), m - u * (pas / 2 * k), m);
        chemin.cubicTo(m + u * (pas / 2 * k), p1 + n * (bosse * k), p1);
    }
    chemin.lineTo(b);
    p_.setPen(stylo(style::encre, style::traitComposant));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(chemin);
}

void Trace::condensateur(QPointF a, QPointF b, double largeurPlaque, double ecart, bool variable)
{
    const QPointF u = unitaire(b - a);
    const QPointF n = normale(u) * (largeurPlaque / 2);
    const QPointF m = (a + b) / 2;
    const QPointF p1 = m - u * (ecart / 2);
    const QPointF p2 = m + u * (ecart / 2);
    p_.setPen(stylo(style::encre, style::traitComposant));
    p_.drawLine(a, p1);
    p_.drawLine(p2, b);
    QPen plaque = stylo(style::encre, 3);
    plaque.setCapStyle(Qt::FlatCap);
    p_.setPen(plaque);
    p_.drawLine(p1 + n, p1 - n);
    p_.drawLine(p2 + n, p2 - n);
    if (variable) fleche(m - n * 1.3 - u * 14, m + n * 1.3 + u * 14, style::encre, 1.5);
}

void Trace::resistance(QPointF a, QPointF b, double longueur, double epaisseur)
{
    const QPointF u = unitaire(b - a);
    const QPointF m = (a + b) / 2;
    p_.setPen(stylo(style::encre, style::traitComposant));
    p_.drawLine(a, m - u * (longueur / 2));
    p_.drawLine(m + u * (longueur / 2), b);
    p_.save();
    p_.translate(m);
    p_.rotate(qRadiansToDegrees(std::atan2(u.y(), u.x())));
    p_.setBrush(Qt::white);
    p_.drawRect(QRectF(-longueur / 2, -epaisseur / 2, longueur, epaisseur));
    p_.restore();
}

void Trace::conducteurSchema(QPointF a, QPointF b)
{
    p_.setPen(stylo(style::encre, style::traitComposant));
    p_.drawLine(a, b);
}

void Trace::borne(QPointF c)
{
    p_.setPen(stylo(style::encre, 1.6));
    p_.setBrush(Qt::white);
    p_.drawEllipse(c, 4.5, 4.5);
}

void Trace::masse(QPointF haut)
{
    p_.setPen(stylo(style::encre, style::traitComposant));
    const QPointF bas = haut + QPointF(0, 12);
    p_.drawLine(haut, bas);
    QPen barre = stylo(style::encre, 2.2);
    barre.setCapStyle(Qt::FlatCap);
    p_.setPen(barre);
    for (int i = 0; i < 3; ++i) {
        const double demi = 12 - 4 * i;
        const double y = bas.y() + 5 * i;
        p_.drawLine(QPointF(bas.x() - demi, y), QPointF(bas.x() + demi, y));
    }
}

QRectF Trace::boite(QPointF centre, const QString &texte, double largeurMin)
{
    const QFont f = style::police(style::tailleEtiquette, true);
    const QFontMetricsF fm(f);
    const QRectF t = fm.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignCenter, texte);
    const double l = std::max(largeurMin, t.width() + 16);
    const double h = t.height() + 10;
    const QRectF r(centre.x() - l / 2, centre.y() - h / 2, l, h);
    p_.setPen(stylo(style::encre, style::traitComposant));
    p_.setBrush(style::remplissage);
    p_.drawRoundedRect(r, 4, 4);
    p_.setFont(f);
    p_.setPen(style::encre);
    p_.drawText(r, Qt::AlignCenter, texte);
    return r;
}

void Trace::sol(double y, double x0, double x1)
{
    p_.setPen(stylo(style::support, 2));
    p_.drawLine(QPointF(x0, y), QPointF(x1, y));
    p_.setPen(stylo(style::support, 1));
    for (double x = x0 + 4; x < x1; x += 10) p_.drawLine(QPointF(x, y), QPointF(x - 8, y + 8));
}

void Trace::mat(QPointF bas, QPointF haut, double epaisseur)
{
    p_.setPen(stylo(style::support, 1));
    p_.setBrush(QColor(205, 205, 205));
    const QPointF u = unitaire(haut - bas);
    const QPointF n = normale(u) * (epaisseur / 2);
    p_.drawPolygon(QPolygonF({bas + n, haut + n, haut - n, bas - n}));
}

void Trace::corde(QPointF a, QPointF b)
{
    p_.setPen(stylo(style::support, 1.2, Qt::DashLine));
    p_.drawLine(a, b);
}

void Trace::fleche(QPointF depuis, QPointF vers, const QColor &couleur, double trait)
{
    const QPointF u = unitaire(vers - depuis);
    const QPointF n = normale(u);
    const double longueur = 9, demi = 3.6;
    p_.setPen(stylo(couleur, trait));
    p_.drawLine(depuis, vers - u * (longueur * 0.6));
    p_.setPen(Qt::NoPen);
    p_.setBrush(couleur);
    p_.drawPolygon(QPolygonF({vers, vers - u * longueur + n * demi, vers - u * longueur - n * demi}));
}

void Trace::cote(QPointF a, QPointF b, double decalage, const QString &texte, Place place)
{
    const QPointF u = unitaire(b - a);
    const QPointF n = normale(u);
    const QPointF d = n * decalage;
    const QPointF a2 = a + d, b2 = b + d;
    // Extension lines, from just off the object to just past the dimension line.
    if (std::abs(decalage) > 1) {
        const QPointF s = unitaire(d);
        p_.setPen(stylo(style::cote, 0.9));
        p_.drawLine(a + s * 3, a2 + s * 5);
        p_.drawLine(b + s * 3, b2 + s * 5);
    }
    const QPointF m = (a2 + b2) / 2;
    const double l = QLineF(a2, b2).length();
    // Arrows pointing outwards from the middle; a short dimension gets its arrows outside.
    if (l >= 26) {
        fleche(m, a2, style::cote, style::traitFin);
        fleche(m, b2, style::cote, style::traitFin);
    } else {
        fleche(a2 - u * 16, a2, style::cote, style::traitFin);
        fleche(b2 + u * 16, b2, style::cote, style::traitFin);
        p_.setPen(stylo(style::cote, style::traitFin));
        p_.drawLine(a2, b2);
    }
    if (texte.isEmpty()) return;
    const QFont f = style::police(style::tailleCote);
    const QFontMetricsF fm(f);
    const QSizeF taille = fm.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignCenter, texte).size();
    if (place == Place::Sur) {
        const QRectF r = boiteTexte(m, taille, Qt::AlignCenter).adjusted(-3, -1, 3, 1);
        p_.setPen(Qt::NoPen);
        p_.setBrush(style::fond);
        p_.drawRect(r);
        etiquette(m, texte, Qt::AlignCenter, style::tailleCote, style::cote);
        return;
    }
    // Beside the line, on the side away from the object.
    const QPointF cote = decalage >= 0 ? n : -n;
    Ancre ancre;
    if (std::abs(cote.x()) > 0.35 && std::abs(cote.y()) > 0.35) // slanting: by a corner
        ancre = (cote.x() > 0 ? Qt::AlignLeft : Qt::AlignRight) |
                (cote.y() > 0 ? Qt::AlignTop : Qt::AlignBottom);
    else if (std::abs(cote.x()) > std::abs(cote.y()))
        ancre = (cote.x() > 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    else
        ancre = (cote.y() > 0 ? Qt::AlignTop : Qt::AlignBottom) | Qt::AlignHCenter;
    etiquette(m + cote * 5, texte, ancre, style::tailleCote, style::cote);
}

QRectF Trace::boiteTexte(QPointF point, QSizeF taille, Ancre ancre) const
{
    double x = point.x(), y = point.y();
    if (ancre & Qt::AlignHCenter) x -= taille.width() / 2;
    else if (ancre & Qt::AlignRight) x -= taille.width();
    if (ancre & Qt::AlignVCenter) y -= taille.height() / 2;
    else if (ancre & Qt::AlignBottom) y -= taille.height();
    return QRectF(QPointF(x, y), taille);
}

QRectF Trace::etiquette(QPointF point, const QString &texte, Ancre ancre, int taille,
                        const QColor &couleur, bool gras)
{
    const QFont f = style::police(taille, gras);
    const QFontMetricsF fm(f);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (ancre & Qt::AlignHCenter) horizontal = Qt::AlignHCenter;
    else if (ancre & Qt::AlignRight) horizontal = Qt::AlignRight;
    const QSizeF dim = fm.boundingRect(QRectF(0, 0, 1000, 1000), horizontal, texte).size();
    const QRectF r = boiteTexte(point, dim, ancre);
    p_.setFont(f);
    p_.setPen(couleur);
    p_.drawText(r, horizontal | Qt::AlignTop, texte);
    return r;
}

QRectF Trace::nom(QPointF point, const QString &texte, Ancre ancre)
{
    return etiquette(point, texte, ancre, style::tailleEtiquette, style::encre, true);
}

void Trace::renvoi(QPointF cible, QPointF point, const QString &texte, Ancre ancre)
{
    p_.setPen(stylo(style::encre, 0.9));
    p_.drawLine(point, cible);
    p_.setPen(Qt::NoPen);
    p_.setBrush(style::encre);
    p_.drawEllipse(cible, 2.2, 2.2);
    // The text starts a little away from the end of the leader.
    QPointF decale = point;
    if (ancre & Qt::AlignLeft) decale.rx() += 3;
    if (ancre & Qt::AlignRight) decale.rx() -= 3;
    if (ancre & Qt::AlignTop) decale.ry() += 2;
    if (ancre & Qt::AlignBottom) decale.ry() -= 2;
    etiquette(decale, texte, ancre);
}

QRectF Trace::note(QPointF point, const QString &texte, Ancre ancre)
{
    const QFont f = style::police(style::tailleNote, false, true);
    const QFontMetricsF fm(f);
    const QSizeF dim = fm.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignLeft, texte).size();
    const QRectF r = boiteTexte(point, dim, ancre);
    p_.setFont(f);
    p_.setPen(style::discret);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (ancre & Qt::AlignHCenter) horizontal = Qt::AlignHCenter;
    else if (ancre & Qt::AlignRight) horizontal = Qt::AlignRight;
    p_.drawText(r, horizontal | Qt::AlignTop, texte);
    return r;
}

void Trace::angle(QPointF sommet, double degreDebut, double degreEtendue, double rayon,
                  const QString &texte)
{
    p_.setPen(stylo(style::cote, style::traitFin));
    p_.setBrush(Qt::NoBrush);
    const QRectF r(sommet.x() - rayon, sommet.y() - rayon, 2 * rayon, 2 * rayon);
    p_.drawArc(r, int(degreDebut * 16), int(degreEtendue * 16));
    const double milieu = qDegreesToRadians(degreDebut + degreEtendue / 2);
    const QPointF dir(std::cos(milieu), -std::sin(milieu));
    Ancre ancre = Qt::AlignCenter;
    if (dir.x() > 0.4) ancre = Qt::AlignLeft | Qt::AlignVCenter;
    else if (dir.x() < -0.4) ancre = Qt::AlignRight | Qt::AlignVCenter;
    else ancre = (dir.y() > 0 ? Qt::AlignTop : Qt::AlignBottom) | Qt::AlignHCenter;
    etiquette(sommet + dir * (rayon + 4), texte, ancre, style::tailleCote, style::cote);
}

}  // namespace dessin
