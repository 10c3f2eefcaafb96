// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator of the toolbox, on its page of the tab strip: its frame of fields (captions on
// the left, fields on the right), the fields it declares in the window's entry-field table, what
// it does when the window opens, and the drawing of its circuit. The window assembles the pages.
#pragma once

#include "shell/Controles.h"

#include <QWidget>

class ChampsNumeriques;
class FenetreTravail;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
struct Module1;

namespace boite {

// A frame filled row by row: a caption on the left, its field on the right.
class Grille : public controles::Formulaire {
public:
    explicit Grille(QGroupBox *cadre);

    // A caption and its one-line field; `resultat`: only the program writes it.
    QLineEdit *champ(const char *nomLegende, const QString &texte, const char *nomChamp,
                     bool resultat = false, QLabel **l = nullptr);

    // A several-line result (under its caption, if any), `lignes` high and as wide as `modele`.
    QPlainTextEdit *zone(const char *nomLegende, const QString &texte, const char *nomChamp,
                         int lignes, const QString &modele);

    void fin() { pousser(); }
};

// A caption of the toolbox: only the long ones take two or three lines.
QLabel *legende(const char *objet, const QString &texte);

class PageCalcul : public QWidget {
    Q_OBJECT
public:
    // The page of `fenetre`, with its frame `nomCadre` titled `titre`, and the picture file of
    // its circuit.
    PageCalcul(FenetreTravail &fenetre, const char *nomCadre, const QString &titre, const char *image);

    // Its entry fields, into the window's table.
    virtual void declarer(ChampsNumeriques &champs) = 0;
    // Menu "Calculs": every field rewritten from the program-wide values, the calculator run once.
    virtual void preparer() = 0;
    // The page was brought in front.
    virtual void montree() {}

    // The picture of the page's circuit, shown whenever the page is brought in front.
    QString image() const { return image_; }
    // Where the window's one picture box goes when the page is shown: right of the frame.
    QHBoxLayout *disposition() const { return disposition_; }

signals:
    // The circuit changed (the matching network's type): the picture `nom` shows it until the
    // page is brought in front again.
    void dessin(const QString &nom);

protected:
    QGroupBox *cadre() const { return cadre_; }
    Module1 &store() const;
    void bip() const;
    // The window: the parent of the page's message boxes.
    FenetreTravail &fenetre() const { return fenetre_; }

private:
    FenetreTravail &fenetre_;
    QGroupBox *cadre_;
    QHBoxLayout *disposition_;
    const QString image_;
};

}  // namespace boite
