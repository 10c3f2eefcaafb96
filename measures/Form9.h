// SPDX-License-Identifier: GPL-3.0-or-later
// The measurements window: standing waves and power budget from wattmeter readings (page
// "VSWR"), radiation resistance and efficiency of the antenna (second page).
#pragma once

#include "measures/vswr.h"
#include "shell/FenetreTravail.h"

class ChampsNumeriques;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class Form9 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form9(Hote &hote);

    // Menu entry "VSWR": shows the window, writes the fields from the program-wide values, shows
    // the VSWR page and runs the VSWR calculation.
    void preparer() override;

private:
    void construire();
    void declarerChamps();

    // Events.
    void choisirOption(int numero);
    void changerOnglet(int index);
    void choisirBande(int index);
    void choisirTypeAntenne(int index);

    // The two calculations, writing their results into the window.
    void calculerVswr();
    void calculerRayonnement();

    mesures::Methode methode() const;

    ChampsNumeriques *champs_ = nullptr;

    QTabWidget *TabStrip1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;

    // Page "VSWR".
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text11 = nullptr;
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label18 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QPushButton *Calculer_VSWR = nullptr;
    QPlainTextEdit *Text12 = nullptr;

    // Page "Caractéristiques principales".
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text14 = nullptr;
    QPushButton *Calculer_Resistance_Antenne = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    QLineEdit *Text16 = nullptr;

    QPushButton *Retour_Menu = nullptr;
};
