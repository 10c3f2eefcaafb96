// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/Form5.h"

#include "converter/conversions.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "shell/core/Module1.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Form5::Form5(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form5"), QStringLiteral("Convertisseur d'unités"))
{
    construire();
    declarerChamps();
}

void Form5::construire()
{
    using namespace controles;
    QLabel *Label26 = legende("Label26", QStringLiteral("Nombre à convertir"), nullptr, this);
    Text26 = champ("Text26", QStringLiteral("0"), this);
    associer(Label26, Text26);

    List1 = creer<QListWidget>("List1", this);
    List1->addItems(conversions::entrees());
    List1->setCurrentRow(-1);
    List1->setAccessibleName(QStringLiteral("Conversion"));
    // Every conversion in sight, without a scroll bar.
    List1->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QPushButton *Command1 = bouton("Command1", QStringLiteral("Convertir"), this);

    QLabel *Label30 = legende("Label30", QStringLiteral("Résultat"), nullptr, this);
    Text32 = resultat("Text32", QStringLiteral("0"), this);
    associer(Label30, Text32);
    // Room for the longest results ("393 700,78740 In").
    const int largeur = Text32->fontMetrics().horizontalAdvance(QStringLiteral("000 000 000,00000 Ft"));
    Text26->setMinimumWidth(largeur);
    Text32->setMinimumWidth(largeur);

    QPushButton *Retour_Menu = boutonRetour();

    auto *grille = new QGridLayout(this);
    grille->addWidget(Label26, 0, 0);
    grille->addWidget(Text26, 0, 1);
    grille->addWidget(List1, 1, 0, 1, 2);
    grille->addWidget(Command1, 2, 1, Qt::AlignRight);
    grille->addWidget(Label30, 3, 0);
    grille->addWidget(Text32, 3, 1);
    grille->addWidget(Retour_Menu, 4, 1, Qt::AlignRight);
    grille->setColumnStretch(1, 1);
    grille->setRowStretch(1, 1);

    connect(Command1, &QPushButton::clicked, this, &Form5::convertir);
    // A choice in the list converts at once, made with the mouse or the keyboard.
    connect(List1, &QListWidget::itemClicked, this, &Form5::convertir);
    connect(List1, &QListWidget::currentRowChanged, this, &Form5::convertir);
}

void Form5::declarerChamps()
{
    champs_ = creerChamps();
    champs_->ajouter(ChampsNumeriques::telQuel(Text26, store().Nombre_A_Convertir, accepte::positifOuNul(), {Text32}));
}

void Form5::preparer()
{
    Text26->setText(QStringLiteral("1"));
    store().Nombre_A_Convertir = 1;
    convertir();
    presenter();
}

void Form5::convertir()
{
    if (List1->currentRow() < 0) {
        List1->setCurrentRow(0);  // a choice in the list: it converts
        return;
    }
    Text32->setText(conversions::resultat(List1->currentRow(), store().Nombre_A_Convertir));
}
