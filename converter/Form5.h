// SPDX-License-Identifier: GPL-3.0-or-later
// The unit converter: one number, six conversions between feet, inches, metres and millimetres.
#pragma once

#include "shell/FenetreTravail.h"

class ChampsNumeriques;
class QLineEdit;
class QListWidget;

class Form5 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form5(Hote &hote);

    // Starts again from 1, converts it with the conversion chosen last and shows the window.
    void preparer() override;

private:
    void construire();
    void declarerChamps();

    // "Convertir", or a choice in the list.
    void convertir();

    QLineEdit *Text26 = nullptr;
    QListWidget *List1 = nullptr;
    QLineEdit *Text32 = nullptr;
    ChampsNumeriques *champs_ = nullptr;
};
