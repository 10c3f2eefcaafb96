// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Messages.h"

namespace messages {

QMessageBox::StandardButton afficher(QWidget *parent, const QString &texte, const QString &titre,
                                     QMessageBox::Icon icone, QMessageBox::StandardButtons boutons)
{
    QMessageBox box(icone, titre.isEmpty() ? kTitreProgramme : titre, texte, boutons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace messages
