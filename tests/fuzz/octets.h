// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculation targets share: arbitrary inputs decoded from the fuzzer's bytes, and the
// invariants every result must keep.
#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace fuzz {

inline void verifier(bool ok, const char *quoi, const QString &detail = QString())
{
    if (!ok) {
        qFatal("invariant broken: %s %s", quoi, qPrintable(detail));
    }
}

// "nan", "inf" or "infinity" as a word, in any case ("inférieur" is a French word, not one).
inline const QRegularExpression &motInterdit()
{
    static const QRegularExpression mot(
        QStringLiteral("\\b(nan|inf|infinity)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return mot;
}
inline bool propre(const QString &texte) { return !motInterdit().match(texte).hasMatch(); }

// A name taken from a data file is shown as the file spells it: only what the program works out is
// checked, so such words are taken out of the names first.
inline QString sansMotInterdit(QString nom) { return nom.replace(motInterdit(), QStringLiteral("x")); }

inline void texte(const QString &t, const char *quoi) { verifier(propre(t), quoi, t); }

inline void fini(double x, const char *quoi)
{
    verifier(std::isfinite(x), quoi, QString::number(x));
}

// The program runs in the French regional format; the tests check it in that one.
inline void reglagesFrancais()
{
    static const bool fait = [] {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        return true;
    }();
    (void)fait;
}

// Reads the fuzzer's bytes as a stream of inputs; past the end everything reads as zero.
class Octets {
public:
    Octets(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    uint8_t octet() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool oui() { return octet() & 1; }

    // An index meant for 0..n-1; sometimes just outside, or far outside, as a wrong caller could.
    int indice(int n)
    {
        const uint8_t o = octet();
        if (o < 240) return o % n;
        switch (o % 4) {
        case 0: return -1;
        case 1: return n;
        case 2: return std::numeric_limits<int>::min();
        default: return std::numeric_limits<int>::max();
        }
    }

    // Any single: the usual values, the edges (0, negatives, huge, tiny, NaN, infinities) or raw bits.
    float simple()
    {
        static const float speciaux[] = {
            0.0f, -0.0f, 1.0f, -1.0f, 0.5f, 7.1f, 14.2f, 50.0f, 0.95f, 3.141592f,
            1e-45f, 1e-38f, 1e-10f, 1e10f, 1e30f, 3.4e38f, -3.4e38f,
            std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(),
            std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
            std::numeric_limits<float>::quiet_NaN(), 2000.0f, 0.2f, 0.1f, 1000.0f, 12.0f, 100.0f,
        };
        const uint8_t genre = octet();
        if (genre < 96) return speciaux[octet() % (sizeof speciaux / sizeof *speciaux)];
        if (genre < 192) {
            // A plain number of a few digits, as typed: mantissa / 10^k.
            const int m = int(octet()) << 8 | octet();
            return float(m) / float(std::pow(10.0, octet() % 6)) * (genre & 1 ? -1.0f : 1.0f);
        }
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 8 | octet();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    double double_()
    {
        if (octet() & 1) return double(simple());
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = bits << 8 | octet();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

    // Short text from the remaining bytes, read as UTF-8 (what a field or a file cell can hold).
    QString texte(int maximum = 40)
    {
        // The length byte first: as arguments of one call, the order of the two reads is the
        // compiler's (GCC read the bytes left before taking the length byte, one byte too many).
        const int voulu = octet() % (maximum + 1);
        const int n = std::min<int>(voulu, int(size_ - pos_));
        const QString t = QString::fromUtf8(reinterpret_cast<const char *>(data_ + pos_), n);
        pos_ += size_t(n);
        return t;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

// What an entry field lets through: a finite single above 0 (or at least 0 where zero is allowed).
inline bool positif(float x) { return std::isfinite(x) && x > 0; }
inline bool positifOuNul(float x) { return std::isfinite(x) && x >= 0; }
inline bool entre(float x, float bas, float haut) { return std::isfinite(x) && x > bas && x < haut; }

}  // namespace fuzz
