// SPDX-License-Identifier: GPL-3.0-or-later
// The program's text <-> number rules, shared by every window and calculation.
//
//  - lireNombre: the leading decimal number of a text ("." is always the decimal point,
//    blanks ignored, &H / &O prefixes, E or D exponents, 0 when there is none).
//  - montrer: " .5", "-.25", " 1.234568E+07": a leading blank for positive values, no zero
//    before the point, 7 significant digits for a single, 15 for a double.
//  - fixe: exactly n decimals, rounded half away from zero, with the regional decimal
//    separator and digit grouping of QLocale().
//  - enClair: the plain-text rule, the shortest form, regional separator, no leading blank.
#pragma once

#include <QString>
#include <string>

namespace nombres {

// Reads the leading number of a text. Never throws; returns 0 when no number leads the text.
double lireNombre(const QString &text);

// The double nearest a decimal number written in the C form "[-]digits[.digits][e[+-]digits]"
// (no plus sign, no blank); beyond the range of a double, an infinity or a zero of its sign.
double depuisDecimal(const std::string &num);

// Same, but tells whether the text read overflows a single (|x| beyond FLT_MAX) or is not finite.
bool tientEnSimple(double value);

// Number-showing rule.
QString montrer(float value);
QString montrerDouble(double value);

// Fixed-decimals rule: n decimals, regional separator and grouping.
QString fixe(double value, int decimals);

// Plain-text rule.
QString enClair(float value);
QString enClairDouble(double value);

// Rounds a double to single precision, as storing into a single-precision value does.
inline float enSimple(double value) { return static_cast<float>(value); }

}  // namespace nombres
