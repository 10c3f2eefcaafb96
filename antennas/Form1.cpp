// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/Form1.h"

#include "antennas/commun.h"
#include "antennas/filaire.h"
#include "antennas/levy.h"
#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "shell/core/constantes.h"

#include <cmath>
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
#include <cmath>

using namespace antennes;

using controles::bouton;
using controles::legende;

namespace {

enum Onglet { OngletFilaire = 0, OngletYagi = 1, OngletQuad = 2, OngletLevy = 3 };

// Drawings larger than this are shown reduced, keeping their proportions.
constexpr QSize kImageMax(480, 360);

QLineEdit *champ(const char *nom, const QString &texte)
{
    QLineEdit *e = controles::champ(nom, texte);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0 000,000 Mhz__")));
    return e;
}

QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteInitial)
{
    auto *c = controles::liste(nom, entrees, texteInitial);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

// A tab's frame: captions beside their fields, which take the width left, or controls the whole
// width; its calculate button at the foot.
controles::Formulaire cadre(const char *nom, const QString &titre)
{
    controles::Formulaire f(nom, titre);
    f.grille()->setColumnStretch(1, 1);
    return f;
}

}  // namespace

Form1::Form1(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form1"), QStringLiteral("Les antennes"))
{
    construire();
    declarerChamps();

    connect(TabStrip1, &QTabWidget::currentChanged, this, &Form1::ongletChoisi);
    connect(Combo1, &QComboBox::activated, this, &Form1::choisirBande);
    connect(Combo2, &QComboBox::activated, this, &Form1::choisirType);
    connect(Combo5, &QComboBox::activated, this, &Form1::choisirCable);
    connect(Combo3, &QComboBox::activated, this, &Form1::calculerYagi);
    connect(Combo4, &QComboBox::activated, this, &Form1::calculerQuad);
    connect(Combo6, &QComboBox::activated, this, &Form1::calculerLevy);
    connect(Combo7, &QComboBox::activated, this, &Form1::choisirLongueurLevy);
    // The type in the list is the one the adaptation window corrects, whoever chose it.
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this](int type) { store().Type_Filaire = type; });
    connect(Option1, &QRadioButton::clicked, this, [this] { choisirUnite(false); });
    connect(Option2, &QRadioButton::clicked, this, [this] { choisirUnite(true); });
    connect(Calculer_Filaire, &QPushButton::clicked, this, &Form1::calculerFilaire);
    connect(Modeliser, &QPushButton::clicked, this, [this] {
        if (conception_) emit modeliser(conception_);
        else messages::afficher(this, QStringLiteral("Calculez d'abord une antenne : le modèle est celui que montrent les résultats."));
    });
    connect(Calculer_Yagi, &QPushButton::clicked, this, &Form1::calculerYagi);
    connect(Calculer_Quad, &QPushButton::clicked, this, &Form1::calculerQuad);
    connect(Calculer_Levy, &QPushButton::clicked, this, &Form1::calculerLevy);
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

    // Wire antennas.
    controles::Formulaire filaire = cadre("Frame1", QStringLiteral("Antennes filaire"));
    Combo2 = liste("Combo2",
                   {QStringLiteral("Antenne quart d'onde (Ground Plane)"),
                    QStringLiteral("Antenne dipôle (Center-Fed)"),
                    QStringLiteral("Antenne multibandes Conrad Windom"),
                    QStringLiteral("Antenne multibandes G5RV full-size"),
                    QStringLiteral("Antenne multibandes W3HH ou T2FD"),
                    QStringLiteral("Antenne filaire demie onde"),
                    QStringLiteral("Antenne Loop onde entière"), QStringLiteral("Antenne Double Bazooka")},
                   QStringLiteral("Antenne quart d'onde (Ground Plane)"));
    Combo2->setAccessibleDescription(QStringLiteral("Type d'antenne filaire"));
    filaire.travers(Combo2);
    filaire.rangee("Label2", QStringLiteral("Fréquence d'accord"), Text2 = champ("Text2", QStringLiteral("Text2")));
    filaire.rangee("Label1", QStringLiteral("Facteur de raccourcissement"),
                   Text1 = champ("Text1", QStringLiteral("Text1")));
    // The cable list, shown only for the types fed through a chosen cable.
    Combo5 = liste("Combo5", {}, QStringLiteral("Coaxial 50 ohms : 0,66"));
    Label12 = legende("Label12", QStringLiteral("Choisissez un cable coaxiale"), Combo5);
    // Their place stays when they are hidden: choosing a type does not lay the tab out again.
    for (QWidget *w : {static_cast<QWidget *>(Label12), static_cast<QWidget *>(Combo5)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
        w->hide();
    }
    filaire.travers(Label12);
    filaire.travers(Combo5);
    Calculer_Filaire = bouton("Calculer_Filaire", QStringLiteral("Calculer"));
    TabStrip1->addTab(filaire.pied(Calculer_Filaire), QStringLiteral("Antennes filaire"));

    // Yagi antennas.
    controles::Formulaire yagi = cadre("Frame2", QStringLiteral("Antenne Yagi"));
    Combo3 = liste("Combo3",
                   {QStringLiteral("Antenne YAGI 3 éléments (Varnasse, Q5ZT)"),
                    QStringLiteral("Antenne YAGI 4 éléments (Varnasse, Q5ZT)"),
                    QStringLiteral("Antenne YAGI 5 éléments (Varnasse, Q5ZT)"),
                    QStringLiteral("Antenne YAGI 9 éléments (Belvanter, Q8WK)")},
                   QStringLiteral("Antenne YAGY VHF 3 éléments ( Q5ZT) "));
    Combo3->setAccessibleDescription(QStringLiteral("Modèle d'antenne Yagi"));
    yagi.travers(Combo3);
    yagi.rangee("Label4", QStringLiteral("Fréquence d'accord"), Text4 = champ("Text4", QStringLiteral("Text4")));
    Calculer_Yagi = bouton("Calculer_Yagi", QStringLiteral("Calculer"));
    TabStrip1->addTab(yagi.pied(Calculer_Yagi), QStringLiteral("Antenne Yagi"));

    // Quad and Delta-Loop antennas.
    controles::Formulaire quad = cadre("Frame3", QStringLiteral("Antenne Quad et Delta-Loop"));
    Combo4 = liste("Combo4",
                   {QStringLiteral("Antenne Quad 1 radiateur seulement"),
                    QStringLiteral("Antenne Quad 1 radiateur et 1 directeur"),
                    QStringLiteral("Antenne Quad 1 radiateur et 1réflecteur"),
                    QStringLiteral("Antenne Quad 3 éléments"),
                    QStringLiteral("Antenne Delta-Loop 1 radiateur seulement"),
                    QStringLiteral("Antenne Delta Loop 1 radiateur et 1 directeur"),
                    QStringLiteral("Antenne Delta Loop 1 radiateur et 1 réflecteur"),
                    QStringLiteral("Antenne Delta Loop 3 éléments")},
                   QStringLiteral("Antenne Quad 1 directeur"));
    Combo4->setAccessibleDescription(QStringLiteral("Modèle d'antenne Quad ou Delta-Loop"));
    quad.travers(Combo4);
    // Shows the band's frequency; typing in it changes nothing.
    quad.rangee("Label8", QStringLiteral("Fréquence d'accord"), Text8 = champ("Text8", QString()));
    Calculer_Quad = bouton("Calculer_Quad", QStringLiteral("Calculer"));
    TabStrip1->addTab(quad.pied(Calculer_Quad), QStringLiteral("Quad et Delta-Loop"));

    // Levy antenna.
    controles::Formulaire levy = cadre("Frame4", QStringLiteral("L'antenne Lévy"));
    levy.rangee("Label7", QStringLiteral("Fréquence la plus basse utilisée"),
                Text12 = champ("Text12", QStringLiteral("Text12")));
    levy.rangee("Label11", QStringLiteral("Longueur du dipôle( L+L)"),
                Text11 = champ("Text11", QStringLiteral("Text11")));
    Combo7 = liste("Combo7",
                   {QStringLiteral("Longueur défini"), QStringLiteral("3x1/2 Lambda"),
                    QStringLiteral("2x0,64 Lambda"), QStringLiteral("1/2 Lambda"),
                    QStringLiteral("1/3 Lambda"), QStringLiteral("1/4 Lambda")},
                   QStringLiteral("Longueur défini"));
    levy.rangee("Label13", QStringLiteral("Longueur souhaité"), Combo7);
    Combo6 = liste("Combo6",
                   {QStringLiteral("Ligne 300 Ohm = 0.82"), QStringLiteral("Ligne 450 Ohm = 0.905"),
                    QStringLiteral("Ligne 600 Ohm = 0.93"), QStringLiteral("Ligne 1200 Ohm = 0.97")},
                   QStringLiteral("Ligne 300 Ohm = 0.82"));
    levy.travers(legende("Label14", QStringLiteral("Coéficient de vélocité de la ligne bifilaire"), Combo6));
    levy.travers(Combo6);
    Option1 = controles::option("Option1", QStringLiteral("Calcul en Foots"));
    Option2 = controles::option("Option2", QStringLiteral("Calcul en Mètres"));
    Option1->setChecked(true);
    auto *unites = new QHBoxLayout;
    unites->addWidget(Option1);
    unites->addWidget(Option2);
    unites->addStretch(1);
    levy.travers(unites);
    Calculer_Levy = bouton("Calculer_Levy", QStringLiteral("Calculer la ligne"));
    TabStrip1->addTab(levy.pied(Calculer_Levy), QStringLiteral("Antenne Levy"));
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

void Form1::chargerDessin(const QString &nom)
{
    chargerImage(Picture1, nom, kImageMax);
}

void Form1::declarerChamps()
{
    Module1 &s = store();
    champs_ = creerChamps();

    using C = ChampsNumeriques;
    // The shortening factor keeps the text typed.
    champs_->ajouter(C::telQuel(Text1, s.Facteur_Raccourcissement, accepte::entre(0.69, true, 1.1, false), {Text3}));

    // The frequency fields: shown with three decimals and " Mhz".
    const QString mhz = QStringLiteral(" Mhz");
    const auto utilisable = [](double x) { return frequenceUtilisable(x); };
    // A typed frequency names its band by its wavelength and frees the band choice.
    const auto libreChoix = [this](float longueurOnde) {
        store().Bande_Antenne = bandeDeLongueurOnde(longueurOnde);
        Combo1->setCurrentIndex(0);
        bandeAppliquee_ = 0;
    };
    champs_->ajouter(C::decimales(Text2, s.Frequence_Accord, accepte::auMoins(0.1), 3, mhz, {Text3})).effets =
        [this, libreChoix] {
            Module1 &m = store();
            m.Longueur_Onde = 300 / m.Frequence_Accord;
            libreChoix(m.Longueur_Onde);
        };
    champs_->ajouter(C::decimales(Text4, s.Frequence_Yagi, utilisable, 3, mhz, {Text3})).effets =
        [this, libreChoix] { libreChoix(300 / store().Frequence_Yagi); };
    champs_->ajouter(C::decimales(Text12, s.Frequence_Levy, utilisable, 3, mhz, {Text3}));

    champs_->ajouter(C::telQuel(Text11, s.Longueur_Levy, accepte::strictementPositif(), {Text3})).effets = [this] {
        Combo7->setCurrentIndex(0);
        choisirLongueurLevy();
    };
}

void Form1::preparer()
{
    presenter();
    // The tab stays as the user left it; the 20 m band is applied again.
    Combo1->setCurrentIndex(5);
    choisirBande(5);
}


int Form1::indexBande() const { return qMax(0, Combo1->currentIndex()); }

void Form1::ongletChoisi(int index)
{
    if (index != OngletFilaire) store().Calcul_Filaire_Fait = false;
    calculerOnglet();
}

void Form1::calculerOnglet()
{
    switch (TabStrip1->currentIndex()) {
    case OngletFilaire: calculerFilaire(); break;
    case OngletYagi: calculerYagi(); break;
    case OngletQuad: calculerQuad(); break;
    case OngletLevy: calculerLevy(); break;
    }
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
    for (QLineEdit *champ : {Text2, Text4, Text8, Text12}) montrerFrequence(champ, f);
    calculerOnglet();
}

void Form1::choisirType(int type)
{
    Module1 &s = store();
    s.Facteur_Raccourcissement = facteurDuType(type);
    if (typeAvecCable(type)) {
        const bool bifilaire = type == G5rv;
        const QStringList cables = bifilaire
            ? QStringList(s.Liste_Bifilaires.begin(), s.Liste_Bifilaires.end())
            : QStringList(s.Liste_Coaxiaux.begin(), s.Liste_Coaxiaux.end());
        QStringList tenus;
        for (int i = 0; i < Combo5->count(); ++i) tenus << Combo5->itemText(i);
        if (tenus != cables) {
            Combo5->clear();
            Combo5->addItems(cables);
        }
        controles::changerLegende(Label12, bifilaire ? QStringLiteral("Choisissez une ligne bifilaire")
                                                     : QStringLiteral("Choisissez un cable coaxiale"));
        Label12->show();
        Combo5->show();
        Combo5->setCurrentIndex(0);
        s.Facteur_Velocite = facteurVelociteDe(Combo5->currentText());
    } else {
        Label12->hide();
        Combo5->hide();
    }
    calculerFilaire();
}

void Form1::choisirCable()
{
    store().Facteur_Velocite = facteurVelociteDe(Combo5->currentText());
    calculerFilaire();
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

void Form1::montrerFrequence(QLineEdit *champ, float frequence)
{
    champ->setText(nombres::fixe(frequence, 3) + QStringLiteral(" Mhz"));
}

void Form1::calculerFilaire()
{
    Module1 &s = store();
    const float f = s.Frequence_Accord;
    if (!frequencePrete(f)) return;
    if (Combo2->currentIndex() < 0) {
        // First wire calculation: the first type is chosen, which calculates.
        Combo2->setCurrentIndex(GroundPlane);
        choisirType(GroundPlane);
        return;
    }
    s.Calcul_Filaire_Fait = true;
    Text1->setText(nombres::montrer(s.Facteur_Raccourcissement));
    montrerFrequence(Text2, f);
    Text3->clear();
    s.Lignes_Resultat = {};

    const EntreeFilaire entree{Combo2->currentIndex(), f, s.Facteur_Raccourcissement, s.Facteur_Velocite,
                               Combo5->currentText()};
    const ResultatFilaire r = antennes::calculerFilaire(entree);
    s.Cable_Filaire = entree.cable;
    conception_ = [entree, r](modele::Sol sol) { return modele::filaire(entree, r, sol); };
    s.Longueur_Onde = r.longueurOnde;
    chargerDessin(r.image);
    s.Longueur_Calculee = r.longueur;
    ecrireResultats(f, r.longueurOnde, kTiretsFilaire, r.lignes);
}

void Form1::calculerYagi()
{
    calculerModele(store().Frequence_Yagi, Text4, Combo3, kTiretsYagi, antennes::calculerYagi, modele::yagi);
}

void Form1::calculerQuad()
{
    calculerModele(store().Frequence_Quad, Text8, Combo4, kTiretsQuad, antennes::calculerQuad, modele::quad, false);
}

void Form1::calculerModele(float frequence, QLineEdit *champ, QComboBox *modeles, int nombreTirets,
                           ResultatModele (*calcul)(const EntreeModele &),
                           modele::Conception (*modelisation)(const EntreeModele &, const ResultatModele &),
                           bool frequenceSaisissable)
{
    if (!frequencePrete(frequence, frequenceSaisissable)) return;
    Module1 &s = store();
    s.Calcul_Filaire_Fait = false;
    montrerFrequence(champ, frequence);
    s.Lignes_Resultat = {};
    Text3->clear();
    if (modeles->currentIndex() < 0) modeles->setCurrentIndex(0);
    const EntreeModele entree{modeles->currentIndex(), frequence, indexBande()};
    const ResultatModele r = calcul(entree);
    conception_ = [entree, r, modelisation](modele::Sol) { return modelisation(entree, r); };
    chargerDessin(r.image);
    ecrireResultats(frequence, r.longueurOnde, nombreTirets, r.lignes);
}

void Form1::ecrireResultats(float frequence, float longueurOnde, int nombreTirets, const Lignes &lignes)
{
    Module1 &s = store();
    s.Lignes_Resultat = lignes;
    Text3->setPlainText(boiteResultats(enTete(s.Bande_Antenne, frequence, longueurOnde, nombreTirets),
                                       lignes));
}

void Form1::choisirLongueurLevy()
{
    if (Combo7->currentIndex() < 0) Combo7->setCurrentIndex(0);
    calculerLevy();
}

void Form1::choisirUnite(bool metres)
{
    if (metres == levyEnMetres_) return;  // the unit in force: nothing to convert
    Module1 &s = store();
    const float convertie = metres ? piedsEnMetres(s.Longueur_Levy) : metresEnPieds(s.Longueur_Levy);
    if (!std::isfinite(convertie)) {
        // Beyond what a single holds in feet: the unit in force stays, and says why.
        (levyEnMetres_ ? Option2 : Option1)->setChecked(true);
        Text3->setPlainText(QStringLiteral("Cette longueur ne peut pas être exprimée en pieds : elle "
                                           "dépasse les limites du calcul. Le calcul reste en mètres."));
        return;
    }
    levyEnMetres_ = metres;
    s.Longueur_Levy = convertie;
    calculerLevy();
}

void Form1::calculerLevy()
{
    Module1 &s = store();
    const float f = s.Frequence_Levy;
    if (!frequencePrete(f)) return;
    s.Calcul_Filaire_Fait = false;
    chargerDessin(QStringLiteral("\\Levy.gif"));
    Text3->clear();
    if (Combo6->currentIndex() < 0) Combo6->setCurrentIndex(0);

    const ResultatLevy r = antennes::calculerLevy(
        {f, s.Longueur_Levy, Combo7->currentIndex(), Combo6->currentIndex(), Option2->isChecked()});
    s.Longueur_Levy = r.longueur;
    // Only its feeder is worked out: there is nothing to model, and the model window says so.
    conception_ = [](modele::Sol) {
        modele::Conception c;
        c.nonModelisable = modele::levy();
        return c;
    };
    Text12->setText(r.texteFrequence);
    Text11->setText(r.texteLongueur);
    Text3->setPlainText(r.texte);
}
