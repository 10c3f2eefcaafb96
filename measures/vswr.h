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

// The readings, in single precision, with the program's defaults.
struct EntreesVswr {
    float impedanceSource = 50;       // Z0, ohms
    float directeSource = 100;        // forward power at the transmitter, W
    float reflechieSource = 4;        // reflected power at the transmitter, W
    float affaiblissementCable = 3;   // cable loss, dB
    // Forward and reflected power at the antenna, W: as entered, or as the last known-loss run
    // estimated them.
    float directeAntenne = 50;
    float reflechieAntenne = 8;

    bool operator==(const EntreesVswr &) const = default;
};

// The figures a run leaves for the later runs and for the radiation calculation, each one present
// only when the run computed it. A run with no method, or out of range, keeps none.
struct FiguresGardees {
    // Source method: VSWR, TOS and return loss at the transmitter; no VSWR when it is infinite
    // (the last one computed stays).
    std::optional<float> rosSource;
    std::optional<float> tosSource;
    std::optional<float> returnLossSource;
    // At-antenna method: the cable loss deduced from the two forward powers.
    std::optional<float> pertesEstimees;
    // Both antenna methods: VSWR (none when infinite) and TOS at the antenna.
    std::optional<float> rosAntenne;
    std::optional<float> tosAntenne;
    // Known-loss method: the estimated antenna powers, which replace the antenna readings.
    std::optional<float> directeAntenne;
    std::optional<float> reflechieAntenne;

    bool vide() const
    {
        return !rosSource && !tosSource && !returnLossSource && !pertesEstimees && !rosAntenne &&
               !tosAntenne && !directeAntenne && !reflechieAntenne;
    }
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
    // What the program keeps of this run.
    FiguresGardees gardees;
    // The new report, lines joined by the line break; none when the report stays as it is.
    std::optional<QString> rapport;
};

// Runs the calculation on the readings; the caller keeps the figures the result names.
ResultatVswr calculerVswr(Methode methode, const EntreesVswr &entrees);

// The readings as the program-wide store holds them.
EntreesVswr entreesVswr(const Module1 &m);
// Puts into the store the figures the run computed; the others stay as they were.
void garder(const FiguresGardees &g, Module1 &m);

}  // namespace mesures
