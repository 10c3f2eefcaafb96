// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StyleCadres.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cstring>

namespace {

// Side of the square a frame is rendered on: its corners must leave most of it to the repeated
// middle rows and columns (a group box's top corner holds its title line).
constexpr int kCote = 128;
constexpr int kCoinMax = kCote / 3;
// Rows blended in one call: the raster engine hands a blend of 96 rows or more to its threads.
constexpr int kBande = 64;
// Length of the prepared edge strips.
constexpr int kLong = 256;

bool lignesEgales(const QImage &im, int a, int b)
{
    return std::memcmp(im.constScanLine(a), im.constScanLine(b), size_t(im.width()) * 4) == 0;
}

bool colonnesEgales(const QImage &im, int a, int b)
{
    for (int y = 0; y < im.height(); ++y) {
        const auto *l = reinterpret_cast<const QRgb *>(im.constScanLine(y));
        if (l[a] != l[b]) return false;
    }
    return true;
}

// The part `zone` of `source`, repeated to cover `cible`.
void paver(QPainter *p, const QImage &source, const QRect &zone, const QRect &cible)
{
    // An empty source rectangle would make drawImage() take the whole image.
    if (zone.isEmpty() || cible.isEmpty()) return;
    for (int y = 0; y < cible.height(); y += zone.height())
        for (int x = 0; x < cible.width(); x += zone.width()) {
            const int w = std::min(zone.width(), cible.width() - x);
            const int h = std::min(zone.height(), cible.height() - y);
            p->drawImage(QPoint(cible.left() + x, cible.top() + y), source, QRect(zone.left(), zone.top(), w, h));
        }
}

}  // namespace

StyleCadres::StyleCadres(QStyle *base) : QProxyStyle(base) {}

void StyleCadres::installer()
{
    QStyle *actuel = QApplication::style();
    if (qobject_cast<StyleCadres *>(actuel) || actuel->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    if (QStyle *base = QStyleFactory::create(actuel->name())) QApplication::setStyle(new StyleCadres(base));
}

QImage StyleCadres::rendu(PrimitiveElement element, const QStyleOption *option, const QWidget *widget, QSize taille) const
{
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect r(QPoint(0, 0), taille);
    if (const auto *o = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option)) {
        QStyleOptionTabWidgetFrame copie(*o);
        copie.rect = r;
        baseStyle()->drawPrimitive(element, &copie, &p, widget);
    } else if (const auto *o = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
        QStyleOptionFrame copie(*o);
        copie.rect = r;
        baseStyle()->drawPrimitive(element, &copie, &p, widget);
    } else {
        return {};
    }
    return image;
}

StyleCadres::Modele StyleCadres::decouper(QImage carre)
{
    Modele m;
    const int milieu = kCote / 2;
    int haut = 0, bas = 0, gauche = 0, droite = 0;
    for (int y = 0; y < milieu; ++y)
        if (!lignesEgales(carre, y, milieu)) haut = y + 1;
    for (int y = kCote - 1; y > milieu; --y)
        if (!lignesEgales(carre, y, milieu)) bas = kCote - y;
    for (int x = 0; x < milieu; ++x)
        if (!colonnesEgales(carre, x, milieu)) gauche = x + 1;
    for (int x = kCote - 1; x > milieu; --x)
        if (!colonnesEgales(carre, x, milieu)) droite = kCote - x;
    if (std::max({haut, bas, gauche, droite}) > kCoinMax) return m;

    m.haut = haut;
    m.bas = bas;
    m.gauche = gauche;
    m.droite = droite;
    m.ligne = QImage(kLong, kCote, carre.format());
    for (int y = 0; y < kCote; ++y) {
        const QRgb c = carre.pixel(milieu, y);
        std::fill_n(reinterpret_cast<QRgb *>(m.ligne.scanLine(y)), kLong, c);
    }
    m.colonne = QImage(kCote, kBande, carre.format());
    for (int y = 0; y < kBande; ++y) std::memcpy(m.colonne.scanLine(y), carre.constScanLine(milieu), size_t(kCote) * 4);
    if (qAlpha(carre.pixel(milieu, milieu)) != 0) {
        m.interieur = QImage(kLong, kBande, carre.format());
        m.interieur.fill(carre.pixel(milieu, milieu));
    }
    m.carre = std::move(carre);
    m.valable = true;
    return m;
}

void StyleCadres::dessiner(const Modele &m, const QRect &c, QPainter *p)
{
    const int l = m.gauche, r = m.droite, t = m.haut, b = m.bas;
    const int largeur = c.width() - l - r, hauteur = c.height() - t - b;
    const int droite = c.left() + c.width() - r, bas = c.top() + c.height() - b;
    // Corners.
    paver(p, m.carre, QRect(0, 0, l, t), QRect(c.left(), c.top(), l, t));
    paver(p, m.carre, QRect(kCote - r, 0, r, t), QRect(droite, c.top(), r, t));
    paver(p, m.carre, QRect(0, kCote - b, l, b), QRect(c.left(), bas, l, b));
    paver(p, m.carre, QRect(kCote - r, kCote - b, r, b), QRect(droite, bas, r, b));
    // Edges, then the inside.
    paver(p, m.ligne, QRect(0, 0, kLong, t), QRect(c.left() + l, c.top(), largeur, t));
    paver(p, m.ligne, QRect(0, kCote - b, kLong, b), QRect(c.left() + l, bas, largeur, b));
    paver(p, m.colonne, QRect(0, 0, l, kBande), QRect(c.left(), c.top() + t, l, hauteur));
    paver(p, m.colonne, QRect(kCote - r, 0, r, kBande), QRect(droite, c.top() + t, r, hauteur));
    if (!m.interieur.isNull())
        paver(p, m.interieur, m.interieur.rect(), QRect(c.left() + l, c.top() + t, largeur, hauteur));
}

const StyleCadres::Modele &StyleCadres::modele(PrimitiveElement element, const QStyleOption *option,
                                               const QWidget *widget) const
{
    // Everything these frames depend on besides their size.
    QString cle = QStringLiteral("%1|%2|%3|%4|%5")
                      .arg(int(element))
                      .arg(option->palette.cacheKey())
                      .arg(int(option->state))
                      .arg(option->fontMetrics.height())
                      .arg(int(option->direction));
    if (const auto *o = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option))
        cle += QStringLiteral("|t%1").arg(int(o->shape));
    if (const auto *o = qstyleoption_cast<const QStyleOptionFrame *>(option))
        cle += QStringLiteral("|f%1,%2,%3,%4").arg(int(o->features)).arg(o->lineWidth).arg(o->midLineWidth).arg(int(o->frameShape));
    if (const auto *g = qobject_cast<const QGroupBox *>(widget))
        cle += QStringLiteral("|g%1%2").arg(g->title().isEmpty()).arg(g->isCheckable());

    auto it = modeles_.constFind(cle);
    if (it != modeles_.constEnd()) return *it;
    if (modeles_.size() >= 16) modeles_.clear();  // palettes that keep changing: start again

    Modele m;
    QImage carre = rendu(element, option, widget, QSize(kCote, kCote));
    if (!carre.isNull()) m = decouper(std::move(carre));
    if (m.valable) {
        // The copy must give the base style's own pixels at another size too.
        const QSize autre(kCote * 3 + 17, kCote * 2 + 41);
        QImage attendu = rendu(element, option, widget, autre);
        QImage copie(autre, QImage::Format_ARGB32_Premultiplied);
        copie.fill(Qt::transparent);
        {
            QPainter p(&copie);
            dessiner(m, copie.rect(), &p);
        }
        if (copie != attendu) m = Modele();
    }
    return *modeles_.insert(cle, std::move(m));
}

void StyleCadres::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if ((element == PE_FrameGroupBox || element == PE_FrameTabWidget) && painter->device()
        && painter->device()->devicePixelRatio() == 1 && painter->transform().type() <= QTransform::TxTranslate
        && option->rect.width() > 2 * kCoinMax && option->rect.height() > 2 * kCoinMax) {
        const Modele &m = modele(element, option, widget);
        if (m.valable) {
            ++copies_;
            dessiner(m, option->rect, painter);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
