// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide store: every value the windows share, with its default, for one run.
// It belongs to the main window; windows exchange values only through it.
#pragma once

#include "shell/core/constantes.h"

#include <QString>
#include <QStringList>
#include <array>

struct Module1 {
    // Capacities of the tables.
    static constexpr int kMaxLignesCables = 201;   // Lignes_Cables(0..200)
    static constexpr int kMaxBandes = 15;           // Tableau_Bandes rows 1..15
    static constexpr int kColonnesBandes = 6;
    static constexpr int kMaxSolutions = 10;        // Tableau_Solutions rows 1..10
    static constexpr int kColonnesSolutions = 9;

    // Constants and built-in lists.
    static inline const QString Saut_Ligne = constantes::kSautLigne;
    static constexpr float Pi = constantes::kPi;
    std::array<QString, 26> Noms_Dielectriques{};
    std::array<float, 26> Constantes_Dielectriques{};
    std::array<QString, 16> Liste_Coaxiaux{};
    std::array<QString, 4> Liste_Bifilaires{};
    std::array<QString, 11> Bandes_Courtes{};

    // Data files.
    QString Fichier_Cables;
    std::array<QString, kMaxLignesCables> Lignes_Cables{};
    short Dernier_Cable = -1;
    QString Fichier_Bandes;
    std::array<std::array<QString, kColonnesBandes>, kMaxBandes + 1> Tableau_Bandes{};
    std::array<std::array<QString, kColonnesBandes>, kMaxBandes + 1> Copie_Tableau_Bandes{};
    short Nombre_Bandes = 0;
    QString Saisie_Parametre;
    QString Fichier_Tableau;
    std::array<std::array<QString, kColonnesSolutions>, kMaxSolutions + 1> Tableau_Solutions{};
    short Nombre_Solutions = 0;

    // Antenna designer.
    QString Bande_Antenne = QStringLiteral("20 m");
    float Facteur_Raccourcissement = 0.95f;
    float Frequence_Accord = 0;
    bool Calcul_Filaire_Fait = false;
    // The wire type chosen in the designer's list (antennes::TypeFilaire), -1 while none is: the
    // adaptation window corrects that type.
    int Type_Filaire = -1;
    float Longueur_Calculee = 0;
    std::array<QString, 26> Lignes_Resultat{};
    float Frequence_Yagi = 0;
    float Frequence_Quad = 0;
    float Longueur_Levy = 42.4f;
    float Frequence_Levy = 0;
    float Facteur_Velocite = 0;
    QString Cable_Filaire;  // the line's name of the last wire calculation (G5RV, double bazooka)
    float Longueur_Onde = 0;

    // Toolbox.
    float Frequence_Fouet = 50;
    float Hauteur_Fouet = 0.9f;
    float Diametre_Self = 5;
    float Nombre_Spires = 10;
    float Diametre_Fil_Self = 0.14f;
    float Frequence_Trappe = 21;
    float Impedance_Trappe = 400;
    float Diametre_Ame = 1;
    float Diametre_Blindage = 6;
    float Impedance_Entree = 50;
    float Impedance_Sortie = 300;
    float Spires_Primaire = 7;
    float Frequence_Cable = 14.12f;
    QString Nom_Cable = QStringLiteral("câble standard");
    short Nombre_Demi_Ondes = 1;
    float Impedance_Feeder = 50;
    float Impedance_Antenne = 5;
    float Facteur_Q = 3;
    float Frequence_Filtre = 7;
    float Coefficient_Velocite = 0;
    float Longueur_Onde_Fouet = 0;
    float Longueur_Self = 0;
    float Longueur_Fil_Self = 0;
    float Inductance_Self = 0;
    float Pulsation_Trappe = 0;
    float Inductance_Trappe = 0;
    float Capacite_Trappe = 0;
    float Surface_CI = 0;
    float Constante_Dielectrique = 0;
    float Impedance_Ligne = 0;
    float Onde_Cable = 0;
    float Demi_Onde_Cable = 0;
    float Rapport_Impedances = 0;
    float Spires_Secondaire = 0;

    // Unit converter.
    float Nombre_A_Convertir = 1;

    // Shortened dipole.
    float Frequence_Dipole = 7.1f;
    float Dimension_A = 30;
    float Dimension_B = 3.5f;
    float Diametre_Fil = 14;

    // Measurements.
    float Frequence_Mesure = 0;
    float Dimension_Brin = 5.02f;
    float Facteur_Type_Antenne = 1;
    float Resistance_Mesuree = 36;
    float Impedance_Source = 50;
    float Puissance_Directe_Source = 100;
    float Puissance_Reflechie_Source = 4;
    float Affaiblissement_Cable = 3;
    float Puissance_Directe_Antenne = 50;
    float Puissance_Reflechie_Antenne = 8;
    float ROS_Source = 0;
    float TOS_Source = 0;
    float Return_Loss_Source = 0;
    float Pertes_Estimees = 0;
    float ROS_Antenne = 0;
    float TOS_Antenne = 0;

    // The NEC-2 model's environment: the height of horizontal antennas over ground (metres) and
    // the wires' diameter (mm).
    float Hauteur_Sol = 10;
    float Diametre_Conducteur = 2;

    // Environment adaptation. The measurement's cable length (metres), when a cable is removed
    // from the sweeps read.
    float Longueur_Cable_Mesure = 20;
    // The frequency (MHz) where a measured sweep is matched, and the loaded Q of the PI network.
    float Frequence_Adaptation = 0;
    float Q_Adaptation = 5;
    float Frequence_Resonance_Mesuree = 0;
    float Longueur_Reference = 0;
    float Facteur_Recalcule = 0;
    float Longueur_Recalculee = 0;
    float Longueur_Correction = 0;
    float Facteur_Maximum = 0;
    float Facteur_Minimum = 0;

    // The preferred frequency of band row r (column 5), 0 when missing or not a number.
    float frequencePreferee(int row) const;
};

// One data file that could not be read at start-up.
struct ProblemeDemarrage {
    QString fichier;   // file name, as the user knows it
    QString raison;    // French reason
};

// Fills the store from the program directory: constants, lists, the three data files (each missing
// or unreadable one leaves its table empty and is reported), then the defaults.
QList<ProblemeDemarrage> demarrer(Module1 &m, const QString &repertoire);

// The band table as the lines of Bande_bdfcp.dat (rows 1..Nombre_Bandes, six fields each).
QStringList lignesBandes(const Module1 &m);
