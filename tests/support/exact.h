// SPDX-License-Identifier: GPL-3.0-or-later
// Bit-for-bit comparison of floating-point values, for the tests that exist to tell single from
// double precision or a tiny value from 0: QCOMPARE on float and double is fuzzy (about 1e-5
// relative for a float, and any value near 0 equals 0). No widget: calculation tests include it.
#pragma once

#include <QtTest>
#include <bit>
#include <cstdint>

namespace essai {

inline std::uint32_t bits(float x) { return std::bit_cast<std::uint32_t>(x); }
inline std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

}  // namespace essai

// The same value to the last bit; on failure both values are printed with all their digits.
#define QCOMPARE_EXACT(actuel, attendu)                                                                \
    do {                                                                                               \
        const auto a_ = (actuel);                                                                      \
        const decltype(a_) e_ = (attendu);                                                             \
        QVERIFY2(essai::bits(a_) == essai::bits(e_),                                                   \
                 qPrintable(QString::number(double(a_), 'g', 17) + QStringLiteral(" != ") +            \
                            QString::number(double(e_), 'g', 17)));                                    \
    } while (false)
