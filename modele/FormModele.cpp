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

void preparerGraphe(QChart *g)
{
    g->legend()->hide();
    g->setLocalizeNumbers(true);
    g->setLocale(QLocale());
    g->setMargins(QMargins(2, 2, 2, 2));
    g->setBackgroundRoundness(0);
}

QValueAxis *axe(QChart *g, const QString &titre, const QString &format)
{
    auto *a = new QValueAxis(g);
    a->setTitleText(titre);
    a->setLabelFormat(format);
    return a;
}

// The SWR against frequency, F (dashed, grey) and the model's resonance (red) marked. Built once:
// each run only replaces the points, which keeps the results quick to show.
class GrapheRos : public QChart {
public:
    GrapheRos()
    {
        preparerGraphe(this);
        axeF_ = axe(this, QStringLiteral("Fréquence (Mhz)"), QStringLiteral("%.3f"));
        axeF_->setTickCount(5);
        axeR_ = axe(this, QStringLiteral("ROS"), QStringLiteral("%.0f"));
        addAxis(axeF_, Qt::AlignBottom);
        addAxis(axeR_, Qt::AlignLeft);
        ros_->setPen(QPen(QColor(20, 60, 170), 2));
        f_->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
        resonance_->setPen(QPen(QColor(200, 30, 30), 1, Qt::DashLine));
        point_->setMarkerSize(8);
        point_->setColor(QColor(200, 30, 30));
        point_->setBorderColor(QColor(200, 30, 30));
        for (QXYSeries *s : std::initializer_list<QXYSeries *>{ros_, f_, resonance_, point_}) {
            addSeries(s);
            s->attachAxis(axeF_);
            s->attachAxis(axeR_);
        }
        vider();
    }

    void vider()
    {
        for (QXYSeries *s : std::initializer_list<QXYSeries *>{ros_, f_, resonance_, point_}) s->clear();
        axeF_->setRange(0, 1);
        axeR_->setRange(1, 3);
        axeR_->setTickCount(3);
    }

    void montrer(const Resultats &r)
    {
        // Up to 3, 5 or 10: the dip is what matters, with few enough lines to read their labels.
        double haut = 3;
        for (const modele::PointCourbe &p : r.courbe) haut = std::max(haut, std::min(p.ros, 10.0));
        haut = haut <= 3 ? 3 : haut <= 5 ? 5 : 10;
        QList<QPointF> points;
        points.reserve(int(r.courbe.size()));
        for (const modele::PointCourbe &p : r.courbe) points << QPointF(p.frequence, std::min(p.ros, haut));
        ros_->replace(points);
        if (!r.courbe.empty()) axeF_->setRange(r.courbe.front().frequence, r.courbe.back().frequence);
        axeR_->setRange(1, haut);
        axeR_->setTickCount(haut == 10 ? 4 : int(haut));
        f_->replace({QPointF(r.frequence, 1), QPointF(r.frequence, haut)});
        resonance_->clear();
        point_->clear();
        if (!r.resonance) return;
        resonance_->replace({QPointF(*r.resonance, 1), QPointF(*r.resonance, haut)});
        // On the curve: its SWR between the two points around the resonance.
        double y = haut;
        for (size_t i = 1; i < r.courbe.size(); ++i) {
            const modele::PointCourbe &a = r.courbe[i - 1], &b = r.courbe[i];
            if (a.frequence <= *r.resonance && *r.resonance <= b.frequence && b.frequence > a.frequence) {
                y = a.ros + (b.ros - a.ros) * (*r.resonance - a.frequence) / (b.frequence - a.frequence);
                break;
            }
        }
        point_->replace({QPointF(*r.resonance, std::min(y, haut))});
    }

private:
    QValueAxis *axeF_ = nullptr, *axeR_ = nullptr;
    QLineSeries *ros_ = new QLineSeries(this), *f_ = new QLineSeries(this), *resonance_ = new QLineSeries(this);
    QScatterSeries *point_ = new QScatterSeries(this);
};

// A pattern cut in dBi on a polar plot, from the maximum down by kDynamique. The horizontal cut
// has the azimuth 0 (the boom's front) on top; the vertical cut is drawn as seen from the side,
// the zenith on top and the horizon towards the maximum on the right (over ground it fills the
// upper half only), its angles unlabelled since they are not the chart's own.
class GraphePolaire : public QPolarChart {
public:
    explicit GraphePolaire(bool vertical) : vertical_(vertical)
    {
        preparerGraphe(this);
        setMargins(QMargins(0, 0, 0, 0));
        setTitle(vertical ? QStringLiteral("Plan vertical (zénith en haut)") : QStringLiteral("Plan horizontal (azimut)"));
        auto *angles = axe(this, QString(), QStringLiteral("%.0f"));
        angles->setRange(0, 360);
        angles->setTickCount(13);
        angles->setLabelsVisible(!vertical);
        gains_ = axe(this, QString(), QStringLiteral("%.0f"));
        gains_->setTickCount(4);
        addAxis(angles, QPolarChart::PolarOrientationAngular);
        addAxis(gains_, QPolarChart::PolarOrientationRadial);
        serie_->setPen(QPen(QColor(20, 60, 170), 2));
        addSeries(serie_);
        serie_->attachAxis(angles);
        serie_->attachAxis(gains_);
        vider();
    }

    void vider()
    {
        serie_->clear();
        gains_->setRange(-kDynamique, 0);
    }

    void montrer(const std::vector<modele::PointPolaire> &coupe, double gainMax)
    {
        const double haut = std::ceil(gainMax), bas = haut - kDynamique;
        // In increasing angle from 0 to 360 on the chart: a line that jumps across 0 would be
        // drawn through the centre.
        QList<QPointF> points;
        for (const modele::PointPolaire &p : coupe)
            points << QPointF(vertical_ ? std::fmod(450 - p.angle, 360.0) : p.angle, std::max(p.gain, bas));
        std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
        if (!points.isEmpty() && points.front().x() == 0 && points.back().x() < 360)
            points << QPointF(360, points.front().y());
        gains_->setRange(bas, haut);
        serie_->replace(points);
    }

private:
    bool vertical_;
    QValueAxis *gains_ = nullptr;
    QLineSeries *serie_ = new QLineSeries(this);
};

// A chart view showing `graphe`: the view's own first chart, which it does not delete when given
// another, goes.
QChartView *vue(const char *nom, const QString &nomAccessible, QSize taille, QChart *graphe)
{
    auto *v = controles::creer<QChartView>(nom);
    v->setAccessibleName(nomAccessible);
    v->setRenderHint(QPainter::Antialiasing);
    v->setFocusPolicy(Qt::NoFocus);
    v->setFixedSize(taille);  // the window fits a 1366 x 768 screen
    QChart *premier = v->chart();
    v->setChart(graphe);
    delete premier;
    return v;
}

}  // namespace

FormModele::FormModele(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("FormModele"), QStringLiteral("Modèle NEC-2"))
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
    Courbe_Modele = vue("Courbe_Modele", QStringLiteral("Courbe du ROS du modèle selon la fréquence"), {570, 240},
                        new GrapheRos);
    Diagramme_Horizontal = vue("Diagramme_Horizontal", QStringLiteral("Diagramme horizontal du modèle (dBi)"),
                               {282, 270}, new GraphePolaire(false));
    Diagramme_Vertical = vue("Diagramme_Vertical", QStringLiteral("Diagramme vertical du modèle (dBi)"), {282, 270},
                             new GraphePolaire(true));
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
    static_cast<GrapheRos *>(Courbe_Modele->chart())->montrer(r);
    Courbe_Modele->setAccessibleDescription(r.lignes.value(0));
    auto *horizontal = static_cast<GraphePolaire *>(Diagramme_Horizontal->chart());
    auto *vertical = static_cast<GraphePolaire *>(Diagramme_Vertical->chart());
    if (r.diagramme) {
        horizontal->montrer(r.coupeHorizontale, r.gainMax);
        vertical->montrer(r.coupeVerticale, r.gainMax);
    } else {
        horizontal->vider();
        vertical->vider();
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
