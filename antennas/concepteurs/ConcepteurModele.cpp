// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/concepteurs/ConcepteurModele.h"

#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "shell/ChampsNumeriques.h"
#include "shell/core/Module1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace antennes {

// What tells the two designers apart: their controls, their frequency, their calculation.
struct ConcepteurModele::Reglages {
    const char *cadre;
    QString titre;
    const char *liste;
    QStringList modeles;
    QString texteInitial;
    QString description;
    const char *legende, *champ;
    QString texteChamp;
    const char *bouton;
    float Module1::*frequence;
    bool saisissable;  // the frequency can be typed
    int nombreTirets;
    ResultatModele (*calcul)(const EntreeModele &);
    modele::Conception (*modelisation)(const EntreeModele &, const ResultatModele &);
};

namespace {

const ConcepteurModele::Reglages kYagi{
    "Frame2", QStringLiteral("Antenne Yagi"), "Combo3",
    {QStringLiteral("Antenne YAGI 3 éléments (Varnasse, Q5ZT)"), QStringLiteral("Antenne YAGI 4 éléments (Varnasse, Q5ZT)"),
     QStringLiteral("Antenne YAGI 5 éléments (Varnasse, Q5ZT)"), QStringLiteral("Antenne YAGI 9 éléments (Belvanter, Q8WK)")},
    QStringLiteral("Antenne YAGY VHF 3 éléments ( Q5ZT) "), QStringLiteral("Modèle d'antenne Yagi"),
    "Label4", "Text4", QStringLiteral("Text4"), "Calculer_Yagi",
    &Module1::Frequence_Yagi, true, kTiretsYagi, calculerYagi, modele::yagi,
};

const ConcepteurModele::Reglages kQuad{
    "Frame3", QStringLiteral("Antenne Quad et Delta-Loop"), "Combo4",
    {QStringLiteral("Antenne Quad 1 radiateur seulement"), QStringLiteral("Antenne Quad 1 radiateur et 1 directeur"),
     QStringLiteral("Antenne Quad 1 radiateur et 1réflecteur"), QStringLiteral("Antenne Quad 3 éléments"),
     QStringLiteral("Antenne Delta-Loop 1 radiateur seulement"), QStringLiteral("Antenne Delta Loop 1 radiateur et 1 directeur"),
     QStringLiteral("Antenne Delta Loop 1 radiateur et 1 réflecteur"), QStringLiteral("Antenne Delta Loop 3 éléments")},
    QStringLiteral("Antenne Quad 1 directeur"), QStringLiteral("Modèle d'antenne Quad ou Delta-Loop"),
    "Label8", "Text8", QString(), "Calculer_Quad",
    &Module1::Frequence_Quad, false, kTiretsQuad, calculerQuad, modele::quad,
};

}  // namespace

ConcepteurModele *ConcepteurModele::yagi(Atelier &atelier, QObject *parent)
{
    return new ConcepteurModele(atelier, kYagi, parent);
}

ConcepteurModele *ConcepteurModele::quad(Atelier &atelier, QObject *parent)
{
    return new ConcepteurModele(atelier, kQuad, parent);
}

ConcepteurModele::ConcepteurModele(Atelier &atelier, const Reglages &r, QObject *parent)
    : Concepteur(atelier, r.cadre, r.titre, parent), r_(r)
{
    modeles_ = liste(r.liste, r.modeles, r.texteInitial);
    modeles_->setAccessibleDescription(r.description);
    formulaire_.travers(modeles_);
    formulaire_.rangee(r.legende, QStringLiteral("Fréquence d'accord"), frequence_ = champ(r.champ, r.texteChamp));
    calculer_ = controles::bouton(r.bouton, QStringLiteral("Calculer"));
    connect(modeles_, &QComboBox::activated, this, &ConcepteurModele::calculer);
    connect(calculer_, &QPushButton::clicked, this, &ConcepteurModele::calculer);
}

void ConcepteurModele::declarer(ChampsNumeriques &champs)
{
    // A field whose frequency cannot be typed shows the band's, and typing in it changes nothing.
    if (!r_.saisissable) return;
    const auto utilisable = [](double x) { return frequenceUtilisable(x); };
    champs.ajouter(ChampsNumeriques::decimales(frequence_, store().*r_.frequence, utilisable, 3, QStringLiteral(" Mhz"),
                                               {atelier_.zoneResultats()}))
        .effets = [this] { atelier_.libreChoix(300 / (store().*r_.frequence)); };
}

void ConcepteurModele::montrerFrequence(float frequence) { antennes::montrerFrequence(frequence_, frequence); }

void ConcepteurModele::calculer()
{
    const float frequence = store().*r_.frequence;
    if (!atelier_.frequencePrete(frequence, r_.saisissable)) return;
    Module1 &s = store();
    s.Calcul_Filaire_Fait = false;
    antennes::montrerFrequence(frequence_, frequence);
    s.Lignes_Resultat = {};
    atelier_.effacerResultats();
    if (modeles_->currentIndex() < 0) modeles_->setCurrentIndex(0);
    const EntreeModele entree{modeles_->currentIndex(), frequence, atelier_.indexBande()};
    const ResultatModele r = r_.calcul(entree);
    const auto modelisation = r_.modelisation;
    atelier_.concevoir([entree, r, modelisation](modele::Sol) { return modelisation(entree, r); });
    atelier_.chargerDessin(r.image);
    ecrireResultats(frequence, r.longueurOnde, r_.nombreTirets, r.lignes);
}

}  // namespace antennes
