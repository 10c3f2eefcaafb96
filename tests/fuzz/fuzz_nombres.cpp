// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules on arbitrary texts.
#include "shell/core/nombres.h"

#include <QLocale>
#include <QStringList>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void verifier(bool ok, const char *quoi)
{
    if (!ok) {
        qFatal("invariant broken: %s", quoi);
    }
}
bool propre(const QString &t)
{
    return !t.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
           !t.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // French regional settings; the C library's numeric locale alternates between "C" and a comma
    // locale (when one is generated), and every rule must give the same digits under both.
    static const char *const virgule = [] {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        for (const char *nom : {"fr_FR.UTF-8", "de_DE.UTF-8"})
            if (setlocale(LC_ALL, nom)) return nom;
        return static_cast<const char *>(nullptr);
    }();
    if (size == 0) return 0;
    const int decimales = data[0] % 9;
    const QByteArray octets(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (virgule) {
        const auto textes = [&] {
            QStringList t;
            for (const QString &texte : {QString::fromUtf8(octets), QString::fromLatin1(octets)}) {
                const double x = nombres::lireNombre(texte);
                t << QString::number(x, 'g', 17) << nombres::montrerDouble(x) << nombres::enClairDouble(x)
                  << nombres::fixe(x, decimales);
                if (nombres::tientEnSimple(x)) t << nombres::montrer(float(x)) << nombres::enClair(float(x));
            }
            return t;
        };
        setlocale(LC_ALL, "C");
        const QStringList sousC = textes();
        setlocale(LC_ALL, virgule);
        verifier(textes() == sousC, "a comma C locale changed a digit");
    }
    for (const QString &texte : {QString::fromUtf8(octets), QString::fromLatin1(octets)}) {
        const double x = nombres::lireNombre(texte);
        verifier(!std::isnan(x), "the reading rule gave NaN");
        if (!nombres::tientEnSimple(x)) continue;
        const float f = float(x);
        const QString montre = nombres::montrer(f);
        verifier(propre(montre) && propre(nombres::enClair(f)), "a shown single reads nan/inf");
        verifier(montre.startsWith(f < 0 ? u'-' : u' '), "sign or blank missing");
        // What is shown reads back as the same single, to its seven digits.
        const double relu = nombres::lireNombre(montre);
        verifier(std::fabs(relu - f) <= std::fabs(double(f)) * 1e-6 + 1e-45, "shown text reads back wrong");
        verifier(propre(nombres::montrerDouble(x)), "a shown double reads nan/inf");
        if (std::fabs(x) < 1e30) verifier(propre(nombres::fixe(x, decimales)), "fixed decimals nan/inf");
    }
    return 0;
}
