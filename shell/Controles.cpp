#include "shell/Controles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace controles {

QLabel *legende(const char *nom, const QString &texte, QWidget *compagnon, QWidget *parent)
{
    auto *l = nomme(new QLabel(texte, parent), nom);
    if (compagnon) l->setBuddy(compagnon);
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

QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteModele,
                 bool saisieLibre, QWidget *parent)
{
    auto *c = nomme(new QComboBox(parent), nom);
    c->setEditable(saisieLibre);
    c->addItems(entrees);
    if (saisieLibre) c->setInsertPolicy(QComboBox::NoInsert);
    c->setCurrentIndex(-1);
    if (saisieLibre) c->setEditText(texteModele);
    else c->setPlaceholderText(texteModele);
    return c;
}

}  // namespace controles
