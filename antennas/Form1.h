// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna designer: one band for four designers (wire, Yagi, Quad and Delta-Loop, Levy), each
// in its own tab, writing into one result box beside a drawing of the antenna.
#pragma once

#include "antennas/commun.h"
#include "modele/fabrique.h"
#include "shell/FenetreTravail.h"


class ChampsNumeriques;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class Form1 : public FenetreTravail {
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
    void declarerChamps();

    // Event handlers.
    void ongletChoisi(int index);
    void choisirBande(int index);
    void choisirType(int type);
    void choisirCable();
    void choisirLongueurLevy();
    void choisirUnite(bool metres);

    // The calculations: read the store and the choices, call the designer, write the texts.
    void calculerOnglet();
    void calculerFilaire();
    void calculerYagi();
    void calculerQuad();
    void calculerLevy();
    // A design of the Quad or Yagi tab: its frequency shown in `champ`, its list, its separator.
    void calculerModele(float frequence, QLineEdit *champ, QComboBox *modeles, int nombreTirets,
                        antennes::ResultatModele (*calcul)(const antennes::EntreeModele &),
                        modele::Conception (*modelisation)(const antennes::EntreeModele &,
                                                           const antennes::ResultatModele &),
                        bool frequenceSaisissable = true);
    // Leaves the result lines in the store and shows them under the header block.
    void ecrireResultats(float frequence, float longueurOnde, int nombreTirets, const antennes::Lignes &lignes);

    // False, after telling the user, when `frequence` cannot be calculated with.
    // Whether the frequency can be calculated with; otherwise a warning naming the remedy (typing a
    // frequency, or for a designer whose frequency cannot be typed, the band table).
    bool frequencePrete(float frequence, bool saisissable = true);
    void montrerFrequence(QLineEdit *champ, float frequence);
    // The drawing of the antenna (a picture file of the program directory, or the generic one
    // built in) at the size of its box.
    void chargerDessin(const QString &nom);
    int indexBande() const;

    QLabel *Label3 = nullptr;
    QComboBox *Combo1 = nullptr;
    QTabWidget *TabStrip1 = nullptr;
    // Wire tab.
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label12 = nullptr;
    QComboBox *Combo5 = nullptr;
    QPushButton *Calculer_Filaire = nullptr;
    // Yagi tab.
    QComboBox *Combo3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QPushButton *Calculer_Yagi = nullptr;
    // Quad and Delta-Loop tab.
    QComboBox *Combo4 = nullptr;
    QLineEdit *Text8 = nullptr;
    QPushButton *Calculer_Quad = nullptr;
    // Levy tab.
    QLineEdit *Text12 = nullptr;
    QLineEdit *Text11 = nullptr;
    QComboBox *Combo7 = nullptr;
    QComboBox *Combo6 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Calculer_Levy = nullptr;
    // Shared by the tabs.
    QPlainTextEdit *Text3 = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *Modeliser = nullptr;
    QPushButton *Retour_Menu = nullptr;

    ChampsNumeriques *champs_ = nullptr;
    modele::Fabrique conception_;  // the design the result box shows, for the model
    int bandeAppliquee_ = -1;   // the band combo's entry in force (restored when a band fails)
    bool levyEnMetres_ = false; // the unit `Longueur_Levy` is held in
};
