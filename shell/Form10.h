// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters window: the band table in a grid, edited by placing a typed value in a cell, and
// saved back to Bande_bdfcp.dat on request.
#pragma once

#include "shell/FenetreTravail.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class Form10 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form10(Hote &hote);

    // Fills the grid from the band table, leaves edit mode and shows the window.
    void preparer() override;

private:
    void construire();
    // A click on the edit check box.
    void basculerEdition();
    // Grid click on cell (ligne, colonne) of the table, heading row 0.
    void placer(int ligne, int colonne);
    void annuler();
    void validerEtSauvegarder();
    void retour() override;  // "Retour au menu" and "Quitter": editing ends, the window hides

    // Ticks or unticks the edit check box, as a click on it does.
    void cocher(bool coche);
    void activerBoutons(bool actifs);
    // Grid cell of table row r (r >= 1), column c.
    bool ecrireCellule(int r, int c, const QString &texte);
    bool dimensionnerGrille(int lignes);
    void ajusterLargeurs();
    void agrandir();

    QTableWidget *MSHFlexGrid1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Valider_Sauvegarder = nullptr;
    QPushButton *Annuler = nullptr;
};
