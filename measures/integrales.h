// SPDX-License-Identifier: GPL-3.0-or-later
// The sine and cosine integrals, to full double precision:
//   Si(x) = ∫0..x sin t / t dt,  Ci(x) = γ + ln x + ∫0..x (cos t − 1) / t dt,
// and Cin(x) = γ + ln x − Ci(x) = ∫0..x (1 − cos t) / t dt, which has no logarithm and stays exact
// for small x where γ + ln x − Ci(x) would cancel.
#pragma once

namespace mesures {

inline constexpr double kEuler = 0.57721566490153286061;  // γ, Euler's constant

struct SinusCosinusIntegraux {
    double si = 0;
    double ci = 0;
};

// Si(x) and Ci(x) for x > 0: power series below 2, above it the continued fraction of the
// exponential integral E1(ix) = −Ci(x) + i (Si(x) − π/2).
SinusCosinusIntegraux sinusCosinusIntegraux(double x);

// Cin(x) for x >= 0.
double cosinusIntegralEntier(double x);

}  // namespace mesures
