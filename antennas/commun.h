// SPDX-License-Identifier: GPL-3.0-or-later
// What the antenna designers share: the result lines, the header block of the result box, the
// band text of a typed frequency and the test that a frequency can be calculated with.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace antennes {

// Result lines 0..25 of a wire, Quad/Delta-Loop or Yagi design; line 0 is the antenna title.
using Lignes = std::array<QString, 26>;

// Separator lengths of the result box: wire tab, Quad and Delta-Loop tab, Yagi tab (and Levy).
constexpr int kTiretsFilaire = 45;
constexpr int kTiretsQuad = 60;
constexpr int kTiretsYagi = 41;

// Decimals that the regional settings give to a number shown without a fixed count. Qt has no
// such setting; two is the usual value and the one these windows are laid out for.
constexpr int kDecimalesRegionales = 2;

// A line of n dashes.
QString tirets(int n);

// The header block: band, tuning frequency, wavelength, a separator of `nombreTirets` dashes,
// each followed by the line break.
QString enTete(const QString &bande, float frequence, float longueurOnde, int nombreTirets);

// The result box: the header block, then the lines from 0, each followed by the line break, up to the
// first empty one.
QString boiteResultats(const QString &enTete, const Lignes &lignes);

// The band text of a typed frequency: the whole part of the wavelength, shown, then " m"
// (" 42 m" for 7.05 MHz).
QString bandeDeLongueurOnde(float longueurOnde);

// A frequency every designer can divide by: above 0 and small enough that no dimension
// overflows a single.
bool frequenceUtilisable(double frequence);

// A design of the Quad/Delta-Loop or Yagi tab, at a frequency, with the band chosen.
struct EntreeModele {
    int modele = 0;       // entry of the design list
    float frequence = 0;  // MHz, usable (frequenceUtilisable)
    int bande = 0;        // band combo index 0..13, for the boom allowance
};

// One element of a Quad, Delta-Loop or Yagi design, with the very values its lines show.
struct Element {
    enum Role { Reflecteur, Radiateur, Directeur };
    Role role = Radiateur;
    double longueur = 0;  // metres: a Yagi element's length, a loop's circumference
    double position = 0;  // metres along the boom from the rearmost element
};

struct ResultatModele {
    float longueurOnde = 0;  // 300 / F
    float boom = 0;          // band allowance + boom factor x wavelength, where the design has one
    Lignes lignes;
    QString image;           // drawing of the design
    std::vector<Element> elements;  // rear (reflector) to front (last director)
};

// Band allowance of the booms: (14 - band index) / 2 x 0.1 m, the band combo's index 0..13.
double allocationBande(int bande);

}  // namespace antennes
