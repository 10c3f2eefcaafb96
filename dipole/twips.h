// SPDX-License-Identifier: GPL-3.0-or-later
// Column widths of the grids are given in twips, 1/1440 of an inch of the screen.
#pragma once

#include <QWidget>
#include <cmath>

inline int twipsEnPixels(const QWidget *w, int twips)
{
    return int(std::lround(twips * w->logicalDpiX() / 1440.0));
}
