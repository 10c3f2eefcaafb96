// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation toolbox: seven small calculators on the pages of one tab strip (shortened whip,
// coil, trap, line impedance, cable lengths, balun, matching networks) beside the drawing of the
// circuit of the page shown. Each calculator is a page of its own (toolbox/pages/); the window
// assembles them, holds their entry-field table, and moves the one picture box along.
#pragma once

#include "shell/FenetreTravail.h"

#include <QList>

class ChampsNumeriques;
class QLabel;
class QPushButton;
class QTabWidget;

namespace boite {
class PageCable;
class PageCalcul;
class PageSelf;
}  // namespace boite

class Form6 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form6(Hote &hote);

    // Menu "Calculs": every field rewritten from the program-wide values, every calculator run
    // once, the coil back in inductance mode, the page shown as it was.
    void preparer() override;

    // The cable chooser's export: the chosen velocity factor in its field, then the cut lengths.
    void recevoirVelocite();
    // A matching network's coil to wind: the single-layer coil tab, in turns mode, with the
    // inductance entered as the user types it, and its turns, length and Q worked out.
    void recevoirInductance(double microhenrys);

    QSize sizeHint() const override;

signals:
    // "Choisir un câble": the cable chooser is wanted, with its export controls.
    void choixDeCable();

private:
    void changerOnglet(int index);
    void montrerImageSur(int index);

    ChampsNumeriques *champs_ = nullptr;
    QList<boite::PageCalcul *> pages_;  // in tab order
    boite::PageSelf *self_ = nullptr;
    boite::PageCable *cable_ = nullptr;

    QTabWidget *TabStrip1 = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *Retour_Menu = nullptr;
};
