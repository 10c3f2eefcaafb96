// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageCalcul.h"

#include "shell/FenetreTravail.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace boite {

QLabel *legende(const char *objet, const QString &texte)
{
    auto *l = controles::legende(objet, texte);
    l->setWordWrap(texte.size() > 40);
    return l;
}

Grille::Grille(QGroupBox *cadre) : Formulaire(cadre)
{
    grille()->setColumnStretch(0, 3);
    grille()->setColumnStretch(1, 2);
    grille()->setColumnMinimumWidth(0, cadre->fontMetrics().averageCharWidth() * 34);
}

QLineEdit *Grille::champ(const char *nomLegende, const QString &texte, const char *nomChamp, bool resultat, QLabel **l)
{
    QLabel *cap = legende(nomLegende, texte);
    QLineEdit *e = resultat ? controles::resultat(nomChamp) : controles::champ(nomChamp);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(18, u'0')));
    controles::associer(cap, e);
    rangee(cap, e);
    if (l) *l = cap;
    return e;
}

QPlainTextEdit *Grille::zone(const char *nomLegende, const QString &texte, const char *nomChamp, int lignes,
                             const QString &modele)
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

PageCalcul::PageCalcul(FenetreTravail &fenetre, const char *nomCadre, const QString &titre, const char *image)
    : fenetre_(fenetre), cadre_(controles::cadre(nomCadre, titre)), image_(QString::fromLatin1(image))
{
    // The frame on the left, room for the picture on the right.
    disposition_ = new QHBoxLayout(this);
    auto *v = new QVBoxLayout;
    v->addWidget(cadre_);
    v->addStretch(1);
    disposition_->addLayout(v);
}

Module1 &PageCalcul::store() const { return fenetre_.store(); }

void PageCalcul::bip() const { fenetre_.bip(); }

}  // namespace boite
