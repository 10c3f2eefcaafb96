// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on the real windows as a user would, for the GUI tests.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include "tests/support/reglages.h"
#include <functional>
#include <memory>

class MDIForm1;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace essai {

// A program directory of its own: a copy of the delivered data files and of the pictures drawn by
// the build, which a test may change.
class Donnees {
public:
    Donnees();
    QString chemin() const { return dir_.path(); }
    QString fichier(const QString &nom) const { return dir_.filePath(nom); }
    // Replaces a file with these lines (Windows-1252, CR LF), or removes it when `lignes` is null.
    void ecrire(const QString &nom, const QStringList &lignes) const;
    void supprimer(const QString &nom) const;

private:
    QTemporaryDir dir_;
};

// A message box seen during an action: texts with CR LF turned to LF.
struct Boite {
    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    QStringList libelles;  // the buttons' texts, as shown
};

// Runs `action`, answering every message box with the next button of `reponses` (then with Ok,
// Cancel or No as available), and returns the boxes seen, in order.
QList<Boite> repondre(const std::function<void()> &action,
                      QList<QMessageBox::StandardButton> reponses = {});

// Those of `textes` that are Qt's own English words (buttons, captions, column headings, places),
// which a French dialog must not show.
QStringList textesAnglais(const QStringList &textes);

// A file dialog seen during an action.
struct DialogueFichier {
    QString titre;
    QStringList filtres;
    QString propose;    // the file it proposed when it opened
    bool natif = true;  // the desktop's own dialog, which a test cannot answer
    QStringList textes;  // every caption, button text and column heading it shows
};

// Runs `action`, answering each file dialog it opens with the next name of `fichiers` (chosen and
// accepted; an empty name, a dialog beyond the list, or one that stays open after its answer
// because it did not take the file, is cancelled) and message boxes as `repondre` does; returns
// the boxes seen, and the dialogs seen in `dialogues`.
QList<Boite> repondreFichiers(const std::function<void()> &action, QStringList fichiers,
                              QList<DialogueFichier> *dialogues = nullptr,
                              QList<QMessageBox::StandardButton> reponses = {});

// The main window built from `donnees`, shown.
std::unique_ptr<MDIForm1> demarrer(const Donnees &donnees, QList<Boite> *boites = nullptr);

// Triggers a menu entry by its name, answering message boxes as `repondre` does.
QList<Boite> menu(MDIForm1 &principal, const QString &nom,
                  QList<QMessageBox::StandardButton> reponses = {});

// User actions on an entry field: click inside, type (replacing the selection), leave it.
void cliquer(QLineEdit *champ);
void taper(QLineEdit *champ, const QString &texte);
void quitter(QLineEdit *champ);
// Click, type and leave in one go.
void saisir(QLineEdit *champ, const QString &texte);
// Chooses an entry of a combo box as the user does.
void choisir(QComboBox *liste, int index);
void appuyer(QAbstractButton *bouton);

// A control of a window by its name; fails the test when it is missing.
template <class T>
T *controle(QObject *fenetre, const QString &nom)
{
    T *c = fenetre ? fenetre->findChild<T *>(nom) : nullptr;
    if (!c) qWarning("control %s not found", qPrintable(nom));
    return c;
}

}  // namespace essai
