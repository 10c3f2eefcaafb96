// SPDX-License-Identifier: GPL-3.0-or-later
// The retained-solutions window: the ten rows of the table, beside the drawing of a coil tapped
// for each band. The shortened-dipole window drives it through its menu "Tableau".
#pragma once

#include "dipole/VueSolutions.h"
#include "shell/FenetreTravail.h"

class QLabel;
class QPrinter;
class QTableWidget;

class Form11 : public FenetreTravail, public VueSolutions {
    Q_OBJECT
public:
    explicit Form11(Hote &hote);

    void montrer() override { presenter(); }
    void masquer() override { cacher(); }
    void ecrire(int r, int c, const QString &texte) override;
    void vider() override;
    bool imprimer() override;
    // Prints the window as shown on that printer (also a PDF file), on one page.
    bool imprimerSur(QPrinter &imprimante);

signals:
    // Hidden by the program or closed by its frame (not when the whole program is minimised).
    void masque();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QTableWidget *MSHFlexGrid1 = nullptr;
    QLabel *Picture1 = nullptr;
};
