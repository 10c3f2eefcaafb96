// SPDX-License-Identifier: GPL-3.0-or-later
// Adapting a wire antenna to where it is installed: from the last wire calculation of the antenna
// designer and the resonance measured on the real antenna, the real shortening factor, the
// corrected length and how much wire to cut or add. The measured resonance may also be read from
// the Touchstone file of an antenna analyser, whose SWR curve the window then shows.
#pragma once

#include "adaptation/VuesMesure.h"
#include "adaptation/ligne.h"
#include "adaptation/touchstone.h"
#include "modele/moteur.h"
#include "toolbox/reseaux.h"
#include "shell/FenetreTravail.h"

#include <optional>
#include <vector>

class ChampsNumeriques;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class Form3 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form3(Hote &hote);

    // Refuses when there is nothing to correct; otherwise shows the initial values and waits for
    // the measured frequency.
    void preparer() override;

signals:
    // "Bobiner la self…": the chosen matching network's coil, in µH, for the toolbox to wind.
    void bobiner(double microhenrys);

private:
    void construire();
    void declarerChamps();

    void calculerAdaptation();
    // Asks for a Touchstone file, then reads it: "Lire une mesure" starts the list anew with it,
    // "Ajouter une mesure" adds it (8 at most).
    void choisirMesure(bool ajouter = false);
    // Enters the resonance of the file (at the antenna when a cable is removed) into the measured
    // frequency and shows its curves; a file that cannot be read, or whose resonance the field
    // refuses, changes nothing and says why.
    void lireMesure(const QString &chemin, bool ajouter = false);
    void retirerMesure();           // Retirer_Mesure
    void choisirDansLaListe(int i); // Liste_Mesures
    void choisirCable(int index);   // Cable_Mesure
    void superposerModele(bool oui);  // Superposer_Modele
    void exporterMesure();          // Exporter_Mesure
    void exporterGraphique();       // Exporter_Graphique
    // The matching at the frequency chosen (Frequence_Adaptation, or a click on a view): the
    // impedance there, the networks that match it, and a chosen network's SWR across the sweep.
    void choisirFrequenceAdaptation(double mhz);
    void adapter();
    void choisirReseau(int ligne);  // Reseaux_Adaptation
    void redessiner();              // the views, with what is drawn over the sweeps
    void afficherMesures();         // the list, the summary and the views of the sweeps as they are

    // The sweeps as shown: each brought back to the antenna through the cable chosen. Empty, after
    // telling the user why, when the cable or its length cannot be removed from one of them.
    std::optional<std::vector<vues::Trace>> traces(const std::vector<vues::Trace> &brutes);
    // Shows `brutes` with `choisie` chosen and enters its resonance; false (nothing changed) when
    // the cable cannot be removed or the field refuses the resonance.
    bool montrerMesures(const std::vector<vues::Trace> &brutes, int choisie);
    // The cable removed from the sweeps, if any.
    std::optional<ligne::Cable> cableChoisi() const;
    void remplirCables();
    // Writes a file all or nothing, telling the user when it fails.
    void ecrireFichier(const QString &chemin, const QByteArray &contenu);
    static constexpr size_t kMesuresMax = 8;
    // The wire type chosen in the antenna designer (0..7), -1 when unknown.
    int typeFilaire() const;
    void informer(const QString &texte, const QString &titre);

    QLabel *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QPlainTextEdit *Text7 = nullptr;
    QPushButton *Lire_Mesure = nullptr;
    QComboBox *Cable_Mesure = nullptr;
    QLineEdit *Longueur_Cable = nullptr;
    QGroupBox *Cadre_Mesure = nullptr;
    QListWidget *Liste_Mesures = nullptr;
    QPushButton *Ajouter_Mesure = nullptr;
    QPushButton *Retirer_Mesure = nullptr;
    QCheckBox *Superposer_Modele = nullptr;
    QPushButton *Exporter_Mesure = nullptr;
    QPushButton *Exporter_Graphique = nullptr;
    vues::VuesMesure *Vues_Mesure = nullptr;
    QLabel *Resume_Mesure = nullptr;
    QGroupBox *Cadre_Adaptation = nullptr;
    QLineEdit *Frequence_Adaptation = nullptr;
    QLineEdit *Q_Adaptation = nullptr;
    QLabel *Impedance_Adaptation = nullptr;
    QTableWidget *Reseaux_Adaptation = nullptr;
    QLabel *Absents_Adaptation = nullptr;
    QPushButton *Bobiner_Self = nullptr;
    QString dossierMesures_;  // where the last file was read
    ChampsNumeriques *champs_ = nullptr;

    std::vector<vues::Trace> brutes_;    // the sweeps read, as measured
    std::vector<vues::Trace> affichees_; // the same at the antenna (or as measured, without cable)
    int choisie_ = -1;
    std::vector<ligne::Cable> cables_;   // the entries 1.. of Cable_Mesure
    int cableApplique_ = 0;              // the cable and length in force
    float longueurAppliquee_ = 0;
    std::optional<vues::CourbeModele> modele_;
    QString resumeModele_;
    boite::Adaptation adaptation_;       // the networks at the frequency chosen
    int reseauChoisi_ = -1;
    std::vector<QPointF> apres_;         // the SWR through the chosen network
    QString resumeApres_;
    modele::Moteur moteurModele_;
};
