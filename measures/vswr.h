// SPDX-License-Identifier: GPL-3.0-or-later
// Standing waves and power budget along the feed line, from the readings of a directional
// wattmeter: VSWR (ROS), reflected percentage (TOS), reflection coefficient K, return loss, cable
// loss or estimated antenna powers, and the two feed-point impedances that match the VSWR.
#pragma once

#include <QString>
#include <optional>

struct Module1;

namespace mesures {

// Where the readings were taken: the window's three option buttons, or none chosen yet.
enum class Methode {
    Aucune,
    VueDeLaSource,         // forward and reflected power read at the transmitter
    VueALAntenne,          // forward power read at both ends, reflected power at the antenna
    AffaiblissementConnu,  // powers read at the transmitter, cable loss known
};

struct ResultatVswr {
    // Working values of the run (0 when the method does not compute them).
    float rapportPuissance = 0;
    float k = 0;
    float returnLossAntenne = 0;
    float impedancePlus = 0;
    float impedanceMoins = 0;
    // All the power comes back (reflected = forward): the VSWR is infinite and not computed.
    bool rosInfini = false;
    // A figure does not fit a single: the run keeps nothing and the report says so.
    bool horsLimites = false;
    // The new report, lines joined by `saut`; none when the report stays as it is.
    std::optional<QString> rapport;
};

// Runs the calculation on the program-wide values and keeps its figures there (ROS_Source,
// TOS_Source, Return_Loss_Source with the source method; Pertes_Estimees, ROS_Antenne,
// TOS_Antenne with the antenna methods; the known-loss method also replaces the antenna powers
// with its estimates). Nothing is kept when the run is out of range.
ResultatVswr calculerVswr(Methode methode, Module1 &valeurs,
                          const QString &saut = QStringLiteral("\r\n"));

}  // namespace mesures
