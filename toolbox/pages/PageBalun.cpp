// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageBalun.h"

#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/lignes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace boite {

PageBalun::PageBalun(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame6", QStringLiteral("Transformateur d'impédance (Balun)"), "\\Transformateur-impedance-6.bmp")
{
    Grille g(cadre());
    Text22 = g.champ("Label22", QStringLiteral("Impédance d'entrée"), "Text22");
    Text23 = g.champ("Label23", QStringLiteral("Impédance de sortie"), "Text23");
    Text24 = g.champ("Label24", QStringLiteral("Nbre de spires au primaire"), "Text24");
    Text25 = g.champ("Label25", QStringLiteral("Nbre de spires au secondaire"), "Text25", true, &Label25);
    Calculer_Balun = controles::bouton("Calculer_Balun", QStringLiteral("Calculer"));
    g.aDroite(Calculer_Balun);
    g.fin();
    connect(Calculer_Balun, &QPushButton::clicked, this, &PageBalun::calculer);
}

void PageBalun::declarer(ChampsNumeriques &champs)
{
    using C = ChampsNumeriques;
    using namespace accepte;
    Module1 &m = store();
    const QString ohms = QStringLiteral(" Ohms");
    champs.ajouter(C::montre(Text22, m.Impedance_Entree, strictementPositif(), ohms, {Text25}));
    champs.ajouter(C::montre(Text23, m.Impedance_Sortie, strictementPositif(), ohms, {Text25}));
    champs.ajouter(C::telQuel(Text24, m.Spires_Primaire, strictementPositif(), {Text25}));
}

void PageBalun::preparer()
{
    const Module1 &m = store();
    Text22->setText(nombres::montrer(m.Impedance_Entree) + QStringLiteral(" Ohms"));
    Text23->setText(nombres::montrer(m.Impedance_Sortie) + QStringLiteral(" Ohms"));
    Text24->setText(nombres::montrer(m.Spires_Primaire));
    calculer();
}

void PageBalun::calculer()
{
    Module1 &m = store();
    const Balun b = calculerBalun(m.Impedance_Entree, m.Impedance_Sortie, m.Spires_Primaire);
    if (b.calcule) {
        m.Rapport_Impedances = b.rapport;
        m.Spires_Secondaire = b.spires;
    }
    Label25->setText(QStringLiteral("Spires au secondaire"));
    Text25->setText(b.texte);
}

}  // namespace boite
