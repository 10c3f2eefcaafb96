// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Controles.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace controles {

QLabel *legende(const char *nom, const QString &texte, QWidget *compagnon, QWidget *parent)
{
    auto *l = nomme(new QLabel(texte, parent), nom);
    if (compagnon) l->setBuddy(compagnon);
    return l;
}

QPushButton *bouton(const char *nom, const QString &texte, QWidget *parent)
{
    return nomme(new QPushButton(texte, parent), nom);
}

QRadioButton *option(const char *nom, const QString &texte, QWidget *parent)
{
    return nomme(new QRadioButton(texte, parent), nom);
}

QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteModele,
                 bool saisieLibre, QWidget *parent)
{
    auto *c = nomme(new QComboBox(parent), nom);
    c->setEditable(saisieLibre);
    c->addItems(entrees);
    if (saisieLibre) c->setInsertPolicy(QComboBox::NoInsert);
    c->setCurrentIndex(-1);
    if (saisieLibre) {
        c->setEditText(texteModele);
        // Typed text that is not one of the entries leaves no entry chosen; typing an entry's own
        // text chooses it. Either way no choice handler runs: only a choice from the list is one.
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited, c, [c](const QString &texte) {
            const int index = c->findText(texte, Qt::MatchExactly);
            if (index == c->currentIndex()) return;
            const int curseur = c->lineEdit()->cursorPosition();
            c->setCurrentIndex(index);
            c->setEditText(texte);
            c->lineEdit()->setCursorPosition(curseur);
        });
    } else {
        c->setPlaceholderText(texteModele);
    }
    return c;
}

void Rangees::rangee(QLabel *legende, QWidget *champ)
{
    grille_->addWidget(legende, ligne_, 0);
    grille_->addWidget(champ, ligne_++, 1);
}

void Rangees::travers(QWidget *w, Qt::Alignment alignement) { grille_->addWidget(w, ligne_++, 0, 1, 2, alignement); }

void Rangees::travers(QLayout *l) { grille_->addLayout(l, ligne_++, 0, 1, 2); }

void Rangees::aDroite(QWidget *w) { grille_->addWidget(w, ligne_++, 1); }

void Rangees::sauter(int hauteur) { grille_->setRowMinimumHeight(ligne_++, hauteur); }

void Rangees::pousser() { grille_->setRowStretch(ligne_++, 1); }

}  // namespace controles
