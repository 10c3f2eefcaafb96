// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the program's data files: 8-bit Windows-1252 text, lines ended by CR LF,
// fields separated by single blanks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fichiers {

QString depuisWindows1252(const QByteArray &bytes);
// Characters that Windows-1252 cannot hold become their nearest form: the narrow and figure
// spaces that Qt uses as digit-group separators become the no-break space, accented letters
// outside the set lose their accent, anything else becomes "?".
QByteArray versWindows1252(const QString &text);

struct Lecture {
    bool ok = false;        // the file could be opened and read
    QStringList lignes;     // its lines, without their ends
    QString erreur;         // why not, in French, when !ok
};

// The lines of a file's bytes (the rules of lireLignes below).
QStringList lignesDe(const QByteArray &bytes);

// Reads a whole file. A line ends at CR LF, a lone CR or a lone LF; a last line without an end
// still counts; a UTF-8 byte-order mark makes the file read as UTF-8.
Lecture lireLignes(const QString &chemin);

// The field splitter: cells[0..maxColonnes-1] receive the fields of the line, separated by single
// blanks; a blank at the very end ends the last field; cells a short line does not reach keep their
// content; fields beyond maxColonnes are ignored.
void decouperChamps(const QString &ligne, QString *cellules, int maxColonnes);

// Writes every line followed by CR LF in Windows-1252, all or nothing: the old file stays whole
// until the new one is complete. Returns false with a French reason on failure.
bool ecrireLignes(const QString &chemin, const QStringList &lignes, QString *erreur = nullptr);

// For the tests: the writes of ecrireLignes stop after `octets` bytes and fail, as a full disk
// makes them (a negative count: no limit, as the program runs).
void limiterEcriturePourEssai(qint64 octets);

}  // namespace fichiers
