// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every working window: it lives in a host (the main window), reaches the program-wide
// store through it, sounds the program's beep, loads pictures, and leaves by hiding itself
// ("Retour au menu"), never by being destroyed.
#pragma once

#include "shell/Hote.h"

#include <QSize>
#include <QWidget>

class ChampsNumeriques;
class QPushButton;
class QLabel;
struct Module1;

class FenetreTravail : public QWidget {
    Q_OBJECT
public:
    FenetreTravail(Hote &hote, const QString &nom, const QString &titre);

    Hote &hote() const { return hote_; }
    Module1 &store() const;
    void bip() const;

    // The window's table of entry fields, with the program's beep and the main window's window
    // switch (created once; its parent is the window).
    ChampsNumeriques *creerChamps();

    // The window's "Retour au menu" button (Retour_Menu): a click calls retour().
    QPushButton *boutonRetour();

    // Opening from the menu: brings the window to its opening state and shows it (unless it says
    // why it cannot open). By default it only shows the window.
    virtual void preparer() { presenter(); }

    // Shows the window in the main window's area, in front.
    void presenter();
    // Hides the window (its texts stay as they are until it is shown again).
    void cacher();
    // Grows the window to the least size of its contents after some were shown, keeping it
    // within the main window's area when it fits there.
    void agrandir();

    // Shows the picture `nom` in `cadre`: a file of the program directory ("\Yagi.gif") or a
    // built-in drawing (":/dessins/Form1.png"), at most `taille` when one is given, reduced from
    // the picture drawn at `source` (see Hote::image). A missing file empties the picture box.
    // The box is named after what it shows, for screen readers.
    bool chargerImage(QLabel *cadre, const QString &nom, QSize taille = {}, qreal source = 0) const;

protected:
    // "Retour au menu": hides the window; a window that does more on leaving says so here.
    virtual void retour() { cacher(); }

private:
    Hote &hote_;
};
