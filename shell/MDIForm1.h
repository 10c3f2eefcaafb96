// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the frame of the program. It owns the program-wide store and every working
// window, and its menu bar is the only way to open them.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <memory>

struct Module1;
class QMdiArea;
class QMdiSubWindow;
class FenetreTravail;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(const QString &dataDir, QWidget *parent = nullptr);

    // The size the main window opens at when the screen allows (with room for a window frame
    // around it): it holds the largest working window (the shortened dipole's) with its frame.
    static constexpr QSize kTailleVoulue{1360, 760};
    ~MDIForm1() override;

    Module1 &store() { return *store_; }
    const QString &repertoire() const { return repertoire_; }

    // Every beep of the program goes through here.
    void bip();
    int beepCount() const { return bips_; }

    // Enables or disables every entry of the menu (the shortened-dipole window locks it).
    void activerMenu(bool actif);

    // Places a working window in the main window's area (once) and shows it in front; hides it.
    void presenter(QWidget *fenetre);
    void cacher(QWidget *fenetre);
    // True while presenter() or cacher() moves the focus from one working window to another.
    bool changementDeFenetre() const { return changement_ > 0; }

    // A picture of the program directory for a screen of device pixel ratio `echelle`, loaded
    // once; null when the file is missing.
    QPixmap image(const QString &nom, qreal echelle = 1);

    // The working window of type F, created on first use.
    template <class F>
    F *fenetre()
    {
        if (F *f = findChild<F *>()) return f;
        F *f = new F(*this);
        installer(f);
        relier(f);
        return f;
    }

    // Menu entries: leaving the program, or opening the working window of type F.
    void quitter();
    template <class F>
    void ouvrir()
    {
        fenetre<F>()->preparer();
    }

private:
    void installer(QWidget *fenetre);
    // The window's crossings to other windows, wired here: no window knows another.
    void relier(QWidget *nouvelle);
    // Where a window shown anew goes: the free place nearest the area's top-left corner, else
    // cascaded from it.
    QPoint placeLibre(const QMdiSubWindow *cadre) const;

    std::unique_ptr<Module1> store_;
    QString repertoire_;
    QMdiArea *zone_ = nullptr;
    int bips_ = 0;
    int changement_ = 0;
    QHash<QString, QPixmap> images_;
};
