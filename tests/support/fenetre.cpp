// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fenetre.h"

#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"

namespace essai {

namespace {

std::unique_ptr<Donnees> preparees(const std::function<void(const Donnees &)> &preparer)
{
    auto d = std::make_unique<Donnees>();
    if (preparer) preparer(*d);
    return d;
}

}  // namespace

Fenetre::Fenetre(const QString &entree, const QString &nom, Ouverture quand)
    : Fenetre(std::make_unique<Donnees>(), nullptr, entree, nom, quand)
{
}

Fenetre::Fenetre(const QString &entree, const QString &nom,
                 const std::function<void(const Donnees &)> &preparer, Ouverture quand)
    : Fenetre(preparees(preparer), nullptr, entree, nom, quand)
{
}

Fenetre::Fenetre(const Donnees &donnees, const QString &entree, const QString &nom, Ouverture quand)
    : Fenetre(nullptr, &donnees, entree, nom, quand)
{
}

Fenetre::Fenetre(std::unique_ptr<Donnees> propres, const Donnees *empruntees, const QString &entree,
                 const QString &nom, Ouverture quand)
    : propres_(std::move(propres)), donnees_(propres_ ? propres_.get() : empruntees),
      principal_(demarrer(*donnees_)), entree_(entree), nom_(nom)
{
    if (quand == Ouverture::Immediate) boites = ouvrir();
}

Fenetre::~Fenetre()
{
    // After a failure the test has already stopped where it went wrong.
    if (principal_ && !QTest::currentTestFailed())
        QTest::qCompare(principal_->beepCount(), bipsVus_, "principal().beepCount()", "bips()", __FILE__,
                        __LINE__);
}

QList<Boite> Fenetre::ouvrir(QList<QMessageBox::StandardButton> reponses)
{
    const QList<Boite> vues = menu(*principal_, entree_, reponses);
    if (!fenetre_) fenetre_ = principal_->findChild<QWidget *>(nom_);
    return vues;
}

Module1 &Fenetre::store() const { return principal_->store(); }

int Fenetre::bips()
{
    bipsVus_ = principal_->beepCount();
    return bipsVus_;
}

}  // namespace essai
