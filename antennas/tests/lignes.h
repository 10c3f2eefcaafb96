// SPDX-License-Identifier: GPL-3.0-or-later
// Result lines as the tests read them, and the texts they are made of.
#pragma once

#include "antennas/commun.h"

#include <QStringList>
#include <QtTest>

// The line break inside and after result lines, and the wire tab's separator.
inline const QString S = QStringLiteral("\r\n");
inline const QString tirets45 = QString(45, QLatin1Char('-'));

// The lines up to the first empty one, as the result box shows them.
inline QStringList nonVides(const antennes::Lignes &lignes)
{
    QStringList l;
    for (const QString &t : lignes) {
        if (t.isEmpty()) break;
        l << t;
    }
    return l;
}

// Compares line by line, so that a failure names the first line that differs.
inline void comparerLignes(const antennes::Lignes &obtenues, const QStringList &attendues)
{
    const QStringList l = nonVides(obtenues);
    for (int i = 0; i < qMin(l.size(), attendues.size()); ++i) QCOMPARE(l[i], attendues[i]);
    QCOMPARE(l.size(), attendues.size());
}
