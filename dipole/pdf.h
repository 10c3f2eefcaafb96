// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet of retained solutions written as a PDF document: A4 pages laid out from the page's
// size, every text real text (selectable, searchable). No widgets.
#pragma once

#include "dipole/feuille.h"

class QIODevice;

namespace solutions {

inline const QString kNomPdf = QStringLiteral("Solutions-retenues.pdf");

// The file an export proposes: Solutions-retenues.pdf in the user's documents folder, or in the
// home folder when there is no documents folder.
QString cheminPdfPropose();

// Lays the sheet out on A4 pages and writes the PDF document to `sortie`; false when it cannot.
bool ecrirePdf(const Feuille &f, QIODevice &sortie);

// Writes the document to `chemin`, all or nothing: a temporary file beside it is renamed over the
// old one once complete. Returns false with a French reason, and writes nothing, on failure.
bool exporterPdf(const Feuille &f, const QString &chemin, QString *raison = nullptr);

}  // namespace solutions
