// SPDX-License-Identifier: GPL-3.0-or-later
// Networks of coils and capacitors that match a complex load (an antenna measured at one
// frequency) to a real source resistance R0: both L networks, each with its two solutions, and the
// low-pass PI network of a chosen loaded Q. Values in SI units (ohms, hertz, farads, henries), 2 pi
// taken exactly; `entree` gives the impedance the source sees through any such network.
#pragma once

#include <QString>
#include <QStringList>

#include <complex>
#include <limits>
#include <vector>

namespace boite {

// One coil or capacitor of a network: in the line (series) or across it (parallel).
struct Composant {
    enum class Genre { Condensateur, Self };
    enum class Place { Serie, Parallele };
    Genre genre;
    Place place;
    double valeur;  // farads for a capacitor, henries for a coil; finite and above 0

    // "C série 123,4 pF", "L parallèle 1,23 µH", regional numbers. Capacitors in pF with 1 decimal
    // (2 below 10 pF), in nF with 1 decimal from 100 nF up; coils in µH with 2 decimals, 3 below
    // 0.1 µH, in nH with 1 decimal below 0.01 µH.
    QString texte() const;
};

// A network, its components listed from the source side to the load side. The name says its
// form: "L, parallèle côté charge, passe-bas", "Un composant en série", "PI (Q = 5), passe-bas"...
// (an empty list is the direct connection of a load that is already matched).
struct ReseauLC {
    QString nom;
    std::vector<Composant> composants;
};

// Everything that matches one load.
struct Adaptation {
    std::vector<ReseauLC> reseaux;  // every network found, L networks first, then the PI network
    QStringList absents;            // one French line per form left out, saying why
    QString impossible;             // non-empty (and no network) when nothing passive can match
};

// The networks that bring `charge` (ohms) to r0 + j0 at `frequence` (Hz).
//
// L networks, with Y = G + jB the load's admittance:
//  - parallel element across the load, series element toward the source: the shunt element moves
//    the admittance onto G + jB' with G / (G² + B'²) = r0, so B' = ±√(G (1/r0 − G)), and the
//    series reactance B' r0 / G cancels what is left. It exists when G ≤ 1/r0, i.e. when the
//    load's parallel resistance (R² + X²)/R is r0 or more.
//  - parallel element on the source side, series element next to the load: the series element
//    moves the load onto R + jX' with X' = ±√(R (r0 − R)), and the shunt susceptance X' / (R r0)
//    cancels what is left. It exists when R ≤ r0.
// Each root gives one network; an element whose reactance vanishes is left out (one component,
// or none when the load is already r0), and a network found twice is kept once.
//
// PI network (shunt capacitor, series coil, shunt capacitor): the load is taken as its parallel
// equivalent Rp = 1/G with its susceptance B, which the load-side element absorbs. `qPi` is the
// loaded Q on the side of the higher of r0 and Rp; the virtual resistance between the two halves
// is Rv = max(r0, Rp) / (Q² + 1), the other side's Q' is √(min(r0, Rp) / Rv − 1), the series
// coil's reactance is Rv (Q + Q'), each shunt capacitor's susceptance is its side's Q over its
// side's resistance, and B is taken off the load side's (a coil when B exceeds it). It exists when
// Q² + 1 exceeds max(r0, Rp) / min(r0, Rp).
//
// Every network is checked through `entree`: one that does not show r0 to within 1e-6 r0 (a
// load whose reactance or resistance ratio runs into the billions, beyond a double's digits),
// or with a value out of reach, goes to `absents` with its reason instead.
//
// Nothing can match (a sentence in `impossible`) when R ≤ 0, when the load, r0 or the frequency
// is not a finite number, when r0 or the frequency is not above 0, or when |Γ| against r0 is 1
// or more.
Adaptation adapter(std::complex<double> charge, double r0, double frequence, double qPi);

// The impedance seen from the source side of `r` at `frequence` (Hz), the network ended by
// `charge`. Each coil has the series loss resistance ωL / qBobine when qBobine is finite (ideal
// otherwise); capacitors are ideal.
std::complex<double> entree(const ReseauLC &r, std::complex<double> charge, double frequence,
                            double qBobine = std::numeric_limits<double>::infinity());

}  // namespace boite
