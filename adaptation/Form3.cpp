// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/Form3.h"

#include "adaptation/recalcul.h"
#include "adaptation/touchstone.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/MDIForm1.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

const QString kTitreInformation = QStringLiteral("Pour information");

}  // namespace

Form3::Form3(MDIForm1 &principal)
    : FenetreTravail(principal, QStringLiteral("Form3"),
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

    // The SWR curve of the file read and the resonance found in it, hidden until a file is read.
    Cadre_Mesure = cadre("Cadre_Mesure", QStringLiteral("Mesure lue"), this);
    Courbe_ROS = creer<QChartView>("Courbe_ROS", Cadre_Mesure);
    Courbe_ROS->setAccessibleName(QStringLiteral("Courbe du ROS mesuré selon la fréquence"));
    Courbe_ROS->setRenderHint(QPainter::Antialiasing);
    Courbe_ROS->setFocusPolicy(Qt::NoFocus);
    Courbe_ROS->setMinimumSize(560, 220);
    Resume_Mesure = creer<QLabel>("Resume_Mesure", Cadre_Mesure);
    Resume_Mesure->setAccessibleName(QStringLiteral("Résonance mesurée"));
    Resume_Mesure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *courbe = new QVBoxLayout(Cadre_Mesure);
    courbe->addWidget(Courbe_ROS, 1);
    courbe->addWidget(Resume_Mesure);
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
    connect(Lire_Mesure, &QPushButton::clicked, this, &Form3::choisirMesure);
}

void Form3::declarerChamps()
{
    champs_ = creerChamps();
    champs_->ajouter(ChampsNumeriques::decimales(Text4, store().Frequence_Resonance_Mesuree, accepte::strictementPositif(),
                                                 3, QStringLiteral(" Mhz"), {Text5, Text6, Text7}));
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
        informer(adaptation::messageT2FD(m.Saut_Ligne), kTitreInformation);
        return;
    }
    // A new opening starts without the curve of an earlier one.
    Cadre_Mesure->hide();
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
        informer(adaptation::messageFrequenceAbsente(m.Saut_Ligne), kTitreInformation);
        return;
    }
    // The type is read now: it may have changed in the designer since the window was opened.
    const int type = typeFilaire();
    if (type == antennes::T2fd) {
        informer(adaptation::messageT2FD(m.Saut_Ligne), kTitreInformation);
        return;
    }
    const auto r = adaptation::recalculer(type, m.Frequence_Accord, m.Facteur_Raccourcissement,
                                          m.Longueur_Calculee, m.Frequence_Resonance_Mesuree, m.Saut_Ligne);
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
    if (type == antennes::G5rv) informer(adaptation::messageG5RV(m.Saut_Ligne), kTitreInformation);
    Text5->setText(r->facteur);
    Text6->setText(r->longueur);
    const QString doute = adaptation::messagePlausibilite(*r, m.Saut_Ligne);
    if (!doute.isEmpty()) informer(doute, kTitreInformation);
}

void Form3::choisirMesure()
{
    // As a click on the button does, the focus leaves the field being typed in first.
    Lire_Mesure->setFocus(Qt::MouseFocusReason);
    QFileDialog dialogue(this, QStringLiteral("Lire une mesure (Touchstone)"),
                         dossierMesures_.isEmpty() ? QDir::homePath() : dossierMesures_);
    controles::dialogueFichier(dialogue, false);
    dialogue.setNameFilter(QStringLiteral("Mesures Touchstone (*.s1p *.s2p)"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;
    const QString chemin = dialogue.selectedFiles().constFirst();
    dossierMesures_ = QFileInfo(chemin).absolutePath();
    lireMesure(chemin);
}

void Form3::lireMesure(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    const touchstone::Lecture lecture = touchstone::lireFichier(chemin);
    if (!lecture.mesure) {
        informer(touchstone::message(nom, lecture.erreur, store().Saut_Ligne), messages::kTitreProgramme);
        return;
    }
    // Entered as the user types it, through the field's own rules.
    const touchstone::Resonance &r = lecture.mesure->resonance;
    if (!champs_->entrer(Text4, touchstone::frequenceSaisie(r))) {
        informer(touchstone::messageRefus(nom, r, store().Saut_Ligne), messages::kTitreProgramme);
        return;
    }
    montrerCourbe(*lecture.mesure, nom);
}

void Form3::montrerCourbe(const touchstone::Mesure &m, const QString &nomFichier)
{
    const touchstone::Resonance &r = m.resonance;
    auto *graphe = new QChart;
    graphe->legend()->hide();
    graphe->setLocalizeNumbers(true);
    graphe->setLocale(QLocale());
    graphe->setMargins(QMargins(2, 2, 2, 2));
    graphe->setBackgroundRoundness(0);

    auto *ros = new QLineSeries(graphe);
    ros->setName(QStringLiteral("ROS"));
    double haut = 3;
    for (size_t i : touchstone::pointsATracer(m.points, 2000)) {
        const touchstone::Point &p = m.points[i];
        ros->append(p.frequence / 1e6, p.ros);
        haut = std::max(haut, p.ros);
    }
    // Up to an SWR of 10: the dip is what matters.
    haut = std::min(10.0, std::ceil(haut));
    const double fr = r.frequence / 1e6;

    auto *axeF = new QValueAxis(graphe);
    axeF->setTitleText(QStringLiteral("Fréquence (Mhz)"));
    axeF->setRange(m.points.front().frequence / 1e6, m.points.back().frequence / 1e6);
    axeF->setLabelFormat(QStringLiteral("%.3f"));
    axeF->setTickCount(6);
    auto *axeR = new QValueAxis(graphe);
    axeR->setTitleText(QStringLiteral("ROS"));
    axeR->setRange(1, haut);
    axeR->setTickCount(int(haut));  // one line per unit of SWR
    axeR->setLabelFormat(QStringLiteral("%.0f"));
    graphe->addAxis(axeF, Qt::AlignBottom);
    graphe->addAxis(axeR, Qt::AlignLeft);
    auto ajouter = [&](QAbstractSeries *s) {
        graphe->addSeries(s);
        s->attachAxis(axeF);
        s->attachAxis(axeR);
    };

    if (r.bande) {
        auto *dessus = new QLineSeries(graphe), *dessous = new QLineSeries(graphe);
        *dessus << QPointF(r.bandeDebut / 1e6, haut) << QPointF(r.bandeFin / 1e6, haut);
        *dessous << QPointF(r.bandeDebut / 1e6, 1) << QPointF(r.bandeFin / 1e6, 1);
        auto *bande = new QAreaSeries(dessus, dessous);
        bande->setName(QStringLiteral("ROS < 2"));
        bande->setColor(QColor(40, 170, 60, 60));
        bande->setBorderColor(Qt::transparent);
        ajouter(bande);
    }
    ros->setPen(QPen(QColor(20, 60, 170), 2));
    ajouter(ros);
    auto *repere = new QLineSeries(graphe);
    repere->setName(QStringLiteral("Résonance"));
    *repere << QPointF(fr, 1) << QPointF(fr, haut);
    repere->setPen(QPen(QColor(200, 30, 30), 1, Qt::DashLine));
    ajouter(repere);
    auto *point = new QScatterSeries(graphe);
    point->setMarkerSize(9);
    point->setColor(QColor(200, 30, 30));
    point->setBorderColor(QColor(200, 30, 30));
    *point << QPointF(fr, std::min(r.ros, haut));
    ajouter(point);

    QChart *ancien = Courbe_ROS->chart();
    Courbe_ROS->setChart(graphe);
    delete ancien;
    const QString resume = touchstone::resume(r);
    Resume_Mesure->setText(resume);
    Courbe_ROS->setAccessibleDescription(resume);
    Cadre_Mesure->setTitle(QStringLiteral("Mesure lue : ") + nomFichier);
    Cadre_Mesure->show();
    agrandir();
}
