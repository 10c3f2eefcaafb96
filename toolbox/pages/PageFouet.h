// SPDX-License-Identifier: GPL-3.0-or-later
// The shortened whip: the quarter wave at the frequency, and the loading coil for the height wanted.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QPushButton;

namespace boite {

class PageFouet : public PageCalcul {
    Q_OBJECT
public:
    explicit PageFouet(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

private:
    void calculer();

    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QPushButton *Calculer_L = nullptr;
};

}  // namespace boite
