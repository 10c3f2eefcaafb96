// SPDX-License-Identifier: GPL-3.0-or-later
// The retained-solutions window: the ten rows of the table, beside the drawing of a coil tapped
// for each band. The shortened-dipole window drives it through its menu "Tableau".
#pragma once

#include "shell/FenetreTravail.h"

class QLabel;
class QPrinter;
class QTableWidget;

class Form11 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form11(MDIForm1 &principal);

    // Cell (r, c) of the table as shown, r from 1 to 10, c from 0 to 8.
    void ecrire(int r, int c, const QString &texte);
    // Rows 1..10, columns 1..8 become empty; the labels of column 0 stay.
    void vider();
    // Prints the window as shown on the default printer, on one page; false when it cannot.
    bool imprimer();
    // Prints the window as shown on that printer (also a PDF file), on one page.
    bool imprimerSur(QPrinter &imprimante);

private:
    QTableWidget *MSHFlexGrid1 = nullptr;
    QLabel *Picture1 = nullptr;
};
