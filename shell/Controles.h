// SPDX-License-Identifier: GPL-3.0-or-later
// Small factories of named controls, shared by the windows: every control carries its name in the
// program (Text2, Combo1, Calculer_Filaire...) as its object name, which is also how tests find it.
#pragma once

#include <QString>
#include <Qt>
#include <QStringList>

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace controles {

template <class W>
W *nomme(W *w, const char *nom)
{
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

template <class W>
W *creer(const char *nom, QWidget *parent = nullptr)
{
    return nomme(new W(parent), nom);
}

// A caption, announced with the field it names (its buddy) when there is one.
QLabel *legende(const char *nom, const QString &texte, QWidget *compagnon = nullptr,
                QWidget *parent = nullptr);
// Makes `legende` the caption of `compagnon`: its buddy, read by screen readers as the field's
// name. A grid takes the caption as its accessible name, a drop-down list (whose name is the entry
// it shows) as its description.
void associer(QLabel *legende, QWidget *compagnon);
// What a drop-down list is for, said by screen readers (its name is the entry it shows); the text
// field of a list that takes typing is named so too.
void decrireListe(QComboBox *liste, const QString &texte);
// Changes a caption's text, and what screen readers say of the control it names.
void changerLegende(QLabel *legende, const QString &texte);

// What a picture of the program shows, by its file name ("\Yagi.gif", ":/dessins/Form1.png").
QString sujetDessin(const QString &fichier);
// Names a picture box after what it shows now: "Dessin : " and the subject.
void nommerDessin(QLabel *cadre, const QString &sujet);
// An entry of a menu or a menu bar, at its end.
QAction *entreeMenu(QWidget *menu, const char *nom, const QString &texte);

// A picture box: what it shows is centred in it.
QLabel *dessin(const char *nom, QWidget *parent = nullptr);

QPushButton *bouton(const char *nom, const QString &texte, QWidget *parent = nullptr);
QRadioButton *option(const char *nom, const QString &texte, QWidget *parent = nullptr);
QCheckBox *caseACocher(const char *nom, const QString &texte, QWidget *parent = nullptr);
QGroupBox *cadre(const char *nom, const QString &titre, QWidget *parent = nullptr);
// A sunken horizontal line between two parts of a window.
QFrame *separateur(const char *nom, QWidget *parent = nullptr);

// A one-line field the user types in, with its first text.
QLineEdit *champ(const char *nom, const QString &texte = {}, QWidget *parent = nullptr);
// A one-line field that only the program writes.
QLineEdit *resultat(const char *nom, const QString &texte = {}, QWidget *parent = nullptr);
// A several-line text that only the program writes.
QPlainTextEdit *zoneResultat(const char *nom, const QString &texte = {}, QWidget *parent = nullptr);

// A list with its entries and no entry chosen, showing its design text until one is: as a
// placeholder, or as the edit text of a list that accepts typing.
QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteModele,
                 bool saisieLibre = false, QWidget *parent = nullptr);

// Fills a two-column grid from the top: a caption beside its field, or a control across both
// columns, each on the next row.
class Rangees
{
public:
    explicit Rangees(QGridLayout *grille) : grille_(grille) {}

    void rangee(QLabel *legende, QWidget *champ);
    // A new caption `nomLegende` beside its field, which it names; returns the caption.
    QLabel *rangee(const char *nomLegende, const QString &texte, QWidget *champ);
    void travers(QWidget *w, Qt::Alignment alignement = {});
    void travers(QLayout *l);
    void aDroite(QWidget *w);
    // An empty row `hauteur` pixels high.
    void sauter(int hauteur);
    // An empty row that takes the height left over, pushing the rows after it down.
    void pousser();

    QGridLayout *grille() const { return grille_; }

private:
    QGridLayout *grille_;
    int ligne_ = 0;
};

// A frame filled as a two-column form, from the top.
class Formulaire : public Rangees
{
public:
    // A new frame `nom` with its title.
    Formulaire(const char *nom, const QString &titre);
    explicit Formulaire(QGroupBox *cadre);

    QGroupBox *cadre() const { return cadre_; }
    // The frame's button at its foot, on the right, under the room left over; returns the frame.
    QGroupBox *pied(QPushButton *bouton);

private:
    QGroupBox *cadre_;
};

// A grid of texts the user reads but does not edit (`nomAccessible` for screen readers, unless a
// caption whose buddy it is names it), with no
// row numbers: row 0 of the design is its heading, and `sansDefilement` keeps it whole in sight.
QTableWidget *grille(const char *nom, int lignes, int colonnes, const QString &nomAccessible,
                     bool sansDefilement, QWidget *parent);

// A length in twips (1/1440 of an inch, the unit the grids' column widths are given in) in pixels
// of the widget's screen, rounded to the nearest.
int twipsEnPixels(const QWidget *w, int twips);

// A file dialog of Qt's own (a test can answer it, unlike the desktop's; French through Qt's
// translation, which the main window loads): to open an existing file (`enregistrer` false) or to
// name the file to write.
void dialogueFichier(QFileDialog &dialogue, bool enregistrer);

}  // namespace controles
