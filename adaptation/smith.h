// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of a Smith chart, in the plane of the reflection coefficient gamma (the unit disc:
// x = Re gamma, y = Im gamma, y upwards): the circles of constant resistance, the arcs of constant
// reactance inside the disc, and the point of an impedance. A window scales and flips these to its
// pixels; nothing here draws.
#pragma once

#include <QPointF>
#include <array>
#include <complex>
#include <vector>

namespace smith {

// The normalised resistances r = R / R0 of the chart's circles (r = 0 is the unit circle).
inline constexpr std::array<double, 6> kResistances{0, 0.2, 0.5, 1, 2, 5};
// The normalised reactances x = X / R0 of the chart's arcs, each drawn for +x and -x.
inline constexpr std::array<double, 5> kReactances{0.2, 0.5, 1, 2, 5};

// The reflection coefficient of a normalised impedance z = Z / R0: gamma = (z - 1) / (z + 1), as
// a point (Re, Im). An infinite z (an open circuit) gives (1, 0).
QPointF point(std::complex<double> z);

// The circle of constant resistance r >= 0: centre (r / (1 + r), 0), radius 1 / (1 + r), all
// inside the disc and touching it at (1, 0). `segments` + 1 points (at least 8 segments), the first
// and the last both at (1, 0), counter-clockwise.
std::vector<QPointF> cercleResistance(double r, int segments = 128);

// The arc of constant reactance x (x != 0) inside the disc: a part of the circle of centre
// (1, 1 / x) and radius 1 / |x|, from the point of z = jx on the unit circle to (1, 0).
// `segments` + 1 points (at least 2 segments). x = 0 gives the real axis, from (-1, 0) to (1, 0).
std::vector<QPointF> arcReactance(double x, int segments = 64);

// One line of the chart.
struct Trace {
    bool resistance = true;  // a circle of constant resistance, otherwise an arc of constant reactance
    double valeur = 0;       // its r or x
    std::vector<QPointF> points;
};

// The chart's lines: the circles of kResistances, then the real axis (x = 0), then the arcs of
// +x and -x for each of kReactances.
std::vector<Trace> abaque();

}  // namespace smith
