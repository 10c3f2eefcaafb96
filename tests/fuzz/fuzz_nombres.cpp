// The number rules on arbitrary texts.
#include "shell/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void verifier(bool ok, const char *quoi)
{
    if (!ok) {
        fprintf(stderr, "invariant broken: %s\n", quoi);
        abort();
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
    static const bool francais = [] {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        return true;
    }();
    (void)francais;
    if (size == 0) return 0;
    const int decimales = data[0] % 9;
    const QByteArray octets(reinterpret_cast<const char *>(data + 1), int(size - 1));
    for (const QString &texte : {QString::fromUtf8(octets), QString::fromLatin1(octets)}) {
        const double x = nombres::lireNombre(texte);
        verifier(!std::isnan(x), "the reading rule gave NaN");
        if (!nombres::tientEnSimple(x)) continue;
        const float f = float(x);
        const QString montre = nombres::montrer(f);
        verifier(propre(montre) && propre(nombres::simple(f)), "a shown single reads nan/inf");
        verifier(montre.startsWith(f < 0 ? u'-' : u' '), "sign or blank missing");
        // What is shown reads back as the same single, to its seven digits.
        const double relu = nombres::lireNombre(montre);
        verifier(std::fabs(relu - f) <= std::fabs(double(f)) * 1e-6 + 1e-45, "shown text reads back wrong");
        verifier(propre(nombres::montrerDouble(x)), "a shown double reads nan/inf");
        if (std::fabs(x) < 1e30) verifier(propre(nombres::fixe(x, decimales)), "fixed decimals nan/inf");
    }
    return 0;
}
