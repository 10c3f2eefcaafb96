// SPDX-License-Identifier: GPL-3.0-or-later
// The shortened-dipole window: centre frequency (typed or from a band), shortened length A, coil
// distance B and wire size give the loading coil, the wire beyond it, nine trial coil positions
// and a note. While it is shown the main menu is locked; its own menu "Tableau" keeps chosen
// solutions in the retained-solutions table.
#pragma once

#include "modele/fabrique.h"
#include "shell/FenetreTravail.h"

#include <functional>

class ChampsNumeriques;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class VueSolutions;
namespace dipole { struct Resultat; }

class Form8 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form8(Hote &hote);

    // Opening from the main menu: lock the menu, fill the fields, band "40 m", show, compute.
    // Where the retained solutions are shown: given by the main window.
    void lierSolutions(std::function<VueSolutions *(bool creer)> vue) { solutions_ = std::move(vue); }

    void preparer() override;

    // The window's events.
    void calculer();                  // Command1
    void changerMode(bool dipole);    // Check1, after the tick changed
    void choisirUnite(int index);     // Combo1
    void choisirUniteFil(int index);  // Combo2
    void choisirBande(int index);     // Combo3
    void retour() override;           // Retour_Menu: the solutions window goes too, the menu comes back

    // Menu "Tableau".
    void voirTableau(bool coche);
    void ajouterAuTableau();
    void sauvegarderTableau();
    void imprimerTableau();
    void exporterTableau();
    void effacerTableau();
    // The solutions window was hidden, however it was closed: "Voir le tableau" unticked, the
    // entries that need it disabled.
    void tableauMasque();

signals:
    // "Modéliser (NEC-2)…": the dipole last calculated, to be modelled.
    void modeliser(const modele::Fabrique &conception);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void construire();
    void declarerChamps();
    void montrerResultat(const dipole::Resultat &r);
    void ecrireEnTetes();
    void viderGrille(bool enTetes);
    void quitterFenetre();
    void afficherDimensions();
    // The solutions window (created when `creer`; null when it does not exist yet).
    VueSolutions *tableau(bool creer = true) const;
    // The entries of the menu "Tableau" that showing the table enables.
    void activerEntreesTableau(bool actives);
    QString demanderFichierPdf();

    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr,
              *Text5 = nullptr, *Text6 = nullptr;
    QPlainTextEdit *Text7 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Command1 = nullptr, *Retour_Menu = nullptr, *Modeliser = nullptr;
    modele::Fabrique conception_;  // the dipole last calculated, for the model
    QTableWidget *MSHFlexGrid1 = nullptr;
    QLabel *Picture1 = nullptr, *Picture2 = nullptr;
    QAction *Voir_Tableau = nullptr, *Ajouter_Au_Tableau = nullptr, *Sauvegarder_Tableau = nullptr,
            *Imprimer_Tableau = nullptr, *Exporter_Tableau = nullptr, *Effacer_Tableau = nullptr;
    ChampsNumeriques *champs_ = nullptr;

    // Index of the last processed choice of Combo1 and Combo2 (-1: nothing chosen yet).
    int uniteRetenue_ = -1;
    int uniteFilRetenue_ = -1;
    std::function<VueSolutions *(bool creer)> solutions_;
};
