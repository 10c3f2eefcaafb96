// SPDX-License-Identifier: GPL-3.0-or-later
// The characteristic impedance of a coaxial cable, a two-wire line, or a wire over a ground plane.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace boite {

class PageImpedance : public PageCalcul {
    Q_OBJECT
public:
    explicit PageImpedance(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

private:
    void choisirType();
    void choisirDielectrique(int index);
    void calculer();

    QLineEdit *Text31 = nullptr, *Text14 = nullptr, *Text15 = nullptr, *Text16 = nullptr;
    QLabel *Label14 = nullptr, *Label15 = nullptr;
    QComboBox *Combo1 = nullptr;
    QRadioButton *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr;
    QPushButton *Calculer_Impedance = nullptr;
};

}  // namespace boite
