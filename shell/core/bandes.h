// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the band table: what a value typed in the parameters window becomes before it is placed
// in the table, whether it suits the band, and writing the table back to Bande_bdfcp.dat.
#pragma once

#include <QString>

struct Module1;

namespace bandes {

// Whether a typed text can be placed in the table: a decimal number with a point ("14.2", "7",
// ".5"), nothing else. A blank would split the field in two in the file, and a text with no
// number in front of it would read back as 0.
bool placable(const QString &saisie);

// The typed value cut (not rounded) to exactly three decimals: "7" -> "7.000",
// "14.1" -> "14.100", "14.12345" -> "14.123".
QString troisDecimales(const QString &saisie);

// Whether a value (read by the number-reading rule) lies within the band whose edges are shown as
// `debut` and `fin` (texts such as "14.000 mhz"), edges included.
bool dansLaBande(const QString &valeur, const QString &debut, const QString &fin);

// Writes rows 1..Nombre_Bandes to Fichier_Bandes, replacing the whole file at once; false with the
// reason when it cannot be written (the old file is then left whole).
bool enregistrer(const Module1 &m, QString *erreur = nullptr);

}  // namespace bandes
