// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/moteur.h"

#include "modele/carte.h"
#include "modele/sortie.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace modele {

namespace {

const QString kEntree = QStringLiteral("m.nec");
const QString kSortie = QStringLiteral("m.out");
constexpr qint64 kSortieMax = 64 * 1024 * 1024;  // more than any deck of this program prints

// The last line a program wrote, as plain text, for a message.
QString derniereLigne(const QByteArray &texte)
{
    const QList<QByteArray> lignes = texte.trimmed().split('\n');
    QString l = lignes.isEmpty() ? QString() : QString::fromUtf8(lignes.back().trimmed().left(160));
    l.removeIf([](QChar c) { return !c.isPrint(); });
    return l;
}

}  // namespace

Moteur::Moteur(QObject *parent) : QObject(parent)
{
    minuterie_.setSingleShot(true);
    connect(&minuterie_, &QTimer::timeout, this, &Moteur::depasse);
}

Moteur::~Moteur() { arreter(); }

void Moteur::setProgramme(const QString &programme) { programme_ = programme; }
void Moteur::setDelai(int millisecondes) { delai_ = std::max(1, millisecondes); }

void Moteur::setBalayage(int points, double pasDiagramme)
{
    points_ = std::max(2, points);
    const bool diviseur = pasDiagramme >= 1 && pasDiagramme <= 90 &&
                          std::abs(90 / pasDiagramme - std::round(90 / pasDiagramme)) < 1e-9;
    pas_ = diviseur ? pasDiagramme : kPasDiagramme;
}

void Moteur::arreter()
{
    minuterie_.stop();
    if (processus_) {
        processus_->disconnect(this);
        if (processus_->state() != QProcess::NotRunning) {
            processus_->kill();
            processus_->waitForFinished(2000);
        }
        // Later: this may run inside one of the process's own signals.
        processus_->deleteLater();
        processus_ = nullptr;
    }
}

void Moteur::annuler()
{
    if (etat_ != Etat::EnCours) return;
    ++generation_;
    arreter();
    etat_ = Etat::Annule;
}

void Moteur::echouer(const QString &message)
{
    arreter();
    etat_ = Etat::Echoue;
    emit echec(message);
}

void Moteur::lancer(const Conception &c, const Environnement &env)
{
    lancer(c, env, c.frequence * (1 - kEtendueBalayage), c.frequence * (1 + kEtendueBalayage));
}

void Moteur::lancer(const Conception &c, const Environnement &env, double fmin, double fmax)
{
    arreter();
    const int generation = ++generation_;
    etat_ = Etat::EnCours;
    conception_ = c;
    carte_.clear();
    QString refuse = refus(c, env);
    if (refuse.isEmpty() && !(std::isfinite(fmin) && std::isfinite(fmax) && fmin > 0 && fmax > fmin))
        refuse = QStringLiteral("La bande de fréquences à modéliser n'est pas valable.");
    if (!refuse.isEmpty()) {
        // Told from the event loop, as every other outcome.
        QTimer::singleShot(0, this, [this, refuse, generation] {
            if (generation == generation_ && etat_ == Etat::EnCours) echouer(refuse);
        });
        return;
    }
    fmin_ = fmin;
    fmax_ = fmax;
    carte_ = carte(c, env, fmin_, fmax_, points_, pas_);

    if (!dossier_ || !dossier_->isValid()) {
        // A short directory: nec2c refuses paths over 75 characters (the names given are relative).
        const QString base = QDir::tempPath().size() <= 40 ? QDir::tempPath() : QStringLiteral("/tmp");
        dossier_ = std::make_unique<QTemporaryDir>(base + QStringLiteral("/orvalis-XXXXXX"));
    }
    QFile entree(dossier_->filePath(kEntree));
    QFile::remove(dossier_->filePath(kSortie));
    if (!dossier_->isValid() || !entree.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        entree.write(carte_) != carte_.size() || !entree.flush()) {
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_ && etat_ == Etat::EnCours)
                echouer(QStringLiteral("Le modèle n'a pas pu être écrit dans le dossier temporaire."));
        });
        return;
    }
    entree.close();

    processus_ = new QProcess(this);
    processus_->setWorkingDirectory(dossier_->path());
    processus_->setProgram(programme_);
    processus_->setArguments({QStringLiteral("-i"), kEntree, QStringLiteral("-o"), kSortie});
    processus_->setProcessChannelMode(QProcess::SeparateChannels);
    processus_->setStandardInputFile(QProcess::nullDevice());
    connect(processus_, &QProcess::finished, this, &Moteur::fini);
    connect(processus_, &QProcess::errorOccurred, this, &Moteur::erreur);
    minuterie_.start(delai_);
    processus_->start();
}

void Moteur::erreur(QProcess::ProcessError e)
{
    if (e != QProcess::FailedToStart || etat_ != Etat::EnCours) return;  // the others end in fini()
    echouer(programme_ == QLatin1String("nec2c")
                ? QStringLiteral("Le moteur de calcul NEC-2 « nec2c » est introuvable : installez le paquet "
                                 "Debian « nec2c » (sudo apt install nec2c).")
                : QStringLiteral("Le moteur de calcul NEC-2 « %1 » est introuvable ou ne peut pas être "
                                 "lancé : installez le paquet Debian « nec2c ».")
                      .arg(programme_));
}

void Moteur::depasse()
{
    if (etat_ != Etat::EnCours) return;
    echouer(QStringLiteral("Le moteur de calcul NEC-2 n'a pas répondu en %1 s : le calcul est abandonné.")
                .arg(std::lround(delai_ / 1000.0)));
}

void Moteur::fini(int code, QProcess::ExitStatus statut)
{
    if (etat_ != Etat::EnCours || !processus_) return;
    const QByteArray erreurs = processus_->readAllStandardError();
    if (statut == QProcess::CrashExit) {
        echouer(QStringLiteral("Le moteur de calcul NEC-2 s'est arrêté brutalement : le modèle n'a pas pu "
                               "être calculé."));
        return;
    }
    QFile fichier(dossier_->filePath(kSortie));
    QByteArray texte;
    if (fichier.open(QIODevice::ReadOnly)) texte = fichier.read(kSortieMax);
    if (code != 0) {
        QString raison = derniereLigne(erreurs);
        if (raison.isEmpty()) raison = derniereLigne(texte);
        echouer(QStringLiteral("Le moteur de calcul NEC-2 a échoué (code %1)%2")
                    .arg(code)
                    .arg(raison.isEmpty() ? QStringLiteral(".") : QStringLiteral(" : ") + raison));
        return;
    }
    if (!fichier.isOpen()) {
        echouer(QStringLiteral("Le moteur de calcul NEC-2 n'a rien écrit : le modèle n'a pas pu être lu."));
        return;
    }
    QString message;
    const Resultats r = analyser(lireSortie(texte), conception_, fmin_, fmax_, points_, &message);
    if (!message.isEmpty()) {
        echouer(message);
        return;
    }
    arreter();
    etat_ = Etat::Termine;
    emit termine(r);
}

// ---- Trimming ---------------------------------------------------------------------------------

bool ajuste(double resonance, double frequence)
{
    return std::abs(resonance - frequence) <= kToleranceAjustement * frequence;
}

std::optional<double> prochainFacteur(const std::vector<std::pair<double, double>> &essais, double frequence)
{
    const auto bon = [](double x) { return std::isfinite(x) && x > 0; };
    if (essais.empty() || !bon(frequence)) return std::nullopt;
    for (const auto &[k, f] : essais)
        if (!bon(k) || !bon(f)) return std::nullopt;
    const auto [k1, f1] = essais.back();
    // Lengths scale as 1 / f: a model resonating high is lengthened in proportion.
    double suivant = k1 * f1 / frequence;
    if (essais.size() >= 2) {
        const auto [k0, f0] = essais[essais.size() - 2];
        const double pente = (f1 - f0) / (k1 - k0);
        // A longer element resonates lower: only a falling slope is believed.
        if (std::isfinite(pente) && pente < 0) suivant = k1 + (frequence - f1) / pente;
    }
    suivant = std::clamp(suivant, k1 / 2, k1 * 2);
    return bon(suivant) ? std::optional<double>(suivant) : std::nullopt;
}

void Ajusteur::retenirMeilleur()
{
    if (essais_.empty()) return;
    const auto &meilleur = *std::min_element(essais_.begin(), essais_.end(), [&](const auto &a, const auto &b) {
        return std::abs(a.second - frequence_) < std::abs(b.second - frequence_);
    });
    facteur_ = meilleur.first;
}

Ajusteur::Etat Ajusteur::noter(std::optional<double> resonance)
{
    if (etat_ != Etat::AEssayer) return etat_;
    if (!resonance || !std::isfinite(*resonance)) {
        etat_ = Etat::SansResonance;
        retenirMeilleur();
        return etat_;
    }
    essais_.emplace_back(facteur_, *resonance);
    if (ajuste(*resonance, frequence_)) return etat_ = Etat::Atteint;
    const std::optional<double> suivant = prochainFacteur(essais_, frequence_);
    if (int(essais_.size()) >= kEssaisAjustement || !suivant) {
        etat_ = Etat::Epuise;
        retenirMeilleur();
        return etat_;
    }
    facteur_ = *suivant;
    return etat_;
}

}  // namespace modele
