// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures at the density of the screen they are shown on. Every drawing of the program also
// exists, built in, at twice the resolution: on a high-density screen (a device pixel ratio above
// 1) that copy is shown instead of the delivered file, at the same size and sharp. A picture file
// that is not the one delivered (the user's own, put in its place) is shown as it is.
#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

namespace images {

// The picture of a file of the program directory named `nom` ("Yagi.gif"), whose content is
// `contenu`, for a screen of device pixel ratio `echelle`. Null when `contenu` is no picture.
QPixmap depuisFichier(const QString &nom, const QByteArray &contenu, qreal echelle);

// A drawing built into the program (":/dessins/Form1.png") for that screen.
QPixmap ressource(const QString &chemin, qreal echelle);

// `image` (any ratio) brought to at most `taille` in device-independent pixels, keeping its
// proportions, drawn at `echelle`.
QPixmap reduire(const QPixmap &image, QSize taille, qreal echelle);

}  // namespace images
