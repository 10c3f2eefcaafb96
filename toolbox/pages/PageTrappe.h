// SPDX-License-Identifier: GPL-3.0-or-later
// The trap: L and C resonating at the frequency for the reactance chosen, and the capacitor made
// of coaxial cable or printed circuit.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QPushButton;

namespace boite {

class PageTrappe : public PageCalcul {
    Q_OBJECT
public:
    explicit PageTrappe(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

private:
    void calculer();

    QLineEdit *Text11 = nullptr, *Text18 = nullptr, *Text19 = nullptr, *Text20 = nullptr;
    QPlainTextEdit *Text21 = nullptr;
    QPushButton *Calculer_Trappe = nullptr;
};

}  // namespace boite
