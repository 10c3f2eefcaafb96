// SPDX-License-Identifier: GPL-3.0-or-later
// The single-layer coil: its inductance from its turns, or (ticked) its turns from its inductance.
#pragma once

#include "toolbox/pages/PageCalcul.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace boite {

class PageSelf : public PageCalcul {
    Q_OBJECT
public:
    explicit PageSelf(FenetreTravail &fenetre);
    void declarer(ChampsNumeriques &champs) override;
    void preparer() override;
    void montree() override { changerMode(); }

    // A coil to wind of `microhenrys`: turns mode, the inductance entered as typed, the coil
    // proposed as long as it is wide. False, after saying why, when it cannot be calculated here.
    bool bobiner(double microhenrys);

private:
    void calculer();
    void changerMode();
    void appliquerMode();
    void signalerImpossible(const QString &texte);

    ChampsNumeriques *champs_ = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr;
    QLineEdit *Text9 = nullptr, *Text10 = nullptr, *Text33 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Calculer_Self = nullptr;
};

}  // namespace boite
