// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Controles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <cmath>

namespace controles {

QLabel *legende(const char *nom, const QString &texte, QWidget *compagnon, QWidget *parent)
{
    auto *l = nomme(new QLabel(texte, parent), nom);
    if (compagnon) associer(l, compagnon);
    return l;
}

void decrireListe(QComboBox *liste, const QString &texte)
{
    liste->setAccessibleDescription(texte);
    if (QLineEdit *saisie = liste->lineEdit()) saisie->setAccessibleName(texte);
}

namespace {

// Qt names a field after its buddy caption by itself; grids and drop-down lists are told here.
void dire(QLabel *legende, QWidget *compagnon)
{
    if (auto *c = qobject_cast<QComboBox *>(compagnon)) decrireListe(c, legende->text());
    else if (qobject_cast<QAbstractItemView *>(compagnon)) compagnon->setAccessibleName(legende->text());
}

}  // namespace

void associer(QLabel *legende, QWidget *compagnon)
{
    legende->setBuddy(compagnon);
    dire(legende, compagnon);
}

void changerLegende(QLabel *legende, const QString &texte)
{
    legende->setText(texte);
    if (legende->buddy()) dire(legende, legende->buddy());
}

QString sujetDessin(const QString &fichier)
{
    static const QHash<QString, QString> sujets = {
        {QStringLiteral("Ground-Plane.gif"), QStringLiteral("antenne quart d'onde (Ground Plane)")},
        {QStringLiteral("Doublet.gif"), QStringLiteral("antenne dipôle (Center-Fed)")},
        {QStringLiteral("Windom.gif"), QStringLiteral("antenne multibandes Conrad Windom")},
        {QStringLiteral("G5rv.gif"), QStringLiteral("antenne multibandes G5RV full-size")},
        {QStringLiteral("W3HH.gif"), QStringLiteral("antenne multibandes W3HH ou T2FD")},
        {QStringLiteral("Filaire.gif"), QStringLiteral("antenne filaire demie onde")},
        {QStringLiteral("Loop.gif"), QStringLiteral("antenne Loop onde entière")},
        {QStringLiteral("Bazooka.gif"), QStringLiteral("antenne Double Bazooka")},
        {QStringLiteral("Levy.gif"), QStringLiteral("antenne Lévy")},
        {QStringLiteral("Quad.gif"), QStringLiteral("antenne Quad")},
        {QStringLiteral("Delta-Loop.gif"), QStringLiteral("antenne Delta-Loop")},
        {QStringLiteral("Yagi.gif"), QStringLiteral("antenne Yagi")},
        {QStringLiteral("Antenne-raccourcie-6.bmp"), QStringLiteral("antenne raccourcie et sa self")},
        {QStringLiteral("Self-Nagaoka-6.bmp"), QStringLiteral("self à une couche")},
        {QStringLiteral("Trappe-6.bmp"), QStringLiteral("trappe")},
        {QStringLiteral("Impedance-ligne-6.bmp"), QStringLiteral("impédance des lignes")},
        {QStringLiteral("Longueur-ligne-6.bmp"), QStringLiteral("longueur des lignes")},
        {QStringLiteral("Transformateur-impedance-6.bmp"), QStringLiteral("transformateur d'impédance")},
        {QStringLiteral("Filtre-LSerie-6.bmp"), QStringLiteral("adaptateur en L série")},
        {QStringLiteral("Filtre-LSerieParal-6.bmp"), QStringLiteral("adaptateur en L série-parallèle")},
        {QStringLiteral("Filtre-PI-6.bmp"), QStringLiteral("adaptateur en PI")},
        {QStringLiteral("Form1.png"), QStringLiteral("antenne")},
        {QStringLiteral("Form8-dipole.png"), QStringLiteral("dipôle raccourci")},
        {QStringLiteral("Form8-quart-onde.png"), QStringLiteral("quart d'onde raccourci")},
        {QStringLiteral("Form11.png"), QStringLiteral("dipôle raccourci et place des selfs")},
    };
    QString nom = fichier;
    nom.replace(u'\\', u'/');
    nom = QFileInfo(nom).fileName();
    return sujets.value(nom, QFileInfo(nom).completeBaseName());
}

void nommerDessin(QLabel *cadre, const QString &sujet)
{
    cadre->setAccessibleName(QStringLiteral("Dessin : ") + sujet);
}

QAction *entreeMenu(QWidget *menu, const char *nom, const QString &texte)
{
    return nomme(menu->addAction(texte), nom);
}

QLabel *dessin(const char *nom, QWidget *parent)
{
    auto *l = nomme(new QLabel(parent), nom);
    l->setAlignment(Qt::AlignCenter);
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

QCheckBox *caseACocher(const char *nom, const QString &texte, QWidget *parent)
{
    return nomme(new QCheckBox(texte, parent), nom);
}

QGroupBox *cadre(const char *nom, const QString &titre, QWidget *parent)
{
    return nomme(new QGroupBox(titre, parent), nom);
}

QFrame *separateur(const char *nom, QWidget *parent)
{
    auto *f = nomme(new QFrame(parent), nom);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QLineEdit *champ(const char *nom, const QString &texte, QWidget *parent)
{
    return nomme(new QLineEdit(texte, parent), nom);
}

QLineEdit *resultat(const char *nom, const QString &texte, QWidget *parent)
{
    QLineEdit *e = champ(nom, texte, parent);
    e->setReadOnly(true);
    return e;
}

QPlainTextEdit *zoneResultat(const char *nom, const QString &texte, QWidget *parent)
{
    auto *z = nomme(new QPlainTextEdit(texte, parent), nom);
    z->setReadOnly(true);
    return z;
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

QLabel *Rangees::rangee(const char *nomLegende, const QString &texte, QWidget *champ)
{
    QLabel *l = legende(nomLegende, texte, champ);
    rangee(l, champ);
    return l;
}

void Rangees::travers(QWidget *w, Qt::Alignment alignement) { grille_->addWidget(w, ligne_++, 0, 1, 2, alignement); }

void Rangees::travers(QLayout *l) { grille_->addLayout(l, ligne_++, 0, 1, 2); }

void Rangees::aDroite(QWidget *w) { grille_->addWidget(w, ligne_++, 1); }

void Rangees::sauter(int hauteur) { grille_->setRowMinimumHeight(ligne_++, hauteur); }

void Rangees::pousser() { grille_->setRowStretch(ligne_++, 1); }

Formulaire::Formulaire(const char *nom, const QString &titre) : Formulaire(controles::cadre(nom, titre)) {}

Formulaire::Formulaire(QGroupBox *cadre) : Rangees(new QGridLayout(cadre)), cadre_(cadre) {}

QGroupBox *Formulaire::pied(QPushButton *bouton)
{
    pousser();
    travers(bouton, Qt::AlignRight);
    return cadre_;
}

QTableWidget *grille(const char *nom, int lignes, int colonnes, const QString &nomAccessible,
                     bool sansDefilement, QWidget *parent)
{
    auto *g = nomme(new QTableWidget(lignes, colonnes, parent), nom);
    if (!nomAccessible.isEmpty()) g->setAccessibleName(nomAccessible);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    if (sansDefilement) {
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return g;
}

int twipsEnPixels(const QWidget *w, int twips) { return int(std::lround(twips * w->logicalDpiX() / 1440.0)); }

void dialogueFichier(QFileDialog &dialogue, bool enregistrer)
{
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
}

}  // namespace controles
