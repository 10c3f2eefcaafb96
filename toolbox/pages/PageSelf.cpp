// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/pages/PageSelf.h"

#include "shell/ChampsNumeriques.h"
#include "shell/FenetreTravail.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/nombres.h"
#include "toolbox/selfs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace boite {

PageSelf::PageSelf(FenetreTravail &fenetre)
    : PageCalcul(fenetre, "Frame2", QStringLiteral("Calcul de la self"), "\\Self-Nagaoka-6.bmp")
{
    Grille g(cadre());
    Check1 = controles::caseACocher("Check1", QStringLiteral("Calcul de la valeur de la self"));
    g.travers(Check1);
    auto *styles = new QHBoxLayout;
    Option1 = controles::option("Option1", QStringLiteral("Spires espacées"));
    Option2 = controles::option("Option2", QStringLiteral("Spires jointes"));
    styles->addWidget(Option1);
    styles->addWidget(Option2);
    styles->addStretch(1);
    g.travers(styles);
    Text5 = g.champ("Label5", QStringLiteral("Diamètre de la self (cm)"), "Text5");
    Text6 = g.champ("Label6", QStringLiteral("Diamètre du fil (cm)"), "Text6");
    Text7 = g.champ("Label7", QStringLiteral("Longueur de la self (cm)"), "Text7");
    Text8 = g.champ("Label8", QStringLiteral("Longueur du fil (m) mini"), "Text8", true);
    QLabel *label9 = nullptr;
    Text9 = g.champ("Label9", QStringLiteral("Nombre de spires"), "Text9", false, &label9);
    const QString prevoir = QStringLiteral("Prévoir quelques cm en plus pour la connection des extrémitées");
    label9->setToolTip(prevoir);
    Text9->setToolTip(prevoir);
    Text10 = g.champ("Label10", QStringLiteral("Inductance en µH"), "Text10");
    Text33 = g.champ("Label32", QStringLiteral("Rapport d'espacement"), "Text33", true);
    Calculer_Self = controles::bouton("Calculer_Self", QStringLiteral("Calculer la self"));
    g.aDroite(Calculer_Self);
    g.fin();

    connect(Calculer_Self, &QPushButton::clicked, this, &PageSelf::calculer);
    connect(Option1, &QRadioButton::clicked, this, &PageSelf::calculer);
    connect(Option2, &QRadioButton::clicked, this, &PageSelf::calculer);
    connect(Check1, &QCheckBox::clicked, this, &PageSelf::changerMode);
}

void PageSelf::declarer(ChampsNumeriques &champs)
{
    using Champ = ChampsNumeriques::Champ;
    using C = ChampsNumeriques;
    using namespace accepte;
    champs_ = &champs;
    Module1 &m = store();
    const QString cm = QStringLiteral(" cm");
    const QList<QWidget *> coil = {Text7, Text8, Text9, Text10};
    const auto tours = [this] { return Check1->isChecked(); };

    champs.ajouter(C::bipant(C::decimales(Text5, m.Diametre_Self, entre(0, true, 12, true), 2, cm, coil)));
    champs.ajouter(C::bipant(C::decimales(Text6, m.Diametre_Fil_Self, entre(0, true, 2, true), 2, cm, coil)));
    Champ longueur = C::bipant(C::decimales(Text7, m.Longueur_Self, entre(0.01, false, 100, false), 2, cm, {Text8, Text9, Text10}));
    longueur.actif = tours;
    longueur.sauverAccepte = true;
    champs.ajouter(longueur);
    Champ spires = C::bipant(C::montre(Text9, m.Nombre_Spires, entre(0, true, 500, true), QStringLiteral(" Spires"), {Text7, Text8, Text10}));
    spires.enregistrer = [&m](double x) { m.Nombre_Spires = float(std::floor(x)); };
    spires.actif = [this] { return !Check1->isChecked(); };
    champs.ajouter(spires);
    Champ inductance = C::bipant(C::montre(Text10, m.Inductance_Self, entre(0.01, false, 1000, true), QStringLiteral(" µHenry"), {Text7, Text8, Text9}));
    inductance.actif = tours;
    inductance.enregistrer = [&m](double x) {
        // A new inductance proposes a new coil length; the turns wait for "Calculer la self".
        m.Longueur_Self = longueurProposee(m.Longueur_Self, m.Inductance_Self, float(x));
        m.Inductance_Self = float(x);
    };
    inductance.effets = [this, &m] { Text7->setText(nombres::fixe(double(m.Longueur_Self), 2) + QStringLiteral(" cm")); };
    champs.ajouter(inductance);
}

void PageSelf::preparer()
{
    const Module1 &m = store();
    Text5->setText(nombres::fixe(double(m.Diametre_Self), 2) + QStringLiteral(" cm"));
    Text6->setText(nombres::fixe(double(m.Diametre_Fil_Self), 2) + QStringLiteral(" cm"));
    Text9->setText(nombres::montrer(m.Nombre_Spires) + QStringLiteral(" spires"));
    // Choosing spaced turns runs the coil calculation in the mode in force (turns mode, if the user
    // left it so: its messages come first); then inductance mode, its captions and locks, and the
    // coil again.
    Option1->setChecked(true);
    calculer();
    Check1->setChecked(false);
    appliquerMode();
    calculer();
}

bool PageSelf::bobiner(double microhenrys)
{
    Check1->setChecked(true);
    appliquerMode();
    if (!champs_->entrer(Text10, QString::number(microhenrys, 'f', 2))) {
        messages::afficher(&fenetre(),
                           QStringLiteral("Une self de %1 µH ne peut pas être calculée ici : de 0,01 à 1000 µH seulement.")
                               .arg(nombres::fixe(microhenrys, 2)),
                           messages::kTitreProgramme, QMessageBox::Warning);
        return false;
    }
    // The coil proposed as long as it is wide, the single-layer shape of best Q; the user may
    // change its length or diameter as usual.
    champs_->entrer(Text7, QString::number(double(store().Diametre_Self), 'f', 2));
    calculer();
    return true;
}

void PageSelf::changerMode()
{
    appliquerMode();
    calculer();
}

void PageSelf::appliquerMode()
{
    const bool tours = Check1->isChecked();
    Check1->setText(tours ? QStringLiteral("Calcul du nombre de spires")
                          : QStringLiteral("Calcul de la valeur de la self"));
    Option1->setEnabled(!tours);
    Option2->setEnabled(!tours);
    Text7->setReadOnly(!tours);
    Text9->setReadOnly(tours);
    Text10->setReadOnly(!tours);
}

void PageSelf::calculer()
{
    Module1 &m = store();
    Self s;
    if (!Check1->isChecked()) {
        s = calculerInductance(m.Diametre_Self, m.Diametre_Fil_Self, m.Nombre_Spires, Option1->isChecked());
        m.Longueur_Self = s.longueur;
        m.Inductance_Self = s.inductance;
    } else {
        s = calculerSpires(m.Diametre_Self, m.Diametre_Fil_Self, m.Longueur_Self, m.Inductance_Self);
        if (s.spiresConnues) m.Nombre_Spires = s.spires;
        if (!s.realisable) {
            signalerImpossible(s.avertissement);
            return;
        }
    }
    m.Longueur_Fil_Self = s.longueurFil;
    Text33->setText(s.rapport);
    Text7->setText(s.texteLongueur);
    Text8->setText(s.texteFil);
    Text9->setText(s.texteSpires);
    Text10->setText(s.texteInductance);
}

void PageSelf::signalerImpossible(const QString &texte)
{
    const QPalette normale = Text7->palette();
    QPalette rouge = normale;
    rouge.setColor(QPalette::Base, QColor(255, 128, 128));
    Text7->setPalette(rouge);
    messages::afficher(&fenetre(), texte, QStringLiteral("Attention!"), QMessageBox::Warning);
    Text7->setPalette(normale);
    Text7->clear();
    Text9->clear();
    Text10->clear();
    Text7->setFocus(Qt::OtherFocusReason);
}

}  // namespace boite
