// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FenetreTravail.h"

#include "shell/MDIForm1.h"

#include <QLabel>

FenetreTravail::FenetreTravail(MDIForm1 &principal, const QString &nom, const QString &titre)
    : QWidget(nullptr), principal_(principal)
{
    setObjectName(nom);
    setWindowTitle(titre);
}

Module1 &FenetreTravail::store() const { return principal_.store(); }

void FenetreTravail::bip() const { principal_.bip(); }

void FenetreTravail::presenter() { principal_.presenter(this); }

void FenetreTravail::cacher() { principal_.cacher(this); }

bool FenetreTravail::chargerImage(QLabel *cadre, const QString &nom) const
{
    const QPixmap image = principal_.image(nom);
    if (image.isNull()) {
        cadre->clear();
        return false;
    }
    cadre->setPixmap(image);
    return true;
}
