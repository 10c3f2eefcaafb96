// SPDX-License-Identifier: GPL-3.0-or-later
// Adapting a wire antenna to where it is installed: from the last wire calculation of the antenna
// designer and the resonance measured on the real antenna, the real shortening factor, the
// corrected length and how much wire to cut or add. The measured resonance may also be read from
// the Touchstone file of an antenna analyser, whose SWR curve the window then shows.
#pragma once

#include "shell/FenetreTravail.h"

class ChampsNumeriques;
class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
namespace touchstone {
struct Mesure;
}

class Form3 : public FenetreTravail {
    Q_OBJECT
public:
    explicit Form3(MDIForm1 &principal);

    // Refuses when there is nothing to correct; otherwise shows the initial values and waits for
    // the measured frequency.
    void preparer() override;

private:
    void construire();
    void declarerChamps();

    void calculerAdaptation();
    // Asks for a Touchstone file, then reads it.
    void choisirMesure();
    // Enters the resonance of the file into the measured frequency and shows its curve; a file
    // that cannot be read, or whose resonance the field refuses, changes nothing and says why.
    void lireMesure(const QString &chemin);
    void montrerCourbe(const touchstone::Mesure &m, const QString &nomFichier);
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
    QGroupBox *Cadre_Mesure = nullptr;
    QChartView *Courbe_ROS = nullptr;
    QLabel *Resume_Mesure = nullptr;
    QString dossierMesures_;  // where the last file was read
    ChampsNumeriques *champs_ = nullptr;
};
