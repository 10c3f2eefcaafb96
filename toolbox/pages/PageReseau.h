// SPDX-License-Identifier: GPL-3.0-or-later
// The matching networks between a feeder and a resistive load: two L forms and the PI.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QComboBox;
class QPushButton;

namespace boite {

class PageReseau : public PageCalcul {
    Q_OBJECT
public:
    explicit PageReseau(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

private:
    void choisir(int type);
    void calculer();

    QComboBox *Combo2 = nullptr;
    QLineEdit *Text26 = nullptr, *Text27 = nullptr, *Text28 = nullptr, *Text29 = nullptr;
    QLabel *Label26 = nullptr, *Label27 = nullptr, *Label29 = nullptr;
    QPlainTextEdit *Text30 = nullptr;
    QPushButton *Calculer_Filtre = nullptr;
};

}  // namespace boite
