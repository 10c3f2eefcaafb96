// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 8-bit palette images and the GIF file writer.

#include <QImage>
#include <QList>
#include <QColor>
#include <QString>

namespace dessin {

// The image in at most 256 colours: its own colours when there are few enough, otherwise the
// blends of `couleurs` with the background plus the most frequent others, each pixel taking the
// nearest entry.
QImage enPalette(const QImage &source, const QList<QColor> &couleurs, const QColor &fond);

// Writes an 8-bit palette image as a GIF89a file, replacing `chemin` only once it is complete.
bool ecrireGif(const QImage &palette, const QString &chemin, QString *erreur);

}  // namespace dessin
