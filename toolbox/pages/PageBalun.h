// SPDX-License-Identifier: GPL-3.0-or-later
// The impedance transformer (balun): the secondary's turns for the impedance ratio.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QPushButton;

namespace boite {

class PageBalun : public PageCalcul {
    Q_OBJECT
public:
    explicit PageBalun(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

private:
    void calculer();

    QLineEdit *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr, *Text25 = nullptr;
    QLabel *Label25 = nullptr;
    QPushButton *Calculer_Balun = nullptr;
};

}  // namespace boite
