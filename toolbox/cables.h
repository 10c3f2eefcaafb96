// SPDX-License-Identifier: GPL-3.0-or-later
// Cut lengths of a feed line, and the cable list shown by the cable chooser (one cable a line,
// fields separated by blanks: the name in column 0, the velocity factor in column 4).
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace boite {

struct LongueursCable {
    bool calculees = false;  // false: a length beyond a single, the text says so
    float onde = 0;          // one wave (m)
    float demiOnde = 0;      // half a wave (m)
    QString texte;           // the 14 lines of the result
};
// F in MHz, velocity factor cv, n half-waves for the chosen length, `nom` of the cable.
LongueursCable calculerCable(float frequence, float cv, short n, const QString &nom);

// Columns of the chooser's grid.
inline constexpr int kColonnesCables = 13;
inline constexpr int kColonneNom = 0;
inline constexpr int kColonneVelocite = 4;

// The fields of a cable line with their column: every blank moves to the next column, so two
// blanks leave a column empty and a leading blank leaves column 0 empty. Fields beyond the last
// column are ignored.
QList<std::pair<int, QString>> champsCable(const QString &ligne);

// The velocity factor read from its cell (0 when the cell does not begin with a number or holds
// one beyond a single).
float velociteLue(const QString &cellule);

// "Câble type:  RG58, Coef.Vélocité =  .66"
QString resumeCable(const QString &nom, float cv);

}  // namespace boite
