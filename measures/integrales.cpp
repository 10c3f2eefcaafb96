// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures/integrales.h"

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace mesures {

namespace {
constexpr double kPrecision = std::numeric_limits<double>::epsilon();
constexpr double kMinuscule = std::numeric_limits<double>::min() * 4;
constexpr int kIterations = 200;
}  // namespace

SinusCosinusIntegraux sinusCosinusIntegraux(double x)
{
    SinusCosinusIntegraux r;
    if (!(x > 0)) {
        r.ci = -std::numeric_limits<double>::infinity();
        return r;
    }
    if (x > 2) {
        // Modified Lentz evaluation of E1(ix) e^{ix} = 1 / (1 + ix − 1² / (3 + ix − 2² / (5 + ix − …))).
        std::complex<double> b(1, x);
        std::complex<double> c = 1 / kMinuscule;
        std::complex<double> d = 1.0 / b;
        std::complex<double> h = d;
        for (int i = 2; i <= kIterations; ++i) {
            const double a = -double(i - 1) * double(i - 1);
            b += 2;
            d = 1.0 / (a * d + b);
            c = b + a / c;
            const std::complex<double> delta = c * d;
            h *= delta;
            if (std::abs(delta.real() - 1) + std::abs(delta.imag()) < kPrecision) break;
        }
        h *= std::complex<double>(std::cos(x), -std::sin(x));
        r.ci = -h.real();
        r.si = std::numbers::pi / 2 + h.imag();
        return r;
    }
    // Si(x) = Σ (−1)^k x^(2k+1) / ((2k+1)(2k+1)!),  Ci(x) = γ + ln x + Σ (−1)^k x^(2k) / (2k (2k)!).
    double somme = 0, terme = x;  // x^n / n!
    double si = 0, cin = 0;
    for (int n = 1; n <= kIterations; ++n) {
        if (n > 1) terme *= x / n;
        const double t = terme / n;
        if (n % 2 == 1) si += ((n / 2) % 2 == 0 ? t : -t);
        else cin += ((n / 2) % 2 == 1 ? t : -t);
        somme = std::abs(si) + std::abs(cin);
        if (t < kPrecision * somme) break;
    }
    r.si = si;
    r.ci = kEuler + std::log(x) - cin;
    return r;
}

double cosinusIntegralEntier(double x)
{
    if (!(x > 0)) return 0;
    if (x > 4) return kEuler + std::log(x) - sinusCosinusIntegraux(x).ci;
    // Cin(x) = Σ (−1)^(k+1) x^(2k) / (2k (2k)!); the terms stay below 3 for x up to 4.
    double terme = 1, cin = 0;  // x^n / n!
    for (int n = 1; n <= kIterations; ++n) {
        terme *= x / n;
        if (n % 2 == 1) continue;
        const double t = terme / n;
        cin += ((n / 2) % 2 == 1 ? t : -t);
        if (t < kPrecision * std::abs(cin)) break;
    }
    return cin;
}

}  // namespace mesures
