// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric entry field, shared by every window.
//
// A click in a non-empty field saves its text and the texts of its result fields, then empties
// them all, so the user types on a blank field. When the focus leaves the field, the text is read
// with the number-reading rule: an accepted number is stored, the field is rewritten in its display
// form and the side effects run; a rejected one brings back every saved text and leaves the stored
// value as it was. A window declares its fields once, in a table, and this class does the rest.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <list>

class QLineEdit;
class QWidget;

// Text of any text-bearing control (line edit, multi-line field, label), and writing it.
QString texteDe(const QWidget *w);
void ecrireTexte(QWidget *w, const QString &texte);

// Acceptance tests on the number read.
namespace accepte {
using Test = std::function<bool(double)>;
Test strictementPositif();
Test positifOuNul();
Test auMoins(double borne);                  // x >= borne
Test auDessus(double borne);                 // x > borne
// Between two bounds, each strict or inclusive.
Test entre(double bas, bool basStrict, double haut, bool hautStrict);
}  // namespace accepte

class ChampsNumeriques : public QObject {
    Q_OBJECT
public:
    struct Champ {
        QLineEdit *champ = nullptr;
        accepte::Test test;                       // acceptance test on the number read
        std::function<void(double)> enregistrer;  // stores the accepted number in its bound value
        std::function<QString()> affichage;       // text after acceptance; unset keeps the typed text
        QList<QWidget *> resultats;               // dependent result fields, in order
        std::function<void()> effets;             // side effects after acceptance, in order
        bool bipSiRefus = false;                  // sound the beep on a rejected entry
        bool bipSaufTexteVide = false;            // with bipSiRefus: not when the text left is empty
        bool simple = true;                       // bound to a single: reject what a single cannot hold
        // Whether the field takes entries now (unset: always). While it does not, a click only
        // beeps and leaving the field does nothing (fields locked by another control's state).
        std::function<bool()> actif;
        bool sauverAccepte = false;               // an accepted text also becomes the saved text
    };

    // `bip` sounds the program's beep (counted by the main window); `changementDeFenetre` tells
    // whether the program itself is bringing another window to the front, so that the focus a field
    // loses then is not the user leaving it.
    ChampsNumeriques(QObject *parent, std::function<void()> bip, std::function<bool()> changementDeFenetre = {});

    Champ &ajouter(const Champ &c);

    // Builders of the usual fields bound to a single (stored rounded to a single), to declare a
    // window's table as the table it is; `ajouter` then adds each one.
    // Kept as typed:
    static Champ telQuel(QLineEdit *champ, float &valeur, accepte::Test test, QList<QWidget *> resultats = {});
    // Shown back with n decimals in the regional format, then `unite`:
    static Champ decimales(QLineEdit *champ, float &valeur, accepte::Test test, int n, const QString &unite,
                           QList<QWidget *> resultats = {});
    // Shown back by the number-showing rule, then `unite`:
    static Champ montre(QLineEdit *champ, float &valeur, accepte::Test test, const QString &unite,
                        QList<QWidget *> resultats = {});
    // The same field, sounding the beep when it refuses an entry.
    static Champ bipant(Champ c)
    {
        c.bipSiRefus = true;
        return c;
    }

    // The events, as the user interface delivers them (public for windows that drive a field).
    void clic(QLineEdit *champ);
    void focusPerdu(QLineEdit *champ);
    // `texte` entered into a field as if the user had clicked in it, typed it and left it, when the
    // field would accept it; otherwise nothing changes and the answer is false.
    bool entrer(QLineEdit *champ, const QString &texte);

    // The saved text of a field or result field (empty until a click saved one).
    QString texteSauve(const QWidget *w) const { return sauves_.value(w); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Champ *trouver(QObject *o);
    static bool accepte(const Champ &c, const QString &texte);
    std::list<Champ> champs_;  // stable addresses: windows keep references to their fields
    QHash<const QWidget *, QString> sauves_;
    // Fields that received the focus from the program, not from the user, with their text then.
    QHash<const QWidget *, QString> entresSansUtilisateur_;
    std::function<void()> bip_;
    std::function<bool()> changementDeFenetre_;
};
