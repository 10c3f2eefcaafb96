// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageFouet.h"

#include "shell/ChampsNumeriques.h"
#include "shell/FenetreTravail.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/selfs.h"

#include <QLineEdit>
#include <QPushButton>

namespace boite {

PageFouet::PageFouet(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame1", QStringLiteral("Antenne raccourcie"), "\\Antenne-raccourcie-6.bmp")
{
    Grille g(cadre());
    Text1 = g.champ("Label1", QStringLiteral("Fréquence Mhz"), "Text1");
    Text2 = g.champ("Label2", QStringLiteral("Pour info, la dimension d'une antenne quart-d'onde fonctionnant sur cette fréquence, est de:"), "Text2", true);
    Text3 = g.champ("Label3", QStringLiteral("Hauteur souhaitée de votre fouet d'antenne"), "Text3");
    Text4 = g.champ("Label4", QStringLiteral("Valeur de la self à réaliser en µHenry"), "Text4", true);
    Calculer_L = controles::bouton("Calculer_L", QStringLiteral("Calculer L(µh)"));
    g.aDroite(Calculer_L);
    g.fin();
    connect(Calculer_L, &QPushButton::clicked, this, &PageFouet::calculer);
}

void PageFouet::declarer(ChampsNumeriques &champs)
{
    Module1 &m = store();
    using namespace accepte;
    champs.ajouter(ChampsNumeriques::decimales(Text1, m.Frequence_Fouet, entre(0, true, 1000, true), 3, QStringLiteral(" Mhz"), {Text2, Text4}));
    champs.ajouter(ChampsNumeriques::decimales(Text3, m.Hauteur_Fouet, strictementPositif(), 2, QStringLiteral(" m"), {Text4}));
}

void PageFouet::preparer()
{
    const Module1 &m = store();
    Text1->setText(nombres::fixe(double(m.Frequence_Fouet), 3) + QStringLiteral(" Mhz"));
    Text3->setText(nombres::fixe(double(m.Hauteur_Fouet), 2) + QStringLiteral(" m"));
    calculer();
}

void PageFouet::calculer()
{
    Module1 &m = store();
    const Fouet f = calculerFouet(m.Frequence_Fouet, m.Hauteur_Fouet);
    m.Longueur_Onde_Fouet = f.longueurOnde;
    Text2->setText(f.quartOnde);
    if (f.tropHaut) {
        messages::afficher(&fenetre(), f.avertissement, QStringLiteral("Attention!"), QMessageBox::Warning);
        return;
    }
    Text4->setText(f.self);
}

}  // namespace boite
