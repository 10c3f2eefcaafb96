// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/Form3.h"

#include "adaptation/recalcul.h"
#include "adaptation/touchstone.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include "antennas/filaire.h"
#include "modele/conception.h"
#include "modele/resultats.h"

#include <QBuffer>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QHeaderView>
#include <QTableWidget>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QString kTitreInformation = QStringLiteral("Pour information");

}  // namespace

Form3::Form3(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form3"),
                     QStringLiteral("Adaptation à un environnement difficile"))
{
    construire();
    declarerChamps();
}

void Form3::construire()
{
    using namespace controles;
    Label4 = legende("Label4", QStringLiteral("Type d'antenne employée"), nullptr, this);
    QFont gras = Label4->font();
    gras.setBold(true);
    Label4->setFont(gras);

    QGroupBox *Frame3 = cadre("Frame3", QStringLiteral("Paramètres initiaux"), this);
    Text1 = resultat("Text1", QString(), Frame3);
    Text2 = resultat("Text2", QString(), Frame3);
    Text3 = resultat("Text3", QString(), Frame3);
    Rangees initiaux(new QGridLayout(Frame3));
    initiaux.rangee("Label1", QStringLiteral("Fréquence d'accord initiale"), Text1);
    initiaux.rangee("Label2", QStringLiteral("Facteur de raccourcissement initial"), Text2);
    initiaux.rangee("Label3", QStringLiteral("Longueur d'antenne initiale"), Text3);

    QGroupBox *Frame2 = cadre("Frame2", QStringLiteral("Fréquence de résonnance réelle de l'antenne (Mhz)"), this);
    Text4 = champ("Text4", QString(), Frame2);
    auto *mesure = new QVBoxLayout(Frame2);
    mesure->addWidget(Text4);

    Lire_Mesure = bouton("Lire_Mesure", QStringLiteral("Lire une mesure (Touchstone)…"), this);
    QPushButton *Calculer_adaptation = bouton("Calculer_adaptation", QStringLiteral("Calculer"), this);

    QGroupBox *Frame1 = cadre("Frame1", QStringLiteral("Nouveaux paramètres"), this);
    Text5 = resultat("Text5", QString(), Frame1);
    Text6 = resultat("Text6", QString(), Frame1);
    Rangees nouveaux(new QGridLayout(Frame1));
    nouveaux.rangee("Label5", QStringLiteral("Facteur de raccourcissement  recalculé"), Text5);
    nouveaux.rangee("Label6", QStringLiteral("Longueur recalculée"), Text6);

    Frame4 = cadre("Frame4", QStringLiteral("Action à mener"), this);
    Text7 = zoneResultat("Text7", QString(), Frame4);
    Text7->setToolTip(QStringLiteral("Ne pas oublier de tenir compte du type de l'antenne : doublet ou 1/4 onde"));
    // Room for the three lines of the quarter-wave text.
    Text7->setMinimumHeight(Text7->fontMetrics().lineSpacing() * 4 + 2 * Text7->frameWidth() +
                            int(2 * Text7->document()->documentMargin()));
    auto *action = new QVBoxLayout(Frame4);
    action->addWidget(Text7);

    // The sweeps read and their views, hidden until a file is read; the cable between the antenna
    // and the analyser, removed from the sweeps.
    Cadre_Mesure = cadre("Cadre_Mesure", QStringLiteral("Mesure lue"), this);
    Cable_Mesure = liste("Cable_Mesure", {}, QString(), false, Cadre_Mesure);
    // Its long first entry ("Aucun câble (mesure au point d'alimentation)") is elided in the box.
    Cable_Mesure->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Cable_Mesure->setMinimumContentsLength(16);
    Longueur_Cable = champ("Longueur_Cable", QString(), Cadre_Mesure);
    Liste_Mesures = creer<QListWidget>("Liste_Mesures", Cadre_Mesure);
    Liste_Mesures->setAccessibleName(QStringLiteral("Mesures lues"));
    Liste_Mesures->setMaximumWidth(Liste_Mesures->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('n'))));
    Ajouter_Mesure = bouton("Ajouter_Mesure", QStringLiteral("Ajouter une mesure…"), Cadre_Mesure);
    Ajouter_Mesure->setAccessibleDescription(QStringLiteral("Ajoute une autre mesure à la liste"));
    Retirer_Mesure = bouton("Retirer_Mesure", QStringLiteral("Retirer"), Cadre_Mesure);
    Superposer_Modele = caseACocher("Superposer_Modele", QStringLiteral("Superposer le modèle NEC-2"), Cadre_Mesure);
    Exporter_Mesure = bouton("Exporter_Mesure", QStringLiteral("Exporter la mesure corrigée…"), Cadre_Mesure);
    Exporter_Graphique = bouton("Exporter_Graphique", QStringLiteral("Exporter le graphique…"), Cadre_Mesure);
    Vues_Mesure = new vues::VuesMesure(Cadre_Mesure);

    // Matching the chosen sweep at one frequency.
    Cadre_Adaptation = cadre("Cadre_Adaptation", QStringLiteral("Adaptation au point choisi"), Cadre_Mesure);
    Frequence_Adaptation = champ("Frequence_Adaptation", QString(), Cadre_Adaptation);
    Q_Adaptation = champ("Q_Adaptation", QString(), Cadre_Adaptation);
    Impedance_Adaptation = creer<QLabel>("Impedance_Adaptation", Cadre_Adaptation);
    Impedance_Adaptation->setWordWrap(true);
    Impedance_Adaptation->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Reseaux_Adaptation = grille("Reseaux_Adaptation", 0, 2, QStringLiteral("Réseaux d'adaptation"), false, Cadre_Adaptation);
    Reseaux_Adaptation->setHorizontalHeaderLabels({QStringLiteral("Réseau"), QStringLiteral("Composants")});
    Reseaux_Adaptation->setSelectionBehavior(QAbstractItemView::SelectRows);
    Reseaux_Adaptation->setSelectionMode(QAbstractItemView::SingleSelection);
    Reseaux_Adaptation->horizontalHeader()->setStretchLastSection(true);
    Reseaux_Adaptation->setMinimumWidth(Reseaux_Adaptation->fontMetrics().horizontalAdvance(QString(46, QLatin1Char('n'))));
    Reseaux_Adaptation->setWordWrap(true);
    Absents_Adaptation = creer<QLabel>("Absents_Adaptation", Cadre_Adaptation);
    Absents_Adaptation->setWordWrap(true);
    Absents_Adaptation->setAccessibleName(QStringLiteral("Réseaux impossibles"));
    Bobiner_Self = bouton("Bobiner_Self", QStringLiteral("Bobiner la self…"), Cadre_Adaptation);
    Bobiner_Self->setEnabled(false);
    Rangees point(new QGridLayout(Cadre_Adaptation));
    point.rangee("Label_Frequence_Adaptation", QStringLiteral("Fréquence (Mhz)"), Frequence_Adaptation);
    point.rangee("Label_Q_Adaptation", QStringLiteral("Q du réseau en PI"), Q_Adaptation);
    point.travers(Impedance_Adaptation);
    point.travers(Reseaux_Adaptation);
    point.travers(Absents_Adaptation);
    point.aDroite(Bobiner_Self);
    Resume_Mesure = creer<QLabel>("Resume_Mesure", Cadre_Mesure);
    Resume_Mesure->setAccessibleName(QStringLiteral("Résonance mesurée"));
    Resume_Mesure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *cote = new QVBoxLayout;
    cote->addWidget(Liste_Mesures, 1);
    auto *liste = new QHBoxLayout;
    liste->addWidget(Ajouter_Mesure);
    liste->addWidget(Retirer_Mesure);
    cote->addLayout(liste);
    Rangees cable(new QGridLayout);
    cable.rangee("Label_Cable", QStringLiteral("Câble mesuré"), Cable_Mesure);
    cable.rangee("Label_Longueur_Cable", QStringLiteral("Longueur (m)"), Longueur_Cable);
    cote->addLayout(cable.grille());
    cote->addWidget(Superposer_Modele);
    cote->addWidget(Exporter_Mesure);
    cote->addWidget(Exporter_Graphique);
    auto *courbe = new QGridLayout(Cadre_Mesure);
    courbe->addLayout(cote, 0, 0);
    courbe->addWidget(Vues_Mesure, 0, 1);
    courbe->addWidget(Cadre_Adaptation, 0, 2, 2, 1);
    courbe->addWidget(Resume_Mesure, 1, 0, 1, 2);
    courbe->setColumnStretch(1, 1);
    Cadre_Mesure->hide();

    QPushButton *Retour_Menu = boutonRetour();

    // Left, what is known and what was measured; right, what follows from it.
    auto *gauche = new QVBoxLayout;
    gauche->addWidget(Frame3);
    gauche->addWidget(Frame2);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(Lire_Mesure);
    boutons->addStretch(1);
    boutons->addWidget(Calculer_adaptation);
    gauche->addLayout(boutons);
    gauche->addStretch(1);
    auto *droite = new QVBoxLayout;
    droite->addWidget(Frame1);
    droite->addWidget(Frame4, 1);

    auto *page = new QGridLayout(this);
    page->addWidget(Label4, 0, 0, 1, 2);
    page->addLayout(gauche, 1, 0);
    page->addLayout(droite, 1, 1);
    page->addWidget(Cadre_Mesure, 2, 0, 1, 2);
    page->addWidget(Retour_Menu, 3, 1, Qt::AlignRight);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(1, 1);

    connect(Calculer_adaptation, &QPushButton::clicked, this, &Form3::calculerAdaptation);
    connect(Lire_Mesure, &QPushButton::clicked, this, [this] { choisirMesure(false); });
    connect(Ajouter_Mesure, &QPushButton::clicked, this, [this] { choisirMesure(true); });
    connect(Retirer_Mesure, &QPushButton::clicked, this, &Form3::retirerMesure);
    connect(Liste_Mesures, &QListWidget::currentRowChanged, this, &Form3::choisirDansLaListe);
    connect(Cable_Mesure, &QComboBox::activated, this, &Form3::choisirCable);
    connect(Superposer_Modele, &QCheckBox::clicked, this, &Form3::superposerModele);
    connect(Exporter_Mesure, &QPushButton::clicked, this, &Form3::exporterMesure);
    connect(Exporter_Graphique, &QPushButton::clicked, this, &Form3::exporterGraphique);
    connect(Vues_Mesure, &vues::VuesMesure::frequenceChoisie, this, &Form3::choisirFrequenceAdaptation);
    connect(Reseaux_Adaptation, &QTableWidget::cellClicked, this, &Form3::choisirReseau);
    connect(Bobiner_Self, &QPushButton::clicked, this, [this] {
        if (reseauChoisi_ < 0 || reseauChoisi_ >= int(adaptation_.reseaux.size())) return;
        for (const boite::Composant &c : adaptation_.reseaux[size_t(reseauChoisi_)].composants)
            if (c.genre == boite::Composant::Genre::Self) {
                emit bobiner(c.valeur * 1e6);
                return;
            }
    });
    connect(&moteurModele_, &modele::Moteur::termine, this, [this](const modele::Resultats &r) {
        // Its SWR against the measurement's reference impedance, to compare like with like.
        const double r0 = choisie_ >= 0 && choisie_ < int(brutes_.size()) ? brutes_[size_t(choisie_)].mesure.reference : 50;
        vues::CourbeModele c;
        for (const modele::PointCourbe &p : r.courbe) c.ros.emplace_back(p.frequence, modele::ros(p.r, p.x, r0));
        c.resonance = r.resonance;
        modele_ = c;
        resumeModele_ = QStringLiteral("Modèle NEC-2 : ") + r.lignes.value(0);
        afficherMesures();
    });
    connect(&moteurModele_, &modele::Moteur::echec, this, [this](const QString &message) {
        Superposer_Modele->setChecked(false);
        informer(message, messages::kTitreProgramme);
    });
}

void Form3::declarerChamps()
{
    champs_ = creerChamps();
    champs_->ajouter(ChampsNumeriques::decimales(Text4, store().Frequence_Resonance_Mesuree, accepte::strictementPositif(),
                                                 3, QStringLiteral(" Mhz"), {Text5, Text6, Text7}));
    // Any number is taken, so that a length that cannot be removed is refused with the reason.
    champs_->ajouter(ChampsNumeriques::decimales(Longueur_Cable, store().Longueur_Cable_Mesure, {}, 2, QStringLiteral(" m")))
        .effets = [this] {
        Module1 &m = store();
        if (cableChoisi() && !brutes_.empty() && !montrerMesures(brutes_, choisie_)) {
            // Refused: the length in force stays.
            m.Longueur_Cable_Mesure = longueurAppliquee_;
        } else if (!(m.Longueur_Cable_Mesure > 0)) {
            informer(QStringLiteral("La longueur du câble doit être supérieure à 0."), messages::kTitreProgramme);
            m.Longueur_Cable_Mesure = longueurAppliquee_;
        }
        longueurAppliquee_ = m.Longueur_Cable_Mesure;
        Longueur_Cable->setText(nombres::fixe(double(m.Longueur_Cable_Mesure), 2) + QStringLiteral(" m"));
    };
    longueurAppliquee_ = store().Longueur_Cable_Mesure;
    Longueur_Cable->setText(nombres::fixe(double(longueurAppliquee_), 2) + QStringLiteral(" m"));
    champs_->ajouter(ChampsNumeriques::decimales(Frequence_Adaptation, store().Frequence_Adaptation,
                                                 accepte::strictementPositif(), 3, QStringLiteral(" Mhz")))
        .effets = [this] { adapter(); };
    champs_->ajouter(ChampsNumeriques::telQuel(Q_Adaptation, store().Q_Adaptation, accepte::auDessus(0)))
        .effets = [this] { adapter(); };
    Q_Adaptation->setText(nombres::montrer(store().Q_Adaptation));
}

int Form3::typeFilaire() const
{
    // The type chosen in the designer's list; without the designer, the title of its last result.
    if (store().Type_Filaire >= 0) return store().Type_Filaire;
    return adaptation::typeDepuisTitre(store().Lignes_Resultat[0]);
}

void Form3::informer(const QString &texte, const QString &titre)
{
    messages::afficher(this, texte, titre, QMessageBox::Warning);
}

void Form3::preparer()
{
    Module1 &m = store();
    const int type = typeFilaire();
    if (!m.Calcul_Filaire_Fait || type < 0) {
        informer(adaptation::messageSansCalcul(), messages::kTitreProgramme);
        return;
    }
    if (type == antennes::T2fd) {
        informer(adaptation::messageT2FD(), kTitreInformation);
        return;
    }
    // A new opening starts without the curves of an earlier one.
    Cadre_Mesure->hide();
    brutes_.clear();
    affichees_.clear();
    choisie_ = -1;
    Liste_Mesures->clear();
    Frequence_Adaptation->clear();
    adaptation_ = {};
    reseauChoisi_ = -1;
    apres_.clear();
    resumeApres_.clear();
    Reseaux_Adaptation->setRowCount(0);
    Impedance_Adaptation->clear();
    Absents_Adaptation->clear();
    Bobiner_Self->setEnabled(false);
    moteurModele_.annuler();
    modele_.reset();
    resumeModele_.clear();
    Superposer_Modele->setChecked(false);
    Superposer_Modele->setEnabled(!QStandardPaths::findExecutable(moteurModele_.programme()).isEmpty());
    Superposer_Modele->setToolTip(Superposer_Modele->isEnabled() ? QString()
                                  : QStringLiteral("Le moteur NEC-2 (paquet Debian nec2c) n'est pas installé."));
    remplirCables();
    presenter();
    Label4->setText(m.Lignes_Resultat[0]);
    Text1->setText(nombres::fixe(double(m.Frequence_Accord), 3) + QStringLiteral(" Mhz"));
    Text2->setText(nombres::montrer(m.Facteur_Raccourcissement));
    Text3->setText(nombres::fixe(double(m.Longueur_Calculee), 2) + QStringLiteral(" m"));
    for (QLineEdit *e : {Text4, Text5, Text6}) e->clear();
    Text7->clear();
    Frame4->setTitle(QStringLiteral("Action à mener"));
    Text4->setFocus(Qt::OtherFocusReason);
}

void Form3::calculerAdaptation()
{
    Module1 &m = store();
    if (Text4->text().isEmpty() || !(m.Frequence_Resonance_Mesuree > 0)) {
        informer(adaptation::messageFrequenceAbsente(), kTitreInformation);
        return;
    }
    // The type is read now: it may have changed in the designer since the window was opened.
    const int type = typeFilaire();
    if (type == antennes::T2fd) {
        informer(adaptation::messageT2FD(), kTitreInformation);
        return;
    }
    const auto r = adaptation::recalculer(type, m.Frequence_Accord, m.Facteur_Raccourcissement,
                                          m.Longueur_Calculee, m.Frequence_Resonance_Mesuree);
    if (!r) {
        informer(adaptation::messageSansCalcul(), messages::kTitreProgramme);
        return;
    }
    m.Longueur_Reference = r->longueurReference;
    m.Facteur_Recalcule = r->facteurRecalcule;
    m.Longueur_Recalculee = r->longueurRecalculee;
    m.Longueur_Correction = r->correction;
    m.Facteur_Maximum = r->facteurMaximum;
    m.Facteur_Minimum = r->facteurMinimum;

    Frame4->setTitle(r->cadre);
    Text7->setPlainText(r->action);
    Label4->setText(r->legende);
    if (type == antennes::G5rv) informer(adaptation::messageG5RV(), kTitreInformation);
    Text5->setText(r->facteur);
    Text6->setText(r->longueur);
    const QString doute = adaptation::messagePlausibilite(*r);
    if (!doute.isEmpty()) informer(doute, kTitreInformation);
}

void Form3::choisirMesure(bool ajouter)
{
    // As a click on the button does, the focus leaves the field being typed in first.
    (ajouter ? Ajouter_Mesure : Lire_Mesure)->setFocus(Qt::MouseFocusReason);
    if (ajouter && brutes_.size() >= kMesuresMax) {
        informer(QStringLiteral("%1 mesures au plus peuvent être montrées ensemble : retirez-en une d'abord.").arg(kMesuresMax),
                 messages::kTitreProgramme);
        return;
    }
    QFileDialog dialogue(this, ajouter ? QStringLiteral("Ajouter une mesure (Touchstone)") : QStringLiteral("Lire une mesure (Touchstone)"),
                         dossierMesures_.isEmpty() ? QDir::homePath() : dossierMesures_);
    controles::dialogueFichier(dialogue, false);
    dialogue.setNameFilter(QStringLiteral("Mesures Touchstone (*.s1p *.s2p)"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;
    const QString chemin = dialogue.selectedFiles().constFirst();
    dossierMesures_ = QFileInfo(chemin).absolutePath();
    lireMesure(chemin, ajouter);
}

void Form3::lireMesure(const QString &chemin, bool ajouter)
{
    const QString nom = QFileInfo(chemin).fileName();
    const touchstone::Lecture lecture = touchstone::lireFichier(chemin);
    if (!lecture.mesure) {
        informer(touchstone::message(nom, lecture.erreur), messages::kTitreProgramme);
        return;
    }
    std::vector<vues::Trace> brutes = ajouter ? brutes_ : std::vector<vues::Trace>{};
    brutes.push_back({nom, *lecture.mesure});
    montrerMesures(brutes, int(brutes.size()) - 1);
}

std::optional<ligne::Cable> Form3::cableChoisi() const
{
    const int i = Cable_Mesure->currentIndex();
    if (i < 1 || i > int(cables_.size())) return std::nullopt;
    return cables_[size_t(i - 1)];
}

void Form3::remplirCables()
{
    cables_ = ligne::lireCables(store());
    Cable_Mesure->clear();
    Cable_Mesure->addItem(QStringLiteral("Aucun câble (mesure au point d'alimentation)"));
    for (const ligne::Cable &c : cables_) Cable_Mesure->addItem(c.nom);
    Cable_Mesure->setCurrentIndex(0);
    cableApplique_ = 0;
}

std::optional<std::vector<vues::Trace>> Form3::traces(const std::vector<vues::Trace> &brutes)
{
    const std::optional<ligne::Cable> cable = cableChoisi();
    if (!cable) return brutes;
    std::vector<vues::Trace> t;
    for (const vues::Trace &b : brutes) {
        const ligne::Transformee r = ligne::ramener(b.mesure, *cable, store().Longueur_Cable_Mesure);
        if (!r.mesure) {
            informer(r.erreur.isEmpty() ? QStringLiteral("La mesure %1 ne peut pas être ramenée à l'antenne.").arg(b.nom)
                                        : r.erreur,
                     messages::kTitreProgramme);
            return std::nullopt;
        }
        t.push_back({b.nom, *r.mesure});
    }
    return t;
}

bool Form3::montrerMesures(const std::vector<vues::Trace> &brutes, int choisie)
{
    const std::optional<std::vector<vues::Trace>> vues = traces(brutes);
    if (!vues || choisie < 0 || choisie >= int(vues->size())) return false;
    const vues::Trace &t = (*vues)[size_t(choisie)];
    const touchstone::Resonance &r = t.mesure.resonance;
    // Entered as the user types it, through the field's own rules.
    if (!champs_->entrer(Text4, touchstone::frequenceSaisie(r))) {
        informer(touchstone::messageRefus(t.nom, r), messages::kTitreProgramme);
        return false;
    }
    brutes_ = brutes;
    affichees_ = *vues;
    choisie_ = choisie;
    cableApplique_ = Cable_Mesure->currentIndex();
    longueurAppliquee_ = store().Longueur_Cable_Mesure;

    // The matching at the frequency chosen, for the sweep now shown.
    if (store().Frequence_Adaptation > 0 && !Frequence_Adaptation->text().isEmpty()) adapter();
    else afficherMesures();
    return true;
}

void Form3::afficherMesures()
{
    if (choisie_ < 0 || choisie_ >= int(affichees_.size())) return;
    const vues::Trace &t = affichees_[size_t(choisie_)];
    const touchstone::Resonance &r = t.mesure.resonance;
    const QSignalBlocker bloque(Liste_Mesures);
    Liste_Mesures->clear();
    for (size_t i = 0; i < brutes_.size(); ++i) {
        auto *e = new QListWidgetItem(brutes_[i].nom, Liste_Mesures);
        e->setForeground(vues::couleur(int(i)));
    }
    Liste_Mesures->setCurrentRow(choisie_);
    Retirer_Mesure->setEnabled(brutes_.size() > 1);
    Ajouter_Mesure->setEnabled(brutes_.size() < kMesuresMax);

    QString resume = touchstone::resume(r);
    if (const auto cable = cableChoisi()) {
        resume += QStringLiteral(" — ") + ligne::suffixe(*cable, store().Longueur_Cable_Mesure);
        const int ecartes = int(std::count_if(t.mesure.points.begin(), t.mesure.points.end(),
                                              [](const touchstone::Point &p) { return !p.valide; }));
        if (ecartes > 0)
            resume += QStringLiteral(" — %1 point(s) hors de la courbe (|Γ| ≥ 1 au point d'alimentation)").arg(ecartes);
    }
    if (!resumeModele_.isEmpty() && Superposer_Modele->isChecked()) resume += u'\n' + resumeModele_;
    if (!resumeApres_.isEmpty()) resume += u'\n' + resumeApres_;
    Resume_Mesure->setText(resume);
    // What a screen reader says of the summary (its name is what it is) and of the chart.
    Resume_Mesure->setAccessibleDescription(resume);
    Vues_Mesure->courbeRos()->setAccessibleDescription(resume);
    redessiner();
    Cadre_Mesure->setTitle(QStringLiteral("Mesure lue : ") + t.nom);
    Cadre_Mesure->show();
    agrandir();
}

void Form3::retirerMesure()
{
    if (brutes_.size() < 2 || choisie_ < 0) return;
    std::vector<vues::Trace> brutes = brutes_;
    brutes.erase(brutes.begin() + choisie_);
    montrerMesures(brutes, int(brutes.size()) - 1);
}

void Form3::choisirDansLaListe(int i)
{
    if (i < 0 || i == choisie_ || i >= int(brutes_.size())) return;
    if (!montrerMesures(brutes_, i)) {
        const QSignalBlocker bloque(Liste_Mesures);
        Liste_Mesures->setCurrentRow(choisie_);
    }
}

void Form3::choisirCable(int)
{
    if (brutes_.empty() || montrerMesures(brutes_, choisie_)) {
        cableApplique_ = Cable_Mesure->currentIndex();
        return;
    }
    Cable_Mesure->setCurrentIndex(cableApplique_);  // refused: the cable in force stays
}

void Form3::superposerModele(bool oui)
{
    moteurModele_.annuler();
    modele_.reset();
    resumeModele_.clear();
    if (!oui) {
        afficherMesures();
        return;
    }
    // The design of the last wire calculation, modelled in free space over the sweeps' span.
    const Module1 &m = store();
    const antennes::EntreeFilaire e{typeFilaire(), m.Frequence_Accord, m.Facteur_Raccourcissement, m.Facteur_Velocite,
                                    m.Cable_Filaire};
    const antennes::ResultatFilaire r = antennes::calculerFilaire(e);
    const modele::Conception c = modele::filaire(e, r, modele::Sol::EspaceLibre);
    double fmin = m.Frequence_Accord * 0.9, fmax = m.Frequence_Accord * 1.1;
    if (!brutes_.empty()) {
        fmin = HUGE_VAL;
        fmax = -HUGE_VAL;
        for (const vues::Trace &t : brutes_) {
            fmin = std::min(fmin, t.mesure.points.front().frequence / 1e6);
            fmax = std::max(fmax, t.mesure.points.back().frequence / 1e6);
        }
    }
    moteurModele_.lancer(c, modele::Environnement{}, fmin, fmax);
}

void Form3::exporterMesure()
{
    if (choisie_ < 0 || choisie_ >= int(affichees_.size())) return;
    const vues::Trace &t = affichees_[size_t(choisie_)];
    QString quoi = t.nom;
    if (const auto cable = cableChoisi()) quoi += QStringLiteral(", ") + ligne::suffixe(*cable, store().Longueur_Cable_Mesure);
    const QByteArray contenu = touchstone::ecrireS1p(t.mesure.points, t.mesure.reference, quoi);
    QFileDialog dialogue(this, QStringLiteral("Exporter la mesure corrigée"), dossierMesures_.isEmpty() ? QDir::homePath() : dossierMesures_);
    controles::dialogueFichier(dialogue, true);
    dialogue.setNameFilter(QStringLiteral("Mesures Touchstone (*.s1p)"));
    dialogue.setDefaultSuffix(QStringLiteral("s1p"));
    dialogue.selectFile(QFileInfo(t.nom).completeBaseName() + QStringLiteral("-antenne.s1p"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;
    ecrireFichier(dialogue.selectedFiles().constFirst(), contenu);
}

void Form3::exporterGraphique()
{
    QWidget *vue = Vues_Mesure->currentWidget();
    if (!vue || brutes_.empty()) return;
    const QString png = QStringLiteral("Image PNG (*.png)"), pdf = QStringLiteral("Document PDF (*.pdf)");
    QFileDialog dialogue(this, QStringLiteral("Exporter le graphique"), dossierMesures_.isEmpty() ? QDir::homePath() : dossierMesures_);
    controles::dialogueFichier(dialogue, true);
    dialogue.setNameFilters({png, pdf});
    dialogue.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
            [&](const QString &f) { dialogue.setDefaultSuffix(f == pdf ? QStringLiteral("pdf") : QStringLiteral("png")); });
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;
    const QString chemin = dialogue.selectedFiles().constFirst();
    QByteArray contenu;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::WriteOnly);
    if (chemin.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter ecrivain(&tampon);
        ecrivain.setTitle(Cadre_Mesure->title());
        ecrivain.setCreator(QStringLiteral("Orvalis"));
        ecrivain.setPageSize(QPageSize(QPageSize::A4));
        ecrivain.setPageOrientation(QPageLayout::Landscape);
        QPainter peintre(&ecrivain);
        const QRect page = peintre.viewport();
        const double echelle = std::min(page.width() / double(vue->width()), page.height() / double(vue->height()));
        peintre.scale(echelle, echelle);
        vue->render(&peintre);
    } else {
        vue->grab().toImage().save(&tampon, "PNG");
    }
    tampon.close();
    ecrireFichier(chemin, contenu);
}

void Form3::ecrireFichier(const QString &chemin, const QByteArray &contenu)
{
    // All or nothing: an old file of that name stays whole when the writing fails.
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() && fichier.commit()) return;
    informer(QStringLiteral("Le fichier %1 n'a pas pu être enregistré : %2.")
                 .arg(QDir::toNativeSeparators(chemin), fichier.errorString()),
             messages::kTitreProgramme);
}

void Form3::redessiner()
{
    vues::Surimpressions en_plus;
    if (Superposer_Modele->isChecked()) en_plus.modele = modele_;
    en_plus.apresAdaptation = apres_;
    if (store().Frequence_Adaptation > 0 && !Frequence_Adaptation->text().isEmpty())
        en_plus.frequenceAdaptation = store().Frequence_Adaptation;
    Vues_Mesure->montrer(affichees_, choisie_, en_plus);
}

void Form3::choisirFrequenceAdaptation(double mhz)
{
    // Entered as the user would type it, with the kHz.
    champs_->entrer(Frequence_Adaptation, QString::number(mhz, 'f', 3));
}

namespace {

// The impedance of a sweep at f (Hz), linearly between its two valid points around f.
std::optional<std::complex<double>> impedanceA(const touchstone::Mesure &m, double f)
{
    for (size_t i = 1; i < m.points.size(); ++i) {
        const touchstone::Point &a = m.points[i - 1], &b = m.points[i];
        if (f < a.frequence || f > b.frequence || !a.valide || !b.valide || !(b.frequence > a.frequence)) continue;
        const double t = (f - a.frequence) / (b.frequence - a.frequence);
        return a.impedance + t * (b.impedance - a.impedance);
    }
    return std::nullopt;
}

}  // namespace

void Form3::adapter()
{
    adaptation_ = {};
    reseauChoisi_ = -1;
    apres_.clear();
    resumeApres_.clear();
    Reseaux_Adaptation->setRowCount(0);
    Absents_Adaptation->clear();
    Bobiner_Self->setEnabled(false);
    const Module1 &m = store();
    const double f = double(m.Frequence_Adaptation) * 1e6;
    const vues::Trace *t = choisie_ >= 0 && choisie_ < int(affichees_.size()) ? &affichees_[size_t(choisie_)] : nullptr;
    const std::optional<std::complex<double>> z = t ? impedanceA(t->mesure, f) : std::nullopt;
    if (!z) {
        Impedance_Adaptation->setText(t ? QStringLiteral("La mesure n'a pas de point valable à %1 Mhz.").arg(nombres::fixe(f / 1e6, 3))
                                        : QString());
        Impedance_Adaptation->setAccessibleDescription(Impedance_Adaptation->text());
        afficherMesures();
        return;
    }
    const QString impedance = QStringLiteral("Impédance à %1 Mhz : %2 %3 j%4 Ohms")
                                  .arg(nombres::fixe(f / 1e6, 3), nombres::fixe(z->real(), 1),
                                       z->imag() < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                       nombres::fixe(std::abs(z->imag()), 1));
    Impedance_Adaptation->setText(impedance);
    Impedance_Adaptation->setAccessibleDescription(impedance);
    adaptation_ = boite::adapter(*z, t->mesure.reference, f, double(m.Q_Adaptation));
    if (!adaptation_.impossible.isEmpty()) {
        Absents_Adaptation->setText(adaptation_.impossible);
    } else {
        Reseaux_Adaptation->setRowCount(int(adaptation_.reseaux.size()));
        for (size_t i = 0; i < adaptation_.reseaux.size(); ++i) {
            const boite::ReseauLC &r = adaptation_.reseaux[i];
            QStringList composants;
            for (const boite::Composant &c : r.composants) composants << c.texte();
            Reseaux_Adaptation->setItem(int(i), 0, new QTableWidgetItem(r.nom));
            Reseaux_Adaptation->setItem(int(i), 1, new QTableWidgetItem(composants.join(QStringLiteral(" ; "))));
        }
        Reseaux_Adaptation->resizeRowsToContents();
        Absents_Adaptation->setText(adaptation_.absents.join(u'\n'));
    }
    Absents_Adaptation->setAccessibleDescription(Absents_Adaptation->text());
    afficherMesures();
}

void Form3::choisirReseau(int ligne)
{
    if (ligne < 0 || ligne >= int(adaptation_.reseaux.size()) || choisie_ < 0 || choisie_ >= int(affichees_.size())) return;
    reseauChoisi_ = ligne;
    const boite::ReseauLC &r = adaptation_.reseaux[size_t(ligne)];
    const touchstone::Mesure &m = affichees_[size_t(choisie_)].mesure;
    // The SWR the network with these fixed components gives across the sweep (ideal components).
    apres_.clear();
    std::optional<double> bas, haut;
    const double fa = double(store().Frequence_Adaptation);
    bool dansBande = false;
    for (const touchstone::Point &p : m.points) {
        if (!p.valide) continue;
        const std::complex<double> zin = boite::entree(r, p.impedance, p.frequence);
        apres_.emplace_back(p.frequence / 1e6, modele::ros(zin.real(), zin.imag(), m.reference));
    }
    // The SWR < 2 band around the matching frequency, between the points of the curve.
    size_t centre = 0;
    for (size_t i = 0; i < apres_.size(); ++i)
        if (std::abs(apres_[i].x() - fa) < std::abs(apres_[centre].x() - fa)) centre = i;
    if (!apres_.empty() && apres_[centre].y() < 2) {
        dansBande = true;
        size_t i = centre, j = centre;
        while (i > 0 && apres_[i - 1].y() < 2) --i;
        while (j + 1 < apres_.size() && apres_[j + 1].y() < 2) ++j;
        bas = apres_[i].x();
        haut = apres_[j].x();
    }
    resumeApres_ = dansBande ? QStringLiteral("Après adaptation (%1) : ROS < 2 de %2 à %3 Mhz")
                                   .arg(r.nom, nombres::fixe(*bas, 3), nombres::fixe(*haut, 3))
                             : QStringLiteral("Après adaptation (%1) : pas de ROS < 2 autour de %2 Mhz").arg(r.nom, nombres::fixe(fa, 3));
    Bobiner_Self->setEnabled(std::any_of(r.composants.begin(), r.composants.end(), [](const boite::Composant &c) {
        return c.genre == boite::Composant::Genre::Self;
    }));
    afficherMesures();
}
