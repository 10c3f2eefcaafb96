// SPDX-License-Identifier: GPL-3.0-or-later
// A table of retained solutions to lay out as a sheet, and the day it is dated.
#pragma once

#include "dipole/tableau.h"

#include <QDate>
#include <QString>

// The table as delivered: ten numbered free rows; row 3 holds a 40 m dipole computed in feet, row 7
// a 20 m quarter wave in metres.
inline solutions::Tableau exemple()
{
    solutions::Tableau t{};
    for (int r = 1; r <= 10; ++r) {
        t[r][0] = QString::number(r);
        for (int c = 1; c < 9; ++c) t[r][c] = solutions::kVide;
    }
    t[3] = {"3", "D", "F", "40", "7.050", "30,00", "3,50", "11,50", "16,5"};
    t[7] = {"7", "Q", "M", "20", "14.200", "2,50", "1,00", "1,10", "4,72"};
    return t;
}

inline const QDate kJour(2024, 5, 14);  // a Tuesday
