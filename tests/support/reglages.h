// SPDX-License-Identifier: GPL-3.0-or-later
// The French regional settings of the tests, with no widget: the calculation tests include it alone.
#pragma once

#include <QLocale>
#include <QtGlobal>

namespace essai {

// The French regional settings, as a French user's machine has them: set in the process
// (QLocale::setDefault), or, when ORVALIS_REGLAGES=systeme, taken from the system's locale as the
// program takes them (the run under LANG=fr_FR.UTF-8), which must then be French.
inline void reglagesFrancais()
{
    if (qEnvironmentVariable("ORVALIS_REGLAGES") == QLatin1String("systeme")) {
        if (QLocale().language() != QLocale::French)
            qFatal("ORVALIS_REGLAGES=systeme but the system locale is %s: is fr_FR.UTF-8 generated?",
                   qPrintable(QLocale().name()));
        return;
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

}  // namespace essai
