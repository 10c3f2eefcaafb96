// SPDX-License-Identifier: GPL-3.0-or-later
// The NEC-2 deck of a design in its environment, as nec2c reads it: numbers in the C form (point
// decimal, std::to_chars), every line well under the 80 columns a card may have.
//
//   CM, CE      the design's title (ASCII) and its frequency
//   GW          one card per wire, tag = index + 1; horizontal designs lifted to their height
//               over ground
//   GE          0 in free space, 1 over ground (wires touching z = 0 connect to it)
//   PT -1       no current print-out (keeps the output short)
//   GN          1 perfect ground, 2 average ground (Sommerfeld-Norton, εr 13, σ 0.005 S/m)
//   LD          type 5 copper on every segment; type 0 for each series R-L-C load
//   TL          each transmission line
//   EX          a 1 V source on the feed segment
//   FR + XQ     the sweep: `points` frequencies evenly from fmin to fmax
//   FR + RP     the design frequency alone with its pattern: the whole sphere in free space,
//               the upper hemisphere over ground, `pas` degrees in theta and phi
//   EN
#pragma once

#include "modele/conception.h"
#include "modele/environnement.h"

#include <QByteArray>

namespace modele {

// The sweep of a model: ±10 % of F, 101 points; the pattern in 5° steps.
constexpr double kEtendueBalayage = 0.10;
constexpr int kPointsBalayage = 101;
constexpr double kPasDiagramme = 5;

// The deck. The design must not be refused (refus() empty); `points` at least 1 (2 or more when
// fmax > fmin), `pas` a divisor of 90 degrees.
QByteArray carte(const Conception &c, const Environnement &env, double fmin, double fmax,
                 int points = kPointsBalayage, double pas = kPasDiagramme);

// The same with the usual sweep, F ± 10 %.
QByteArray carte(const Conception &c, const Environnement &env);

// A number in the C form: the shortest that reads back exactly when it has at most 9 significant
// digits, else 8 digits: "14.2", "-5.0176", "5.8e+07", "10.0352" for 10.035200119018555.
QByteArray nombreC(double x);

}  // namespace modele
