// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/core/nombres.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <iterator>
#include <string>
#include <system_error>

// Every conversion here goes through <charconv>, which knows no locale: the C library's numeric
// locale (a comma under French or German settings, set by QApplication from the environment)
// must never change a digit.

namespace nombres {

namespace {

bool estBlanc(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The text with every blank removed: blanks are ignored wherever they stand.
QString sansBlancs(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!estBlanc(c)) out.append(c);
    return out;
}

double lireEntierBase(const QString &s, int pos, int base)
{
    double v = 0;
    for (; pos < s.size(); ++pos) {
        const int d = QChar(s[pos]).digitValue();
        const char16_t u = s[pos].unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9') digit = d;
        else if (base == 16 && u >= u'a' && u <= u'f') digit = 10 + (u - u'a');
        else if (base == 16 && u >= u'A' && u <= u'F') digit = 10 + (u - u'A');
        if (digit < 0 || digit >= base) break;
        v = v * base + digit;
    }
    return v;
}

// Significant digits and decimal exponent of |value| rounded to `digits` significant digits.
struct Decompose {
    std::string mantissa;  // digits without trailing zeros, at least one digit
    int exponent = 0;      // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 is the 10^exponent digit
};

Decompose decomposer(double magnitude, int digits)
{
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   digits - 1).ptr;
    // buf = "d.dddddde+XX"
    Decompose d;
    const char *p = buf;
    for (; p < fin && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.mantissa.push_back(*p);
    if (p < fin) {
        ++p;  // 'e'
        const bool negatif = p < fin && *p == '-';
        if (p < fin && (*p == '-' || *p == '+')) ++p;
        std::from_chars(p, fin, d.exponent);
        if (negatif) d.exponent = -d.exponent;
    }
    while (d.mantissa.size() > 1 && d.mantissa.back() == '0') d.mantissa.pop_back();
    return d;
}

// Shared body of the number-showing and plain-text rules.
// expLimit: exponent form at 10^expLimit and above; always below 10^-4.
QString ecrire(double value, int digits, int expLimit, bool blancDevant, bool zeroDevant,
               QChar separateur)
{
    if (std::isnan(value)) return QStringLiteral("NaN");  // never reaches a window: callers check
    QString out;
    if (value < 0) out = QStringLiteral("-");
    else if (blancDevant) out = QStringLiteral(" ");
    if (value == 0) return out + QLatin1Char('0');
    const double mag = std::fabs(value);
    if (std::isinf(mag)) return out + QStringLiteral("Inf");
    const Decompose d = decomposer(mag, digits);
    const QString m = QString::fromLatin1(d.mantissa.c_str());
    // The lower limit is tested on the value held, not on its rounded digits: the single nearest
    // 0.0001 lies just below it and shows as 1E-04.
    if (d.exponent >= expLimit || mag < 1e-4) {
        out += m.left(1);
        if (m.size() > 1) out += separateur + m.mid(1);
        out += QLatin1Char('E');
        out += d.exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
        out += QString::number(std::abs(d.exponent)).rightJustified(2, QLatin1Char('0'));
        return out;
    }
    if (d.exponent < 0) {
        if (zeroDevant) out += QLatin1Char('0');
        out += separateur;
        out += QString(-d.exponent - 1, QLatin1Char('0'));
        out += m;
        return out;
    }
    const int entiers = d.exponent + 1;
    if (m.size() <= entiers) {
        out += m + QString(entiers - m.size(), QLatin1Char('0'));
    } else {
        out += m.left(entiers) + separateur + m.mid(entiers);
    }
    return out;
}

// The digits of mag x 10^decimals rounded half away from zero, at least decimals + 1 of them,
// from the exact binary value: 0.125 gives 13 at 2 decimals (printf alone would round half to
// even on exact ties), 0.135, whose binary value lies below the tie, gives 13 too.
std::string chiffresArrondis(double mag, int decimals)
{
    // Most numbers: the scaled value stays below 2^52, so its exact value is p + err (err, the
    // rounding error of the product, is exact through fma) and the fraction of p decides.
    static constexpr double kPuissances[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals < int(std::size(kPuissances)) && (mag == 0 || mag > 1e-250)) {
        const double p = mag * kPuissances[decimals];
        if (p < 4503599627370496.0) {
            const double err = std::fma(mag, kPuissances[decimals], -p);
            double entier = std::floor(p);
            const double t = p - entier;  // exact
            bool haut;
            if (t == 0 && err < 0) {  // just below a whole number
                entier -= 1;
                haut = 1 + err >= 0.5;
            } else {
                haut = t - 0.5 >= -err;
            }
            char buf[24];
            const auto fin = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(entier) + (haut ? 1 : 0)).ptr;
            std::string digits(buf, fin);
            if (digits.size() <= size_t(decimals)) digits.insert(0, size_t(decimals) + 1 - digits.size(), '0');
            return digits;
        }
    }
    // Otherwise the exact decimal expansion, rounded by hand. A double m x 2^(e - 53) with m odd has
    // at most 53 - e digits after the point; printed with that many, no digit is rounded.
    int e2 = 0;
    std::frexp(mag, &e2);
    const int precision = std::max(decimals + 1, 53 - e2);
    std::string exact(size_t(DBL_MAX_10_EXP + precision + 8), '\0');
    const auto fin = std::to_chars(exact.data(), exact.data() + exact.size(), mag,
                                   std::chars_format::fixed, precision).ptr;
    exact.resize(size_t(fin - exact.data()));
    const size_t point = exact.find('.');
    std::string ent = exact.substr(0, point);
    std::string dec = point == std::string::npos ? std::string() : exact.substr(point + 1);
    const bool arrondirHaut = dec.size() > size_t(decimals) && dec[decimals] >= '5';
    dec.resize(decimals);
    std::string digits = ent + dec;
    if (arrondirHaut) {
        int k = int(digits.size()) - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0) ++digits[k];
        else digits.insert(digits.begin(), '1');
    }
    return digits;
}

}  // namespace

// Beyond the range of a double: an infinity or a zero of the number's sign, as the C library's
// conversion gives.
double depuisDecimal(const std::string &num)
{
    double v = 0;
    const auto [fin, erreur] = std::from_chars(num.data(), num.data() + num.size(), v);
    (void)fin;
    if (erreur != std::errc::result_out_of_range) return v;
    // Out of range: the position of the first significant digit against the exponent tells
    // whether the magnitude is too large or too small.
    const bool negatif = !num.empty() && num[0] == '-';
    bool vu = false, point = false;
    size_t k = negatif ? 1 : 0;
    long long entiers = 0, zerosApresPoint = 0;
    for (; k < num.size() && num[k] != 'e'; ++k) {
        if (num[k] == '.') { point = true; continue; }
        if (!vu && num[k] == '0') { if (point) ++zerosApresPoint; continue; }
        vu = true;
        if (!point) ++entiers;
    }
    // decimal exponent of the first significant digit
    const long long position = entiers > 0 ? entiers - 1 : -(zerosApresPoint + 1);
    long long exposant = 0;
    if (k < num.size()) {
        const char *p = num.data() + k + 1;
        const char *const bout = num.data() + num.size();
        const bool moins = p < bout && *p == '-';
        if (p < bout && (*p == '-' || *p == '+')) ++p;
        if (std::from_chars(p, bout, exposant).ec == std::errc::result_out_of_range) exposant = 1LL << 40;
        if (moins) exposant = -exposant;
    }
    const double grand = position + exposant > 0 ? HUGE_VAL : 0.0;
    return negatif ? -grand : grand;
}

double lireNombre(const QString &text)
{
    const QString s = sansBlancs(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar k = s[1].toUpper();
        if (k == u'H') return lireEntierBase(s, 2, 16);
        if (k == u'O') return lireEntierBase(s, 2, 8);
        return 0;
    }
    std::string num;
    int i = 0;
    const int n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) num.push_back(char(s[i++].unicode()));
    if (!num.empty() && num[0] == '+') num.clear();  // from_chars takes no plus sign
    bool chiffres = false;
    while (i < n && s[i] >= u'0' && s[i] <= u'9') { num.push_back(char(s[i++].unicode())); chiffres = true; }
    if (i < n && s[i] == u'.') {
        num.push_back('.');
        ++i;
        while (i < n && s[i] >= u'0' && s[i] <= u'9') { num.push_back(char(s[i++].unicode())); chiffres = true; }
    }
    if (!chiffres) return 0;
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        int j = i + 1;
        std::string e = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-')) e.push_back(char(s[j++].unicode()));
        bool expChiffres = false;
        while (j < n && s[j] >= u'0' && s[j] <= u'9') { e.push_back(char(s[j++].unicode())); expChiffres = true; }
        if (expChiffres) num += e;
    }
    return depuisDecimal(num);
}

bool tientEnSimple(double value)
{
    return std::isfinite(value) && std::isfinite(static_cast<float>(value));
}

QString montrer(float value) { return ecrire(value, 7, 7, true, false, QLatin1Char('.')); }

QString montrerDouble(double value) { return ecrire(value, 15, 15, true, false, QLatin1Char('.')); }

QString enClair(float value)
{
    return ecrire(value, 7, 7, false, true, QLocale().decimalPoint().at(0));
}

QString enClairDouble(double value)
{
    return ecrire(value, 15, 15, false, true, QLocale().decimalPoint().at(0));
}

QString fixe(double value, int decimals)
{
    if (!std::isfinite(value)) return QString();
    if (decimals < 0) decimals = 0;
    const QLocale loc;
    const std::string digits = chiffresArrondis(std::fabs(value), decimals);
    const int ne = int(digits.size()) - decimals;
    const bool nul = digits.find_first_not_of('0') == std::string::npos;
    const bool grouper = !(loc.numberOptions() & QLocale::OmitGroupSeparator);
    const QString sep = grouper ? loc.groupSeparator() : QString();

    // One string, sized once: a grid of results writes dozens of these per calculation.
    QString out;
    out.reserve(int(digits.size()) + (ne / 3) * int(sep.size()) + 4);
    if (value < 0 && !nul) out += loc.negativeSign();
    for (int k = 0; k < ne; ++k) {
        if (grouper && k > 0 && (ne - k) % 3 == 0) out += sep;
        out += QLatin1Char(digits[size_t(k)]);
    }
    if (decimals > 0) {
        out += loc.decimalPoint();
        for (size_t k = size_t(ne); k < digits.size(); ++k) out += QLatin1Char(digits[k]);
    }
    return out;
}

}  // namespace nombres
