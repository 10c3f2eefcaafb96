// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures at the density of the screen they are shown on. Every drawing of the program also
// exists, built in, at twice the resolution: on a high-density screen (a device pixel ratio above
// 1) that copy is shown instead of the delivered file, at the same size and sharp. A picture file
// that is not the one delivered (the user's own, put in its place) is shown as it is.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <utility>

namespace images {

// The picture of a file of the program directory named `nom` ("Yagi.gif"), whose content is
// `contenu`, for a screen of device pixel ratio `echelle`. Null when `contenu` is no picture.
QPixmap depuisFichier(const QString &nom, const QByteArray &contenu, qreal echelle);

// A drawing built into the program (":/dessins/Form1.png") for that screen.
QPixmap ressource(const QString &chemin, qreal echelle);

// `image` (any ratio) brought to at most `taille` in device-independent pixels, keeping its
// proportions, drawn at `echelle`.
QPixmap reduire(const QPixmap &image, QSize taille, qreal echelle);

// The program's one picture loader: files of the program directory `repertoire` ("\Yagi.gif"; a
// leading "\" or "/" is dropped) and built-in drawings (":/dessins/Form1.png"), each loaded, and
// brought to a size, once. Null when the file is missing or is no picture.
class Bibliotheque {
public:
    explicit Bibliotheque(QString repertoire) : repertoire_(std::move(repertoire)) {}

    // For a screen of ratio `echelle`; with a `taille`, brought to at most that size from the
    // picture drawn at `source` (the screen's own ratio when 0).
    QPixmap image(const QString &nom, qreal echelle, QSize taille = {}, qreal source = 0);

private:
    QPixmap charger(const QString &nom, qreal echelle) const;

    QString repertoire_;
    QHash<QString, QPixmap> images_;
};

}  // namespace images
