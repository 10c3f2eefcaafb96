// SPDX-License-Identifier: GPL-3.0-or-later
// A working window as the user reaches it, for the GUI tests: the main window started on a data
// folder, the window opened by its menu entry and found by its name, its controls looked up by
// name, and, when the test ends, no beep the test did not look at.
#pragma once

#include "tests/support/utilisateur.h"

#include <memory>

struct Module1;

namespace essai {

class Fenetre {
public:
    // When the window is opened: at once, or by a later call of `ouvrir` (the test first prepares
    // the store, or opens another window before).
    enum class Ouverture { Immediate, Differee };

    // The main window started on a copy of the delivered data files; the window `nom` opened by
    // the menu entry `entree`.
    Fenetre(const QString &entree, const QString &nom, Ouverture quand = Ouverture::Immediate);
    // The same on a copy that `preparer` changes first.
    Fenetre(const QString &entree, const QString &nom,
            const std::function<void(const Donnees &)> &preparer,
            Ouverture quand = Ouverture::Immediate);
    // The same on `donnees`, which must outlive this object (a test that starts again on them).
    Fenetre(const Donnees &donnees, const QString &entree, const QString &nom,
            Ouverture quand = Ouverture::Immediate);
    // Fails the test when the main window beeped more often than the test saw (`bips`).
    ~Fenetre();
    Fenetre(const Fenetre &) = delete;
    Fenetre &operator=(const Fenetre &) = delete;

    // Triggers the menu entry, answering message boxes as `repondre` does, and returns the boxes
    // seen; the window is the one of that name found at the first opening that has it.
    QList<Boite> ouvrir(QList<QMessageBox::StandardButton> reponses = {});

    MDIForm1 &principal() const { return *principal_; }
    Module1 &store() const;
    const Donnees &donnees() const { return *donnees_; }
    // The working window, null until an opening has made it.
    QWidget *fenetre() const { return fenetre_; }
    // A control of the window by its name, as `controle` finds it.
    template <class T = QWidget>
    T *champ(const QString &nom) const
    {
        return controle<T>(fenetre_, nom);
    }
    // The beeps of the main window so far, which the test thereby expects.
    int bips();

    // The message boxes seen at the opening made by the constructor.
    QList<Boite> boites;

private:
    Fenetre(std::unique_ptr<Donnees> propres, const Donnees *empruntees, const QString &entree,
            const QString &nom, Ouverture quand);

    std::unique_ptr<Donnees> propres_;
    const Donnees *donnees_;
    std::unique_ptr<MDIForm1> principal_;
    QString entree_, nom_;
    QWidget *fenetre_ = nullptr;
    int bipsVus_ = 0;
};

}  // namespace essai
