// SPDX-License-Identifier: GPL-3.0-or-later
// The cable chooser: the cable list file in a grid, one cable a row. Opened from the menu to
// browse it, or from the toolbox to take a cable's velocity factor into the cut-length calculator.
#pragma once

#include "shell/FenetreTravail.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class Form7 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form7(Hote &hote);

    // Menu "Les câbles ": the grid refilled and shown, the export controls left as they were.
    void preparer() override;
    // "Choisir un câble" of the toolbox: the same, with the export controls shown.
    void choisirPourLaBoite();

    QSize sizeHint() const override;

signals:
    // "exporter et fermer": the chosen cable's name and velocity factor are in the store.
    void cableExporte();

private:
    void construire();
    int largeurMinimale(int colonne) const;
    void remplir();
    void choisirLigne(int ligne);
    void exporter();

    QTableWidget *MSHFlexGrid1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Exporter_Cable = nullptr;
    QPushButton *Retour_Menu = nullptr;
    QStringList lignesAffichees_;  // the cable lines the grid holds, heading first
};
