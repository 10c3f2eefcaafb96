// SPDX-License-Identifier: GPL-3.0-or-later
// A design as the engine models it: straight copper wires, lumped loads, transmission lines, a
// feed point, and what "trim by the model" changes. The builders read the designers' own results
// (antennas/, dipole/) at full precision and lay each design out in metres:
//
//  - horizontal designs are centred on the origin at z = 0; the environment lifts them to their
//    height over ground. Wire antennas and Yagi elements lie along the y axis, the boom of a Yagi,
//    Quad or Delta-Loop along x with its directors towards +x (azimuth 0);
//  - verticals (verticale) have their base at the origin and stand on the ground when there is one.
//
// Wires, loads and lines refer to wires by their index in `fils` (0 first) and to segments as NEC
// counts them (1 first). Every wire is copper.
#pragma once

#include "modele/environnement.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace antennes {
struct EntreeFilaire;
struct ResultatFilaire;
struct EntreeModele;
struct ResultatModele;
}  // namespace antennes

namespace dipole {
struct Entrees;
struct Resultat;
}  // namespace dipole

namespace modele {

// The speed of light in metres per microsecond: a wavelength is kC / F (F in MHz).
constexpr double kC = 299.792458;

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct Fil {
    Point3 debut, fin;
    int segments = 1;
    double rayon = 0;  // metres; 0: half the environment's diameter
    int element = -1;  // the element of a multi-element design it belongs to, else -1
};

// A series R-L-C load on one segment (NEC LD type 0); 0 means the part is absent (no resistance,
// no inductance, no capacitor). A coil (bobine) is what Ajustement::Inductance scales.
struct Charge {
    int fil = 0;
    int segment = 1;
    double resistance = 0;  // ohms
    double inductance = 0;  // henries
    double capacite = 0;    // farads
    bool bobine = false;
};

// A non-radiating transmission line between two segments (NEC TL card). Its length is electrical
// (the physical length over the velocity factor), 0 for the straight distance between the ends.
// A shunt admittance at an end is in siemens; a shorted end carries kCourtCircuit.
struct LigneTL {
    static constexpr double kCourtCircuit = 1e10;
    int fil1 = 0, segment1 = 1;
    int fil2 = 0, segment2 = 1;
    double impedance = 50;  // ohms; negative for a crossed line
    double longueur = 0;    // metres
    double admittance1Reelle = 0, admittance1Imaginaire = 0;
    double admittance2Reelle = 0, admittance2Imaginaire = 0;
};

struct Alimentation {
    int fil = 0;
    int segment = 1;
};

// What "trim by the model" scales: every length of a wire antenna or loop (and its lines), the
// driven element of a multi-element array about its own centre, or the coils' inductance.
enum class Ajustement { Tout, ElementAlimente, Inductance };

// The dimension the summary shows once trimmed: `modele` holds %1, %2... for the values (metres
// or µH at factor 1), each shown as valeur x facteur with `decimales` decimals.
struct DimensionCorrigee {
    QString modele;
    std::vector<double> valeurs;
    int decimales = 3;
};

struct Conception {
    QString titre;
    double frequence = 0;  // MHz, the design frequency F
    std::vector<Fil> fils;
    std::vector<Charge> charges;
    std::vector<LigneTL> lignes;
    Alimentation alimentation;
    double impedanceReference = 50;  // ohms: the one the design states, else 50
    bool directionnelle = false;     // an array with a front: its front-to-back is worked out
    bool verticale = false;          // stands on the ground when there is one
    QStringList remarques;           // what the model leaves out or assumes, one French line each
    QString nonModelisable;          // when not empty, why there is nothing to model

    Ajustement ajustement = Ajustement::Tout;
    int elementAjuste = -1;  // Ajustement::ElementAlimente: the Fil::element that is scaled
    double facteur = 1;      // the scale applied since the design was built
    DimensionCorrigee corrigee;
};

// The design with its trimmed part scaled by `facteur` (lengths, or the coils' inductance and
// resistance); the result's facteur is c.facteur x facteur.
Conception echelle(const Conception &c, double facteur);

// The summary's line for the trimmed dimension, regional numbers:
// "Longueur corrigée : 2 x 4,918 m", "Inductance corrigée : 16,45 µH".
QString ligneCorrigee(const Conception &c);

// Segment count of a wire `longueur` metres long at F MHz: about 20 per half wavelength, at
// least 1; odd when `impair` (a source or load at its centre).
int segmentsPour(double longueur, double frequence, bool impair);

// The characteristic impedance a cable's name states ("RG58; 50R, CV:0.66" gives 50,
// "T-Lead 300 Ohms, CV:0.88" gives 300); 0 when it states none.
double impedanceDuCable(const QString &cable);

// ---- Builders -----------------------------------------------------------------------------

// A wire antenna of the wire tab. The ground plane has three radials sloping down at 120° from
// its whip; on a perfect ground it stands on the ground instead, fed at its base, the ground
// taking the radials' place; on average ground it keeps its radials and is lifted to the chosen
// height (NEC-2 joins a wire to a lossy ground through an unpredictable series resistance).
Conception filaire(const antennes::EntreeFilaire &e, const antennes::ResultatFilaire &r,
                   Sol sol = Sol::EspaceLibre);

// Design 0..7 of the Quad / Delta-Loop tab: square loops (Quad) or triangles apex up
// (Delta-Loop) standing across the boom, fed at the middle of their lowest side.
Conception quad(const antennes::EntreeModele &e, const antennes::ResultatModele &r);

// Design 0..3 of the Yagi tab: straight elements fed at the radiator's centre.
Conception yagi(const antennes::EntreeModele &e, const antennes::ResultatModele &r);

// The shortened dipole: the user's coils as series R-L loads (R = ωL / Q of the coil) at the
// coil distance b, in the design's own wire. Dipole mode: horizontal, two coils. Quarter-wave
// mode: vertical on the ground with one coil (on average ground with a remark: NEC-2 joins it to
// the ground through an unpredictable resistance); in free space its equivalent dipole (twice its
// length, two coils). Nothing to model unless the calculation succeeded.
Conception dipoleRaccourci(const dipole::Entrees &e, const dipole::Resultat &r, Sol sol);

// The Levy antenna: the program works out only its feeder; this sentence says so.
QString levy();

}  // namespace modele
