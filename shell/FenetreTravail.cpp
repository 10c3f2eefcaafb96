// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FenetreTravail.h"

#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Hote.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

FenetreTravail::FenetreTravail(Hote &hote, const QString &nom, const QString &titre)
    : QWidget(nullptr), hote_(hote)
{
    setObjectName(nom);
    setWindowTitle(titre);
}

Module1 &FenetreTravail::store() const { return hote_.store(); }

void FenetreTravail::bip() const { hote_.bip(); }

ChampsNumeriques *FenetreTravail::creerChamps()
{
    return new ChampsNumeriques(this, [this] { bip(); }, [this] { return hote_.changementDeFenetre(); });
}

QPushButton *FenetreTravail::boutonRetour()
{
    QPushButton *b = controles::bouton("Retour_Menu", QStringLiteral("Retour au menu"), this);
    connect(b, &QPushButton::clicked, this, [this] { retour(); });
    return b;
}

void FenetreTravail::presenter() { hote_.presenter(this); }

void FenetreTravail::cacher() { hote_.cacher(this); }

void FenetreTravail::agrandir()
{
    // The frame in the main window's area, or the window itself when it stands alone.
    QWidget *cadre = parentWidget() ? parentWidget() : this;
    // What the contents need at least, not what they would like: the window must stay within a
    // small screen.
    cadre->resize(cadre->size().expandedTo(cadre->minimumSizeHint()));
    if (const QWidget *zone = cadre->parentWidget())
        cadre->move(std::max(0, std::min(cadre->x(), zone->width() - cadre->width())),
                    std::max(0, std::min(cadre->y(), zone->height() - cadre->height())));
}

bool FenetreTravail::chargerImage(QLabel *cadre, const QString &nom, QSize taille, qreal source) const
{
    const QPixmap image = hote_.image(nom, cadre->devicePixelRatioF(), taille, source);
    if (image.isNull()) {
        cadre->clear();
        controles::nommerDessin(cadre, controles::sujetDessin(nom) + QStringLiteral(" (image absente)"));
        return false;
    }
    controles::nommerDessin(cadre, controles::sujetDessin(nom));
    // The same picture again (a calculation run once more) is not set anew: no repaint.
    if (cadre->pixmap().cacheKey() != image.cacheKey()) cadre->setPixmap(image);
    return true;
}
