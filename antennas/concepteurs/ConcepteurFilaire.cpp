// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/concepteurs/ConcepteurFilaire.h"

#include "antennas/filaire.h"
#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace antennes {

ConcepteurFilaire::ConcepteurFilaire(Atelier &atelier, QObject *parent)
    : Concepteur(atelier, "Frame1", QStringLiteral("Antennes filaire"), parent)
{
    Combo2 = liste("Combo2",
                   {QStringLiteral("Antenne quart d'onde (Ground Plane)"),
                    QStringLiteral("Antenne dipôle (Center-Fed)"),
                    QStringLiteral("Antenne multibandes Conrad Windom"),
                    QStringLiteral("Antenne multibandes G5RV full-size"),
                    QStringLiteral("Antenne multibandes W3HH ou T2FD"),
                    QStringLiteral("Antenne filaire demie onde"),
                    QStringLiteral("Antenne Loop onde entière"), QStringLiteral("Antenne Double Bazooka")},
                   QStringLiteral("Antenne quart d'onde (Ground Plane)"));
    Combo2->setAccessibleDescription(QStringLiteral("Type d'antenne filaire"));
    formulaire_.travers(Combo2);
    formulaire_.rangee("Label2", QStringLiteral("Fréquence d'accord"), Text2 = champ("Text2", QStringLiteral("Text2")));
    formulaire_.rangee("Label1", QStringLiteral("Facteur de raccourcissement"),
                       Text1 = champ("Text1", QStringLiteral("Text1")));
    // The cable list, shown only for the types fed through a chosen cable.
    Combo5 = liste("Combo5", {}, QStringLiteral("Coaxial 50 ohms : 0,66"));
    Label12 = controles::legende("Label12", QStringLiteral("Choisissez un cable coaxiale"), Combo5);
    // Their place stays when they are hidden: choosing a type does not lay the tab out again.
    for (QWidget *w : {static_cast<QWidget *>(Label12), static_cast<QWidget *>(Combo5)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
        w->hide();
    }
    formulaire_.travers(Label12);
    formulaire_.travers(Combo5);
    Calculer_Filaire = controles::bouton("Calculer_Filaire", QStringLiteral("Calculer"));

    connect(Combo2, &QComboBox::activated, this, &ConcepteurFilaire::choisirType);
    connect(Combo5, &QComboBox::activated, this, &ConcepteurFilaire::choisirCable);
    // The type in the list is the one the adaptation window corrects, whoever chose it.
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this](int type) { store().Type_Filaire = type; });
    connect(Calculer_Filaire, &QPushButton::clicked, this, &ConcepteurFilaire::calculer);
}

void ConcepteurFilaire::declarer(ChampsNumeriques &champs)
{
    using C = ChampsNumeriques;
    Module1 &s = store();
    // The shortening factor keeps the text typed.
    champs.ajouter(C::telQuel(Text1, s.Facteur_Raccourcissement, accepte::entre(0.69, true, 1.1, false), {atelier_.zoneResultats()}));
    champs.ajouter(C::decimales(Text2, s.Frequence_Accord, accepte::auMoins(0.1), 3, QStringLiteral(" Mhz"), {atelier_.zoneResultats()})).effets =
        [this] {
            Module1 &m = store();
            m.Longueur_Onde = 300 / m.Frequence_Accord;
            atelier_.libreChoix(m.Longueur_Onde);
        };
}

void ConcepteurFilaire::montrerFrequence(float frequence) { antennes::montrerFrequence(Text2, frequence); }

void ConcepteurFilaire::choisirType(int type)
{
    Module1 &s = store();
    s.Facteur_Raccourcissement = facteurDuType(type);
    if (typeAvecCable(type)) {
        const bool bifilaire = type == G5rv;
        const QStringList cables = bifilaire
            ? QStringList(s.Liste_Bifilaires.begin(), s.Liste_Bifilaires.end())
            : QStringList(s.Liste_Coaxiaux.begin(), s.Liste_Coaxiaux.end());
        QStringList tenus;
        for (int i = 0; i < Combo5->count(); ++i) tenus << Combo5->itemText(i);
        if (tenus != cables) {
            Combo5->clear();
            Combo5->addItems(cables);
        }
        controles::changerLegende(Label12, bifilaire ? QStringLiteral("Choisissez une ligne bifilaire")
                                                     : QStringLiteral("Choisissez un cable coaxiale"));
        Label12->show();
        Combo5->show();
        Combo5->setCurrentIndex(0);
        s.Facteur_Velocite = facteurVelociteDe(Combo5->currentText());
    } else {
        Label12->hide();
        Combo5->hide();
    }
    calculer();
}

void ConcepteurFilaire::choisirCable()
{
    store().Facteur_Velocite = facteurVelociteDe(Combo5->currentText());
    calculer();
}

void ConcepteurFilaire::calculer()
{
    Module1 &s = store();
    const float f = s.Frequence_Accord;
    if (!atelier_.frequencePrete(f)) return;
    if (Combo2->currentIndex() < 0) {
        // First wire calculation: the first type is chosen, which calculates.
        Combo2->setCurrentIndex(GroundPlane);
        choisirType(GroundPlane);
        return;
    }
    s.Calcul_Filaire_Fait = true;
    Text1->setText(nombres::montrer(s.Facteur_Raccourcissement));
    antennes::montrerFrequence(Text2, f);
    atelier_.effacerResultats();
    s.Lignes_Resultat = {};

    const EntreeFilaire entree{Combo2->currentIndex(), f, s.Facteur_Raccourcissement, s.Facteur_Velocite,
                               Combo5->currentText()};
    const ResultatFilaire r = calculerFilaire(entree);
    s.Cable_Filaire = entree.cable;
    atelier_.concevoir([entree, r](modele::Sol sol) { return modele::filaire(entree, r, sol); });
    s.Longueur_Onde = r.longueurOnde;
    atelier_.chargerDessin(r.image);
    s.Longueur_Calculee = r.longueur;
    ecrireResultats(f, r.longueurOnde, kTiretsFilaire, r.lignes);
}

}  // namespace antennes
