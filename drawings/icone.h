// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon: a dipole on its mast sending waves, on a blue rounded square. Drawn from one
// description, both as a bitmap and as an SVG document, so the two always agree.

#include <QImage>
#include <QString>

namespace dessin {

QImage icone(int pixels);
QString iconeSvg();

}  // namespace dessin
