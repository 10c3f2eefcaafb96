// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric entry field, shared by every window.
//
// A click in a non-empty field saves its text and the texts of its result fields, then empties
// them all, so the user types on a blank field. When the focus leaves the field, the text is read
// with the number-reading rule: an accepted number is stored, the field is rewritten in its display
// form and the side effects run; a rejected one brings back every saved text and leaves the stored
// value as it was. A window declares its fields once, in a table, and this class does the rest.
//
// Only what the user typed is read. A field left, however the focus went (Tab, Shift+Tab, the
// mouse, another window), with the text the program wrote into it still there, or with exactly
// the display form of its stored value, keeps its stored value: reading "7,050 Mhz" back with
// the point as decimal separator would quietly turn it into 7.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
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
        std::function<double()> valeur;           // the bound value as stored
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
    // The fields, in the order declared, and the value a field's bound value holds (NaN for a field
    // that does not say).
    QList<QLineEdit *> champs() const;
    double valeur(const QLineEdit *champ) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Champ *trouver(QObject *o);
    static bool accepte(const Champ &c, const QString &texte, double x);
    std::list<Champ> champs_;  // stable addresses: windows keep references to their fields
    QHash<const QWidget *, QString> sauves_;
    // Whether the text is still the program's own, or the display form of the stored value (then
    // it is not read back).
    bool intact(const Champ &c) const;
    // Fields the user has clicked into (emptying them) or typed into since the program last wrote
    // their text.
    QSet<const QWidget *> touches_;
    std::function<void()> bip_;
    std::function<bool()> changementDeFenetre_;
};
