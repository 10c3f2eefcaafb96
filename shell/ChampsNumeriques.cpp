// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChampsNumeriques.h"

#include "shell/core/nombres.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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
    QLineEdit *champ = c.champ;
    champ->installEventFilter(this);
    // Typing, pasting, cutting or undoing: the text is the user's from now on.
    connect(champ, &QLineEdit::textEdited, this, [this, champ] { touches_.insert(champ); });
    connect(champ, &QObject::destroyed, this, [this, champ] { touches_.remove(champ); });
    return champs_.back();
}

ChampsNumeriques::Champ ChampsNumeriques::telQuel(QLineEdit *champ, float &valeur, accepte::Test test,
                                                  QList<QWidget *> resultats)
{
    Champ c;
    c.champ = champ;
    c.test = std::move(test);
    c.enregistrer = [&valeur](double x) { valeur = float(x); };
    c.valeur = [&valeur] { return double(valeur); };
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

QList<QLineEdit *> ChampsNumeriques::champs() const
{
    QList<QLineEdit *> liste;
    for (const Champ &c : champs_) liste << c.champ;
    return liste;
}

double ChampsNumeriques::valeur(const QLineEdit *champ) const
{
    for (const Champ &c : champs_)
        if (c.champ == champ && c.valeur) return c.valeur();
    return std::nan("");
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
    touches_.insert(champ);
    for (QWidget *r : c->resultats) {
        sauves_[r] = texteDe(r);
        ecrireTexte(r, QString());
    }
}

bool ChampsNumeriques::accepte(const Champ &c, const QString &texte, double x)
{
    const bool lisible = c.simple ? nombres::tientEnSimple(x) : std::isfinite(x);
    // A number too small for a single is held as 0: 1E-50 passes "above 0", but the 0 held is
    // what the test exists to keep out, so it must pass the test too.
    const bool tombeAZero = c.simple && x != 0 && float(x) == 0;
    return !texte.isEmpty() && lisible && (!c.test || (c.test(x) && (!tombeAZero || c.test(0))));
}

bool ChampsNumeriques::entrer(QLineEdit *champ, const QString &texte)
{
    const Champ *c = trouver(champ);
    if (!c || (c->actif && !c->actif()) || !accepte(*c, texte, nombres::lireNombre(texte))) return false;
    clic(champ);
    champ->setText(texte);
    touches_.insert(champ);  // entered as if typed, even when the text is that of the stored value
    focusPerdu(champ);
    return true;
}

void ChampsNumeriques::focusPerdu(QLineEdit *champ)
{
    Champ *c = trouver(champ);
    if (!c || (c->actif && !c->actif())) return;
    const QString texte = champ->text();
    // The program's own text stands for the value stored: only what the user typed is read.
    const bool garde = intact(*c);
    touches_.remove(champ);
    const double x = garde ? c->valeur() : nombres::lireNombre(texte);
    if (!accepte(*c, texte, x)) {
        champ->setText(sauves_.value(champ));
        for (QWidget *r : c->resultats) ecrireTexte(r, sauves_.value(r));
        if (c->bipSiRefus && !(c->bipSaufTexteVide && texte.isEmpty()) && bip_) bip_();
        return;
    }
    if (c->enregistrer && !garde) c->enregistrer(x);
    if (c->affichage) champ->setText(c->affichage());
    if (c->sauverAccepte) sauves_[champ] = champ->text();
    // Copy: a side effect may add fields to this window.
    const std::function<void()> effets = c->effets;
    if (effets) effets();
}

bool ChampsNumeriques::intact(const Champ &c) const
{
    const QString texte = c.champ->text();
    if (texte.isEmpty() || !c.valeur) return false;
    // Exactly the display form of the stored value means that value, whoever wrote it.
    if (c.affichage && texte == c.affichage()) return true;
    // Untouched since the program wrote it: a regional decimal comma or digit-group separator
    // there ("12,92 m", "1 250 m") is the program's, and the number-reading rule would stop at it.
    // A text without one reads as it stands.
    if (touches_.contains(c.champ)) return false;
    const QLocale regional;
    const QString virgule = regional.decimalPoint(), groupes = regional.groupSeparator();
    return (virgule != QStringLiteral(".") && texte.contains(virgule)) || (!groupes.isEmpty() && texte.contains(groupes));
}

bool ChampsNumeriques::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // Only the left button is the click: a right-click opens the context menu (to paste),
        // a middle-click pastes the selection; neither empties the field.
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton) return QObject::eventFilter(watched, event);
        if (auto *e = qobject_cast<QLineEdit *>(watched); e && trouver(e)) clic(e);
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            if (auto *e = qobject_cast<QLineEdit *>(watched); e && trouver(e) && !(changementDeFenetre_ && changementDeFenetre_()))
                focusPerdu(e);
    }
    return QObject::eventFilter(watched, event);
}
