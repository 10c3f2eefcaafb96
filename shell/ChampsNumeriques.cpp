// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChampsNumeriques.h"

#include "shell/core/nombres.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <cmath>

QString texteDe(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w)) return e->text();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w)) return p->toPlainText();
    if (auto *t = qobject_cast<const QTextEdit *>(w)) return t->toPlainText();
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text();
    return QString();
}

void ecrireTexte(QWidget *w, const QString &texte)
{
    if (auto *e = qobject_cast<QLineEdit *>(w)) e->setText(texte);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) p->setPlainText(texte);
    else if (auto *t = qobject_cast<QTextEdit *>(w)) t->setPlainText(texte);
    else if (auto *l = qobject_cast<QLabel *>(w)) l->setText(texte);
}

namespace accepte {
Test strictementPositif() { return [](double x) { return x > 0; }; }
Test positifOuNul() { return [](double x) { return x >= 0; }; }
Test auMoins(double b) { return [b](double x) { return x >= b; }; }
Test auDessus(double b) { return [b](double x) { return x > b; }; }
Test entre(double bas, bool basStrict, double haut, bool hautStrict)
{
    return [=](double x) {
        const bool okBas = basStrict ? x > bas : x >= bas;
        const bool okHaut = hautStrict ? x < haut : x <= haut;
        return okBas && okHaut;
    };
}
}  // namespace accepte

ChampsNumeriques::ChampsNumeriques(QObject *parent, std::function<void()> bip,
                                   std::function<bool()> changementDeFenetre)
    : QObject(parent), bip_(std::move(bip)), changementDeFenetre_(std::move(changementDeFenetre))
{
}

ChampsNumeriques::Champ &ChampsNumeriques::ajouter(const Champ &c)
{
    champs_.push_back(c);
    c.champ->installEventFilter(this);
    return champs_.back();
}

ChampsNumeriques::Champ ChampsNumeriques::telQuel(QLineEdit *champ, float &valeur, accepte::Test test,
                                                  QList<QWidget *> resultats)
{
    Champ c;
    c.champ = champ;
    c.test = std::move(test);
    c.enregistrer = [&valeur](double x) { valeur = float(x); };
    c.resultats = std::move(resultats);
    return c;
}

ChampsNumeriques::Champ ChampsNumeriques::decimales(QLineEdit *champ, float &valeur, accepte::Test test, int n,
                                                    const QString &unite, QList<QWidget *> resultats)
{
    Champ c = telQuel(champ, valeur, std::move(test), std::move(resultats));
    c.affichage = [&valeur, n, unite] { return nombres::fixe(double(valeur), n) + unite; };
    return c;
}

ChampsNumeriques::Champ ChampsNumeriques::montre(QLineEdit *champ, float &valeur, accepte::Test test,
                                                 const QString &unite, QList<QWidget *> resultats)
{
    Champ c = telQuel(champ, valeur, std::move(test), std::move(resultats));
    c.affichage = [&valeur, unite] { return nombres::montrer(valeur) + unite; };
    return c;
}

ChampsNumeriques::Champ *ChampsNumeriques::trouver(QObject *o)
{
    for (Champ &c : champs_)
        if (c.champ == o) return &c;
    return nullptr;
}

void ChampsNumeriques::clic(QLineEdit *champ)
{
    Champ *c = trouver(champ);
    if (!c) return;
    if (c->actif && !c->actif()) {
        if (bip_) bip_();
        return;
    }
    if (champ->text().isEmpty()) return;
    sauves_[champ] = champ->text();
    champ->clear();
    for (QWidget *r : c->resultats) {
        sauves_[r] = texteDe(r);
        ecrireTexte(r, QString());
    }
}

bool ChampsNumeriques::accepte(const Champ &c, const QString &texte)
{
    const double x = nombres::lireNombre(texte);
    const bool lisible = c.simple ? nombres::tientEnSimple(x) : std::isfinite(x);
    // A number too small for a single is held as 0: 1E-50 passes "above 0", but the 0 held is
    // what the test exists to keep out, so it must pass the test too.
    const bool tombeAZero = c.simple && x != 0 && float(x) == 0;
    return !texte.isEmpty() && lisible && (!c.test || (c.test(x) && (!tombeAZero || c.test(0))));
}

bool ChampsNumeriques::entrer(QLineEdit *champ, const QString &texte)
{
    const Champ *c = trouver(champ);
    if (!c || (c->actif && !c->actif()) || !accepte(*c, texte)) return false;
    clic(champ);
    champ->setText(texte);
    focusPerdu(champ);
    return true;
}

void ChampsNumeriques::focusPerdu(QLineEdit *champ)
{
    Champ *c = trouver(champ);
    if (!c || (c->actif && !c->actif())) return;
    const QString texte = champ->text();
    if (!accepte(*c, texte)) {
        champ->setText(sauves_.value(champ));
        for (QWidget *r : c->resultats) ecrireTexte(r, sauves_.value(r));
        if (c->bipSiRefus && !(c->bipSaufTexteVide && texte.isEmpty()) && bip_) bip_();
        return;
    }
    if (c->enregistrer) c->enregistrer(nombres::lireNombre(texte));
    if (c->affichage) champ->setText(c->affichage());
    if (c->sauverAccepte) sauves_[champ] = champ->text();
    // Copy: a side effect may add fields to this window.
    const std::function<void()> effets = c->effets;
    if (effets) effets();
}

bool ChampsNumeriques::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // Only the left button is the click: a right-click opens the context menu (to paste),
        // a middle-click pastes the selection; neither empties the field.
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton) return QObject::eventFilter(watched, event);
        if (auto *e = qobject_cast<QLineEdit *>(watched); e && trouver(e)) clic(e);
    } else if (event->type() == QEvent::FocusIn) {
        // Who put the focus there: the user (mouse, keyboard, shortcut), or Qt itself, as when a
        // tab change moves the focus into the new page. A window coming back to the front gives
        // the focus back to the field it had: who entered it stays as it was.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (auto *e = qobject_cast<QLineEdit *>(watched); e && trouver(e)) {
            if (reason == Qt::OtherFocusReason) entresSansUtilisateur_.insert(e, e->text());
            else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) entresSansUtilisateur_.remove(e);
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            if (auto *e = qobject_cast<QLineEdit *>(watched); e && trouver(e) && !(changementDeFenetre_ && changementDeFenetre_())) {
                // A field the user never entered, left as it was, is not read back: re-reading
                // "14,120 Mhz" there would keep 14.
                const auto entre = entresSansUtilisateur_.constFind(e);
                const bool intact = entre != entresSansUtilisateur_.constEnd() && *entre == e->text();
                entresSansUtilisateur_.remove(e);
                if (!intact) focusPerdu(e);
            }
    }
    return QObject::eventFilter(watched, event);
}
