// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageTrappe.h"

#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/trappe.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace boite {

PageTrappe::PageTrappe(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame3", QStringLiteral("Calcul des trappes"), "\\Trappe-6.bmp")
{
    Grille g(cadre());
    Text11 = g.champ("Label11", QStringLiteral("Fréquence de résonnance"), "Text11");
    Text18 = g.champ("Label18", QStringLiteral("Impédance  de L ou C"), "Text18");
    Text19 = g.champ("Label19", QStringLiteral("Valeur de L"), "Text19", true);
    Text20 = g.champ("Label20", QStringLiteral("Valeur de C"), "Text20", true);
    Calculer_Trappe = controles::bouton("Calculer_Trappe", QStringLiteral("Calculer la trappe"));
    g.aDroite(Calculer_Trappe);
    Text21 = g.zone("Label21", QStringLiteral("Capacité d'accord"), "Text21", 2,
                    QStringLiteral("Câble coaxial (6mm à 101pF/m) de 0,000 m"));
    g.fin();
    connect(Calculer_Trappe, &QPushButton::clicked, this, &PageTrappe::calculer);
}

void PageTrappe::declarer(ChampsNumeriques &champs)
{
    Module1 &m = store();
    using namespace accepte;
    champs.ajouter(ChampsNumeriques::decimales(Text11, m.Frequence_Trappe, entre(0, true, 1000, true), 3, QStringLiteral(" Mhz"), {Text19, Text20}));
    champs.ajouter(ChampsNumeriques::montre(Text18, m.Impedance_Trappe, strictementPositif(), QStringLiteral(" Ohms"), {Text19, Text20}));
}

void PageTrappe::preparer()
{
    const Module1 &m = store();
    Text11->setText(nombres::fixe(double(m.Frequence_Trappe), 3) + QStringLiteral(" Mhz"));
    Text18->setText(nombres::montrer(m.Impedance_Trappe) + QStringLiteral(" Ohms"));
    calculer();
}

void PageTrappe::calculer()
{
    Module1 &m = store();
    const Trappe t = calculerTrappe(m.Frequence_Trappe, m.Impedance_Trappe);
    m.Pulsation_Trappe = t.pulsation;
    if (t.calculee) {
        m.Inductance_Trappe = t.inductance;
        m.Capacite_Trappe = t.capacite;
        m.Surface_CI = t.surface;
    }
    Text19->setText(t.texteL);
    Text20->setText(t.texteC);
    Text21->setPlainText(t.texteCapacite);
}

}  // namespace boite
