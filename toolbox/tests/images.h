// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-in pictures for the toolbox tests: each file of its own size, so that a test can tell
// which one a picture box shows.
#pragma once

#include "tests/support/utilisateur.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace essai {

inline const QStringList kImagesBoite{
    "Antenne-raccourcie-6.bmp", "Self-Nagaoka-6.bmp",    "Trappe-6.bmp",
    "Impedance-ligne-6.bmp",    "Longueur-ligne-6.bmp",  "Transformateur-impedance-6.bmp",
    "Filtre-LSerie-6.bmp",      "Filtre-LSerieParal-6.bmp", "Filtre-PI-6.bmp"};

inline QSize tailleImage(int i) { return QSize(300 + 8 * i, 240 + 4 * i); }

inline void poserImages(const Donnees &d)
{
    for (int i = 0; i < kImagesBoite.size(); ++i) {
        QImage image(tailleImage(i), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.drawRect(image.rect().adjusted(0, 0, -1, -1));
        p.drawText(image.rect(), Qt::AlignCenter, kImagesBoite[i]);
        p.end();
        image.save(d.fichier(kImagesBoite[i]), "BMP");
    }
}

// Index in kImagesBoite of the picture shown, -1 for none.
inline int imageMontree(const QLabel *cadre)
{
    const QPixmap p = cadre->pixmap();
    if (p.isNull()) return -1;
    for (int i = 0; i < kImagesBoite.size(); ++i)
        if (p.size() == tailleImage(i)) return i;
    return -2;
}

// Saves a picture of `w` into the folder named by ORVALIS_CAPTURES, when it is set.
inline void capturer(QWidget *w, const QString &nom)
{
    const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
    if (dossier.isEmpty()) return;
    QCoreApplication::processEvents();
    w->grab().save(dossier + u'/' + nom + QStringLiteral(".png"));
}

}  // namespace essai
