// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/vswr.h"

#include "shell/core/Module1.h"
#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

#include <QStringList>
#include <cmath>
#include <initializer_list>

using constantes::kSautLigne;

namespace mesures {

namespace {

using nombres::enSimple;
using nombres::fixe;

// Figures from one pair of powers. Everything is worked out in double and rounded to a single
// where a value is assigned; K always comes from the VSWR, never from rho directly.
struct Figures {
    float ros = 0;
    bool rosInfini = false;
    float tos = 0;
    float k = 0;
    float returnLoss = 0;
    float plus = 0;
    float moins = 0;
};

Figures figures(float directe, float reflechie, float impedance)
{
    Figures f;
    const double rho = std::sqrt(double(reflechie) / double(directe));
    f.tos = enSimple(double(reflechie) / double(directe) * 100);
    if (rho == 1) {
        // Everything comes back: K is 1, the return loss 0 dB, and the VSWR has no finite value
        // (none is kept: the last one computed stays).
        f.rosInfini = true;
        f.k = 1;
        return f;
    }
    f.ros = enSimple((rho + 1) / (1 - rho));
    f.k = enSimple((double(f.ros) - 1) / (double(f.ros) + 1));
    f.returnLoss = enSimple(std::log(double(f.k)) * -20 / std::log(10.0));
    f.plus = enSimple(double(impedance) * double(f.ros));
    f.moins = enSimple(double(impedance) / double(f.ros));
    return f;
}

bool finies(std::initializer_list<float> valeurs)
{
    for (float v : valeurs)
        if (!std::isfinite(v)) return false;
    return true;
}

// Whether every figure present is finite.
bool toutesFinies(const FiguresGardees &g)
{
    for (const std::optional<float> &v : {g.rosSource, g.tosSource, g.returnLossSource, g.pertesEstimees,
                                          g.rosAntenne, g.tosAntenne, g.directeAntenne, g.reflechieAntenne})
        if (v && !std::isfinite(*v)) return false;
    return true;
}

const QString kEstimation = QStringLiteral("Estimation des valeurs à l'antenne");

QString ligneRapport(float r) { return QStringLiteral("Rapport de puissance = ") + fixe(r, 1); }
QString ligneDirecte(float p)
{
    return QStringLiteral("Puissance directe à l'antenne = ") + fixe(p, 1) + QStringLiteral(" Watt");
}
QString ligneReflechie(float p)
{
    return QStringLiteral("Puissance réflécie à l'antenne = ") + fixe(p, 1) + QStringLiteral(" Watt");
}
QString ligneRos(float ros)
{
    return QStringLiteral("ROS estimé à l'antenne = ") + fixe(ros, 1) + QStringLiteral(" : 1");
}
QString ligneTos(float tos)
{
    return QStringLiteral("TOS estimé à l'antenne = ") + fixe(tos, 1) + QStringLiteral(" %");
}
QString ligneK(float k) { return QStringLiteral("K = ") + fixe(k, 3); }
QString ligneReturnLoss(float rl)
{
    return QStringLiteral("Return Loss à l'antenne = ") + fixe(rl, 2) + QStringLiteral(" dB");
}
QStringList lignesImpedances(float plus, float moins)
{
    return {QString(),
            QStringLiteral("Impédance de l'antenne"),
            QStringLiteral("     si Ra + Jx = ") + fixe(plus, 2) + QStringLiteral(" Ohms"),
            QStringLiteral("     si Ra - Jx = ") + fixe(moins, 2) + QStringLiteral(" Ohms")};
}

}  // namespace

ResultatVswr calculerVswr(Methode methode, const EntreesVswr &e)
{
    ResultatVswr r;
    // The antenna powers as they stand: read, or estimated below by the known-loss method.
    float directeAntenne = e.directeAntenne;
    float reflechieAntenne = e.reflechieAntenne;
    float pertes = 0;
    Figures f;  // from the pair of powers the method uses
    FiguresGardees g;  // what the run would keep

    auto figuresAntenne = [&] {
        f = figures(directeAntenne, reflechieAntenne, e.impedanceSource);
        if (!f.rosInfini) g.rosAntenne = f.ros;
        g.tosAntenne = f.tos;
        r.returnLossAntenne = f.returnLoss;
    };

    switch (methode) {
    case Methode::VueDeLaSource:
        f = figures(e.directeSource, e.reflechieSource, e.impedanceSource);
        if (!f.rosInfini) g.rosSource = f.ros;
        g.tosSource = f.tos;
        g.returnLossSource = f.returnLoss;
        break;
    case Methode::VueALAntenne:
        pertes = enSimple(std::fabs(std::log(double(directeAntenne) / double(e.directeSource)) * 10 /
                                    std::log(10.0)));
        g.pertesEstimees = pertes;
        r.rapportPuissance = enSimple(std::pow(10.0, double(pertes) / 10));
        figuresAntenne();
        break;
    case Methode::AffaiblissementConnu:
        r.rapportPuissance = enSimple(std::pow(10.0, double(e.affaiblissementCable) / 10));
        directeAntenne = enSimple(double(e.directeSource) / double(r.rapportPuissance));
        reflechieAntenne = enSimple(double(e.reflechieSource) * double(r.rapportPuissance));
        g.directeAntenne = directeAntenne;
        g.reflechieAntenne = reflechieAntenne;
        figuresAntenne();
        break;
    case Methode::Aucune:
        break;
    }
    r.k = f.k;
    r.impedancePlus = f.plus;
    r.impedanceMoins = f.moins;
    r.rosInfini = f.rosInfini;
    const bool gardees = toutesFinies(g);  // the values this run keeps are all finite

    // The report: the warning comes first whatever the method, from the antenna powers as they
    // now stand (entered, or estimated by the last known-loss run).
    QStringList lignes;
    bool montrees = true;  // the numbers of the report are all finite
    if (reflechieAntenne >= directeAntenne) {
        lignes << kEstimation << ligneRapport(r.rapportPuissance) << ligneDirecte(directeAntenne)
               << ligneReflechie(reflechieAntenne) << QString()
               << QStringLiteral("* Au vue des pertes duent au câble coaxial, aucune estimation "
                                 "serieuse ne peut être fait vue de l'antenne, car le câble et/ou "
                                 "l'antenne sont soit défectueux ou désadaptés");
        montrees = finies({r.rapportPuissance});
    } else if (methode == Methode::VueDeLaSource && r.rosInfini) {
        lignes << QStringLiteral("Calcul du ROS-TOS-K-RL")
               << QStringLiteral("ROS infini : toute la puissance est réfléchie");
    } else if (methode == Methode::VueDeLaSource) {
        lignes << QStringLiteral("Calcul du ROS-TOS-K-RL")
               << QStringLiteral("ROS = ") + fixe(f.ros, 1) + QStringLiteral(" : 1")
               << QStringLiteral("TOS = ") + fixe(f.tos, 1) + QStringLiteral(" %")
               << ligneK(r.k)
               << QStringLiteral("Return Loss = ") + fixe(f.returnLoss, 2) + QStringLiteral(" dB")
               << lignesImpedances(r.impedancePlus, r.impedanceMoins);
        montrees = finies({r.k, r.impedancePlus, r.impedanceMoins});
    } else if (methode == Methode::VueALAntenne) {
        lignes << kEstimation << ligneRapport(r.rapportPuissance) << ligneRos(f.ros)
               << ligneTos(f.tos) << ligneK(r.k)
               << QStringLiteral("Pertes estimées à l'antenne ") + fixe(pertes, 2) + QStringLiteral(" dB")
               << ligneReturnLoss(r.returnLossAntenne)
               << lignesImpedances(r.impedancePlus, r.impedanceMoins);
        montrees = finies({r.rapportPuissance, r.k, r.returnLossAntenne, r.impedancePlus,
                           r.impedanceMoins});
    } else if (methode == Methode::AffaiblissementConnu) {
        lignes << kEstimation << ligneRapport(r.rapportPuissance) << ligneDirecte(directeAntenne)
               << ligneReflechie(reflechieAntenne) << ligneRos(f.ros) << ligneTos(f.tos)
               << ligneK(r.k) << ligneReturnLoss(r.returnLossAntenne)
               << lignesImpedances(r.impedancePlus, r.impedanceMoins);
        montrees = finies({r.rapportPuissance, r.k, r.returnLossAntenne, r.impedancePlus,
                           r.impedanceMoins});
    } else {
        return r;  // no method chosen and nothing to warn about: the report stays
    }

    if (!gardees || !montrees) {
        r.horsLimites = true;
        r.rapport = QStringLiteral("Calcul impossible : les valeurs indiquées sortent des limites "
                                   "du calcul.");
        return r;
    }
    r.gardees = g;
    r.rapport = lignes.join(kSautLigne);
    return r;
}

EntreesVswr entreesVswr(const Module1 &m)
{
    return {.impedanceSource = m.Impedance_Source, .directeSource = m.Puissance_Directe_Source,
            .reflechieSource = m.Puissance_Reflechie_Source, .affaiblissementCable = m.Affaiblissement_Cable,
            .directeAntenne = m.Puissance_Directe_Antenne, .reflechieAntenne = m.Puissance_Reflechie_Antenne};
}

void garder(const FiguresGardees &g, Module1 &m)
{
    auto garder = [](const std::optional<float> &figure, float &valeur) {
        if (figure) valeur = *figure;
    };
    garder(g.rosSource, m.ROS_Source);
    garder(g.tosSource, m.TOS_Source);
    garder(g.returnLossSource, m.Return_Loss_Source);
    garder(g.pertesEstimees, m.Pertes_Estimees);
    garder(g.rosAntenne, m.ROS_Antenne);
    garder(g.tosAntenne, m.TOS_Antenne);
    garder(g.directeAntenne, m.Puissance_Directe_Antenne);
    garder(g.reflechieAntenne, m.Puissance_Reflechie_Antenne);
}

}  // namespace mesures
