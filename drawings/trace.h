// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing kit shared by every picture of the program: one palette, one font, three line
// weights, and the handful of symbols the antennas and circuits are made of. Every drawing is
// built from these calls only, so that they all look alike.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace dessin {

namespace style {
inline const QColor fond{255, 255, 255};
inline const QColor encre{30, 30, 30};          // components, labels
inline const QColor conducteur{31, 78, 140};    // radiating wires and elements
inline const QColor ligne{120, 72, 24};         // feed lines: coax and twin lead
inline const QColor cote{176, 32, 32};          // dimension lines and their values
inline const QColor support{120, 120, 120};     // ground, masts, booms, supports
inline const QColor remplissage{228, 237, 248}; // inside of boxes and cross-sections
inline const QColor accent{226, 132, 0};        // feed points, taps
inline const QColor discret{90, 90, 90};        // notes and hidden parts

constexpr double traitConducteur = 3.0;
constexpr double traitComposant = 2.0;
constexpr double traitFin = 1.2;

constexpr int tailleTitre = 17;
constexpr int tailleEtiquette = 13;
constexpr int tailleCote = 13;
constexpr int tailleNote = 12;

QFont police(int pixels, bool gras = false, bool italique = false);
// The colours a drawing is made of; the GIF palette is built from their blends with the background.
QList<QColor> couleurs();
}  // namespace style

// Where a text lies around the point that anchors it (Qt::Alignment of the text box on the point).
using Ancre = Qt::Alignment;
constexpr Ancre kGauche = Qt::AlignLeft | Qt::AlignVCenter;     // text to the right of the point
constexpr Ancre kDroite = Qt::AlignRight | Qt::AlignVCenter;    // text to the left of the point
constexpr Ancre kDessous = Qt::AlignHCenter | Qt::AlignTop;     // text under the point
constexpr Ancre kDessus = Qt::AlignHCenter | Qt::AlignBottom;   // text over the point
constexpr Ancre kPied = Qt::AlignLeft | Qt::AlignBottom;        // notes at the foot of a picture

using P = QPointF;

class Trace {
public:
    explicit Trace(QImage &image);
    QPainter &peintre() { return p_; }
    // In the drawing's own units: a picture drawn at twice the resolution has the same size.
    double largeur() const { return image_.deviceIndependentSize().width(); }
    double hauteur() const { return image_.deviceIndependentSize().height(); }

    // Title in the top left corner, with an optional second line in smaller type.
    void titre(const QString &texte, const QString &sousTitre = {});

    // Radiating conductors.
    void fil(QPointF a, QPointF b);
    void polyFil(const QList<QPointF> &points, bool ferme = false);
    void filTirets(QPointF a, QPointF b); // a part that exists only in some designs
    void isolateur(QPointF centre, QPointF direction);
    void pointAlimentation(QPointF c);
    void jonction(QPointF c);

    // Feed lines.
    void coax(QPointF a, QPointF b);
    void bifilaire(QPointF a, QPointF b, double ecart = 10);

    // Components, drawn between two points with leads (schematic style).
    void bobine(QPointF a, QPointF b, int spires = 4, double bosse = 9, double fils = 0);
    void condensateur(QPointF a, QPointF b, double largeurPlaque = 22, double ecart = 8,
                      bool variable = false);
    void resistance(QPointF a, QPointF b, double longueur = 40, double epaisseur = 14);
    void conducteurSchema(QPointF a, QPointF b); // a schematic wire
    void borne(QPointF c);                        // open terminal
    void masse(QPointF haut);                     // ground symbol under a point

    // Boxes: baluns, tuners, the station. Returns the box.
    QRectF boite(QPointF centre, const QString &texte, double largeurMin = 0);

    // Surroundings.
    void sol(double y, double x0, double x1);
    void mat(QPointF bas, QPointF haut, double epaisseur = 6);
    void corde(QPointF a, QPointF b); // halyard or guy holding an end insulator

    // Dimension from a to b, its line moved by `decalage` (perpendicular, positive to the left of
    // a->b in screen terms), with extension lines; the value sits on the line, or beside it.
    enum class Place { Sur, Dehors };
    void cote(QPointF a, QPointF b, double decalage, const QString &texte, Place place = Place::Sur);
    void fleche(QPointF depuis, QPointF vers, const QColor &couleur, double trait);

    // Texts.
    QRectF etiquette(QPointF point, const QString &texte, Ancre ancre,
                     int taille = style::tailleEtiquette, const QColor &couleur = style::encre,
                     bool gras = false);
    // The name of a component or of a part (L1, C2, Np, Radiateur) in bold.
    QRectF nom(QPointF point, const QString &texte, Ancre ancre);
    void renvoi(QPointF cible, QPointF point, const QString &texte, Ancre ancre);
    QRectF note(QPointF point, const QString &texte, Ancre ancre);

    // An angle mark between two directions from a corner, with its value.
    void angle(QPointF sommet, double degreDebut, double degreEtendue, double rayon,
               const QString &texte);

private:
    QRectF boiteTexte(QPointF point, QSizeF taille, Ancre ancre) const;

    QImage &image_;
    QPainter p_;
};

}  // namespace dessin
