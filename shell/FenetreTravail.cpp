// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FenetreTravail.h"

#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/MDIForm1.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

FenetreTravail::FenetreTravail(MDIForm1 &principal, const QString &nom, const QString &titre)
    : QWidget(nullptr), principal_(principal)
{
    setObjectName(nom);
    setWindowTitle(titre);
}

Module1 &FenetreTravail::store() const { return principal_.store(); }

void FenetreTravail::bip() const { principal_.bip(); }

ChampsNumeriques *FenetreTravail::creerChamps()
{
    return new ChampsNumeriques(this, [this] { bip(); }, [this] { return principal_.changementDeFenetre(); });
}

QPushButton *FenetreTravail::boutonRetour()
{
    QPushButton *b = controles::bouton("Retour_Menu", QStringLiteral("Retour au menu"), this);
    connect(b, &QPushButton::clicked, this, [this] { retour(); });
    return b;
}

void FenetreTravail::presenter() { principal_.presenter(this); }

void FenetreTravail::cacher() { principal_.cacher(this); }

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

bool FenetreTravail::chargerImage(QLabel *cadre, const QString &nom) const
{
    const QPixmap image = principal_.image(nom, cadre->devicePixelRatioF());
    if (image.isNull()) {
        cadre->clear();
        controles::nommerDessin(cadre, controles::sujetDessin(nom) + QStringLiteral(" (image absente)"));
        return false;
    }
    controles::nommerDessin(cadre, controles::sujetDessin(nom));
    cadre->setPixmap(image);
    return true;
}
