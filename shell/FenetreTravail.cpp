#include "shell/FenetreTravail.h"

#include "shell/Controles.h"
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
        controles::nommerDessin(cadre, controles::sujetDessin(nom) + QStringLiteral(" (image absente)"));
        return false;
    }
    controles::nommerDessin(cadre, controles::sujetDessin(nom));
    cadre->setPixmap(image);
    return true;
}
