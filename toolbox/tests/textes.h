// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the toolbox calculators' results share, as the tests expect them: the line break between
// result lines and the message of a result beyond what a single can hold.
#pragma once

#include <QString>

inline const QString kSaut = QStringLiteral("\r\n");
inline const QString kHors = QStringLiteral("Résultat hors des limites du calcul");
