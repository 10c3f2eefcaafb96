// SPDX-License-Identifier: GPL-3.0-or-later
// The table of retained solutions: up to ten loaded dipoles kept side by side (typically one per
// band, for a coil tapped for each band), held in the program-wide store and in Tableau.dat.
//
// A row holds nine fields: 0 its label (carried unchanged from the file), 1 "D" dipole or "Q"
// quarter wave, 2 "F" feet or "M" metres, 3 the short band label, 4 the frequency, 5..8 the
// dimensions A, B, C and the coil inductance as the dipole window shows them. "-" marks an empty
// cell; a row whose field 1 is "-" is free.
#pragma once

#include "shell/core/Module1.h"

#include <QString>
#include <QStringList>
#include <array>

namespace solutions {

using Tableau = decltype(Module1::Tableau_Solutions);

inline const QString kVide = QStringLiteral("-");

// The headings of the nine columns, as the solutions window shows them.
QStringList enTetes();

// What the letters of the table stand for (the tooltip of the solutions window).
inline const QString kLegende = QStringLiteral("Pour info: F=feet; M=mètre; D=dipôle; Q=quart d'onde.");

// The first free row (1..10), or 0 when the table is full.
int premiereLigneLibre(const Tableau &t);

struct Solution {
    bool dipole = true;
    bool metres = false;
    QString bande;      // short band label ("LCh" for a free frequency)
    QString frequence;  // frequency in MHz, as text
    QString A, B, C, L;
};

// Fields 1..8 of a row holding the solution, in the form the file keeps.
std::array<QString, 8> champs(const Solution &s);

// Fields 1..8 of rows 1..10 become "-"; the labels stay.
void effacer(Tableau &t);

// What a grid cell shows for a table cell: nothing for "-".
inline QString texteGrille(const QString &cellule) { return cellule == kVide ? QString() : cellule; }

// A field in a form the file can hold: the reader splits lines at blanks, so every blank, line
// break or other space inside a field becomes a no-break space (which also stands for Qt's narrow
// digit-group separator, a character Windows-1252 lacks).
QString sansBlanc(const QString &champ);

// The ten lines of Tableau.dat, rows 1 to 10, fields separated by single blanks.
QStringList lignesFichier(const Tableau &t);

}  // namespace solutions
