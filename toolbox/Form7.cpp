// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/Form7.h"

#include "shell/core/Module1.h"
#include "toolbox/cables.h"
#include "shell/Controles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Column widths in twips: the name column, the middle ones, the last one.
constexpr int kTwipsNom = 2000;
constexpr int kTwipsColonne = 1000;
constexpr int kTwipsDerniere = 1500;

int twips(int colonne)
{
    if (colonne == 0) return kTwipsNom;
    return colonne == boite::kColonnesCables - 1 ? kTwipsDerniere : kTwipsColonne;
}

}  // namespace

Form7::Form7(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form7"), QStringLiteral("Lignes  bifilaires et coaxiales"))
{
    construire();
}

void Form7::construire()
{
    MSHFlexGrid1 = controles::grille("MSHFlexGrid1", std::max(0, int(store().Dernier_Cable)), boite::kColonnesCables,
                                     QStringLiteral("Liste des câbles"), false, this);
    MSHFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSHFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGrid1->verticalHeader()->setDefaultSectionSize(MSHFlexGrid1->fontMetrics().height() + 8);
    MSHFlexGrid1->horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < boite::kColonnesCables; ++c) {
        MSHFlexGrid1->setColumnWidth(c, largeurMinimale(c));
        // Heading cells that the file's first line does not reach stay empty (not Qt's numbers).
        MSHFlexGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }

    Label1 = controles::legende("Label1", QStringLiteral("Cliquer sur une ligne pour exporter le Coéficient de Vélocité"));
    Text1 = controles::resultat("Text1");
    controles::associer(Label1, Text1);
    Exporter_Cable = controles::bouton("Exporter_Cable", QStringLiteral("exporter et fermer"));
    Retour_Menu = boutonRetour();
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Text1),
                       static_cast<QWidget *>(Exporter_Cable)})
        w->setVisible(false);

    auto *boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(Exporter_Cable);
    boutons->addWidget(Retour_Menu);
    auto *v = new QVBoxLayout(this);
    v->addWidget(MSHFlexGrid1, 1);
    v->addWidget(Label1);
    v->addWidget(Text1);
    v->addLayout(boutons);

    connect(MSHFlexGrid1, &QTableWidget::cellClicked, this, [this](int ligne, int) { choisirLigne(ligne); });
    // A click on the heading row acts on the current row (the first one when none was chosen).
    connect(MSHFlexGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { choisirLigne(std::max(0, MSHFlexGrid1->currentRow())); });
    connect(Exporter_Cable, &QPushButton::clicked, this, &Form7::exporter);
}

int Form7::largeurMinimale(int colonne) const { return controles::twipsEnPixels(this, twips(colonne)); }

QSize Form7::sizeHint() const
{
    // Room for the whole grid when the main window allows it; the grid scrolls otherwise.
    int largeur = 2 * MSHFlexGrid1->frameWidth() + MSHFlexGrid1->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < MSHFlexGrid1->columnCount(); ++c) largeur += MSHFlexGrid1->columnWidth(c);
    const QSize base = QWidget::sizeHint();
    return QSize(std::clamp(largeur + 24, base.width(), 1040), std::max(base.height(), 560));
}

void Form7::remplir()
{
    const Module1 &m = store();
    // The grid already holding these lines keeps its items and widths.
    QStringList lignes;
    for (int r = 0; r <= m.Dernier_Cable; ++r) lignes << m.Lignes_Cables[r];
    if (lignes == lignesAffichees_ && MSHFlexGrid1->rowCount() == std::max(0, int(m.Dernier_Cable))) return;
    lignesAffichees_ = lignes;
    MSHFlexGrid1->setRowCount(std::max(0, int(m.Dernier_Cable)));
    for (int r = 0; r <= m.Dernier_Cable; ++r) {
        for (const auto &[colonne, texte] : boite::champsCable(m.Lignes_Cables[r])) {
            // Line 0 is the heading row of the grid.
            if (r == 0) MSHFlexGrid1->setHorizontalHeaderItem(colonne, new QTableWidgetItem(texte));
            else MSHFlexGrid1->setItem(r - 1, colonne, new QTableWidgetItem(texte));
        }
    }
    // The widths of the original table, widened where a text would not fit.
    for (int c = 0; c < boite::kColonnesCables; ++c) {
        MSHFlexGrid1->resizeColumnToContents(c);
        MSHFlexGrid1->setColumnWidth(c, std::max(MSHFlexGrid1->columnWidth(c), largeurMinimale(c)));
    }
}

void Form7::preparer()
{
    remplir();
    Text1->clear();
    presenter();
}

void Form7::choisirPourLaBoite()
{
    remplir();
    Label1->setVisible(true);
    Text1->clear();
    Text1->setVisible(true);
    Exporter_Cable->setVisible(true);
    presenter();
}

void Form7::choisirLigne(int ligne)
{
    if (ligne < 0 || ligne >= MSHFlexGrid1->rowCount()) return;  // no cable below the heading
    Module1 &m = store();
    const auto texte = [this, ligne](int colonne) {
        const QTableWidgetItem *item = MSHFlexGrid1->item(ligne, colonne);
        return item ? item->text() : QString();
    };
    m.Nom_Cable = texte(boite::kColonneNom);
    m.Coefficient_Velocite = boite::velociteLue(texte(boite::kColonneVelocite));
    Text1->setText(boite::resumeCable(m.Nom_Cable, m.Coefficient_Velocite));
}

void Form7::exporter()
{
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Text1),
                       static_cast<QWidget *>(Exporter_Cable)})
        w->setVisible(false);
    cacher();
    emit cableExporte();
}
