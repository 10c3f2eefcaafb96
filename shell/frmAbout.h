// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: program title, version, author and contact lines, and the warning text.
#pragma once

#include "shell/FenetreTravail.h"

class QLabel;

class frmAbout : public FenetreTravail {
    Q_OBJECT
public:
    explicit frmAbout(Hote &hote);

private:
    QLabel *lblTitle_ = nullptr;
    QLabel *lblVersion_ = nullptr;
    QLabel *lblDisclaimer_ = nullptr;
};

// The program's icon, drawn once.
QIcon iconeProgramme();
