// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QProxyStyle>

// Fusion draws a group box's frame by stretching a small translucent picture over the whole box,
// and a tab page's frame with translucent lines. On the raster engine both go through the
// general blending path, which splits every tall blend among threads: about a millisecond per
// frame at each repaint, most of it spent waking threads, and every window repaints several such
// frames when a tab or a design changes.
//
// This style draws the same frames from a copy rendered once by the base style: corners, edges
// and inside are copied as they are, edges and inside repeated along the frame, in bands short
// enough to be blended on the calling thread. A frame is drawn that way only when the copy,
// stretched to another size, gives exactly the base style's own pixels (on a background, a
// translucent edge may still come out one level in 255 apart, as the raster engine rounds a
// stretched blend and a plain one differently); any other frame, and every frame on a scaled
// screen, keeps the base style's drawing.
class StyleCadres : public QProxyStyle
{
    Q_OBJECT
public:
    explicit StyleCadres(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Wraps the application's style when it is Fusion (the style of the offscreen platform and
    // of desktops without a theme of their own); other styles are left alone.
    static void installer();

    // How many frames were drawn from a copy (for tests and measurements).
    int cadresCopies() const { return copies_; }

private:
    // A frame rendered on a transparent square, with the size of its corners; between them,
    // rows and columns repeat the middle ones.
    struct Modele {
        QImage carre;      // the frame as the base style draws it
        QImage ligne;      // the middle column repeated: top and bottom edges
        QImage colonne;    // the middle row repeated: left and right edges
        QImage interieur;  // the middle pixel repeated, or null when it is transparent
        int haut = 0, bas = 0, gauche = 0, droite = 0;
        bool valable = false;
    };
    const Modele &modele(PrimitiveElement element, const QStyleOption *option, const QWidget *widget) const;
    QImage rendu(PrimitiveElement element, const QStyleOption *option, const QWidget *widget, QSize taille) const;
    static Modele decouper(QImage carre);
    static void dessiner(const Modele &m, const QRect &cible, QPainter *painter);

    mutable QHash<QString, Modele> modeles_;
    mutable int copies_ = 0;
};
