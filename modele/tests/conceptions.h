// SPDX-License-Identifier: GPL-3.0-or-later
// The wire designs the model tests start from: what the wire tab gives at 14.200 MHz for a type,
// with its own shortening factor and, for the types fed through a line, that cable.
#pragma once

#include "antennas/filaire.h"
#include "modele/conception.h"

#include <QString>

inline modele::Conception conceptionFilaire(int type, modele::Sol sol = modele::Sol::EspaceLibre,
                                            const QString &cable = QString())
{
    antennes::EntreeFilaire e;
    e.type = type;
    e.frequence = 14.2f;
    e.facteur = antennes::facteurDuType(type);
    e.cable = cable;
    e.facteurVelocite = cable.isEmpty() ? 0 : antennes::facteurVelociteDe(cable);
    return modele::filaire(e, antennes::calculerFilaire(e), sol);
}
