// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the sweep an antenna analyser saves as a Touchstone file (.s1p, or .s2p whose S11 is the
// antenna), versions 1.0/1.1 and 2.0, and finding the antenna's resonance in it: the frequency
// where the reactance crosses zero nearest the SWR minimum, the SWR and the impedance there, and
// the band around it where the SWR stays below 2.
#pragma once

#include <QByteArray>
#include <QString>
#include <complex>
#include <optional>
#include <vector>

namespace touchstone {

// Larger files are refused unread.
inline constexpr qint64 kTailleMaximale = 16 * 1024 * 1024;

struct Point {
    double frequence = 0;            // Hz
    std::complex<double> gamma;      // S11, the reflection coefficient
    // |gamma| < 1 and a finite impedance: only then are the impedance and the SWR defined.
    bool valide = false;
    std::complex<double> impedance;  // Z = R0 (1 + gamma) / (1 - gamma), Ohms
    double ros = 0;                  // SWR = (1 + |gamma|) / (1 - |gamma|)
};

struct Resonance {
    double frequence = 0;            // Hz
    double ros = 0;
    std::complex<double> impedance;  // Ohms
    bool passageAZero = false;       // the reactance crosses zero (otherwise: the SWR minimum)
    // The band around the resonance where the SWR is below 2 (edges interpolated), in Hz.
    bool bande = false;
    double bandeDebut = 0;
    double bandeFin = 0;
    bool debutAuBord = false;        // the band goes on below the first frequency of the sweep
    bool finAuBord = false;          // ... above the last one
};

struct Mesure {
    int version = 1;                 // 1 (1.0 and 1.1) or 2
    int ports = 1;
    double reference = 50;           // R0, Ohms
    std::vector<Point> points;       // frequencies strictly increasing
    Resonance resonance;
};

struct Erreur {
    int ligne = 0;                   // the line at fault, from 1; 0 when the fault is not one line's
    QString texte;                   // in French, without the file's name
};

struct Lecture {
    std::optional<Mesure> mesure;    // set on a good read
    Erreur erreur;                   // otherwise, why not
};

// Reads a file's contents. `nomFichier` gives the number of ports of a version 1 file by its
// extension (.s1p, .s2p); with another name, the count of numbers on the first data line tells.
Lecture lire(const QByteArray &contenu, const QString &nomFichier);

// Reads the file at `chemin`, refusing one that cannot be read or is over kTailleMaximale.
Lecture lireFichier(const QString &chemin);

// The message of a refused file, naming it and the line at fault.
QString message(const QString &nomFichier, const Erreur &erreur);

// One line telling the resonance, e.g. "Résonance : 7,023 Mhz — ROS 1,12 — Z = 48,3 + j0,0 Ohms —
// ROS < 2 de 6,950 à 7,110 Mhz", numbers in the regional form.
QString resume(const Resonance &r);

// The message when the resonance found is not a frequency the measured-frequency field accepts.
QString messageRefus(const QString &nomFichier, const Resonance &r);

// The points of a sweep to draw, at most `maximum` (2 or more) of them: every point that has an
// SWR, or, for a longer sweep, the lowest and the highest SWR of each stretch, in frequency order.
std::vector<size_t> pointsATracer(const std::vector<Point> &points, size_t maximum);

// The resonance in MHz rounded to the kHz, written as a user types it ("7.023").
QString frequenceSaisie(const Resonance &r);

// The resonance of a sweep's points, whose SWR is against `reference` (R0, Ohms), found as the
// reader finds it: the reactance's zero crossing nearest the SWR minimum (or that minimum), and the
// SWR < 2 band around it. std::nullopt when no point is valid.
std::optional<Resonance> trouverResonance(const std::vector<Point> &points, double reference);

// A one-port Touchstone 1.1 file (.s1p) of a sweep, for other programs: a comment line
// "! Orvalis — <quoi>" (UTF-8, line breaks of `quoi` made blanks), the option line
// "# HZ S RI R <R0>", then one line "frequency re(S11) im(S11)" a point, frequencies in Hz. Numbers
// are written in the C form (a point, no grouping), in the shortest form that reads back to the
// same double ("7050000", "7.0505e+06", "-0.123"); lines end with LF alone, which Touchstone
// readers accept as well as CR LF. A point whose frequency or reflection coefficient is not finite
// is left out; the frequencies are written in the order given (they must increase).
QByteArray ecrireS1p(const std::vector<Point> &points, double reference, const QString &quoi);

}  // namespace touchstone
