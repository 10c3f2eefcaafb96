// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the frame of the program and the host of every working window. It owns the
// program-wide store and every working window, assembles them and wires their crossings, and its
// menu bar is the only way to open them.
#pragma once

#include "shell/Hote.h"
#include "shell/Images.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>

struct Module1;
class QMdiArea;
class QMdiSubWindow;
class FenetreTravail;

class MDIForm1 : public QMainWindow, public Hote {
    Q_OBJECT
public:
    explicit MDIForm1(const QString &dataDir, QWidget *parent = nullptr);

    // The size the main window opens at when the screen allows (with room for a window frame
    // around it): it holds the largest working window (the shortened dipole's) with its frame.
    static constexpr QSize kTailleVoulue{1360, 760};
    ~MDIForm1() override;

    const QString &repertoire() const { return repertoire_; }
    int beepCount() const { return bips_; }

    // The host of the working windows.
    Module1 &store() override { return *store_; }
    void bip() override;
    void activerMenu(bool actif) override;
    void presenter(QWidget *fenetre) override;
    void cacher(QWidget *fenetre) override;
    bool changementDeFenetre() const override { return changement_ > 0; }
    QPixmap image(const QString &nom, qreal echelle = 1, QSize taille = {}, qreal source = 0) override
    {
        return images_.image(nom, echelle, taille, source);
    }

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
    images::Bibliotheque images_;
};
