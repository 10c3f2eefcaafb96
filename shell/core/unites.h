// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths between feet, inches and metres, as every window and calculation converts them: 12
// inches to the foot, 39.37 inches to the metre, in double precision and in this order of
// operations (x × 12 / 39.37), which the digits shown depend on.
#pragma once

namespace unites {

inline constexpr double kPoucesParPied = 12;
inline constexpr double kPoucesParMetre = 39.37;

constexpr double piedsEnMetres(double pieds) { return pieds * kPoucesParPied / kPoucesParMetre; }
constexpr double metresEnPieds(double metres) { return metres * kPoucesParMetre / kPoucesParPied; }
constexpr double metresEnPouces(double metres) { return metres * kPoucesParMetre; }

}  // namespace unites
