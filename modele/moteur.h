// SPDX-License-Identifier: GPL-3.0-or-later
// Running the NEC-2 engine (Debian's nec2c) on a design without ever blocking the event loop, and
// trimming a design by the model.
//
// Moteur::lancer() writes the deck into a private temporary directory (short relative names, as
// nec2c refuses paths over 75 characters), starts `nec2c -i m.nec -o m.out` there and returns at
// once. Exactly one signal follows each run that is not cancelled:
//   termine(Resultats)  the output was read;
//   echec(message)      a French sentence: the design is refused (refus()), the program is not
//                       found (naming the Debian package nec2c), it crashed, it ended with an error
//                       code, it did not answer within the time limit (60 s), or its output cannot
//                       be read.
// annuler() kills a run in progress: no signal follows and the state is Annule. Starting a run
// while one is in progress cancels that one first.
#pragma once

#include "modele/carte.h"
#include "modele/conception.h"
#include "modele/environnement.h"
#include "modele/resultats.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTemporaryDir;

namespace modele {

class Moteur : public QObject {
    Q_OBJECT
public:
    enum class Etat { Repos, EnCours, Termine, Echoue, Annule };

    explicit Moteur(QObject *parent = nullptr);
    ~Moteur() override;

    // The engine: "nec2c" found in PATH unless set (tests set stand-in programs).
    void setProgramme(const QString &programme);
    QString programme() const { return programme_; }
    // The time limit of one run, milliseconds (60 000 unless set).
    void setDelai(int millisecondes);
    int delai() const { return delai_; }

    // The sweep's number of points (101 unless set, at least 2) and the pattern's step in degrees
    // (5 unless set, a divisor of 90): fewer points and a coarser pattern make a quicker run.
    void setBalayage(int points, double pasDiagramme);

    // Models the design over F ± 10 %, or from fmin to fmax (MHz, fmin < fmax: the span of a
    // measurement the model is compared with).
    void lancer(const Conception &c, const Environnement &env);
    void lancer(const Conception &c, const Environnement &env, double fmin, double fmax);
    void annuler();

    Etat etat() const { return etat_; }
    bool enCours() const { return etat_ == Etat::EnCours; }
    // The deck of the last run (empty when it was refused).
    QByteArray derniereCarte() const { return carte_; }

signals:
    void termine(const modele::Resultats &resultats);
    void echec(const QString &message);

private:
    void fini(int code, QProcess::ExitStatus statut);
    void erreur(QProcess::ProcessError e);
    void depasse();
    void echouer(const QString &message);
    void arreter();

    QString programme_ = QStringLiteral("nec2c");
    int delai_ = 60000;
    Etat etat_ = Etat::Repos;
    int generation_ = 0;  // the run a delayed answer belongs to
    std::unique_ptr<QTemporaryDir> dossier_;
    QProcess *processus_ = nullptr;
    QTimer minuterie_;
    Conception conception_;
    QByteArray carte_;
    double fmin_ = 0, fmax_ = 0;
    int points_ = kPointsBalayage;
    double pas_ = kPasDiagramme;
};

// ---- Trimming by the model ------------------------------------------------------------------

// Trimmed when the model's resonance is within 0.1 % of F, after at most 8 runs.
constexpr double kToleranceAjustement = 0.001;
constexpr int kEssaisAjustement = 8;

bool ajuste(double resonance, double frequence);

// The next scale factor (of the design as built) to run, from the runs so far: pairs of factor
// and the model's resonance (MHz) at that factor, oldest first. One run: lengths scale as 1 / f,
// so factor x resonance / F. Two or more: a secant step through the last two, falling back on the
// proportional step when they give no usable slope; each step at most halves or doubles the
// factor. Empty when there is no run or a figure is not finite and positive.
std::optional<double> prochainFacteur(const std::vector<std::pair<double, double>> &essais, double frequence);

// The trimming loop's bookkeeping: the window runs echelle(conception, facteur()) and notes the
// resonance it got, until the state is no longer AEssayer.
class Ajusteur {
public:
    enum class Etat {
        AEssayer,       // run facteur() next
        Atteint,        // the last run is within tolerance: facteur() is the answer
        Epuise,         // 8 runs without reaching it: facteur() is the best run's
        SansResonance,  // a run showed no resonance in its sweep: facteur() is the best run's
    };

    explicit Ajusteur(double frequence) : frequence_(frequence) {}
    double facteur() const { return facteur_; }
    Etat etat() const { return etat_; }
    int essais() const { return int(essais_.size()); }
    Etat noter(std::optional<double> resonance);

private:
    void retenirMeilleur();

    double frequence_;
    double facteur_ = 1;
    Etat etat_ = Etat::AEssayer;
    std::vector<std::pair<double, double>> essais_;
};

}  // namespace modele
