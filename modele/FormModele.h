// SPDX-License-Identifier: GPL-3.0-or-later
// The model window "Modèle NEC-2": a design of the antenna designer or of the shortened dipole,
// modelled by the NEC-2 engine in free space or over ground, with its summary, its SWR curve and
// its two pattern cuts; the deck can be exported, and the design trimmed until the model resonates
// at its frequency. The engine runs as a separate program: the window stays live meanwhile, with
// a busy indicator and a button that stops the run.
#pragma once

#include "modele/fabrique.h"
#include "modele/moteur.h"
#include "shell/FenetreTravail.h"

#include <optional>

class ChampsNumeriques;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class FormModele : public FenetreTravail {
    Q_OBJECT
public:
    explicit FormModele(Hote &hote);

    // Shows the window and models the design handed over, first in free space.
    void modeliser(const modele::Fabrique &fabrique);

    // The engine, for the tests (a stand-in program, a shorter time limit).
    modele::Moteur &moteur() { return moteur_; }

private:
    void construire();
    void declarerChamps();

    // Event handlers.
    void relancer();  // Relancer_Modele, and a new ground chosen
    void ajuster();   // Ajuster_Modele
    void annuler();   // Annuler_Modele
    void exporter();  // Exporter_Modele

    // The environment the fields and the ground list say.
    modele::Environnement environnement() const;
    // The design over the ground chosen, scaled by `facteur`; false, after telling the user, when
    // it cannot be modelled there.
    bool preparerConception(double facteur, modele::Conception *c);
    void lancer(const modele::Conception &c);
    void occupe(bool enCours);
    void termine(const modele::Resultats &r);
    void echoue(const QString &message);
    void montrer(const modele::Resultats &r);

    QComboBox *Sol = nullptr;
    QLineEdit *Hauteur_Sol = nullptr;
    QLineEdit *Diametre_Conducteur = nullptr;
    QPushButton *Relancer_Modele = nullptr;
    QPushButton *Ajuster_Modele = nullptr;
    QPushButton *Exporter_Modele = nullptr;
    QPushButton *Annuler_Modele = nullptr;
    QProgressBar *Progression_Modele = nullptr;
    QLabel *Titre_Modele = nullptr;  // the design modelled
    QPlainTextEdit *Resume_Modele = nullptr;
    QChartView *Courbe_Modele = nullptr;
    QChartView *Diagramme_Horizontal = nullptr;
    QChartView *Diagramme_Vertical = nullptr;
    QPushButton *Retour_Menu = nullptr;

    ChampsNumeriques *champs_ = nullptr;
    modele::Moteur moteur_;
    modele::Fabrique fabrique_;
    modele::Conception base_;                     // the design of the run under way, unscaled
    std::optional<modele::Ajusteur> ajusteur_;    // while "Ajuster au modèle" runs
};
