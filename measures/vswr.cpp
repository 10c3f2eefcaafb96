// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/vswr.h"

#include "shell/Module1.h"
#include "shell/numbers.h"

#include <QStringList>
#include <cmath>
#include <initializer_list>

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

Figures figures(float directe, float reflechie, float impedance, float rosPrecedent)
{
    Figures f;
    const double rho = std::sqrt(double(reflechie) / double(directe));
    f.tos = enSimple(double(reflechie) / double(directe) * 100);
    if (rho == 1) {
        // Everything comes back: K is 1, the return loss 0 dB, and the VSWR has no finite value
        // (the last one computed is kept).
        f.ros = rosPrecedent;
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

ResultatVswr calculerVswr(Methode methode, Module1 &v, const QString &saut)
{
    ResultatVswr r;
    // The run works on copies and keeps them only when every figure is usable.
    float directeAntenne = v.Puissance_Directe_Antenne;
    float reflechieAntenne = v.Puissance_Reflechie_Antenne;
    float rosSource = v.ROS_Source, tosSource = v.TOS_Source, rlSource = v.Return_Loss_Source;
    float pertes = v.Pertes_Estimees, rosAntenne = v.ROS_Antenne, tosAntenne = v.TOS_Antenne;

    // Figures from one pair of powers: the VSWR, TOS and return loss go where the method keeps
    // them, the rest into the working values.
    auto retenir = [&](const Figures &f, float &ros, float &tos, float &returnLoss) {
        ros = f.ros;
        tos = f.tos;
        returnLoss = f.returnLoss;
        r.k = f.k;
        r.impedancePlus = f.plus;
        r.impedanceMoins = f.moins;
        r.rosInfini = f.rosInfini;
    };
    auto figuresAntenne = [&] {
        retenir(figures(directeAntenne, reflechieAntenne, v.Impedance_Source, rosAntenne), rosAntenne,
                tosAntenne, r.returnLossAntenne);
    };

    bool gardees = true;  // the values this run keeps are all finite
    switch (methode) {
    case Methode::VueDeLaSource:
        retenir(figures(v.Puissance_Directe_Source, v.Puissance_Reflechie_Source, v.Impedance_Source,
                        rosSource),
                rosSource, tosSource, rlSource);
        gardees = finies({rosSource, tosSource, rlSource});
        break;
    case Methode::VueALAntenne:
        pertes = enSimple(std::fabs(std::log(double(directeAntenne) / double(v.Puissance_Directe_Source))
                                    * 10 / std::log(10.0)));
        r.rapportPuissance = enSimple(std::pow(10.0, double(pertes) / 10));
        figuresAntenne();
        gardees = finies({pertes, rosAntenne, tosAntenne});
        break;
    case Methode::AffaiblissementConnu:
        r.rapportPuissance = enSimple(std::pow(10.0, double(v.Affaiblissement_Cable) / 10));
        directeAntenne = enSimple(double(v.Puissance_Directe_Source) / double(r.rapportPuissance));
        reflechieAntenne = enSimple(double(v.Puissance_Reflechie_Source) * double(r.rapportPuissance));
        figuresAntenne();
        gardees = finies({directeAntenne, reflechieAntenne, rosAntenne, tosAntenne});
        break;
    case Methode::Aucune:
        break;
    }

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
               << QStringLiteral("ROS = ") + fixe(rosSource, 1) + QStringLiteral(" : 1")
               << QStringLiteral("TOS = ") + fixe(tosSource, 1) + QStringLiteral(" %")
               << ligneK(r.k)
               << QStringLiteral("Return Loss = ") + fixe(rlSource, 2) + QStringLiteral(" dB")
               << lignesImpedances(r.impedancePlus, r.impedanceMoins);
        montrees = finies({r.k, r.impedancePlus, r.impedanceMoins});
    } else if (methode == Methode::VueALAntenne) {
        lignes << kEstimation << ligneRapport(r.rapportPuissance) << ligneRos(rosAntenne)
               << ligneTos(tosAntenne) << ligneK(r.k)
               << QStringLiteral("Pertes estimées à l'antenne ") + fixe(pertes, 2) + QStringLiteral(" dB")
               << ligneReturnLoss(r.returnLossAntenne)
               << lignesImpedances(r.impedancePlus, r.impedanceMoins);
        montrees = finies({r.rapportPuissance, r.k, r.returnLossAntenne, r.impedancePlus,
                           r.impedanceMoins});
    } else if (methode == Methode::AffaiblissementConnu) {
        lignes << kEstimation << ligneRapport(r.rapportPuissance) << ligneDirecte(directeAntenne)
               << ligneReflechie(reflechieAntenne) << ligneRos(rosAntenne) << ligneTos(tosAntenne)
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
    v.Puissance_Directe_Antenne = directeAntenne;
    v.Puissance_Reflechie_Antenne = reflechieAntenne;
    v.ROS_Source = rosSource;
    v.TOS_Source = tosSource;
    v.Return_Loss_Source = rlSource;
    v.Pertes_Estimees = pertes;
    v.ROS_Antenne = rosAntenne;
    v.TOS_Antenne = tosAntenne;
    r.rapport = lignes.join(saut);
    return r;
}

}  // namespace mesures
