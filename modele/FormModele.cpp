// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/FormModele.h"

#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPolarChart>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using modele::Resultats;

namespace {

// The pattern's floor: the polar plots show the 30 dB under the maximum.
constexpr double kDynamique = 30;

QChart *nouveauGraphe()
{
    auto *g = new QChart;
    g->legend()->hide();
    g->setLocalizeNumbers(true);
    g->setLocale(QLocale());
    g->setMargins(QMargins(2, 2, 2, 2));
    g->setBackgroundRoundness(0);
    return g;
}

void poser(QChartView *vue, QChart *graphe)
{
    QChart *ancien = vue->chart();
    vue->setChart(graphe);
    delete ancien;
}

// The SWR against frequency, F (dashed, grey) and the model's resonance (red) marked.
QChart *courbeRos(const Resultats &r)
{
    QChart *g = nouveauGraphe();
    auto *ros = new QLineSeries(g);
    double haut = 3;
    for (const modele::PointCourbe &p : r.courbe) haut = std::max(haut, std::min(p.ros, 10.0));
    // Up to 3, 5 or 10: the dip is what matters, with few enough lines to read their labels.
    haut = haut <= 3 ? 3 : haut <= 5 ? 5 : 10;
    for (const modele::PointCourbe &p : r.courbe) ros->append(p.frequence, std::min(p.ros, haut));
    ros->setPen(QPen(QColor(20, 60, 170), 2));

    auto *axeF = new QValueAxis(g);
    axeF->setTitleText(QStringLiteral("Fréquence (Mhz)"));
    if (!r.courbe.empty()) axeF->setRange(r.courbe.front().frequence, r.courbe.back().frequence);
    axeF->setLabelFormat(QStringLiteral("%.3f"));
    axeF->setTickCount(5);
    auto *axeR = new QValueAxis(g);
    axeR->setTitleText(QStringLiteral("ROS"));
    axeR->setRange(1, haut);
    axeR->setTickCount(haut == 10 ? 4 : int(haut));
    axeR->setLabelFormat(QStringLiteral("%.0f"));
    g->addAxis(axeF, Qt::AlignBottom);
    g->addAxis(axeR, Qt::AlignLeft);
    const auto ajouter = [&](QAbstractSeries *s) {
        g->addSeries(s);
        s->attachAxis(axeF);
        s->attachAxis(axeR);
    };
    ajouter(ros);
    auto *f = new QLineSeries(g);
    *f << QPointF(r.frequence, 1) << QPointF(r.frequence, haut);
    f->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    ajouter(f);
    if (r.resonance) {
        auto *res = new QLineSeries(g);
        *res << QPointF(*r.resonance, 1) << QPointF(*r.resonance, haut);
        res->setPen(QPen(QColor(200, 30, 30), 1, Qt::DashLine));
        ajouter(res);
        auto *point = new QScatterSeries(g);
        point->setMarkerSize(8);
        point->setColor(QColor(200, 30, 30));
        point->setBorderColor(QColor(200, 30, 30));
        // On the curve: its SWR between the two points around the resonance.
        double y = haut;
        for (size_t i = 1; i < r.courbe.size(); ++i) {
            const modele::PointCourbe &a = r.courbe[i - 1], &b = r.courbe[i];
            if (a.frequence <= *r.resonance && *r.resonance <= b.frequence && b.frequence > a.frequence) {
                y = a.ros + (b.ros - a.ros) * (*r.resonance - a.frequence) / (b.frequence - a.frequence);
                break;
            }
        }
        *point << QPointF(*r.resonance, std::min(y, haut));
        ajouter(point);
    }
    return g;
}

// A pattern cut in dBi on a polar plot, from the maximum down by kDynamique. The horizontal cut
// has the azimuth 0 (the boom's front) on top; the vertical cut is drawn as seen from the side,
// the zenith on top and the horizon towards the maximum on the right (over ground it fills the
// upper half only), its angles unlabelled since they are not the chart's own.
QChart *polaire(const std::vector<modele::PointPolaire> &coupe, double gainMax, bool vertical)
{
    constexpr double tour = 360;
    auto *g = new QPolarChart;
    g->legend()->hide();
    g->setLocalizeNumbers(true);
    g->setLocale(QLocale());
    g->setMargins(QMargins(0, 0, 0, 0));
    g->setBackgroundRoundness(0);
    const double haut = std::ceil(gainMax), bas = haut - kDynamique;
    // In increasing angle from 0 to 360 on the chart: a line that jumps across 0 would be drawn
    // through the centre.
    QList<QPointF> points;
    for (const modele::PointPolaire &p : coupe)
        points << QPointF(vertical ? std::fmod(450 - p.angle, 360.0) : p.angle, std::max(p.gain, bas));
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    if (!points.isEmpty() && points.front().x() == 0 && points.back().x() < 360) points << QPointF(360, points.front().y());
    auto *serie = new QLineSeries(g);
    serie->append(points);
    g->setTitle(vertical ? QStringLiteral("Plan vertical (zénith en haut)") : QStringLiteral("Plan horizontal (azimut)"));
    serie->setPen(QPen(QColor(20, 60, 170), 2));
    auto *angles = new QValueAxis(g);
    angles->setRange(0, tour);
    angles->setTickCount(int(tour / 30) + 1);
    angles->setLabelFormat(QStringLiteral("%.0f"));
    angles->setLabelsVisible(!vertical);
    auto *gains = new QValueAxis(g);
    gains->setRange(bas, haut);
    gains->setTickCount(4);
    gains->setLabelFormat(QStringLiteral("%.0f"));
    g->addAxis(angles, QPolarChart::PolarOrientationAngular);
    g->addAxis(gains, QPolarChart::PolarOrientationRadial);
    g->addSeries(serie);
    serie->attachAxis(angles);
    serie->attachAxis(gains);
    return g;
}

QChartView *vue(const char *nom, const QString &nomAccessible, QSize taille)
{
    auto *v = controles::creer<QChartView>(nom);
    v->setAccessibleName(nomAccessible);
    v->setRenderHint(QPainter::Antialiasing);
    v->setFocusPolicy(Qt::NoFocus);
    v->setFixedSize(taille);  // the window fits a 1366 x 768 screen
    v->setChart(nouveauGraphe());
    return v;
}

}  // namespace

FormModele::FormModele(MDIForm1 &principal)
    : FenetreTravail(principal, QStringLiteral("FormModele"), QStringLiteral("Modèle NEC-2"))
{
    construire();
    declarerChamps();
    connect(&moteur_, &modele::Moteur::termine, this, &FormModele::termine);
    connect(&moteur_, &modele::Moteur::echec, this, &FormModele::echoue);
}

void FormModele::construire()
{
    Sol = controles::liste("Sol", {QStringLiteral("Espace libre"), QStringLiteral("Sol moyen"), QStringLiteral("Sol parfait")},
                           QString());
    Sol->setCurrentIndex(0);
    Hauteur_Sol = controles::champ("Hauteur_Sol");
    Diametre_Conducteur = controles::champ("Diametre_Conducteur");
    Relancer_Modele = controles::bouton("Relancer_Modele", QStringLiteral("Modéliser"));
    Ajuster_Modele = controles::bouton("Ajuster_Modele", QStringLiteral("Ajuster au modèle"));
    Exporter_Modele = controles::bouton("Exporter_Modele", QStringLiteral("Exporter le fichier NEC…"));
    Annuler_Modele = controles::bouton("Annuler_Modele", QStringLiteral("Annuler"));
    Progression_Modele = controles::creer<QProgressBar>("Progression_Modele");
    Progression_Modele->setRange(0, 0);  // busy, with no end known
    Progression_Modele->setTextVisible(false);
    Progression_Modele->setAccessibleName(QStringLiteral("Modélisation en cours"));
    Progression_Modele->setMaximumWidth(120);

    Resume_Modele = controles::zoneResultat("Resume_Modele");
    Resume_Modele->setAccessibleName(QStringLiteral("Résumé du modèle"));
    Resume_Modele->setMinimumWidth(Resume_Modele->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('n'))));
    Titre_Modele = controles::legende("Titre_Modele", QString(), Resume_Modele, this);
    Titre_Modele->setWordWrap(true);
    Courbe_Modele = vue("Courbe_Modele", QStringLiteral("Courbe du ROS du modèle selon la fréquence"), {570, 240});
    Diagramme_Horizontal = vue("Diagramme_Horizontal", QStringLiteral("Diagramme horizontal du modèle (dBi)"), {282, 270});
    Diagramme_Vertical = vue("Diagramme_Vertical", QStringLiteral("Diagramme vertical du modèle (dBi)"), {282, 270});
    Retour_Menu = boutonRetour();

    controles::Formulaire env("Cadre_Environnement", QStringLiteral("Environnement"));
    env.rangee("Label_Sol", QStringLiteral("Sol"), Sol);
    env.rangee("Label_Hauteur", QStringLiteral("Hauteur au-dessus du sol (m)"), Hauteur_Sol);
    env.rangee("Label_Diametre", QStringLiteral("Diamètre des conducteurs (mm)"), Diametre_Conducteur);

    auto *actions = new QGridLayout;
    actions->addWidget(Relancer_Modele, 0, 0);
    actions->addWidget(Ajuster_Modele, 0, 1);
    actions->addWidget(Exporter_Modele, 1, 0, 1, 2);
    actions->addWidget(Progression_Modele, 2, 0);
    actions->addWidget(Annuler_Modele, 2, 1);
    actions->setRowStretch(3, 1);

    auto *gauche = new QVBoxLayout;
    gauche->addWidget(env.cadre());
    gauche->addLayout(actions);
    gauche->addWidget(Titre_Modele);
    gauche->addWidget(Resume_Modele, 1);

    auto *diagrammes = new QHBoxLayout;
    diagrammes->addWidget(Diagramme_Horizontal);
    diagrammes->addWidget(Diagramme_Vertical);
    auto *droite = new QVBoxLayout;
    droite->addWidget(Courbe_Modele);
    droite->addLayout(diagrammes);
    droite->addStretch(1);
    auto *bas = new QHBoxLayout;
    bas->addStretch(1);
    bas->addWidget(Retour_Menu);
    droite->addLayout(bas);

    auto *page = new QHBoxLayout(this);
    page->addLayout(gauche, 1);
    page->addLayout(droite);

    occupe(false);
    connect(Sol, &QComboBox::activated, this, &FormModele::relancer);
    connect(Relancer_Modele, &QPushButton::clicked, this, &FormModele::relancer);
    connect(Ajuster_Modele, &QPushButton::clicked, this, &FormModele::ajuster);
    connect(Annuler_Modele, &QPushButton::clicked, this, &FormModele::annuler);
    connect(Exporter_Modele, &QPushButton::clicked, this, &FormModele::exporter);
}

void FormModele::declarerChamps()
{
    champs_ = creerChamps();
    Module1 &m = store();
    using C = ChampsNumeriques;
    // Any number is taken here: what the engine cannot be given (0, a negative height or
    // diameter, wires thicker than their spacing) is refused, with the reason, when it would run.
    champs_->ajouter(C::montre(Hauteur_Sol, m.Hauteur_Sol, {}, QStringLiteral(" m")));
    champs_->ajouter(C::montre(Diametre_Conducteur, m.Diametre_Conducteur, {}, QStringLiteral(" mm")));
    Hauteur_Sol->setText(nombres::montrer(m.Hauteur_Sol) + QStringLiteral(" m"));
    Diametre_Conducteur->setText(nombres::montrer(m.Diametre_Conducteur) + QStringLiteral(" mm"));
}

void FormModele::modeliser(const modele::Fabrique &fabrique)
{
    fabrique_ = fabrique;
    // Each design opens in free space: its first figures depend on the design alone.
    Sol->setCurrentIndex(0);
    presenter();
    relancer();
}

modele::Environnement FormModele::environnement() const
{
    const Module1 &m = store();
    modele::Environnement env;
    env.sol = static_cast<modele::Sol>(std::max(0, Sol->currentIndex()));
    env.hauteur = m.Hauteur_Sol;
    env.diametre = m.Diametre_Conducteur;
    return env;
}

bool FormModele::preparerConception(double facteur, modele::Conception *c)
{
    if (!fabrique_) return false;
    base_ = fabrique_(environnement().sol);
    Titre_Modele->setText(base_.titre);
    if (!base_.nonModelisable.isEmpty()) {
        Resume_Modele->setPlainText(base_.nonModelisable);
        return false;
    }
    *c = facteur == 1 ? base_ : modele::echelle(base_, facteur);
    const QString refuse = modele::refus(*c, environnement());
    if (!refuse.isEmpty()) {
        Resume_Modele->setPlainText(refuse);
        messages::afficher(this, refuse, messages::kTitreProgramme, QMessageBox::Warning);
        return false;
    }
    return true;
}

void FormModele::relancer()
{
    moteur_.annuler();
    ajusteur_.reset();
    modele::Conception c;
    if (preparerConception(1, &c)) lancer(c);
    else occupe(false);
}

void FormModele::ajuster()
{
    moteur_.annuler();
    modele::Conception c;
    if (!preparerConception(1, &c)) {
        ajusteur_.reset();
        occupe(false);
        return;
    }
    ajusteur_.emplace(base_.frequence);
    lancer(c);
}

void FormModele::lancer(const modele::Conception &c)
{
    Resume_Modele->setPlainText(ajusteur_ ? QStringLiteral("Ajustement au modèle en cours (essai %1)…").arg(ajusteur_->essais() + 1)
                                          : QStringLiteral("Modélisation en cours…"));
    occupe(true);
    moteur_.lancer(c, environnement());
}

void FormModele::annuler()
{
    moteur_.annuler();
    ajusteur_.reset();
    occupe(false);
    Resume_Modele->setPlainText(QStringLiteral("Modélisation annulée."));
}

void FormModele::occupe(bool enCours)
{
    Progression_Modele->setVisible(enCours);
    Annuler_Modele->setEnabled(enCours);
    Relancer_Modele->setEnabled(!enCours && bool(fabrique_));
    Ajuster_Modele->setEnabled(!enCours && bool(fabrique_));
    Exporter_Modele->setEnabled(!enCours && bool(fabrique_));
}

void FormModele::termine(const modele::Resultats &r)
{
    if (ajusteur_) {
        using E = modele::Ajusteur::Etat;
        const E etat = ajusteur_->noter(r.resonance);
        if (etat == E::AEssayer) {
            lancer(modele::echelle(base_, ajusteur_->facteur()));
            return;
        }
        const modele::Ajusteur fin = *ajusteur_;
        ajusteur_.reset();
        occupe(false);
        montrer(r);
        if (etat != E::Atteint) {
            // The best run is not within 0.1 %: say so, with the dimension it had.
            QStringList l{QStringLiteral("Ajustement inachevé : la résonance du modèle n'a pas pu être amenée à "
                                         "0,1 % de la fréquence en %1 essais.")
                              .arg(fin.essais())};
            const modele::Conception meilleure = modele::echelle(base_, fin.facteur());
            if (!meilleure.corrigee.modele.isEmpty()) l << modele::ligneCorrigee(meilleure);
            Resume_Modele->appendPlainText(l.join(u'\n'));
        }
        return;
    }
    occupe(false);
    montrer(r);
}

void FormModele::montrer(const modele::Resultats &r)
{
    Resume_Modele->setPlainText(r.lignes.join(u'\n'));
    poser(Courbe_Modele, courbeRos(r));
    Courbe_Modele->setAccessibleDescription(r.lignes.value(0));
    if (r.diagramme) {
        poser(Diagramme_Horizontal, polaire(r.coupeHorizontale, r.gainMax, false));
        poser(Diagramme_Vertical, polaire(r.coupeVerticale, r.gainMax, true));
    } else {
        poser(Diagramme_Horizontal, nouveauGraphe());
        poser(Diagramme_Vertical, nouveauGraphe());
    }
}

void FormModele::echoue(const QString &message)
{
    ajusteur_.reset();
    occupe(false);
    Resume_Modele->setPlainText(message);
    messages::afficher(this, message, messages::kTitreProgramme, QMessageBox::Warning);
}

void FormModele::exporter()
{
    modele::Conception c;
    if (!preparerConception(1, &c)) return;
    const QByteArray carte = modele::carte(c, environnement());
    // The summary stays what it was (preparerConception writes it only on a refusal).
    QFileDialog dialogue(this, QStringLiteral("Exporter le fichier NEC"));
    controles::dialogueFichier(dialogue, true);
    dialogue.setNameFilter(QStringLiteral("Fichiers NEC (*.nec)"));
    dialogue.setDefaultSuffix(QStringLiteral("nec"));
    dialogue.setDirectory(QDir::homePath());
    dialogue.selectFile(QStringLiteral("modele.nec"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;
    const QString chemin = dialogue.selectedFiles().constFirst();
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(carte) != carte.size() || !fichier.commit())
        messages::afficher(this,
                           QStringLiteral("Le fichier %1 n'a pas pu être enregistré : %2.")
                               .arg(QDir::toNativeSeparators(chemin), fichier.errorString()),
                           messages::kTitreProgramme, QMessageBox::Warning);
}
