// SPDX-License-Identifier: GPL-3.0-or-later
// Adapting a wire antenna to where it is installed: from the last wire calculation of the antenna
// designer and the resonance measured on the real antenna, the real shortening factor, the
// corrected length and how much wire to cut or add.
#pragma once

#include "shell/FenetreTravail.h"

class ChampsNumeriques;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class Form3 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form3(MDIForm1 &principal);

    // Refuses when there is nothing to correct; otherwise shows the initial values and waits for
    // the measured frequency.
    void preparer();

private:
    void Calculer_adaptation_Click();
    // The wire type chosen in the antenna designer (0..7), -1 when unknown.
    int typeFilaire() const;
    void informer(const QString &texte, const QString &titre);

    QLabel *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QPlainTextEdit *Text7 = nullptr;
    ChampsNumeriques *champs_ = nullptr;
};
