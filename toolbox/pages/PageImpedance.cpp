// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageImpedance.h"

#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/lignes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace boite {

PageImpedance::PageImpedance(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame4", QStringLiteral("Ligne bifilaire et coaxiale"), "\\Impedance-ligne-6.bmp")
{
    Grille g(cadre());
    auto *types = new QHBoxLayout;
    Option3 = controles::option("Option3", QStringLiteral("Câble coaxiale"));
    Option4 = controles::option("Option4", QStringLiteral("Ligne bifilaire"));
    Option5 = controles::option("Option5", QStringLiteral("Fil et plan de masse"));
    for (QRadioButton *o : {Option3, Option4, Option5}) types->addWidget(o);
    types->addStretch(1);
    g.travers(types);
    QLabel *label31 = legende("Label31", QStringLiteral("Constante du Diélectrique utilisé"));
    g.travers(label31);
    auto *dielectrique = new QHBoxLayout;
    Combo1 = controles::creer<QComboBox>("Combo1");
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Text31 = controles::resultat("Text31");
    Text31->setMaximumWidth(Text31->fontMetrics().horizontalAdvance(QString(12, u'0')));
    controles::associer(label31, Combo1);
    dielectrique->addWidget(Combo1, 1);
    dielectrique->addWidget(Text31);
    g.travers(dielectrique);
    Text14 = g.champ("Label14", QStringLiteral("diamètre de l'âme"), "Text14", false, &Label14);
    Text15 = g.champ("Label15", QStringLiteral("Diamètre du blindage"), "Text15", false, &Label15);
    Text16 = g.champ("Label16", QStringLiteral("Impédance du câble"), "Text16", true);
    Calculer_Impedance = controles::bouton("Calculer_Impedance", QStringLiteral("Calculer l'impédance"));
    g.aDroite(Calculer_Impedance);
    g.fin();

    for (QRadioButton *o : {Option3, Option4, Option5})
        connect(o, &QRadioButton::clicked, this, &PageImpedance::choisirType);
    connect(Combo1, &QComboBox::activated, this, &PageImpedance::choisirDielectrique);
    connect(Calculer_Impedance, &QPushButton::clicked, this, &PageImpedance::calculer);
}

void PageImpedance::declarer(ChampsNumeriques &champs)
{
    Module1 &m = store();
    using namespace accepte;
    using C = ChampsNumeriques;
    champs.ajouter(C::bipant(C::montre(Text14, m.Diametre_Ame, entre(0, true, 50, false), QStringLiteral(" mm"), {Text16})));
    champs.ajouter(C::bipant(C::montre(Text15, m.Diametre_Blindage, entre(0, true, 50000, false), QStringLiteral(" mm"), {Text16})));
}

void PageImpedance::preparer()
{
    Module1 &m = store();
    if (Combo1->count() == 0)
        for (int i = 0; i < 5; ++i) Combo1->addItem(m.Noms_Dielectriques[i]);
    m.Constante_Dielectrique = m.Constantes_Dielectriques[1];
    Combo1->setCurrentIndex(1);
    choisirDielectrique(1);

    Option4->setChecked(true);
    choisirType();
    Text15->setText(nombres::montrer(m.Diametre_Blindage) + QStringLiteral(" mm"));
    Text14->setText(nombres::montrer(m.Diametre_Ame) + QStringLiteral(" mm"));
    Text31->setText(nombres::montrer(m.Constante_Dielectrique));
    calculer();
}

void PageImpedance::choisirType()
{
    struct Type {
        QRadioButton *option;
        QString diametre, ecart;
        int dielectrique;
    };
    const Type types[] = {
        {Option3, QStringLiteral("diamètre de l'âme"), QStringLiteral("diamètre de la tresse"), 4},
        {Option4, QStringLiteral("diamètre des fils"), QStringLiteral("espacement des fils"), 1},
        {Option5, QStringLiteral("diamètre du fil"), QStringLiteral("hauteur du fil"), 1},
    };
    for (const Type &t : types) {
        if (!t.option->isChecked()) continue;
        Label14->setText(t.diametre);
        Label15->setText(t.ecart);
        Combo1->setCurrentIndex(t.dielectrique);
        choisirDielectrique(t.dielectrique);
    }
    calculer();
}

void PageImpedance::choisirDielectrique(int index)
{
    Module1 &m = store();
    if (index < 0 || index >= int(m.Constantes_Dielectriques.size())) return;
    m.Constante_Dielectrique = m.Constantes_Dielectriques[index];
    Text31->setText(nombres::montrer(m.Constante_Dielectrique));
    calculer();
}

void PageImpedance::calculer()
{
    Module1 &m = store();
    const TypeLigne type = Option3->isChecked()   ? TypeLigne::Coaxiale
                           : Option4->isChecked() ? TypeLigne::Bifilaire
                           : Option5->isChecked() ? TypeLigne::FilEtMasse
                                                  : TypeLigne::Aucune;
    const Impedance z = impedanceLigne(type, m.Diametre_Ame, m.Diametre_Blindage, m.Constante_Dielectrique, m.Impedance_Ligne);
    m.Impedance_Ligne = z.valeur;
    Text16->setText(z.texte);
}

}  // namespace boite
