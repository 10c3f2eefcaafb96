// SPDX-License-Identifier: GPL-3.0-or-later
// Reading nec2c's output: for each frequency, the source's impedance (ANTENNA INPUT PARAMETERS),
// the efficiency (POWER BUDGET) and the radiation pattern (RADIATION PATTERNS: theta, phi, total
// gain in dBi). Any text may come in: what cannot be read ends in a French message, never in a
// crash, and every figure kept is finite.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace modele {

struct PointDiagramme {
    double theta = 0;  // degrees from the zenith
    double phi = 0;    // degrees of azimuth from +x
    double gain = 0;   // total power gain, dBi (-999.99 where NEC finds no field)
};

struct BlocFrequence {
    double frequence = 0;       // MHz as printed (five significant digits)
    bool impedanceLue = false;  // the input parameters were read
    double r = 0, x = 0;        // impedance at the source, ohms
    double rendement = -1;      // percent; -1 when not printed
    std::vector<PointDiagramme> diagramme;
};

struct Sortie {
    std::vector<BlocFrequence> frequences;  // in the order printed
    QString erreur;                         // empty when the output could be read
};

// At least one frequency with its impedance, or a French message.
Sortie lireSortie(const QByteArray &texte);

}  // namespace modele
