// SPDX-License-Identifier: GPL-3.0-or-later
// Characteristic impedance of a coaxial cable, a twin line or a wire over a ground plane, and the
// secondary turns of an impedance transformer (balun).
#pragma once

#include <QString>

namespace boite {

enum class TypeLigne { Aucune, Coaxiale, Bifilaire, FilEtMasse };

struct Impedance {
    float valeur = 0;  // Z0 (ohms)
    QString texte;     // "297,75 Ohms"
};
// d: inner conductor or wire diameter, D: shield diameter, wire spacing or height (same unit),
// er: dielectric constant (not used over a ground plane). With no line type, Z0 stays `precedente`.
Impedance impedanceLigne(TypeLigne type, float d, float D, float er, float precedente);

struct Balun {
    bool calcule = false;  // false: a value beyond a single, the text says so
    float rapport = 0;     // Zout / Zin
    float spires = 0;      // secondary turns, whole
    QString texte;         // " 17"
};
Balun calculerBalun(float zEntree, float zSortie, float spiresPrimaire);

}  // namespace boite
