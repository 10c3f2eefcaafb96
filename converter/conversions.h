// SPDX-License-Identifier: GPL-3.0-or-later
// Converting one length between feet, inches, metres and millimetres (39.37 inches per metre,
// 25.4 millimetres per inch, 12 inches per foot), in double precision.
#pragma once

#include <QString>
#include <QStringList>

namespace conversions {

// The conversions in the order of the list: "Feet en Mètres", "Inches en Mètres", ...
QStringList entrees();
int nombre();

// The converted value of n by conversion `index` (0 .. nombre() - 1).
double convertir(int index, double n);

// The result as the user reads it: the fixed decimals of the conversion (4 for metres, 5 for feet
// and inches) with the regional separator, then the unit: "0,3048 M", "3,28083 Ft".
QString resultat(int index, double n);

}  // namespace conversions
