// SPDX-License-Identifier: GPL-3.0-or-later
// What the shortened-dipole window asks of the window that shows the retained solutions. The main
// window hands one to the other, so that neither knows the other.
#pragma once

#include <QString>

class VueSolutions {
public:
    virtual ~VueSolutions() = default;
    // Shown in front, or hidden.
    virtual void montrer() = 0;
    virtual void masquer() = 0;
    // Cell (r, c) of the table as shown, r from 1 to 10, c from 0 to 8.
    virtual void ecrire(int r, int c, const QString &texte) = 0;
    // Rows 1..10, columns 1..8 become empty; the labels of column 0 stay.
    virtual void vider() = 0;
    // Prints the window as shown on the default printer, on one page; false when it cannot.
    virtual bool imprimer() = 0;
};
