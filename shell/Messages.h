// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes of the program: modal, with the program's name as title when none is given.
#pragma once

#include <QMessageBox>
#include <QString>

namespace messages {

inline const QString kTitreProgramme = QStringLiteral("Orvalis");

// Shows a modal message box and returns the button pressed. `texte` keeps its CR LF line breaks.
QMessageBox::StandardButton afficher(QWidget *parent, const QString &texte,
                                     const QString &titre = kTitreProgramme,
                                     QMessageBox::Icon icone = QMessageBox::NoIcon,
                                     QMessageBox::StandardButtons boutons = QMessageBox::Ok);

}  // namespace messages
