// SPDX-License-Identifier: GPL-3.0-or-later
// What a working window needs from the frame it lives in: the program-wide store, the beep, a
// place to be shown, the pictures of the program directory, and the menu it may lock. The main
// window provides it; the windows know nothing else of the main window.
#pragma once

#include <QPixmap>
#include <QSize>

class QString;
class QWidget;
struct Module1;

class Hote {
public:
    virtual Module1 &store() = 0;

    // Every beep of the program goes through here.
    virtual void bip() = 0;

    // Places a working window in the frame's area (once) and shows it in front; hides it.
    virtual void presenter(QWidget *fenetre) = 0;
    virtual void cacher(QWidget *fenetre) = 0;
    // True while presenter() or cacher() moves the focus from one working window to another.
    virtual bool changementDeFenetre() const = 0;

    // Enables or disables every entry of the menu (the shortened-dipole window locks it).
    virtual void activerMenu(bool actif) = 0;

    // A picture for a screen of device pixel ratio `echelle`, loaded once: a file of the program
    // directory ("\Yagi.gif"; a leading "\" is the directory separator of the designers' names)
    // or a drawing built into the program (":/dessins/Form1.png"). With a `taille`, brought to at
    // most that size in device-independent pixels, from the picture drawn at `source` (the screen's
    // own ratio when 0). Null when the file is missing.
    virtual QPixmap image(const QString &nom, qreal echelle = 1, QSize taille = {}, qreal source = 0) = 0;

protected:
    ~Hote() = default;
};
