// SPDX-License-Identifier: GPL-3.0-or-later
// The Levy antenna: a dipole of chosen length fed by a tuned two-wire line, in feet or metres.
#pragma once

#include "antennas/concepteurs/Concepteur.h"

class QRadioButton;

namespace antennes {

class ConcepteurLevy : public Concepteur {
    Q_OBJECT
public:
    ConcepteurLevy(Atelier &atelier, QObject *parent);
    void declarer(ChampsNumeriques &champs) override;
    void calculer() override;
    void montrerFrequence(float frequence) override;

    QGroupBox *page() { return Concepteur::page(Calculer_Levy); }

private:
    void choisirLongueur();
    void choisirUnite(bool metres);

    QLineEdit *Text12 = nullptr;
    QLineEdit *Text11 = nullptr;
    QComboBox *Combo7 = nullptr;
    QComboBox *Combo6 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Calculer_Levy = nullptr;
    bool enMetres_ = false;  // the unit `Longueur_Levy` is held in
};

}  // namespace antennes
