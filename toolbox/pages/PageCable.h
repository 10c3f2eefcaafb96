// SPDX-License-Identifier: GPL-3.0-or-later
// The cut lengths of a cable: half and quarter waves at the frequency for its velocity factor.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QPushButton;

namespace boite {

class PageCable : public PageCalcul {
    Q_OBJECT
public:
    explicit PageCable(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;

    // The cable chooser's export: the chosen velocity factor in its field, then the cut lengths.
    void recevoirVelocite();

signals:
    // "Choisir un câble": the cable chooser is wanted.
    void choixDeCable();

private:
    void calculer();

    QLineEdit *Text12 = nullptr, *Text13 = nullptr, *Text32 = nullptr;
    QPlainTextEdit *Text17 = nullptr;
    QPushButton *Choisir_Cable = nullptr, *Calculer_Cable = nullptr;
};

}  // namespace boite
