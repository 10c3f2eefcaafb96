// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Form10.h"

#include "shell/Controles.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/bandes.h"
#include "shell/core/constantes.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kLignesGrille = 13;  // bands shown below the heading row
constexpr int kColonnes = Module1::kColonnesBandes;
constexpr int kLargeursTwips[kColonnes] = {300, 600, 1200, 1200, 1200, 1200};

}  // namespace

Form10::Form10(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form10"), QStringLiteral("Paramètres"))
{
    construire();
}

void Form10::construire()
{
    MSHFlexGrid1 = controles::grille("MSHFlexGrid1", 0, 0, QStringLiteral("Table des bandes"), false, this);
    MSHFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGrid1->horizontalHeader()->setSectionsClickable(true);
    MSHFlexGrid1->horizontalHeader()->setHighlightSections(false);
    // The whole table is always in sight: the grid takes the room its rows and columns need.
    MSHFlexGrid1->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    MSHFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSHFlexGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSHFlexGrid1->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    using namespace controles;
    Check1 = caseACocher("Check1", QStringLiteral("Modifier les fréquences des bandes"), this);

    Label1 = legende("Label1", QStringLiteral("Saisir une valeur, puis cliquer sur la case à modifier"), nullptr, this);
    Label1->setEnabled(false);
    Text1 = champ("Text1", QString(), this);
    Text1->setEnabled(false);
    associer(Label1, Text1);

    Valider_Sauvegarder = bouton("Valider_Sauvegarder", QStringLiteral("Valider et sauvegarder"), this);
    Valider_Sauvegarder->setToolTip(
        QStringLiteral("Ne pas oublier de fermer et relancer le logiciel pour une prise en compte "
                       "des nouveaux paramètres"));
    Annuler = bouton("Annuler", QStringLiteral("Annuler"), this);
    QPushButton *Quitter = bouton("Quitter", QStringLiteral("Quitter"), this);
    QPushButton *Retour_Menu = boutonRetour();

    auto *saisie = new QHBoxLayout;
    saisie->addWidget(Label1);
    saisie->addWidget(Text1, 1);

    auto *boutons = new QHBoxLayout;
    boutons->addWidget(Valider_Sauvegarder);
    boutons->addWidget(Annuler);
    boutons->addStretch(1);
    boutons->addWidget(Quitter);
    boutons->addWidget(Retour_Menu);

    auto *page = new QVBoxLayout(this);
    page->addWidget(MSHFlexGrid1, 1, Qt::AlignHCenter);
    page->addWidget(Check1);
    page->addLayout(saisie);
    page->addLayout(boutons);

    connect(Check1, &QCheckBox::clicked, this, &Form10::basculerEdition);
    connect(MSHFlexGrid1, &QTableWidget::cellClicked, this,
            [this](int row, int col) { placer(row + 1, col); });
    connect(MSHFlexGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { placer(0, col); });
    connect(Annuler, &QPushButton::clicked, this, &Form10::annuler);
    connect(Valider_Sauvegarder, &QPushButton::clicked, this, &Form10::validerEtSauvegarder);
    connect(Quitter, &QPushButton::clicked, this, &Form10::retour);
}

// A grid of the right size is kept, only unselected; otherwise it is built again, empty.
// Tells whether it was built again.
bool Form10::dimensionnerGrille(int lignes)
{
    if (MSHFlexGrid1->rowCount() == lignes && MSHFlexGrid1->columnCount() == kColonnes) {
        MSHFlexGrid1->clearSelection();
        MSHFlexGrid1->setCurrentItem(nullptr);
        return false;
    }
    MSHFlexGrid1->clear();
    MSHFlexGrid1->setColumnCount(kColonnes);
    MSHFlexGrid1->setRowCount(lignes);
    const QStringList titres = {QStringLiteral("N°"),     QStringLiteral("Bande"),
                                QStringLiteral("Début"),  QStringLiteral("Fin"),
                                QStringLiteral("Centre"), QStringLiteral("Préference")};
    MSHFlexGrid1->setHorizontalHeaderLabels(titres);
    return true;
}

void Form10::ajusterLargeurs()
{
    // Widths in twips, widened when a heading or a cell would not fit at the screen's font.
    const QHeaderView *entete = MSHFlexGrid1->horizontalHeader();
    const QAbstractItemView *vue = MSHFlexGrid1;
    for (int c = 0; c < kColonnes; ++c) {
        const int pixels = controles::twipsEnPixels(this, kLargeursTwips[c]);
        const int contenu = std::max(entete->sectionSizeHint(c), vue->sizeHintForColumn(c));
        MSHFlexGrid1->setColumnWidth(c, std::max(pixels, contenu));
    }
    // The grid asks for room for every row and column; the window grows with it (also before it
    // is first shown, when the grid is still hidden and would not tell its layout).
    MSHFlexGrid1->updateGeometry();
    layout()->invalidate();
    agrandir();
}

void Form10::agrandir()
{
    // The frame in the main window keeps its size when the window is shown again: it grows here
    // when the grid needs more room than it had.
    QWidget *cadre = parentWidget();
    if (cadre && cadre->isVisible()) cadre->resize(cadre->size().expandedTo(cadre->sizeHint()));
}

// Tells whether the cell's text changed (a cell left as it was is not repainted).
bool Form10::ecrireCellule(int r, int c, const QString &texte)
{
    auto *item = MSHFlexGrid1->item(r - 1, c);
    if (!item) {
        if (texte.isEmpty()) return false;
        item = new QTableWidgetItem;
        MSHFlexGrid1->setItem(r - 1, c, item);
    } else if (item->text() == texte) {
        return false;
    }
    item->setText(texte);
    return true;
}

void Form10::preparer()
{
    const Module1 &m = store();
    // The grid holds 13 bands; a longer table makes it grow so that no band is hidden.
    bool change = dimensionnerGrille(std::max<int>(kLignesGrille, m.Nombre_Bandes));
    for (int r = 1; r <= MSHFlexGrid1->rowCount(); ++r)
        for (int c = 0; c < kColonnes; ++c) {
            QString texte;
            if (r <= m.Nombre_Bandes)
                texte = c < 2 ? m.Tableau_Bandes[r][c] : m.Tableau_Bandes[r][c] + QStringLiteral(" mhz");
            change |= ecrireCellule(r, c, texte);
        }
    // The widths follow the texts: measuring them again is needed only when one changed.
    if (change) ajusterLargeurs();
    activerBoutons(false);
    cocher(false);
    Text1->clear();
    presenter();
    agrandir();
}

void Form10::cocher(bool coche)
{
    Check1->setChecked(coche);
    basculerEdition();
}

void Form10::activerBoutons(bool actifs)
{
    Valider_Sauvegarder->setEnabled(actifs);
    Annuler->setEnabled(actifs);
}

void Form10::basculerEdition()
{
    const bool coche = Check1->isChecked();
    if (coche) {
        Module1 &m = store();
        for (int r = 0; r <= m.Nombre_Bandes; ++r) m.Copie_Tableau_Bandes[r] = m.Tableau_Bandes[r];
    }
    Label1->setEnabled(coche);
    Text1->setEnabled(coche);
    if (coche) Text1->setFocus(Qt::OtherFocusReason);
}

void Form10::placer(int ligne, int colonne)
{
    Module1 &m = store();
    m.Saisie_Parametre = Text1->text();
    // A cell can take a value only in edit mode, in a band's row and a frequency column, and only
    // a plain number, so that the file keeps one field per value.
    if (!Check1->isChecked() || m.Saisie_Parametre.isEmpty() || ligne < 1 || colonne < 2 ||
        ligne > m.Nombre_Bandes || !bandes::placable(m.Saisie_Parametre)) {
        bip();
        return;
    }
    m.Saisie_Parametre = bandes::troisDecimales(m.Saisie_Parametre);
    const auto cellule = [this, ligne](int c) {
        const QTableWidgetItem *item = MSHFlexGrid1->item(ligne - 1, c);
        return item ? item->text() : QString();
    };
    if (colonne >= 4 && !bandes::dansLaBande(m.Saisie_Parametre, cellule(2), cellule(3))) {
        messages::afficher(this,
                           QStringLiteral("La valeur saisie ou placée n'est pas valide pour cette bande."),
                           QStringLiteral("Attention"), QMessageBox::Warning);
        return;
    }
    ecrireCellule(ligne, colonne, m.Saisie_Parametre + QStringLiteral(" Mhz"));
    m.Tableau_Bandes[ligne][colonne] = m.Saisie_Parametre;
    ajusterLargeurs();
    activerBoutons(true);
}

void Form10::annuler()
{
    if (!Check1->isChecked()) return;
    Module1 &m = store();
    for (int r = 1; r <= m.Nombre_Bandes; ++r) {
        m.Tableau_Bandes[r] = m.Copie_Tableau_Bandes[r];
        ecrireCellule(r, 0, m.Tableau_Bandes[r][0]);
        ecrireCellule(r, 1, m.Tableau_Bandes[r][1] + QStringLiteral(" m"));
        for (int c = 2; c < kColonnes; ++c)
            ecrireCellule(r, c, m.Tableau_Bandes[r][c] + QStringLiteral(" mhz"));
    }
    ajusterLargeurs();
    Text1->clear();
    activerBoutons(false);
    cocher(false);
}

void Form10::validerEtSauvegarder()
{
    if (!Check1->isChecked()) return;
    const auto reponse = messages::afficher(
        this, QStringLiteral("Voulez vous enregistrer ces modifications"), QStringLiteral("Sauvegarder"),
        QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No);
    if (reponse != QMessageBox::Yes) {
        annuler();
        return;
    }
    const Module1 &m = store();
    if (!bandes::enregistrer(m)) {
        // Nothing is lost: the old file is whole, the edits stay on screen, edit mode goes on.
        messages::afficher(
            this,
            QStringLiteral("Le fichier %1 n'a pas pu être enregistré.").arg(QDir::toNativeSeparators(m.Fichier_Bandes)) +
                constantes::kSautLigne +
                QStringLiteral("Vos modifications sont conservées : vérifiez que ce fichier peut être "
                               "modifié, puis cliquez de nouveau sur « Valider et sauvegarder »."),
            QStringLiteral("Sauvegarder"), QMessageBox::Warning);
        return;
    }
    activerBoutons(false);
    cocher(false);
}

void Form10::retour()
{
    cocher(false);
    cacher();
}
