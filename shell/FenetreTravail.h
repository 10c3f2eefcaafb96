// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every working window: it belongs to the main window, reaches the program-wide store
// through it, sounds the program's beep, loads pictures from the program directory, and leaves by
// hiding itself ("Retour au menu"), never by being destroyed.
#pragma once

#include <QWidget>

class ChampsNumeriques;
class MDIForm1;
class QPushButton;
class QLabel;
struct Module1;

class FenetreTravail : public QWidget {
    Q_OBJECT
public:
    FenetreTravail(MDIForm1 &principal, const QString &nom, const QString &titre);

    MDIForm1 &principal() const { return principal_; }
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

    // Shows the picture file `nom` of the program directory in `cadre`; a leading "\" is the
    // directory separator of the names the designers use. A missing file empties the picture box.
    // The box is named after what it shows, for screen readers.
    bool chargerImage(QLabel *cadre, const QString &nom) const;

protected:
    // "Retour au menu": hides the window; a window that does more on leaving says so here.
    virtual void retour() { cacher(); }

private:
    MDIForm1 &principal_;
};
