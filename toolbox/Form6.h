// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation toolbox: seven small calculators on the pages of one tab strip (shortened whip,
// coil, trap, line impedance, cable lengths, balun, matching networks) beside the drawing of the
// circuit of the page shown.
#pragma once

#include "shell/FenetreTravail.h"

#include <QList>

class ChampsNumeriques;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class Form6 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form6(MDIForm1 &principal);

    // Menu "Calculs": every field rewritten from the program-wide values, every calculator run
    // once, the coil back in inductance mode, the page shown as it was.
    void preparer() override;

    // The cable chooser's export: the chosen velocity factor in its field, then the cut lengths.
    void recevoirVelocite();
    // A matching network's coil to wind: the single-layer coil tab, in turns mode, with the
    // inductance entered as the user types it, and its turns, length and Q worked out.
    void recevoirInductance(double microhenrys);

    QSize sizeHint() const override;

signals:
    // "Choisir un câble": the cable chooser is wanted, with its export controls.
    void choixDeCable();

private:
    void construire();
    void declarerChamps();

    void changerOnglet(int index);
    void montrerImageSur(int index);
    void calculerFouet();
    void calculerSelf();
    void changerMode();
    void appliquerMode();
    void signalerSelfImpossible(const QString &texte);
    void calculerTrappe();
    void choisirTypeLigne();
    void choisirDielectrique(int index);
    void calculerImpedance();
    void calculerCable();
    void choisirCable();
    void calculerBalun();
    void choisirReseau(int type);
    void calculerFiltre();

    ChampsNumeriques *champs_ = nullptr;
    QList<QHBoxLayout *> pages_;  // the layout of each page, in tab order

    QTabWidget *TabStrip1 = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *Retour_Menu = nullptr;

    // Shortened whip.
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QPushButton *Calculer_L = nullptr;
    // Coil.
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr;
    QLineEdit *Text9 = nullptr, *Text10 = nullptr, *Text33 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Calculer_Self = nullptr;
    // Trap.
    QLineEdit *Text11 = nullptr, *Text18 = nullptr, *Text19 = nullptr, *Text20 = nullptr;
    QPlainTextEdit *Text21 = nullptr;
    QPushButton *Calculer_Trappe = nullptr;
    // Line impedance.
    QLineEdit *Text31 = nullptr, *Text14 = nullptr, *Text15 = nullptr, *Text16 = nullptr;
    QLabel *Label14 = nullptr, *Label15 = nullptr;
    QComboBox *Combo1 = nullptr;
    QRadioButton *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr;
    QPushButton *Calculer_Impedance = nullptr;
    // Cable lengths.
    QLineEdit *Text12 = nullptr, *Text13 = nullptr, *Text32 = nullptr;
    QPlainTextEdit *Text17 = nullptr;
    QPushButton *Choisir_Cable = nullptr, *Calculer_Cable = nullptr;
    // Balun.
    QLineEdit *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr, *Text25 = nullptr;
    QLabel *Label25 = nullptr;
    QPushButton *Calculer_Balun = nullptr;
    // Matching networks.
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text26 = nullptr, *Text27 = nullptr, *Text28 = nullptr, *Text29 = nullptr;
    QLabel *Label26 = nullptr, *Label27 = nullptr, *Label29 = nullptr;
    QPlainTextEdit *Text30 = nullptr;
    QPushButton *Calculer_Filtre = nullptr;
};
