// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two constants: its value of pi (single precision, as every calculation that
// uses it has always had it) and the line break of every message and result text.
#pragma once

#include <QString>

namespace constantes {

inline constexpr float kPi = 3.141592f;

// Windows' CR LF: the result boxes and message texts are written with it, and the tables saved
// from them keep it.
inline const QString kSautLigne = QStringLiteral("\r\n");

}  // namespace constantes
