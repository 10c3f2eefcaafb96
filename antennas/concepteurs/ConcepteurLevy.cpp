// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/concepteurs/ConcepteurLevy.h"

#include "antennas/levy.h"
#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace antennes {

ConcepteurLevy::ConcepteurLevy(Atelier &atelier, QObject *parent)
    : Concepteur(atelier, "Frame4", QStringLiteral("L'antenne Lévy"), parent)
{
    formulaire_.rangee("Label7", QStringLiteral("Fréquence la plus basse utilisée"),
                       Text12 = champ("Text12", QStringLiteral("Text12")));
    formulaire_.rangee("Label11", QStringLiteral("Longueur du dipôle( L+L)"),
                       Text11 = champ("Text11", QStringLiteral("Text11")));
    Combo7 = liste("Combo7",
                   {QStringLiteral("Longueur défini"), QStringLiteral("3x1/2 Lambda"),
                    QStringLiteral("2x0,64 Lambda"), QStringLiteral("1/2 Lambda"),
                    QStringLiteral("1/3 Lambda"), QStringLiteral("1/4 Lambda")},
                   QStringLiteral("Longueur défini"));
    formulaire_.rangee("Label13", QStringLiteral("Longueur souhaité"), Combo7);
    Combo6 = liste("Combo6",
                   {QStringLiteral("Ligne 300 Ohm = 0.82"), QStringLiteral("Ligne 450 Ohm = 0.905"),
                    QStringLiteral("Ligne 600 Ohm = 0.93"), QStringLiteral("Ligne 1200 Ohm = 0.97")},
                   QStringLiteral("Ligne 300 Ohm = 0.82"));
    formulaire_.travers(controles::legende("Label14", QStringLiteral("Coéficient de vélocité de la ligne bifilaire"), Combo6));
    formulaire_.travers(Combo6);
    Option1 = controles::option("Option1", QStringLiteral("Calcul en Foots"));
    Option2 = controles::option("Option2", QStringLiteral("Calcul en Mètres"));
    Option1->setChecked(true);
    auto *unites = new QHBoxLayout;
    unites->addWidget(Option1);
    unites->addWidget(Option2);
    unites->addStretch(1);
    formulaire_.travers(unites);
    Calculer_Levy = controles::bouton("Calculer_Levy", QStringLiteral("Calculer la ligne"));

    connect(Combo6, &QComboBox::activated, this, &ConcepteurLevy::calculer);
    connect(Combo7, &QComboBox::activated, this, &ConcepteurLevy::choisirLongueur);
    connect(Option1, &QRadioButton::clicked, this, [this] { choisirUnite(false); });
    connect(Option2, &QRadioButton::clicked, this, [this] { choisirUnite(true); });
    connect(Calculer_Levy, &QPushButton::clicked, this, &ConcepteurLevy::calculer);
}

void ConcepteurLevy::declarer(ChampsNumeriques &champs)
{
    using C = ChampsNumeriques;
    Module1 &s = store();
    const auto utilisable = [](double x) { return frequenceUtilisable(x); };
    champs.ajouter(C::decimales(Text12, s.Frequence_Levy, utilisable, 3, QStringLiteral(" Mhz"), {atelier_.zoneResultats()}));
    champs.ajouter(C::telQuel(Text11, s.Longueur_Levy, accepte::strictementPositif(), {atelier_.zoneResultats()})).effets =
        [this] {
            Combo7->setCurrentIndex(0);
            choisirLongueur();
        };
}

void ConcepteurLevy::montrerFrequence(float frequence) { antennes::montrerFrequence(Text12, frequence); }

void ConcepteurLevy::choisirLongueur()
{
    if (Combo7->currentIndex() < 0) Combo7->setCurrentIndex(0);
    calculer();
}

void ConcepteurLevy::choisirUnite(bool metres)
{
    if (metres == enMetres_) return;  // the unit in force: nothing to convert
    Module1 &s = store();
    const float convertie = metres ? piedsEnMetres(s.Longueur_Levy) : metresEnPieds(s.Longueur_Levy);
    if (!std::isfinite(convertie)) {
        // Beyond what a single holds in feet: the unit in force stays, and says why.
        (enMetres_ ? Option2 : Option1)->setChecked(true);
        atelier_.ecrireResultats(QStringLiteral("Cette longueur ne peut pas être exprimée en pieds : elle "
                                                "dépasse les limites du calcul. Le calcul reste en mètres."));
        return;
    }
    enMetres_ = metres;
    s.Longueur_Levy = convertie;
    calculer();
}

void ConcepteurLevy::calculer()
{
    Module1 &s = store();
    const float f = s.Frequence_Levy;
    if (!atelier_.frequencePrete(f)) return;
    s.Calcul_Filaire_Fait = false;
    atelier_.chargerDessin(QStringLiteral("\\Levy.gif"));
    atelier_.effacerResultats();
    if (Combo6->currentIndex() < 0) Combo6->setCurrentIndex(0);

    const ResultatLevy r = calculerLevy(
        {f, s.Longueur_Levy, Combo7->currentIndex(), Combo6->currentIndex(), Option2->isChecked()});
    s.Longueur_Levy = r.longueur;
    // Only its feeder is worked out: there is nothing to model, and the model window says so.
    atelier_.concevoir([](modele::Sol) {
        modele::Conception c;
        c.nonModelisable = modele::levy();
        return c;
    });
    Text12->setText(r.texteFrequence);
    Text11->setText(r.texteLongueur);
    atelier_.ecrireResultats(r.texte);
}

}  // namespace antennes
