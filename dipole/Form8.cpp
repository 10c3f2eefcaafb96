// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/Form8.h"

#include "dipole/VueSolutions.h"
#include "dipole/calcul.h"
#include "dipole/pdf.h"
#include "dipole/tableau.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/constantes.h"
#include "shell/core/fichiers.h"
#include "shell/core/nombres.h"
#include "shell/core/unites.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using nombres::fixe;

namespace {

const QString kMhz = QStringLiteral(" Mhz");

// The two drawings stand beside the fields, at most this size.
constexpr QSize kTailleDessins(400, 230);

}  // namespace

Form8::Form8(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form8"), QStringLiteral("Dipole raccourci"))
{
    construire();
    declarerChamps();

    // Window creation: the grid's headers, and the unit choices as they stand (nothing chosen).
    ecrireEnTetes();
    uniteRetenue_ = Combo1->currentIndex();
    uniteFilRetenue_ = Combo2->currentIndex();
}

void Form8::construire()
{
    // Menu "Tableau".
    auto *barre = new QMenuBar(this);
    barre->setNativeMenuBar(false);
    QMenu *menuTableau = controles::nomme(barre->addMenu(QStringLiteral("Tableau")), "Tableau");
    auto entree = [&](const char *nom, const QString &texte, void (Form8::*action)()) {
        QAction *a = controles::entreeMenu(menuTableau, nom, texte);
        if (action) connect(a, &QAction::triggered, this, action);
        return a;
    };
    Voir_Tableau = entree("Voir_Tableau", QStringLiteral("Voir le tableau"), nullptr);
    Voir_Tableau->setCheckable(true);
    connect(Voir_Tableau, &QAction::triggered, this, &Form8::voirTableau);
    Ajouter_Au_Tableau = entree("Ajouter_Au_Tableau", QStringLiteral("Ajouter au tableau"),
                                &Form8::ajouterAuTableau);
    Sauvegarder_Tableau = entree("Sauvegarder_Tableau", QStringLiteral("Sauvegarder le tableau"),
                                 &Form8::sauvegarderTableau);
    Imprimer_Tableau = entree("Imprimer_Tableau", QStringLiteral("Imprimer le tableau"),
                              &Form8::imprimerTableau);
    Exporter_Tableau = entree("Exporter_Tableau", QStringLiteral("Exporter en PDF…"),
                              &Form8::exporterTableau);
    Effacer_Tableau = entree("Effacer_Tableau", QStringLiteral("Effacer le tableau"),
                             &Form8::effacerTableau);

    // Controls, created in reading order (which is also the tab order).
    Text1 = controles::champ("Text1", QString(), this);
    Combo3 = controles::liste("Combo3",
                   {QStringLiteral("Libre choix"), QStringLiteral("160 m"), QStringLiteral("80 m"),
                    QStringLiteral("40 m"), QStringLiteral("30 m"), QStringLiteral("20 m"),
                    QStringLiteral("17 m"), QStringLiteral("15 m"), QStringLiteral("12 m"),
                    QStringLiteral("10 m"), QStringLiteral("6 m")},
                   QStringLiteral("40 m"), false, this);
    Text2 = controles::champ("Text2", QString(), this);
    Combo1 = controles::liste("Combo1", {QStringLiteral("Feets"), QStringLiteral("Mètres")},
                   QStringLiteral("Feets"), true, this);
    controles::decrireListe(Combo1, QStringLiteral("Unité des dimensions"));
    Text3 = controles::champ("Text3", QString(), this);
    Check1 = controles::caseACocher("Check1", QStringLiteral("Dipole"), this);
    Check1->setChecked(true);
    // Results only: what they show goes into the table of retained solutions as it stands.
    Text4 = controles::resultat("Text4", QString(), this);
    Text5 = controles::resultat("Text5", QString(), this);
    Text6 = controles::champ("Text6", QString(), this);
    Combo2 = controles::liste("Combo2", {QStringLiteral("AWG"), QStringLiteral("Inche"), QStringLiteral("mm")},
                   QStringLiteral("AWG"), true, this);
    controles::decrireListe(Combo2, QStringLiteral("Unité du diamètre du fil"));
    Command1 = controles::bouton("Command1", QStringLiteral("Calculer la self"), this);
    Text7 = controles::creer<QPlainTextEdit>("Text7", this);
    Text7->setAccessibleName(QStringLiteral("Résultats"));
    MSHFlexGrid1 = controles::grille("MSHFlexGrid1", dipole::kPositions, dipole::kColonnes, QString(), true, this);
    Modeliser = controles::bouton("Modeliser", QStringLiteral("Modéliser (NEC-2)…"));
    Retour_Menu = boutonRetour();
    // The two drawings, built in, brought to the height of the fields from their copies at twice
    // the resolution.
    Picture1 = controles::dessin("Picture1", this);
    Picture2 = controles::dessin("Picture2", this);
    chargerImage(Picture1, QStringLiteral(":/dessins/Form8-dipole.png"), kTailleDessins, 2);
    chargerImage(Picture2, QStringLiteral(":/dessins/Form8-quart-onde.png"), kTailleDessins, 2);

    const int largeurChamp = fontMetrics().horizontalAdvance(QStringLiteral("00 000,000 Mhz")) + 12;
    for (QLineEdit *t : {Text1, Text2, Text3, Text4, Text5, Text6}) t->setMinimumWidth(largeurChamp);

    Text7->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text7->setMinimumHeight(fontMetrics().lineSpacing() * 4 + 2 * Text7->frameWidth() +
                            int(2 * Text7->document()->documentMargin()));
    Text7->setMaximumHeight(fontMetrics().lineSpacing() * 6 + 2 * Text7->frameWidth() +
                            int(2 * Text7->document()->documentMargin()));

    // The positions grid: a heading row, the position numbers in a narrow first column.
    QTableWidget *g = MSHFlexGrid1;
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    for (int c = 0; c < dipole::kColonnes; ++c) {
        g->setHorizontalHeaderItem(c, new QTableWidgetItem);
        for (int r = 0; r < dipole::kPositions; ++r) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) {
                // Column 0 is a heading column like row 0: its look, and no selection.
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(g->palette().brush(QPalette::Button));
                item->setForeground(g->palette().brush(QPalette::ButtonText));
                item->setFont(g->horizontalHeader()->font());
            }
            g->setItem(r, c, item);
        }
    }
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    // Each column as narrow as its longest text allows ("102,82 µh", "10 000,0 Mhz").
    const int largeurCellule = fontMetrics().horizontalAdvance(QStringLiteral("10 000,0 Mhz")) + 10;
    g->setMinimumWidth(controles::twipsEnPixels(this, 500) + (dipole::kColonnes - 1) * largeurCellule +
                       2 * g->frameWidth());
    g->setMinimumHeight(g->horizontalHeader()->sizeHint().height() +
                        dipole::kPositions * g->verticalHeader()->defaultSectionSize() +
                        2 * g->frameWidth());
    g->setMaximumHeight(g->minimumHeight());

    // Layout: the inputs and results beside the two drawings, then the note and the grid.
    auto *saisie = new QGridLayout;
    saisie->addWidget(controles::legende("Label1", QStringLiteral("Fréquence centrale"), Text1, this), 0, 0);
    saisie->addWidget(Text1, 0, 1);
    saisie->addWidget(controles::legende("Label8", QStringLiteral("Choisisez une bande"), Combo3, this), 0, 2);
    saisie->addWidget(Combo3, 0, 3);
    saisie->addWidget(controles::legende("Label7", QStringLiteral("< Valeurs  personnelles"), nullptr, this), 0, 4);
    saisie->addWidget(controles::legende("Label2", QStringLiteral("Dimension de A"), Text2, this), 1, 0);
    saisie->addWidget(Text2, 1, 1);
    saisie->addWidget(controles::legende("Label3", QStringLiteral("Dimention de B"), Text3, this), 2, 0);
    saisie->addWidget(Text3, 2, 1);
    saisie->addWidget(Combo1, 1, 2);
    saisie->addWidget(Check1, 2, 2);
    saisie->addWidget(controles::legende("Label4", QStringLiteral("Dimension de C"), Text4, this), 3, 0);
    saisie->addWidget(Text4, 3, 1);
    saisie->addWidget(controles::legende("Label5", QStringLiteral("Inductance"), Text5, this), 4, 0);
    saisie->addWidget(Text5, 4, 1);
    saisie->addWidget(controles::legende("Label10", QStringLiteral("µHenry"), nullptr, this), 4, 2);
    saisie->addWidget(controles::legende("Label6", QStringLiteral("Diam du Fil"), Text6, this), 5, 0);
    saisie->addWidget(Text6, 5, 1);
    saisie->addWidget(Combo2, 5, 2);
    saisie->addWidget(Command1, 6, 0, 1, 2);
    saisie->setColumnStretch(5, 1);
    saisie->setRowStretch(7, 1);

    auto *dessins = new QHBoxLayout;
    dessins->addWidget(Picture1, 0, Qt::AlignTop);
    dessins->addWidget(Picture2, 0, Qt::AlignTop);

    auto *haut = new QHBoxLayout;
    haut->addLayout(saisie, 1);
    haut->addLayout(dessins);

    auto *bas = new QHBoxLayout;
    bas->addStretch(1);
    bas->addWidget(Modeliser);
    bas->addWidget(Retour_Menu);

    auto *page = new QVBoxLayout(this);
    page->setMenuBar(barre);
    page->addLayout(haut);
    page->addWidget(Text7);
    page->addWidget(controles::legende("Label9",
                                       QStringLiteral("Valeurs des éléments pour une position de "
                                                      "la self dans un interval de 1 à 9"),
                                       MSHFlexGrid1, this));
    page->addWidget(MSHFlexGrid1);
    page->addLayout(bas);

    connect(Command1, &QPushButton::clicked, this, &Form8::calculer);
    connect(Modeliser, &QPushButton::clicked, this, [this] {
        if (conception_) emit modeliser(conception_);
        else messages::afficher(this, QStringLiteral("Calculez d'abord la self : le modèle est celui du dipôle calculé."));
    });
    connect(Check1, &QCheckBox::clicked, this, &Form8::changerMode);
    connect(Combo1, &QComboBox::activated, this, &Form8::choisirUnite);
    connect(Combo2, &QComboBox::activated, this, &Form8::choisirUniteFil);
    connect(Combo3, &QComboBox::activated, this, &Form8::choisirBande);
}

void Form8::declarerChamps()
{
    champs_ = creerChamps();
    Module1 &m = store();
    const auto positif = accepte::strictementPositif();
    using C = ChampsNumeriques;
    champs_->ajouter(C::decimales(Text1, m.Frequence_Dipole, positif, 3, kMhz, {Text5, Text7})).effets = [this] {
        Combo3->setCurrentIndex(0);
        choisirBande(0);
    };
    champs_->ajouter(C::decimales(Text2, m.Dimension_A, positif, 2, QString(), {Text4, Text5, Text7}));
    champs_->ajouter(C::decimales(Text3, m.Dimension_B, positif, 2, QString(), {Text4, Text5, Text7}));
    champs_->ajouter(C::telQuel(Text6, m.Diametre_Fil, positif, {Text5}));
}

void Form8::preparer()
{
    Module1 &m = store();
    // The window opens with the focus on "Calculer la self", not inside an entry field that the
    // first click elsewhere would read back.
    Command1->setFocus();
    hote().activerMenu(false);

    Text1->setText(fixe(m.Frequence_Dipole, 3) + kMhz);
    afficherDimensions();
    Text6->setText(nombres::montrer(m.Diametre_Fil));

    Combo3->setCurrentIndex(3);
    choisirBande(3);

    Voir_Tableau->setChecked(false);
    activerEntreesTableau(false);

    presenter();
    calculer();
}

void Form8::afficherDimensions()
{
    Text2->setText(fixe(store().Dimension_A, 2));
    Text3->setText(fixe(store().Dimension_B, 2));
}

void Form8::calculer()
{
    if (Text2->text().isEmpty() || Text3->text().isEmpty() || Text6->text().isEmpty()) {
        messages::afficher(this, dipole::messageChampsManquants(),
                           messages::kTitreProgramme, QMessageBox::Warning);
        return;
    }
    dipole::Entrees e = dipole::entrees(store());
    e.uniteFil = Combo2->currentIndex() == 1   ? dipole::UniteFil::Pouces
                 : Combo2->currentIndex() == 2 ? dipole::UniteFil::Millimetres
                                               : dipole::UniteFil::AWG;
    e.metres = Combo1->currentIndex() == 1;
    e.dipole = Check1->isChecked();
    const dipole::Resultat r = dipole::calculer(e);
    conception_ = {};
    if (r.issue == dipole::Issue::Calcule)
        conception_ = [e, r](modele::Sol sol) { return modele::dipoleRaccourci(e, r, sol); };
    montrerResultat(r);
}

void Form8::montrerResultat(const dipole::Resultat &r)
{
    switch (r.issue) {
    case dipole::Issue::BobineTropLoin:
        Text4->clear();
        Text5->clear();
        bip();
        Text7->setPlainText(r.note);
        return;
    case dipole::Issue::TropLong:
        Text7->setPlainText(r.note);
        bip();
        viderGrille(true);
        return;
    case dipole::Issue::Impossible:
        // Nothing of an earlier run may stay beside the reason: it would look like a result.
        Text4->clear();
        Text5->clear();
        Text7->setPlainText(r.note);
        bip();
        ecrireEnTetes();
        viderGrille(false);
        return;
    case dipole::Issue::Calcule:
        break;
    }
    Text7->setPlainText(r.note);
    // Every cell is written: a cell whose text stays the same is not repainted.
    ecrireEnTetes();
    for (int i = 0; i < dipole::kPositions; ++i)
        for (int c = 1; c < dipole::kColonnes; ++c)
            MSHFlexGrid1->item(i, c)->setText(r.lignes[i][c - 1]);
    Text4->setText(r.dimensionC);
    Text5->setText(r.inductance);
}

void Form8::ecrireEnTetes()
{
    // 500 twips, widened only if the heading "Ant" would not fit.
    MSHFlexGrid1->setColumnWidth(0, std::max(controles::twipsEnPixels(this, 500),
                                             MSHFlexGrid1->horizontalHeader()->fontMetrics().horizontalAdvance(
                                                 QString::fromUtf16(dipole::kEnTetes[0])) + 12));
    for (int c = 0; c < dipole::kColonnes; ++c)
        MSHFlexGrid1->horizontalHeaderItem(c)->setText(QString::fromUtf16(dipole::kEnTetes[c]));
    for (int r = 0; r < dipole::kPositions; ++r) MSHFlexGrid1->item(r, 0)->setText(QString::number(r + 1));
}

void Form8::viderGrille(bool enTetes)
{
    for (int c = enTetes ? 0 : 1; c < dipole::kColonnes; ++c) {
        if (enTetes) MSHFlexGrid1->horizontalHeaderItem(c)->setText(QString());
        for (int r = 0; r < dipole::kPositions; ++r) MSHFlexGrid1->item(r, c)->setText(QString());
    }
}

void Form8::changerMode(bool dipole)
{
    float &A = store().Dimension_A;
    Check1->setText(dipole ? QStringLiteral("Dipôle") : QStringLiteral("Quart d'onde"));
    A = dipole ? float(double(A) * 2) : float(double(A) / 2);
    Text2->setText(fixe(A, 2));
    calculer();
}

void Form8::choisirUnite(int index)
{
    if (index == uniteRetenue_) return;
    float &A = store().Dimension_A;
    float &B = store().Dimension_B;
    if (index == 1) {  // from feet (or nothing chosen) to metres
        A = float(unites::piedsEnMetres(A));
        B = float(unites::piedsEnMetres(B));
    } else if (index == 0 && uniteRetenue_ == 1) {  // back to feet
        A = float(unites::metresEnPieds(A));
        B = float(unites::metresEnPieds(B));
    }
    afficherDimensions();
    Text4->clear();
    Text5->clear();
    uniteRetenue_ = index;
    calculer();
}

void Form8::choisirUniteFil(int index)
{
    if (index == uniteFilRetenue_) return;
    Text6->clear();  // the size must be typed again in its new unit
    uniteFilRetenue_ = index;
}

void Form8::choisirBande(int index)
{
    if (index < 1 || index > 10) return;
    store().Frequence_Dipole = store().frequencePreferee(index);
    Text1->setText(fixe(store().Frequence_Dipole, 3) + kMhz);
    calculer();
}

void Form8::quitterFenetre()
{
    if (VueSolutions *t = tableau(false)) t->masquer();
}

void Form8::retour()
{
    quitterFenetre();
    cacher();
    hote().activerMenu(true);
}

void Form8::closeEvent(QCloseEvent *event)
{
    // Closed by its frame: leave as "Retour au menu" does (the frame hides itself).
    quitterFenetre();
    event->accept();
    hote().activerMenu(true);
}

VueSolutions *Form8::tableau(bool creer) const { return solutions_ ? solutions_(creer) : nullptr; }

void Form8::voirTableau(bool coche)
{
    if (coche) tableau()->montrer();
    else quitterFenetre();
    activerEntreesTableau(coche);
}

void Form8::tableauMasque()
{
    Voir_Tableau->setChecked(false);
    activerEntreesTableau(false);
}

void Form8::activerEntreesTableau(bool actives)
{
    for (QAction *a : {Ajouter_Au_Tableau, Sauvegarder_Tableau, Imprimer_Tableau, Exporter_Tableau,
                       Effacer_Tableau})
        a->setEnabled(actives);
}

void Form8::ajouterAuTableau()
{
    VueSolutions *fenetre = tableau();
    fenetre->montrer();
    Module1 &m = store();
    int bande = Combo3->currentIndex();
    if (bande < 0 || bande > 10) bande = 0;

    const int r = solutions::premiereLigneLibre(m.Tableau_Solutions);
    if (r == 0) {
        messages::afficher(this, QStringLiteral("Il semblerait que le tableau soit plein"),
                           QStringLiteral("Attention"), QMessageBox::Warning);
        return;
    }
    solutions::Solution s;
    s.dipole = Check1->isChecked();
    s.metres = Combo1->currentIndex() == 1;
    s.bande = m.Bandes_Courtes[bande];
    s.frequence = bande > 0 ? m.Tableau_Bandes[bande][5] : fixe(m.Frequence_Dipole, 3);
    s.A = Text2->text();
    s.B = Text3->text();
    s.C = Text4->text();
    s.L = Text5->text();
    const auto champs = solutions::champs(s);
    for (int c = 1; c < Module1::kColonnesSolutions; ++c) {
        m.Tableau_Solutions[r][c] = champs[c - 1];
        fenetre->ecrire(r, c, c == 3 ? champs[c - 1] + QStringLiteral("m") : champs[c - 1]);
    }
}

void Form8::sauvegarderTableau()
{
    const Module1 &m = store();
    const auto reponse = messages::afficher(this, QStringLiteral("Voulez vous enregistrer ce tableau"),
                                            QStringLiteral("Sauvegarder"), QMessageBox::NoIcon,
                                            QMessageBox::Yes | QMessageBox::No);
    if (reponse != QMessageBox::Yes) return;
    QString erreur;
    if (!fichiers::ecrireLignes(m.Fichier_Tableau, solutions::lignesFichier(m.Tableau_Solutions), &erreur))
        messages::afficher(this,
                           QStringLiteral("Le fichier %1 n'a pas pu être enregistré.%3"
                                          "Le tableau reste en mémoire, rien n'est perdu : vérifiez "
                                          "que le dossier existe et accepte l'écriture, puis "
                                          "enregistrez à nouveau.%3(%2)")
                               .arg(QDir::toNativeSeparators(m.Fichier_Tableau), erreur, constantes::kSautLigne),
                           messages::kTitreProgramme, QMessageBox::Warning);
}

void Form8::imprimerTableau()
{
    if (!tableau()->imprimer())
        messages::afficher(this, QStringLiteral("Impossible d'imprimer la feuille."));
}

// The Qt save dialog (its overwrite question is asked here, with the program's own words); an
// answer of No to that question comes back to the dialog. Empty when the user cancels.
QString Form8::demanderFichierPdf()
{
    QFileDialog dialogue(this, QStringLiteral("Exporter en PDF"));
    controles::dialogueFichier(dialogue, true);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);  // asked below
    dialogue.setViewMode(QFileDialog::List);
    dialogue.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo propose(solutions::cheminPdfPropose());
    dialogue.setDirectory(propose.absolutePath());
    dialogue.selectFile(propose.fileName());
    while (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()) {
        const QString chemin = dialogue.selectedFiles().constFirst();
        if (!QFileInfo::exists(chemin)) return chemin;
        const auto reponse = messages::afficher(
            this,
            QStringLiteral("Le fichier %1 existe déjà.%2Voulez-vous le remplacer ?")
                .arg(QDir::toNativeSeparators(chemin), constantes::kSautLigne),
            QStringLiteral("Exporter en PDF"), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
        if (reponse == QMessageBox::Yes) return chemin;
        dialogue.selectFile(QFileInfo(chemin).fileName());
    }
    return {};
}

void Form8::exporterTableau()
{
    const QString chemin = demanderFichierPdf();
    if (chemin.isEmpty()) return;
    const Module1 &m = store();
    QString raison;
    if (!solutions::exporterPdf(solutions::feuille(m.Tableau_Solutions, QDate::currentDate()), chemin, &raison))
        messages::afficher(this,
                           QStringLiteral("Le fichier %1 n'a pas pu être enregistré : %2.%3"
                                          "Rien n'a été écrit ; le tableau reste tel quel.")
                               .arg(QDir::toNativeSeparators(chemin), raison, constantes::kSautLigne),
                           messages::kTitreProgramme, QMessageBox::Warning);
}

void Form8::effacerTableau()
{
    solutions::effacer(store().Tableau_Solutions);
    tableau()->vider();
}
