// Small factories of named controls, shared by the windows: every control carries its name in the
// program (Text2, Combo1, Calculer_Filaire...) as its object name, which is also how tests find it.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
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
QPushButton *bouton(const char *nom, const QString &texte, QWidget *parent = nullptr);
QRadioButton *option(const char *nom, const QString &texte, QWidget *parent = nullptr);

// A list with its entries and no entry chosen, showing its design text until one is: as a
// placeholder, or as the edit text of a list that accepts typing.
QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteModele,
                 bool saisieLibre = false, QWidget *parent = nullptr);

}  // namespace controles
