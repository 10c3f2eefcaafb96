// SPDX-License-Identifier: GPL-3.0-or-later
// What a model run tells about a design: the impedance and SWR curve of the sweep, where the model
// resonates, its impedance and SWR at the design frequency F, the SWR < 2 band, the gain, the
// front-to-back ratio of an array, the efficiency and two pattern cuts, and the summary's lines.
#pragma once

#include "modele/conception.h"
#include "modele/sortie.h"

#include <QMetaType>
#include <QStringList>
#include <optional>
#include <vector>

namespace modele {

struct PointCourbe {
    double frequence = 0;  // MHz
    double r = 0, x = 0;   // ohms
    double ros = 0;        // SWR against the design's reference impedance
};

struct PointPolaire {
    double angle = 0;  // degrees
    double gain = 0;   // dBi; -999.99 where NEC finds no field
};

struct Bande {
    double bas = 0, haut = 0;  // MHz
};

struct Resultats {
    QString titre;
    double frequence = 0;            // F, MHz
    double impedanceReference = 50;  // ohms
    std::vector<PointCourbe> courbe;

    // The reactance's zero crossing nearest F, linearly interpolated; none in the sweep: empty.
    std::optional<double> resonance;
    double rF = 0, xF = 0, rosF = 0;  // at F
    // The SWR < 2 band around F (or around the sweep's lowest SWR when F is outside any); an edge
    // beyond the sweep is the sweep's end.
    std::optional<Bande> bandeRos2;

    bool diagramme = false;   // a pattern was read
    double gainMax = 0;       // dBi
    double elevationMax = 0;  // degrees above the horizon (90 - theta)
    double azimutMax = 0;     // degrees from +x, the boom's front
    std::optional<double> avantArriere;  // dB, arrays only
    std::optional<double> rendement;     // percent (copper and loads; not the ground)
    // Gain against azimuth (0..360, the first point repeated at 360) at the elevation of the
    // maximum.
    std::vector<PointPolaire> coupeHorizontale;
    // Gain in the vertical plane of the maximum: 0 the horizon towards the maximum, 90 the zenith,
    // 180 the horizon behind, and in free space on to 270 the nadir and back to 360.
    std::vector<PointPolaire> coupeVerticale;

    QStringList lignes;  // the summary, one French fact a line, then the design's remarks
};

// SWR of an impedance against z0 (an infinity-free figure: 1e9 at a total mismatch).
double ros(double r, double x, double z0);

// The reactance's zero crossing nearest f, linearly interpolated between the points of the curve.
std::optional<double> resonance(const std::vector<PointCourbe> &courbe, double f);

// The results of a run: the sweep was `points` frequencies from fmin to fmax (their exact values
// replace the printed ones when the counts agree), then F alone with the pattern. A French message
// in `erreur` when the output does not hold the sweep.
Resultats analyser(const Sortie &sortie, const Conception &c, double fmin, double fmax, int points,
                   QString *erreur = nullptr);

// The summary's lines of results already worked out (filled by analyser()).
QStringList lignesResume(const Resultats &r, const Conception &c);

}  // namespace modele

Q_DECLARE_METATYPE(modele::Resultats)
