// SPDX-License-Identifier: GPL-3.0-or-later
// The wire antennas: eight types, the shortening factor, and the feed cable where the type has one.
#pragma once

#include "antennas/concepteurs/Concepteur.h"

class QLabel;

namespace antennes {

class ConcepteurFilaire : public Concepteur {
    Q_OBJECT
public:
    ConcepteurFilaire(Atelier &atelier, QObject *parent);
    void declarer(ChampsNumeriques &champs) override;
    void calculer() override;
    void montrerFrequence(float frequence) override;

    QGroupBox *page() { return Concepteur::page(Calculer_Filaire); }

private:
    void choisirType(int type);
    void choisirCable();

    QComboBox *Combo2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label12 = nullptr;
    QComboBox *Combo5 = nullptr;
    QPushButton *Calculer_Filaire = nullptr;
};

}  // namespace antennes
