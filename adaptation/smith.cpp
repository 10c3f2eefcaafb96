// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/smith.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace smith {

namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

QPointF point(std::complex<double> z)
{
    if (std::isinf(z.real()) || std::isinf(z.imag())) return {1, 0};
    const std::complex<double> g = (z - 1.0) / (z + 1.0);
    return {g.real(), g.imag()};
}

std::vector<QPointF> cercleResistance(double r, int segments)
{
    segments = std::max(segments, 8);
    const double centre = r / (1 + r), rayon = 1 / (1 + r);
    std::vector<QPointF> out;
    out.reserve(size_t(segments) + 1);
    for (int k = 0; k <= segments; ++k) {
        // From angle 0, the point (1, 0), to it again; both ends are set to it exactly.
        const double a = 2 * kPi * k / segments;
        const bool bout = k == 0 || k == segments;
        out.emplace_back(bout ? 1.0 : centre + rayon * std::cos(a), bout ? 0.0 : rayon * std::sin(a));
    }
    return out;
}

std::vector<QPointF> arcReactance(double x, int segments)
{
    segments = std::max(segments, 2);
    std::vector<QPointF> out;
    out.reserve(size_t(segments) + 1);
    if (x == 0) {
        for (int k = 0; k <= segments; ++k) out.emplace_back(-1.0 + 2.0 * k / segments, 0.0);
        return out;
    }
    // The circle of centre (1, 1/x) and radius 1/|x| meets the unit circle at right angles, in
    // (1, 0) and in the point of z = jx; the arc between them inside the disc is the shorter one,
    // of angle 2 atan|x| seen from the centre.
    const double cy = 1 / x, rayon = 1 / std::abs(x);
    const QPointF debut = point({0, x});
    const double a0 = std::atan2(debut.y() - cy, debut.x() - 1);
    const double a1 = std::atan2(-cy, 0.0);  // the angle of (1, 0): -pi/2 for x > 0, pi/2 for x < 0
    double ecart = a1 - a0;
    if (ecart > kPi) ecart -= 2 * kPi;
    if (ecart < -kPi) ecart += 2 * kPi;
    for (int k = 0; k <= segments; ++k) {
        if (k == segments) {
            out.emplace_back(1.0, 0.0);
            break;
        }
        const double a = a0 + ecart * k / segments;
        out.emplace_back(1 + rayon * std::cos(a), cy + rayon * std::sin(a));
    }
    // The ends are on the unit circle; rounding must not put a point of the arc outside it.
    for (QPointF &p : out) {
        const double m = std::hypot(p.x(), p.y());
        if (m > 1) p /= m;
    }
    return out;
}

std::vector<Trace> abaque()
{
    std::vector<Trace> out;
    for (double r : kResistances) out.push_back({true, r, cercleResistance(r)});
    out.push_back({false, 0, arcReactance(0)});
    for (double x : kReactances) {
        out.push_back({false, x, arcReactance(x)});
        out.push_back({false, -x, arcReactance(-x)});
    }
    return out;
}

}  // namespace smith
