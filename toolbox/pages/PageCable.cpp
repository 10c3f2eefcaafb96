// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageCable.h"

#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/cables.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

namespace boite {

PageCable::PageCable(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame5", QStringLiteral("Longueur électrique des câbles"), "\\Longueur-ligne-6.bmp")
{
    Grille g(cadre());
    Text12 = g.champ("Label12", QStringLiteral("Fréquence d'utilisation"), "Text12");
    Text13 = g.champ("Label13", QStringLiteral("Coéficient de vélocité"), "Text13");
    Choisir_Cable = controles::bouton("Choisir_Cable", QStringLiteral("Choisir un câble"));
    g.aDroite(Choisir_Cable);
    Text32 = g.champ("Label30", QStringLiteral("Pour une longueur optimale,choisir un nombre de demi-onde"), "Text32");
    Calculer_Cable = controles::bouton("Calculer_Cable", QStringLiteral("Calculer"));
    g.aDroite(Calculer_Cable);
    Text17 = g.zone("Label17", QStringLiteral("Longueur de coupe du câble"), "Text17", 14,
                    QStringLiteral("Une ligne quart d'onde adapte les impédances vues par ses extrémités."));
    g.fin();
    connect(Calculer_Cable, &QPushButton::clicked, this, &PageCable::calculer);
    connect(Choisir_Cable, &QPushButton::clicked, this, &PageCable::choixDeCable);
}

void PageCable::declarer(ChampsNumeriques &champs)
{
    using C = ChampsNumeriques;
    using namespace accepte;
    Module1 &m = store();
    champs.ajouter(C::decimales(Text12, m.Frequence_Cable, entre(0, true, 1000, true), 3, QStringLiteral(" Mhz"), {Text17}));
    // The velocity factor beeps on a refusal only when something was typed.
    C::Champ velocite = C::bipant(C::decimales(Text13, m.Coefficient_Velocite, entre(0, true, 1, true), 2, QString(), {Text17}));
    velocite.bipSaufTexteVide = true;
    velocite.effets = [&m] { m.Nom_Cable = QStringLiteral("câble standard"); };
    champs.ajouter(velocite);
    C::Champ demiOndes;
    demiOndes.champ = Text32;
    demiOndes.simple = false;
    demiOndes.test = [](double v) { return v > 0 && std::nearbyint(v) <= 32767; };  // a 16-bit count
    demiOndes.enregistrer = [&m](double x) { m.Nombre_Demi_Ondes = short(std::nearbyint(x)); };  // halves to even
    demiOndes.resultats = {Text17};
    champs.ajouter(demiOndes);
}

void PageCable::preparer()
{
    Module1 &m = store();
    Text12->setText(nombres::fixe(double(m.Frequence_Cable), 3) + QStringLiteral(" Mhz"));
    m.Coefficient_Velocite = 0.66f;
    Text13->setText(QStringLiteral("0,66"));
    calculer();
}

void PageCable::recevoirVelocite()
{
    Text13->setText(nombres::fixe(double(store().Coefficient_Velocite), 2));
    calculer();
}

void PageCable::calculer()
{
    Module1 &m = store();
    const LongueursCable c = calculerCable(m.Frequence_Cable, m.Coefficient_Velocite, m.Nombre_Demi_Ondes, m.Nom_Cable);
    if (c.calculees) {
        m.Onde_Cable = c.onde;
        m.Demi_Onde_Cable = c.demiOnde;
    }
    Text17->setPlainText(c.texte);
}

}  // namespace boite
