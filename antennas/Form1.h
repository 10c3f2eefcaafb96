// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna designer: one band for four designers (wire, Yagi, Quad and Delta-Loop, Levy), each
// in its own tab (antennas/concepteurs/), writing into one result box beside a drawing of the
// antenna. The window holds what they share: the band, the result box, the drawing, the design
// for the model.
#pragma once

#include "antennas/concepteurs/Concepteur.h"
#include "modele/fabrique.h"
#include "shell/FenetreTravail.h"

#include <QList>

class ChampsNumeriques;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class Form1 : public FenetreTravail, private antennes::Atelier {
    Q_OBJECT
public:
    explicit Form1(Hote &hote);

    // Opening from the menu: shows the window on its current tab and applies the 20 m band.
    void preparer() override;

signals:
    // "Modéliser (NEC-2)…": the design the result box shows, to be modelled.
    void modeliser(const modele::Fabrique &conception);

private:
    void construire();

    void ongletChoisi(int index);
    void choisirBande(int index);
    void calculerOnglet();

    // The designers' workshop.
    Module1 &store() override { return FenetreTravail::store(); }
    bool frequencePrete(float frequence, bool saisissable) override;
    void libreChoix(float longueurOnde) override;
    int indexBande() const override;
    void chargerDessin(const QString &nom) override;
    QWidget *zoneResultats() override;
    void effacerResultats() override;
    void ecrireResultats(const QString &texte) override;
    void concevoir(modele::Fabrique conception) override { conception_ = std::move(conception); }

    QLabel *Label3 = nullptr;
    QComboBox *Combo1 = nullptr;
    QTabWidget *TabStrip1 = nullptr;
    QList<antennes::Concepteur *> concepteurs_;  // in tab order
    // Shared by the tabs.
    QPlainTextEdit *Text3 = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *Modeliser = nullptr;
    QPushButton *Retour_Menu = nullptr;

    ChampsNumeriques *champs_ = nullptr;
    modele::Fabrique conception_;  // the design the result box shows, for the model
    int bandeAppliquee_ = -1;   // the band combo's entry in force (restored when a band fails)
};
