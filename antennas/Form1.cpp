// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/Form1.h"

#include "antennas/concepteurs/ConcepteurFilaire.h"
#include "antennas/concepteurs/ConcepteurLevy.h"
#include "antennas/concepteurs/ConcepteurModele.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/constantes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace antennes;

using controles::bouton;
using controles::legende;

namespace {

enum Onglet { OngletFilaire = 0, OngletYagi = 1, OngletQuad = 2, OngletLevy = 3 };

// Drawings larger than this are shown reduced, keeping their proportions.
constexpr QSize kImageMax(480, 360);

}  // namespace

Form1::Form1(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form1"), QStringLiteral("Les antennes"))
{
    construire();
    champs_ = creerChamps();
    for (Concepteur *c : std::as_const(concepteurs_)) c->declarer(*champs_);

    connect(TabStrip1, &QTabWidget::currentChanged, this, &Form1::ongletChoisi);
    connect(Combo1, &QComboBox::activated, this, &Form1::choisirBande);
    connect(Modeliser, &QPushButton::clicked, this, [this] {
        if (conception_) emit modeliser(conception_);
        else messages::afficher(this, QStringLiteral("Calculez d'abord une antenne : le modèle est celui que montrent les résultats."));
    });
}

void Form1::construire()
{
    // Band choice, above the tabs: it sets the frequency of all four designers.
    Combo1 = liste("Combo1",
                   {QStringLiteral("Libre choix"), QStringLiteral("160 m"), QStringLiteral("80 m"),
                    QStringLiteral("40 m"), QStringLiteral("30 m"), QStringLiteral("20 m"),
                    QStringLiteral("17 m"), QStringLiteral("15 m"), QStringLiteral("12 m"),
                    QStringLiteral("10 m"), QStringLiteral("6 m"), QStringLiteral("2 m"),
                    QStringLiteral("70 cm"), QStringLiteral("23 cm")},
                   QStringLiteral("20 m"));
    Label3 = legende("Label3",
                     QStringLiteral("Choisissez une bande ou indiquer une fréquence d'accord dans le cadre "
                                    "inférieur"),
                     Combo1);

    TabStrip1 = controles::creer<QTabWidget>("TabStrip1");

    // The four designers, a tab each.
    auto *filaire = new ConcepteurFilaire(*this, this);
    TabStrip1->addTab(filaire->page(), QStringLiteral("Antennes filaire"));
    auto *yagi = ConcepteurModele::yagi(*this, this);
    TabStrip1->addTab(yagi->page(), QStringLiteral("Antenne Yagi"));
    auto *quad = ConcepteurModele::quad(*this, this);
    TabStrip1->addTab(quad->page(), QStringLiteral("Quad et Delta-Loop"));
    auto *levy = new ConcepteurLevy(*this, this);
    TabStrip1->addTab(levy->page(), QStringLiteral("Antenne Levy"));
    concepteurs_ = {filaire, yagi, quad, levy};
    TabStrip1->setUsesScrollButtons(false);  // every tab's caption in full

    // The result box and the drawing, shared by the tabs.
    Text3 = controles::zoneResultat("Text3", QStringLiteral("Text3"));
    Text3->setAccessibleName(QStringLiteral("Résultats"));
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setMinimumSize(Text3->fontMetrics().horizontalAdvance(QString(64, QLatin1Char('n'))),
                          Text3->fontMetrics().lineSpacing() * 16);
    Picture1 = controles::dessin("Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    // The drawings keep their place whatever is shown. A box of fixed size also spares the window
    // a new layout each time a drawing is changed.
    Picture1->setFixedSize(kImageMax + 2 * QSize(Picture1->frameWidth(), Picture1->frameWidth()));
    chargerDessin(QStringLiteral(":/dessins/Form1.png"));  // a generic antenna, until a calculation
    Modeliser = controles::bouton("Modeliser", QStringLiteral("Modéliser (NEC-2)…"));
    Retour_Menu = boutonRetour();

    auto *bande = new QHBoxLayout;
    bande->addWidget(Label3);
    bande->addWidget(Combo1);
    bande->addStretch(1);

    // The band on top; the designer beside its drawing; the results below, the whole width.
    auto *grille = new QGridLayout(this);
    grille->addLayout(bande, 0, 0, 1, 2);
    grille->addWidget(TabStrip1, 1, 0);
    grille->addWidget(Picture1, 1, 1);
    grille->addWidget(Text3, 2, 0, 1, 2);
    grille->addWidget(Modeliser, 3, 0, Qt::AlignRight);
    grille->addWidget(Retour_Menu, 3, 1, Qt::AlignRight);
    grille->setRowStretch(2, 1);
    grille->setColumnStretch(0, 1);
}

void Form1::preparer()
{
    presenter();
    // The tab stays as the user left it; the 20 m band is applied again.
    Combo1->setCurrentIndex(5);
    choisirBande(5);
}

void Form1::ongletChoisi(int index)
{
    if (index != OngletFilaire) store().Calcul_Filaire_Fait = false;
    calculerOnglet();
}

void Form1::calculerOnglet()
{
    const int onglet = TabStrip1->currentIndex();
    if (onglet >= 0 && onglet < concepteurs_.size()) concepteurs_[onglet]->calculer();
}

void Form1::choisirBande(int index)
{
    if (index <= 0) {  // "Libre choix": the frequencies in force stay
        bandeAppliquee_ = 0;
        return;
    }
    Module1 &s = store();
    const float f = s.frequencePreferee(index);
    if (!frequenceUtilisable(f)) {
        const QString bande = Combo1->itemText(index);
        // Back to the band in force ("Libre choix" before any): frequencies and results stay.
        bandeAppliquee_ = qMax(bandeAppliquee_, 0);
        Combo1->setCurrentIndex(bandeAppliquee_);
        messages::afficher(this,
                           QStringLiteral("La table des bandes ne donne pas de fréquence utilisable pour la "
                                          "bande ") + bande + QStringLiteral(".") + constantes::kSautLigne
                               + QStringLiteral("Aucun calcul n'a été fait : choisissez une autre bande ou "
                                                "indiquez une fréquence d'accord."),
                           messages::kTitreProgramme, QMessageBox::Warning);
        return;
    }
    bandeAppliquee_ = index;
    s.Bande_Antenne = Combo1->itemText(index);
    s.Frequence_Accord = s.Frequence_Yagi = s.Frequence_Quad = s.Frequence_Levy = f;
    for (Concepteur *c : std::as_const(concepteurs_)) c->montrerFrequence(f);
    calculerOnglet();
}

bool Form1::frequencePrete(float frequence, bool saisissable)
{
    if (frequenceUtilisable(frequence)) return true;
    // Where the frequency cannot be typed, only the band table can give one.
    const QString remede = saisissable
        ? QStringLiteral("Choisissez une bande ou indiquez une fréquence d'accord.")
        : QStringLiteral("Choisissez une bande dont la fréquence préférée est renseignée dans le "
                         "tableau des bandes (menu « Paramètres »).");
    messages::afficher(this,
                       QStringLiteral("Pas de fréquence d'accord utilisable pour ce calcul.") + constantes::kSautLigne + remede,
                       messages::kTitreProgramme, QMessageBox::Warning);
    return false;
}

void Form1::libreChoix(float longueurOnde)
{
    store().Bande_Antenne = bandeDeLongueurOnde(longueurOnde);
    Combo1->setCurrentIndex(0);
    bandeAppliquee_ = 0;
}

int Form1::indexBande() const { return qMax(0, Combo1->currentIndex()); }

void Form1::chargerDessin(const QString &nom) { chargerImage(Picture1, nom, kImageMax); }

QWidget *Form1::zoneResultats() { return Text3; }

void Form1::effacerResultats() { Text3->clear(); }

void Form1::ecrireResultats(const QString &texte) { Text3->setPlainText(texte); }
