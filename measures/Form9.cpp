// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/Form9.h"

#include "measures/rayonnement.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using controles::bouton;
using controles::legende;
using controles::liste;
using controles::option;

using mesures::kTypesAntenne;
using mesures::TypeAntenne;

const QStringList kBandes = {"Libre choix", "160 m", "80 m", "40 m", "30 m", "20 m", "17 m",
                             "15 m",        "12 m",  "10 m", "6 m",  "2 m",  "70 cm", "24 cm"};

const QString kOption3 = QStringLiteral(
    "Je ne peut pas  faire de mesure à l'antenne, mais je connais l'affaiblissement du câble ");

void activer(std::initializer_list<QWidget *> controles, bool actif)
{
    for (QWidget *c : controles) c->setEnabled(actif);
}

}  // namespace

Form9::Form9(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form9"), QStringLiteral("Les mesures à l'antenne"))
{
    construire();
    declarerChamps();
}

void Form9::construire()
{
    // The tab strip only chooses which frame is shown: both frames lie below it, and the set-up
    // shows the VSWR frame without moving the strip's selection.
    TabStrip1 = controles::creer<QTabWidget>("TabStrip1");
    TabStrip1->setDocumentMode(true);
    TabStrip1->addTab(new QWidget, QStringLiteral("VSWR"));
    TabStrip1->addTab(new QWidget, QStringLiteral("Calculer la résistance de rayonnement"));
    TabStrip1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // Page "VSWR".
    Frame1 = controles::cadre("Frame1", QStringLiteral("VSWR"));
    Text1 = controles::champ("Text1");
    Text2 = controles::champ("Text2");
    Text3 = controles::champ("Text3");
    Text11 = controles::champ("Text11");
    Text13 = controles::champ("Text13");
    Text15 = controles::champ("Text15");
    Label11 = legende("Label11", QStringLiteral("Affaiblissement du câble"), Text11);
    Label12 = legende("Label12", QStringLiteral("Puissance directe à l'antenne"), Text13);
    Label18 = legende("Label18", QStringLiteral("Puissance réfléchie à l'antenne"), Text15);
    controles::Rangees rangees1(new QGridLayout);
    rangees1.rangee("Label1", QStringLiteral("Impédance de la source"), Text1);
    rangees1.rangee("Label2", QStringLiteral("Puissance directe à la source"), Text2);
    rangees1.rangee("Label3", QStringLiteral("Puissance réfléchie à la source"), Text3);
    rangees1.rangee(Label11, Text11);
    rangees1.rangee(Label12, Text13);
    rangees1.rangee(Label18, Text15);
    QGridLayout *grille1 = rangees1.grille();
    grille1->setColumnStretch(2, 1);

    Option1 = option("Option1", QStringLiteral("mesure vue de la source"));
    Option2 = option("Option2", QStringLiteral("mesure vue à l'antenne"));
    Option3 = option("Option3", kOption3);
    Option3->setToolTip(kOption3.trimmed());

    Calculer_VSWR = bouton("Calculer_VSWR", QStringLiteral("Calculer"));
    Text12 = controles::zoneResultat("Text12");
    Text12->setMinimumHeight(Text12->fontMetrics().lineSpacing() * 10);

    auto *bouton1 = new QHBoxLayout;
    bouton1->addWidget(Calculer_VSWR);
    bouton1->addStretch();
    auto *page1 = new QVBoxLayout(Frame1);
    page1->addLayout(grille1);
    page1->addWidget(Option1);
    page1->addWidget(Option2);
    page1->addWidget(Option3);
    page1->addLayout(bouton1);
    page1->addWidget(Text12, 1);

    // Page "Caractéristiques principales": the data on the left, the results on the right.
    Frame2 = controles::cadre("Frame2", QStringLiteral("Caractéristiques principales"));
    Combo1 = liste("Combo1", kBandes, QStringLiteral("20 m"));
    QStringList types;
    for (const TypeAntenne &t : kTypesAntenne) types << QString::fromUtf8(t.nom);
    Combo2 = liste("Combo2", types, types.first());
    Text4 = controles::champ("Text4");
    Text6 = controles::champ("Text6");
    Text7 = controles::champ("Text7");
    Text14 = controles::resultat("Text14");
    Text14->setText(QStringLiteral("36 Ohms"));
    Calculer_Resistance_Antenne = bouton("Calculer_Resistance_Antenne", QStringLiteral("Valider et Calculer"));
    Text5 = controles::resultat("Text5");
    Text8 = controles::resultat("Text8");
    Text9 = controles::resultat("Text9");
    Text10 = controles::resultat("Text10");
    Text16 = controles::resultat("Text16");

    // One column of captions: the data, the button, then the results.
    controles::Formulaire rangees2(Frame2);
    rangees2.rangee("Label15", QStringLiteral("Bande de fréquence"), Combo1);
    rangees2.rangee("Label4", QStringLiteral("Fréquence d'émission "), Text4);
    rangees2.rangee("Label6", QStringLiteral("Dimension d'un brin"), Text6);
    rangees2.rangee("Label7", QStringLiteral("Résistance mesurée à l'antenne"), Text7);
    rangees2.rangee("Label13", QStringLiteral("Type d'antenne utilisée"), Combo2);
    rangees2.rangee("Label14", QStringLiteral("Impédance caractéristique"), Text14);
    rangees2.aDroite(Calculer_Resistance_Antenne);
    rangees2.sauter(fontMetrics().height());
    rangees2.rangee("Label5", QStringLiteral("Longueur d'onde"), Text5);
    rangees2.rangee("Label8", QStringLiteral("Résistance de rayonnement "), Text8);
    rangees2.rangee("Label9", QStringLiteral("Résistance de perte"), Text9);
    rangees2.rangee("Label10", QStringLiteral("Rendement de l'antenne"), Text10);
    rangees2.rangee("Label16", QStringLiteral("Rendement global (VSWR)"), Text16);
    rangees2.pousser();
    rangees2.grille()->setColumnStretch(2, 1);

    Retour_Menu = boutonRetour();
    auto *bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(Retour_Menu);

    auto *fenetre = new QVBoxLayout(this);
    fenetre->addWidget(TabStrip1);
    // Both frames share one place, sized for the larger, so that the window keeps its size
    // whichever is shown.
    auto *pages = new QGridLayout;
    for (QGroupBox *cadre : {Frame1, Frame2}) {
        QSizePolicy politique = cadre->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        cadre->setSizePolicy(politique);
        pages->addWidget(cadre, 0, 0);
    }
    fenetre->addLayout(pages, 1);
    fenetre->addLayout(bas);

    // Reading order: the VSWR page, the second page, then the way back.
    QWidget *ordre[] = {TabStrip1, Text1, Text2, Text3, Text11, Text13, Text15, Option1, Option2,
                        Option3, Calculer_VSWR, Text12, Combo1, Text4, Text6, Text7, Combo2, Text14,
                        Calculer_Resistance_Antenne, Text5, Text8, Text9, Text10, Text16, Retour_Menu};
    for (size_t i = 1; i < std::size(ordre); ++i) setTabOrder(ordre[i - 1], ordre[i]);

    // State of a new window: no option chosen, the antenna-side fields and the cable loss off,
    // the VSWR page in view.
    activer({Text11, Label11, Text13, Label12, Text15, Label18}, false);
    Frame2->hide();

    connect(Option1, &QRadioButton::clicked, this, [this] { choisirOption(1); });
    connect(Option2, &QRadioButton::clicked, this, [this] { choisirOption(2); });
    connect(Option3, &QRadioButton::clicked, this, [this] { choisirOption(3); });
    connect(Calculer_VSWR, &QPushButton::clicked, this, &Form9::calculerVswr);
    connect(Calculer_Resistance_Antenne, &QPushButton::clicked, this, &Form9::calculerRayonnement);
    connect(TabStrip1, &QTabWidget::currentChanged, this, &Form9::changerOnglet);
    // A click on the tab already selected changes no index, yet it must bring its page back
    // (the set-up may have shown the VSWR frame under the second tab).
    connect(TabStrip1, &QTabWidget::tabBarClicked, this, [this](int i) {
        if (i == TabStrip1->currentIndex()) changerOnglet(i);
    });
    connect(Combo1, &QComboBox::activated, this, &Form9::choisirBande);
    connect(Combo2, &QComboBox::activated, this, &Form9::choisirTypeAntenne);
}

void Form9::declarerChamps()
{
    Module1 &m = store();
    champs_ = creerChamps();
    // A value too small for a single would be kept as 0 and divide by zero later on.
    const accepte::Test positif = [](double x) { return nombres::enSimple(x) > 0; };
    const QString watt = QStringLiteral(" Watt");
    const QString ohm = QStringLiteral(" Ohm");
    using C = ChampsNumeriques;

    champs_->ajouter(C::montre(Text1, m.Impedance_Source, positif, ohm, {Text12}));
    champs_->ajouter(C::montre(Text2, m.Puissance_Directe_Source, positif, watt, {Text12}));
    champs_->ajouter(C::montre(
        Text3, m.Puissance_Reflechie_Source,
        [this](double x) {
            const float p = nombres::enSimple(x);
            return p > 0 && p < store().Puissance_Directe_Source;
        },
        watt, {Text12}));
    champs_->ajouter(C::montre(Text11, m.Affaiblissement_Cable, positif, QStringLiteral(" dB"), {Text12}));
    champs_->ajouter(C::montre(Text13, m.Puissance_Directe_Antenne, positif, watt, {Text12}));
    champs_->ajouter(C::montre(Text15, m.Puissance_Reflechie_Antenne, positif, watt, {Text12}));

    C::Champ frequence = C::montre(Text4, m.Frequence_Mesure, accepte::entre(0.2, true, 2000, false),
                                   QStringLiteral(" Mhz"), {Text5, Text8, Text9, Text10, Text12});
    frequence.effets = [this] {
        Text5->clear();
        Text8->clear();
        Text9->clear();
        Text12->clear();
        Combo1->setCurrentIndex(0);
        choisirBande(0);
    };
    champs_->ajouter(frequence);
    C::Champ brin = C::montre(Text6, m.Dimension_Brin, positif, QStringLiteral(" m"), {Text8, Text9, Text10});
    brin.effets = [this] {
        Text8->clear();
        Text9->clear();
        Text10->clear();
    };
    champs_->ajouter(brin);
    champs_->ajouter(C::montre(Text7, m.Resistance_Mesuree, positif, ohm, {Text8, Text9, Text10}));
}

void Form9::preparer()
{
    presenter();
    const Module1 &m = store();
    auto montrer = [](float x, const char *unite) { return nombres::montrer(x) + QLatin1String(unite); };
    Text1->setText(montrer(m.Impedance_Source, " Ohms"));
    Text2->setText(montrer(m.Puissance_Directe_Source, " Watt"));
    Text3->setText(montrer(m.Puissance_Reflechie_Source, " Watt"));
    Text13->setText(montrer(m.Puissance_Directe_Antenne, " Watt"));
    Text15->setText(montrer(m.Puissance_Reflechie_Antenne, " Watt"));
    Text11->setText(montrer(m.Affaiblissement_Cable, " dB"));
    Text4->setText(montrer(m.Frequence_Mesure, " Mhz"));
    Text6->setText(montrer(m.Dimension_Brin, " m"));
    Text7->setText(montrer(m.Resistance_Mesuree, " Ohms"));
    Frame1->show();
    Frame2->hide();
    calculerVswr();
}

mesures::Methode Form9::methode() const
{
    if (Option1->isChecked()) return mesures::Methode::VueDeLaSource;
    if (Option2->isChecked()) return mesures::Methode::VueALAntenne;
    if (Option3->isChecked()) return mesures::Methode::AffaiblissementConnu;
    return mesures::Methode::Aucune;
}

void Form9::choisirOption(int numero)
{
    // Each method opens the fields it reads.
    Text3->setEnabled(numero != 2);
    activer({Text11, Label11}, numero == 3);
    activer({Text13, Text15, Label12, Label18}, numero == 2);
    if (numero == 3)
        Text11->setText(nombres::montrer(store().Affaiblissement_Cable) + QStringLiteral(" dB"));
    calculerVswr();
}

void Form9::changerOnglet(int index)
{
    Frame1->setVisible(index == 0);
    Frame2->setVisible(index == 1);
    if (index == 1) calculerRayonnement();
}

void Form9::choisirBande(int index)
{
    if (index < 1 || index >= kBandes.size()) return;  // "Libre choix": the frequency stays
    Module1 &m = store();
    m.Frequence_Mesure = m.frequencePreferee(index);
    Text4->setText(nombres::montrer(m.Frequence_Mesure) + QStringLiteral(" Mhz"));
    calculerRayonnement();
}

void Form9::choisirTypeAntenne(int index)
{
    if (index < 0 || index >= int(kTypesAntenne.size())) return;
    Text8->clear();
    Text9->clear();
    Text10->clear();
    const TypeAntenne &t = kTypesAntenne[size_t(index)];
    Module1 &m = store();
    m.Resistance_Mesuree = t.resistance;
    Text14->setText(QString::fromUtf8(t.impedance));
    m.Facteur_Type_Antenne = nombres::enSimple(t.facteur);
    calculerRayonnement();
}

void Form9::calculerVswr()
{
    const mesures::ResultatVswr r = mesures::calculerVswr(methode(), mesures::entreesVswr(store()));
    // The figures the run computed replace the last ones; the others stay.
    mesures::garder(r.gardees, store());
    if (r.rapport) Text12->setPlainText(*r.rapport);
}

void Form9::calculerRayonnement()
{
    const mesures::ResultatRayonnement r =
        mesures::calculerRayonnement(mesures::entreesRayonnement(store()), Option1->isChecked());
    if (r.avertissement)
        messages::afficher(this, *r.avertissement, messages::kTitreProgramme, QMessageBox::Warning);
    Text5->setText(r.texteLongueurOnde);
    Text8->setText(r.texteRayonnement);
    Text9->setText(r.textePerte);
    Text10->setText(r.texteRendement);
    Text16->setText(r.texteRendementGlobal);
    if (r.erreur) messages::afficher(this, *r.erreur, messages::kTitreProgramme, QMessageBox::Warning);
}
