// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/concepteurs/Concepteur.h"

#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace antennes {

Concepteur::Concepteur(Atelier &atelier, const char *nomCadre, const QString &titre, QObject *parent)
    : QObject(parent), atelier_(atelier), formulaire_(nomCadre, titre)
{
    formulaire_.grille()->setColumnStretch(1, 1);
}

QGroupBox *Concepteur::page(QPushButton *calculer) { return formulaire_.pied(calculer); }

void Concepteur::ecrireResultats(float frequence, float longueurOnde, int nombreTirets, const Lignes &lignes)
{
    Module1 &s = store();
    s.Lignes_Resultat = lignes;
    atelier_.ecrireResultats(boiteResultats(enTete(s.Bande_Antenne, frequence, longueurOnde, nombreTirets), lignes));
}

QLineEdit *champ(const char *nom, const QString &texte)
{
    QLineEdit *e = controles::champ(nom, texte);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0 000,000 Mhz__")));
    return e;
}

void montrerFrequence(QLineEdit *champ, float frequence)
{
    champ->setText(nombres::fixe(frequence, 3) + QStringLiteral(" Mhz"));
}

QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteInitial)
{
    auto *c = controles::liste(nom, entrees, texteInitial);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

}  // namespace antennes
