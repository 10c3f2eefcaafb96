// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/Form6.h"

#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/MDIForm1.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/adaptateurs.h"
#include "toolbox/cables.h"
#include "toolbox/lignes.h"
#include "toolbox/selfs.h"
#include "toolbox/trappe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

using nombres::fixe;
using nombres::montrer;
using Champ = ChampsNumeriques::Champ;

using controles::bouton;
using controles::option;

namespace {

QLabel *legende(const char *objet, const QString &texte)
{
    auto *l = controles::legende(objet, texte);
    l->setWordWrap(texte.size() > 40);  // only the long captions take two or three lines
    return l;
}

// A frame filled row by row: a caption on the left, its field on the right.
class Grille : public controles::Formulaire {
public:
    explicit Grille(QGroupBox *cadre) : Formulaire(cadre)
    {
        grille()->setColumnStretch(0, 3);
        grille()->setColumnStretch(1, 2);
        grille()->setColumnMinimumWidth(0, cadre->fontMetrics().averageCharWidth() * 34);
    }

    // A caption and its one-line field; `resultat`: only the program writes it.
    QLineEdit *champ(const char *nomLegende, const QString &texte, const char *nomChamp,
                     bool resultat = false, QLabel **l = nullptr)
    {
        QLabel *cap = legende(nomLegende, texte);
        QLineEdit *e = resultat ? controles::resultat(nomChamp) : controles::champ(nomChamp);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(18, u'0')));
        controles::associer(cap, e);
        rangee(cap, e);
        if (l) *l = cap;
        return e;
    }

    // A several-line result (under its caption, if any), `lignes` high and as wide as `modele`.
    QPlainTextEdit *zone(const char *nomLegende, const QString &texte, const char *nomChamp,
                         int lignes, const QString &modele)
    {
        QPlainTextEdit *z = controles::zoneResultat(nomChamp);
        z->setLineWrapMode(QPlainTextEdit::NoWrap);
        const QFontMetrics fm = z->fontMetrics();
        const int marge = 2 * z->frameWidth() + 2 * int(z->document()->documentMargin()) + fm.averageCharWidth();
        z->setMinimumSize(fm.horizontalAdvance(modele) + marge, lignes * fm.lineSpacing() + marge);
        if (lignes < 5) z->setMaximumHeight(z->minimumHeight());  // a short text: no empty area
        if (nomLegende) {
            QLabel *cap = legende(nomLegende, texte);
            controles::associer(cap, z);
            travers(cap);
        }
        travers(z);
        return z;
    }

    void fin() { pousser(); }
};

// The pictures of the seven pages, in tab order.
const char *const kImagesOnglets[] = {
    "\\Antenne-raccourcie-6.bmp",     "\\Self-Nagaoka-6.bmp",
    "\\Trappe-6.bmp",                 "\\Impedance-ligne-6.bmp",
    "\\Longueur-ligne-6.bmp",         "\\Transformateur-impedance-6.bmp",
    "\\Filtre-LSerie-6.bmp",
};

// The field builders of the entry-field table.
constexpr auto tel = &ChampsNumeriques::telQuel;
constexpr auto enDecimales = &ChampsNumeriques::decimales;
constexpr auto montre = &ChampsNumeriques::montre;
constexpr auto bipant = &ChampsNumeriques::bipant;

}  // namespace

Form6::Form6(MDIForm1 &principal)
    : FenetreTravail(principal, QStringLiteral("Form6"), QStringLiteral("La boite à Calculs"))
{
    construire();
    declarerChamps();
}

QSize Form6::sizeHint() const
{
    // Wide enough for every tab title, as far as the main window's area allows (the tabs scroll
    // in a narrower window).
    QSize h = QWidget::sizeHint();
    const QMargins m = layout()->contentsMargins();
    int largeur = TabStrip1->tabBar()->sizeHint().width() + m.left() + m.right() + 4;
    if (auto *cadre = qobject_cast<QMdiSubWindow *>(parentWidget()))
        if (QMdiArea *zone = cadre->mdiArea())
            largeur = std::min(largeur, zone->viewport()->width() - (cadre->width() - width()));
    h.setWidth(std::max(h.width(), largeur));
    return h;
}

void Form6::construire()
{
    TabStrip1 = controles::creer<QTabWidget>("TabStrip1");
    TabStrip1->setElideMode(Qt::ElideNone);
    // Each page: its frame on the left, room for the picture on the right.
    auto page = [this](const QString &onglet, const char *nomCadre, const QString &titre) {
        auto *p = new QWidget;
        auto *h = new QHBoxLayout(p);
        auto *v = new QVBoxLayout;
        QGroupBox *cadre = controles::cadre(nomCadre, titre);
        v->addWidget(cadre);
        v->addStretch(1);
        h->addLayout(v);
        pages_.append(h);
        TabStrip1->addTab(p, onglet);
        return cadre;
    };

    {   // Tab 1: shortened whip.
        Grille g(page(QStringLiteral("Antenne raccourcie"), "Frame1", QStringLiteral("Antenne raccourcie")));
        Text1 = g.champ("Label1", QStringLiteral("Fréquence Mhz"), "Text1");
        Text2 = g.champ("Label2", QStringLiteral("Pour info, la dimension d'une antenne quart-d'onde fonctionnant sur cette fréquence, est de:"), "Text2", true);
        Text3 = g.champ("Label3", QStringLiteral("Hauteur souhaitée de votre fouet d'antenne"), "Text3");
        Text4 = g.champ("Label4", QStringLiteral("Valeur de la self à réaliser en µHenry"), "Text4", true);
        Calculer_L = bouton("Calculer_L", QStringLiteral("Calculer L(µh)"));
        g.aDroite(Calculer_L);
        g.fin();
    }
    {   // Tab 2: coil.
        Grille g(page(QStringLiteral("Calcul d'une self"), "Frame2", QStringLiteral("Calcul de la self")));
        Check1 = controles::caseACocher("Check1", QStringLiteral("Calcul de la valeur de la self"));
        g.travers(Check1);
        auto *styles = new QHBoxLayout;
        Option1 = option("Option1", QStringLiteral("Spires espacées"));
        Option2 = option("Option2", QStringLiteral("Spires jointes"));
        styles->addWidget(Option1);
        styles->addWidget(Option2);
        styles->addStretch(1);
        g.travers(styles);
        Text5 = g.champ("Label5", QStringLiteral("Diamètre de la self (cm)"), "Text5");
        Text6 = g.champ("Label6", QStringLiteral("Diamètre du fil (cm)"), "Text6");
        Text7 = g.champ("Label7", QStringLiteral("Longueur de la self (cm)"), "Text7");
        Text8 = g.champ("Label8", QStringLiteral("Longueur du fil (m) mini"), "Text8", true);
        QLabel *label9 = nullptr;
        Text9 = g.champ("Label9", QStringLiteral("Nombre de spires"), "Text9", false, &label9);
        const QString prevoir = QStringLiteral("Prévoir quelques cm en plus pour la connection des extrémitées");
        label9->setToolTip(prevoir);
        Text9->setToolTip(prevoir);
        Text10 = g.champ("Label10", QStringLiteral("Inductance en µH"), "Text10");
        Text33 = g.champ("Label32", QStringLiteral("Rapport d'espacement"), "Text33", true);
        Calculer_Self = bouton("Calculer_Self", QStringLiteral("Calculer la self"));
        g.aDroite(Calculer_Self);
        g.fin();
    }
    {   // Tab 3: trap.
        Grille g(page(QStringLiteral("Calcul d'une trappe"), "Frame3", QStringLiteral("Calcul des trappes")));
        Text11 = g.champ("Label11", QStringLiteral("Fréquence de résonnance"), "Text11");
        Text18 = g.champ("Label18", QStringLiteral("Impédance  de L ou C"), "Text18");
        Text19 = g.champ("Label19", QStringLiteral("Valeur de L"), "Text19", true);
        Text20 = g.champ("Label20", QStringLiteral("Valeur de C"), "Text20", true);
        Calculer_Trappe = bouton("Calculer_Trappe", QStringLiteral("Calculer la trappe"));
        g.aDroite(Calculer_Trappe);
        Text21 = g.zone("Label21", QStringLiteral("Capacité d'accord"), "Text21", 2,
                        QStringLiteral("Câble coaxial (6mm à 101pF/m) de 0,000 m"));
        g.fin();
    }
    {   // Tab 4: line impedance.
        Grille g(page(QStringLiteral("Impédance des lignes"), "Frame4", QStringLiteral("Ligne bifilaire et coaxiale")));
        auto *types = new QHBoxLayout;
        Option3 = option("Option3", QStringLiteral("Câble coaxiale"));
        Option4 = option("Option4", QStringLiteral("Ligne bifilaire"));
        Option5 = option("Option5", QStringLiteral("Fil et plan de masse"));
        for (QRadioButton *o : {Option3, Option4, Option5}) types->addWidget(o);
        types->addStretch(1);
        g.travers(types);
        QLabel *label31 = legende("Label31", QStringLiteral("Constante du Diélectrique utilisé"));
        g.travers(label31);
        auto *dielectrique = new QHBoxLayout;
        Combo1 = controles::creer<QComboBox>("Combo1");
        Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        Text31 = controles::resultat("Text31");
        Text31->setMaximumWidth(Text31->fontMetrics().horizontalAdvance(QString(12, u'0')));
        controles::associer(label31, Combo1);
        dielectrique->addWidget(Combo1, 1);
        dielectrique->addWidget(Text31);
        g.travers(dielectrique);
        Text14 = g.champ("Label14", QStringLiteral("diamètre de l'âme"), "Text14", false, &Label14);
        Text15 = g.champ("Label15", QStringLiteral("Diamètre du blindage"), "Text15", false, &Label15);
        Text16 = g.champ("Label16", QStringLiteral("Impédance du câble"), "Text16", true);
        Calculer_Impedance = bouton("Calculer_Impedance", QStringLiteral("Calculer l'impédance"));
        g.aDroite(Calculer_Impedance);
        g.fin();
    }
    {   // Tab 5: cable lengths.
        Grille g(page(QStringLiteral("Longueur des lignes"), "Frame5", QStringLiteral("Longueur électrique des câbles")));
        Text12 = g.champ("Label12", QStringLiteral("Fréquence d'utilisation"), "Text12");
        Text13 = g.champ("Label13", QStringLiteral("Coéficient de vélocité"), "Text13");
        Choisir_Cable = bouton("Choisir_Cable", QStringLiteral("Choisir un câble"));
        g.aDroite(Choisir_Cable);
        Text32 = g.champ("Label30", QStringLiteral("Pour une longueur optimale,choisir un nombre de demi-onde"), "Text32");
        Calculer_Cable = bouton("Calculer_Cable", QStringLiteral("Calculer"));
        g.aDroite(Calculer_Cable);
        Text17 = g.zone("Label17", QStringLiteral("Longueur de coupe du câble"), "Text17", 14,
                        QStringLiteral("Une ligne quart d'onde adapte les impédances vues par ses extrémités."));
        g.fin();
    }
    {   // Tab 6: balun.
        Grille g(page(QStringLiteral("Transformateur d'impédance"), "Frame6", QStringLiteral("Transformateur d'impédance (Balun)")));
        Text22 = g.champ("Label22", QStringLiteral("Impédance d'entrée"), "Text22");
        Text23 = g.champ("Label23", QStringLiteral("Impédance de sortie"), "Text23");
        Text24 = g.champ("Label24", QStringLiteral("Nbre de spires au primaire"), "Text24");
        Text25 = g.champ("Label25", QStringLiteral("Nbre de spires au secondaire"), "Text25", true, &Label25);
        Calculer_Balun = bouton("Calculer_Balun", QStringLiteral("Calculer"));
        g.aDroite(Calculer_Balun);
        g.fin();
    }
    {   // Tab 7: matching networks.
        Grille g(page(QStringLiteral("Adaptateur d'impédances"), "Frame7", QStringLiteral("Adaptation d'impédance")));
        Combo2 = controles::liste("Combo2",
                                  {QStringLiteral("Adaptateur en L (Tuning and Matching)"),
                                   QStringLiteral("Adaptateur en L (Networks)"),
                                   QStringLiteral("Adaptateur en PI (Networks)")},
                                  QString());
        Combo2->setAccessibleDescription(QStringLiteral("Type d'adaptateur"));
        g.travers(Combo2);
        Text26 = g.champ("Label26", QStringLiteral("Z Feeder"), "Text26", false, &Label26);
        Text27 = g.champ("Label27", QStringLiteral("Z RL(ant)"), "Text27", false, &Label27);
        Text29 = g.champ("Label29", QString(), "Text29", false, &Label29);
        Text28 = g.champ("Label28", QStringLiteral("Fc"), "Text28");
        Calculer_Filtre = bouton("Calculer_Filtre", QStringLiteral("Calculer"));
        g.aDroite(Calculer_Filtre);
        Text30 = g.zone(nullptr, QString(), "Text30", 3,
                        QStringLiteral(" RL(ant) doit être plus petit que Feeder"));
        g.fin();
    }

    Picture1 = controles::dessin("Picture1");
    Picture1->setMinimumSize(320, 320);
    Picture1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Retour_Menu = boutonRetour();

    montrerImageSur(0);

    auto *fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(4, 4, 4, 4);
    fenetre->addWidget(TabStrip1, 1);
    fenetre->addWidget(Retour_Menu, 0, Qt::AlignRight);

    connect(TabStrip1, &QTabWidget::currentChanged, this, &Form6::changerOnglet);
    connect(Calculer_L, &QPushButton::clicked, this, &Form6::calculerFouet);
    connect(Calculer_Self, &QPushButton::clicked, this, &Form6::calculerSelf);
    connect(Option1, &QRadioButton::clicked, this, &Form6::calculerSelf);
    connect(Option2, &QRadioButton::clicked, this, &Form6::calculerSelf);
    connect(Check1, &QCheckBox::clicked, this, &Form6::changerMode);
    connect(Calculer_Trappe, &QPushButton::clicked, this, &Form6::calculerTrappe);
    for (QRadioButton *o : {Option3, Option4, Option5})
        connect(o, &QRadioButton::clicked, this, &Form6::choisirTypeLigne);
    connect(Combo1, &QComboBox::activated, this, &Form6::choisirDielectrique);
    connect(Calculer_Impedance, &QPushButton::clicked, this, &Form6::calculerImpedance);
    connect(Calculer_Cable, &QPushButton::clicked, this, &Form6::calculerCable);
    connect(Choisir_Cable, &QPushButton::clicked, this, &Form6::choisirCable);
    connect(Calculer_Balun, &QPushButton::clicked, this, &Form6::calculerBalun);
    connect(Combo2, &QComboBox::activated, this, &Form6::choisirReseau);
    connect(Calculer_Filtre, &QPushButton::clicked, this, &Form6::calculerFiltre);
}

void Form6::declarerChamps()
{
    Module1 &m = store();
    using namespace accepte;
    champs_ = creerChamps();
    const auto mhz = QStringLiteral(" Mhz");
    const auto ohms = QStringLiteral(" Ohms");
    const auto cm = QStringLiteral(" cm");
    const auto mm = QStringLiteral(" mm");
    const QList<QWidget *> coil = {Text7, Text8, Text9, Text10};
    const auto tours = [this] { return Check1->isChecked(); };

    champs_->ajouter(enDecimales(Text1, m.Frequence_Fouet, entre(0, true, 1000, true), 3, mhz, {Text2, Text4}));
    champs_->ajouter(enDecimales(Text3, m.Hauteur_Fouet, strictementPositif(), 2, QStringLiteral(" m"), {Text4}));

    champs_->ajouter(bipant(enDecimales(Text5, m.Diametre_Self, entre(0, true, 12, true), 2, cm, coil)));
    champs_->ajouter(bipant(enDecimales(Text6, m.Diametre_Fil_Self, entre(0, true, 2, true), 2, cm, coil)));
    Champ longueur = bipant(enDecimales(Text7, m.Longueur_Self, entre(0.01, false, 100, false), 2, cm, {Text8, Text9, Text10}));
    longueur.actif = tours;
    longueur.sauverAccepte = true;
    champs_->ajouter(longueur);
    Champ spires = bipant(montre(Text9, m.Nombre_Spires, entre(0, true, 500, true), QStringLiteral(" Spires"), {Text7, Text8, Text10}));
    spires.enregistrer = [&m](double x) { m.Nombre_Spires = float(std::floor(x)); };
    spires.actif = [this] { return !Check1->isChecked(); };
    champs_->ajouter(spires);
    Champ inductance = bipant(montre(Text10, m.Inductance_Self, entre(0.01, false, 1000, true), QStringLiteral(" µHenry"), {Text7, Text8, Text9}));
    inductance.actif = tours;
    inductance.enregistrer = [&m](double x) {
        // A new inductance proposes a new coil length; the turns wait for "Calculer la self".
        m.Longueur_Self = boite::longueurProposee(m.Longueur_Self, m.Inductance_Self, float(x));
        m.Inductance_Self = float(x);
    };
    inductance.effets = [this, &m] { Text7->setText(fixe(double(m.Longueur_Self), 2) + QStringLiteral(" cm")); };
    champs_->ajouter(inductance);

    champs_->ajouter(enDecimales(Text11, m.Frequence_Trappe, entre(0, true, 1000, true), 3, mhz, {Text19, Text20}));
    champs_->ajouter(montre(Text18, m.Impedance_Trappe, strictementPositif(), ohms, {Text19, Text20}));

    champs_->ajouter(bipant(montre(Text14, m.Diametre_Ame, entre(0, true, 50, false), mm, {Text16})));
    champs_->ajouter(bipant(montre(Text15, m.Diametre_Blindage, entre(0, true, 50000, false), mm, {Text16})));

    champs_->ajouter(enDecimales(Text12, m.Frequence_Cable, entre(0, true, 1000, true), 3, mhz, {Text17}));
    // The velocity factor beeps on a refusal only when something was typed.
    Champ velocite = bipant(enDecimales(Text13, m.Coefficient_Velocite, entre(0, true, 1, true), 2, QString(), {Text17}));
    velocite.bipSaufTexteVide = true;
    velocite.effets = [&m] { m.Nom_Cable = QStringLiteral("câble standard"); };
    champs_->ajouter(velocite);
    Champ demiOndes;
    demiOndes.champ = Text32;
    demiOndes.simple = false;
    demiOndes.test = [](double v) { return v > 0 && std::nearbyint(v) <= 32767; };  // a 16-bit count
    demiOndes.enregistrer = [&m](double x) { m.Nombre_Demi_Ondes = short(std::nearbyint(x)); };  // halves to even
    demiOndes.resultats = {Text17};
    champs_->ajouter(demiOndes);

    champs_->ajouter(montre(Text22, m.Impedance_Entree, strictementPositif(), ohms, {Text25}));
    champs_->ajouter(montre(Text23, m.Impedance_Sortie, strictementPositif(), ohms, {Text25}));
    champs_->ajouter(tel(Text24, m.Spires_Primaire, strictementPositif(), {Text25}));

    champs_->ajouter(montre(Text26, m.Impedance_Feeder, strictementPositif(), QStringLiteral(" Ohm"), {Text30}));
    champs_->ajouter(montre(Text27, m.Impedance_Antenne, strictementPositif(), ohms, {Text30}));
    champs_->ajouter(enDecimales(Text28, m.Frequence_Filtre, strictementPositif(), 3, mhz, {Text30}));
    champs_->ajouter(tel(Text29, m.Facteur_Q, auMoins(1), {Text30}));
}

void Form6::preparer()
{
    Module1 &m = store();
    const auto mhz = QStringLiteral(" Mhz");
    const auto ohms = QStringLiteral(" Ohms");
    presenter();

    Text1->setText(fixe(double(m.Frequence_Fouet), 3) + mhz);
    Text3->setText(fixe(double(m.Hauteur_Fouet), 2) + QStringLiteral(" m"));
    calculerFouet();

    Text5->setText(fixe(double(m.Diametre_Self), 2) + QStringLiteral(" cm"));
    Text6->setText(fixe(double(m.Diametre_Fil_Self), 2) + QStringLiteral(" cm"));
    Text9->setText(montrer(m.Nombre_Spires) + QStringLiteral(" spires"));
    // Choosing spaced turns runs the coil calculation in the mode in force (turns mode, if the user
    // left it so: its messages come first); then inductance mode, its captions and locks, and the
    // coil again.
    Option1->setChecked(true);
    calculerSelf();
    Check1->setChecked(false);
    appliquerMode();
    calculerSelf();

    Text11->setText(fixe(double(m.Frequence_Trappe), 3) + mhz);
    Text18->setText(montrer(m.Impedance_Trappe) + ohms);
    calculerTrappe();

    if (Combo1->count() == 0)
        for (int i = 0; i < 5; ++i) Combo1->addItem(m.Noms_Dielectriques[i]);
    m.Constante_Dielectrique = m.Constantes_Dielectriques[1];
    Combo1->setCurrentIndex(1);
    choisirDielectrique(1);

    Option4->setChecked(true);
    choisirTypeLigne();
    Text15->setText(montrer(m.Diametre_Blindage) + QStringLiteral(" mm"));
    Text14->setText(montrer(m.Diametre_Ame) + QStringLiteral(" mm"));
    Text31->setText(montrer(m.Constante_Dielectrique));
    calculerImpedance();

    Text12->setText(fixe(double(m.Frequence_Cable), 3) + mhz);
    m.Coefficient_Velocite = 0.66f;
    Text13->setText(QStringLiteral("0,66"));
    calculerCable();

    Text22->setText(montrer(m.Impedance_Entree) + ohms);
    Text23->setText(montrer(m.Impedance_Sortie) + ohms);
    Text24->setText(montrer(m.Spires_Primaire));
    calculerBalun();

    Text26->setText(montrer(m.Impedance_Feeder) + ohms);
    Text27->setText(montrer(m.Impedance_Antenne) + ohms);
    Text28->setText(fixe(double(m.Frequence_Filtre), 3) + mhz);
    Text29->setText(montrer(m.Facteur_Q));
    calculerFiltre();

    changerOnglet(TabStrip1->currentIndex());
}

// The one picture box goes along with the page shown, to the right of its frame.
void Form6::montrerImageSur(int index)
{
    if (index < 0 || index >= pages_.size() || pages_[index]->indexOf(Picture1) >= 0) return;
    for (QHBoxLayout *page : std::as_const(pages_)) page->removeWidget(Picture1);
    pages_[index]->addWidget(Picture1, 1);
    Picture1->show();
}

void Form6::changerOnglet(int index)
{
    if (index < 0 || index >= int(std::size(kImagesOnglets))) return;
    montrerImageSur(index);
    chargerImage(Picture1, QString::fromLatin1(kImagesOnglets[index]));
    if (index == 1) changerMode();
}

void Form6::calculerFouet()
{
    Module1 &m = store();
    const boite::Fouet f = boite::calculerFouet(m.Frequence_Fouet, m.Hauteur_Fouet, m.Pi, m.Saut_Ligne);
    m.Longueur_Onde_Fouet = f.longueurOnde;
    Text2->setText(f.quartOnde);
    if (f.tropHaut) {
        messages::afficher(this, f.avertissement, QStringLiteral("Attention!"), QMessageBox::Warning);
        return;
    }
    Text4->setText(f.self);
}

void Form6::changerMode()
{
    appliquerMode();
    calculerSelf();
}

void Form6::appliquerMode()
{
    const bool tours = Check1->isChecked();
    Check1->setText(tours ? QStringLiteral("Calcul du nombre de spires")
                          : QStringLiteral("Calcul de la valeur de la self"));
    Option1->setEnabled(!tours);
    Option2->setEnabled(!tours);
    Text7->setReadOnly(!tours);
    Text9->setReadOnly(tours);
    Text10->setReadOnly(!tours);
}

void Form6::calculerSelf()
{
    Module1 &m = store();
    boite::Self s;
    if (!Check1->isChecked()) {
        s = boite::calculerInductance(m.Diametre_Self, m.Diametre_Fil_Self, m.Nombre_Spires,
                                      Option1->isChecked(), m.Pi);
        m.Longueur_Self = s.longueur;
        m.Inductance_Self = s.inductance;
    } else {
        s = boite::calculerSpires(m.Diametre_Self, m.Diametre_Fil_Self, m.Longueur_Self,
                                  m.Inductance_Self, m.Pi, m.Saut_Ligne);
        if (s.spiresConnues) m.Nombre_Spires = s.spires;
        if (!s.realisable) {
            signalerSelfImpossible(s.avertissement);
            return;
        }
    }
    m.Longueur_Fil_Self = s.longueurFil;
    Text33->setText(s.rapport);
    Text7->setText(s.texteLongueur);
    Text8->setText(s.texteFil);
    Text9->setText(s.texteSpires);
    Text10->setText(s.texteInductance);
}

void Form6::signalerSelfImpossible(const QString &texte)
{
    const QPalette normale = Text7->palette();
    QPalette rouge = normale;
    rouge.setColor(QPalette::Base, QColor(255, 128, 128));
    Text7->setPalette(rouge);
    messages::afficher(this, texte, QStringLiteral("Attention!"), QMessageBox::Warning);
    Text7->setPalette(normale);
    Text7->clear();
    Text9->clear();
    Text10->clear();
    Text7->setFocus(Qt::OtherFocusReason);
}

void Form6::calculerTrappe()
{
    Module1 &m = store();
    const boite::Trappe t = boite::calculerTrappe(m.Frequence_Trappe, m.Impedance_Trappe, m.Pi, m.Saut_Ligne);
    m.Pulsation_Trappe = t.pulsation;
    if (t.calculee) {
        m.Inductance_Trappe = t.inductance;
        m.Capacite_Trappe = t.capacite;
        m.Surface_CI = t.surface;
    }
    Text19->setText(t.texteL);
    Text20->setText(t.texteC);
    Text21->setPlainText(t.texteCapacite);
}

void Form6::choisirTypeLigne()
{
    struct Type {
        QRadioButton *option;
        QString diametre, ecart;
        int dielectrique;
    };
    const Type types[] = {
        {Option3, QStringLiteral("diamètre de l'âme"), QStringLiteral("diamètre de la tresse"), 4},
        {Option4, QStringLiteral("diamètre des fils"), QStringLiteral("espacement des fils"), 1},
        {Option5, QStringLiteral("diamètre du fil"), QStringLiteral("hauteur du fil"), 1},
    };
    for (const Type &t : types) {
        if (!t.option->isChecked()) continue;
        Label14->setText(t.diametre);
        Label15->setText(t.ecart);
        Combo1->setCurrentIndex(t.dielectrique);
        choisirDielectrique(t.dielectrique);
    }
    calculerImpedance();
}

void Form6::choisirDielectrique(int index)
{
    Module1 &m = store();
    if (index < 0 || index >= int(m.Constantes_Dielectriques.size())) return;
    m.Constante_Dielectrique = m.Constantes_Dielectriques[index];
    Text31->setText(montrer(m.Constante_Dielectrique));
    calculerImpedance();
}

void Form6::calculerImpedance()
{
    Module1 &m = store();
    using boite::TypeLigne;
    const TypeLigne type = Option3->isChecked()   ? TypeLigne::Coaxiale
                           : Option4->isChecked() ? TypeLigne::Bifilaire
                           : Option5->isChecked() ? TypeLigne::FilEtMasse
                                                  : TypeLigne::Aucune;
    const boite::Impedance z = boite::impedanceLigne(type, m.Diametre_Ame, m.Diametre_Blindage,
                                                     m.Constante_Dielectrique, m.Impedance_Ligne);
    m.Impedance_Ligne = z.valeur;
    Text16->setText(z.texte);
}

void Form6::calculerCable()
{
    Module1 &m = store();
    const boite::LongueursCable c = boite::calculerCable(m.Frequence_Cable, m.Coefficient_Velocite,
                                                         m.Nombre_Demi_Ondes, m.Nom_Cable, m.Saut_Ligne);
    if (c.calculees) {
        m.Onde_Cable = c.onde;
        m.Demi_Onde_Cable = c.demiOnde;
    }
    Text17->setPlainText(c.texte);
}

void Form6::choisirCable() { emit choixDeCable(); }

void Form6::recevoirVelocite()
{
    Text13->setText(fixe(double(store().Coefficient_Velocite), 2));
    calculerCable();
}

void Form6::recevoirInductance(double microhenrys)
{
    // Opened as from the menu when it is not shown: every field then holds its value.
    if (isVisible()) presenter();
    else preparer();
    TabStrip1->setCurrentIndex(1);
    Check1->setChecked(true);
    appliquerMode();
    if (!champs_->entrer(Text10, QString::number(microhenrys, 'f', 2))) {
        messages::afficher(this,
                           QStringLiteral("Une self de %1 µH ne peut pas être calculée ici : de 0,01 à 1000 µH seulement.")
                               .arg(fixe(microhenrys, 2)),
                           messages::kTitreProgramme, QMessageBox::Warning);
        return;
    }
    // The coil proposed as long as it is wide, the single-layer shape of best Q; the user may
    // change its length or diameter as usual.
    champs_->entrer(Text7, QString::number(double(store().Diametre_Self), 'f', 2));
    calculerSelf();
}

void Form6::calculerBalun()
{
    Module1 &m = store();
    const boite::Balun b = boite::calculerBalun(m.Impedance_Entree, m.Impedance_Sortie, m.Spires_Primaire);
    if (b.calcule) {
        m.Rapport_Impedances = b.rapport;
        m.Spires_Secondaire = b.spires;
    }
    Label25->setText(QStringLiteral("Spires au secondaire"));
    Text25->setText(b.texte);
}

void Form6::choisirReseau(int type)
{
    const boite::ReglageReseau *reglage = boite::reglageReseau(type);
    if (!reglage) return;
    const boite::ReglageReseau &r = *reglage;
    Module1 &m = store();
    Label26->setText(r.feeder);
    if (r.changeInfoFeeder) Text26->setToolTip(r.infoFeeder);
    Label27->setText(r.charge);
    Text27->setText(r.texteCharge);
    Text27->setToolTip(QString());
    Label29->setText(r.q);
    Text29->setText(r.texteQ);
    m.Impedance_Antenne = r.valeurCharge;
    m.Facteur_Q = r.valeurQ;
    chargerImage(Picture1, QString::fromLatin1(r.image));
    calculerFiltre();
}

void Form6::calculerFiltre()
{
    if (Combo2->currentIndex() < 0) {
        // Nothing chosen yet: the first type, whose choice runs this calculation.
        Combo2->setCurrentIndex(0);
        choisirReseau(0);
        return;
    }
    Module1 &m = store();
    const boite::Reseau r = boite::calculerReseau(boite::TypeReseau(Combo2->currentIndex()),
                                                  m.Impedance_Feeder, m.Impedance_Antenne,
                                                  m.Facteur_Q, m.Frequence_Filtre, m.Saut_Ligne);
    Text30->setPlainText(r.texte);
    if (!r.calcule) {
        bip();
        return;
    }
    m.Facteur_Q = r.q;
    Text29->setText(r.texteQ);
}
