// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/Form5.h"

#include "converter/conversions.h"
#include "shell/ChampsNumeriques.h"
#include "shell/Module1.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Form5::Form5(MDIForm1 &principal)
    : FenetreTravail(principal, QStringLiteral("Form5"), QStringLiteral("Convertisseur d'unités"))
{
    auto *Label26 = new QLabel(QStringLiteral("Nombre à convertir"), this);
    Label26->setObjectName(QStringLiteral("Label26"));
    Text26 = new QLineEdit(QStringLiteral("0"), this);
    Text26->setObjectName(QStringLiteral("Text26"));
    Label26->setBuddy(Text26);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(conversions::entrees());
    List1->setCurrentRow(-1);
    List1->setAccessibleName(QStringLiteral("Conversion"));
    // Every conversion in sight, without a scroll bar.
    List1->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *Command1 = new QPushButton(QStringLiteral("Convertir"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *Label30 = new QLabel(QStringLiteral("Résultat"), this);
    Label30->setObjectName(QStringLiteral("Label30"));
    Text32 = new QLineEdit(QStringLiteral("0"), this);
    Text32->setObjectName(QStringLiteral("Text32"));
    Text32->setReadOnly(true);
    Label30->setBuddy(Text32);
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

    champs_ = creerChamps();
    champs_->ajouter(ChampsNumeriques::telQuel(Text26, store().Nombre_A_Convertir, accepte::positifOuNul(), {Text32}));

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    // A choice in the list converts at once, made with the mouse or the keyboard.
    connect(List1, &QListWidget::itemClicked, this, &Form5::List1_Click);
    connect(List1, &QListWidget::currentRowChanged, this, &Form5::List1_Click);
}

void Form5::preparer()
{
    Text26->setText(QStringLiteral("1"));
    store().Nombre_A_Convertir = 1;
    Command1_Click();
    presenter();
}

void Form5::List1_Click() { Command1_Click(); }

void Form5::Command1_Click()
{
    if (List1->currentRow() < 0) {
        List1->setCurrentRow(0);  // a choice in the list: it converts
        return;
    }
    Text32->setText(conversions::resultat(List1->currentRow(), store().Nombre_A_Convertir));
}
