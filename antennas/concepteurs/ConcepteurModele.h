// SPDX-License-Identifier: GPL-3.0-or-later
// The designs chosen from a list at a frequency: the Yagis, and the Quads and Delta-Loops.
#pragma once

#include "antennas/concepteurs/Concepteur.h"

namespace antennes {

class ConcepteurModele : public Concepteur {
    Q_OBJECT
public:
    struct Reglages;
    static ConcepteurModele *yagi(Atelier &atelier, QObject *parent);
    // The Quad's frequency is the band's: its field only shows it.
    static ConcepteurModele *quad(Atelier &atelier, QObject *parent);

    void declarer(ChampsNumeriques &champs) override;
    void calculer() override;
    void montrerFrequence(float frequence) override;

    QGroupBox *page() { return Concepteur::page(calculer_); }

private:
    ConcepteurModele(Atelier &atelier, const Reglages &r, QObject *parent);

    const Reglages &r_;
    QComboBox *modeles_ = nullptr;
    QLineEdit *frequence_ = nullptr;
    QPushButton *calculer_ = nullptr;
};

}  // namespace antennes
