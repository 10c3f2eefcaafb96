// SPDX-License-Identifier: GPL-3.0-or-later
// The table of retained solutions as a sheet to keep or share: a title, the day, the nine
// headings and the ten rows as the solutions window shows them, and what the letters stand for.
#pragma once

#include "dipole/tableau.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace solutions {

inline const QString kTitreFeuille = QStringLiteral("Orvalis — solutions retenues");

struct Feuille {
    QString titre;
    QString date;              // the day, in the long form of the regional settings
    QStringList enTetes;       // the nine headings
    QList<QStringList> lignes;  // rows 1 to 10, nine cells each, "-" shown as nothing
    QString legende;
};

// The sheet of the table on that day, its date in the form of `regional`.
Feuille feuille(const Tableau &t, const QDate &jour, const QLocale &regional = QLocale());

// The sheet as a rich-text document (the subset of HTML that Qt's text documents read): the title,
// the date, one table with a repeated heading row, the legend. Every text is escaped; spacings are
// CSS pixels (1/96 inch), which the text layout scales to the device it lays the document out for.
QString html(const Feuille &f);

}  // namespace solutions
