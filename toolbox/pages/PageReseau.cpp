// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageReseau.h"

#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/adaptateurs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace boite {

PageReseau::PageReseau(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame7", QStringLiteral("Adaptation d'impédance"), "\\Filtre-LSerie-6.bmp")
{
    Grille g(cadre());
    Combo2 = controles::liste("Combo2",
                              {QStringLiteral("Adaptateur en L (Tuning and Matching)"),
                               QStringLiteral("Adaptateur en L (Networks)"),
                               QStringLiteral("Adaptateur en PI (Networks)")},
                              QString());
    Combo2->setAccessibleDescription(QStringLiteral("Type d'adaptateur"));
    g.travers(Combo2);
    Text26 = g.champ("Label26", QStringLiteral("Z Feeder"), "Text26", false, &Label26);
    Text27 = g.champ("Label27", QStringLiteral("Z RL(ant)"), "Text27", false, &Label27);
    Text29 = g.champ("Label29", QString(), "Text29", false, &Label29);
    Text28 = g.champ("Label28", QStringLiteral("Fc"), "Text28");
    Calculer_Filtre = controles::bouton("Calculer_Filtre", QStringLiteral("Calculer"));
    g.aDroite(Calculer_Filtre);
    Text30 = g.zone(nullptr, QString(), "Text30", 3, QStringLiteral(" RL(ant) doit être plus petit que Feeder"));
    g.fin();
    connect(Combo2, &QComboBox::activated, this, &PageReseau::choisir);
    connect(Calculer_Filtre, &QPushButton::clicked, this, &PageReseau::calculer);
}

void PageReseau::declarer(ChampsNumeriques &champs)
{
    using C = ChampsNumeriques;
    using namespace accepte;
    Module1 &m = store();
    champs.ajouter(C::montre(Text26, m.Impedance_Feeder, strictementPositif(), QStringLiteral(" Ohm"), {Text30}));
    champs.ajouter(C::montre(Text27, m.Impedance_Antenne, strictementPositif(), QStringLiteral(" Ohms"), {Text30}));
    champs.ajouter(C::decimales(Text28, m.Frequence_Filtre, strictementPositif(), 3, QStringLiteral(" Mhz"), {Text30}));
    champs.ajouter(C::telQuel(Text29, m.Facteur_Q, auMoins(1), {Text30}));
}

void PageReseau::preparer()
{
    const Module1 &m = store();
    const QString ohms = QStringLiteral(" Ohms");
    Text26->setText(nombres::montrer(m.Impedance_Feeder) + ohms);
    Text27->setText(nombres::montrer(m.Impedance_Antenne) + ohms);
    Text28->setText(nombres::fixe(double(m.Frequence_Filtre), 3) + QStringLiteral(" Mhz"));
    Text29->setText(nombres::montrer(m.Facteur_Q));
    calculer();
}

void PageReseau::choisir(int type)
{
    const ReglageReseau *reglage = reglageReseau(type);
    if (!reglage) return;
    const ReglageReseau &r = *reglage;
    Module1 &m = store();
    Label26->setText(r.feeder);
    if (r.changeInfoFeeder) Text26->setToolTip(r.infoFeeder);
    Label27->setText(r.charge);
    Text27->setText(r.texteCharge);
    Text27->setToolTip(QString());
    Label29->setText(r.q);
    Text29->setText(r.texteQ);
    m.Impedance_Antenne = r.valeurCharge;
    m.Facteur_Q = r.valeurQ;
    emit dessin(QString::fromLatin1(r.image));
    calculer();
}

void PageReseau::calculer()
{
    if (Combo2->currentIndex() < 0) {
        // Nothing chosen yet: the first type, whose choice runs this calculation.
        Combo2->setCurrentIndex(0);
        choisir(0);
        return;
    }
    Module1 &m = store();
    const Reseau r = calculerReseau(TypeReseau(Combo2->currentIndex()), m.Impedance_Feeder, m.Impedance_Antenne,
                                    m.Facteur_Q, m.Frequence_Filtre);
    Text30->setPlainText(r.texte);
    if (!r.calcule) {
        bip();
        return;
    }
    m.Facteur_Q = r.q;
    Text29->setText(r.texteQ);
}

}  // namespace boite
