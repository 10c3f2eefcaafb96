// SPDX-License-Identifier: GPL-3.0-or-later
// The coaxial cable between an antenna and the analyser that measures it: a cable of the cable
// list (Câbles.dat) with its losses, how it turns an impedance round over its length, and a whole
// measured sweep brought back through it to the antenna's feed point (or carried through it, to
// make the sweep an analyser would measure at the far end of the cable).
#pragma once

#include "adaptation/touchstone.h"

#include <QString>
#include <array>
#include <complex>
#include <optional>
#include <vector>

struct Module1;

namespace ligne {

inline constexpr double kVitesseLumiere = 299792458.0;          // c, m/s
inline constexpr double kDecibelsParNeper = 8.685889638065035;  // 20 / ln 10
// The frequencies of the loss columns of Câbles.dat, Hz.
inline constexpr std::array<double, 5> kFrequencesPertes{10e6, 30e6, 145e6, 435e6, 1296e6};
// Beyond this loss at the sweep's top frequency, a measurement is not brought back to the antenna:
// what remains of the antenna's reflection in the measurement is then lost in the analyser's error.
inline constexpr double kPerteMaximale = 20;  // dB

struct Cable {
    QString nom;
    double impedance = 0;            // Z0, Ohms
    double facteurVelocite = 0;      // VF, 0 < VF <= 1
    std::array<double, 5> pertes{};  // dB per 100 m at kFrequencesPertes (10, 30, 145, 435, 1296 MHz)
};

// The cable of one line of Câbles.dat (a line of Module1::Lignes_Cables): fields separated by
// blanks as the cable chooser splits them (boite::champsCable), the name in column 0, the
// impedance in column 1, the velocity factor in column 4 and the five losses in columns 5 to 9,
// each read by the program's number rule (nombres::lireNombre). std::nullopt for a line that is not
// a cable: no name, an impedance or a loss that is not a number above 0, or a velocity factor not
// in ]0, 1] (the heading line 0 is such a line).
std::optional<Cable> lireCable(const QString &ligneFichier);

// The cables of the cable list held in `m` (lines 1 to Dernier_Cable), in the file's order; lines
// that are not cables are left out.
std::vector<Cable> lireCables(const Module1 &m);

// The attenuation of the cable at `frequence` (Hz, >= 0), in nepers per metre: the table's
// dB / 100 m interpolated log-log (the logarithm of the loss linear in the logarithm of the
// frequency) between the table's frequencies, proportional to the square root of the frequency
// below 10 MHz (the skin effect, 0 at 0 Hz), and extended log-log above 1296 MHz along the line of
// the last two points; then divided by 100 and by kDecibelsParNeper.
double attenuation(const Cable &c, double frequence);

// The loss of `longueur` metres of the cable at `frequence` (Hz), in dB.
double perte(const Cable &c, double frequence, double longueur);

// The propagation constant gamma * length of `longueur` metres of the cable at `frequence` (Hz):
// alpha l + j beta l, with beta = 2 pi f / (VF c).
std::complex<double> propagation(const Cable &c, double frequence, double longueur);

// The impedance at the input of a line of characteristic impedance z0 (a real number, Ohms) and
// propagation `gl` (gamma * length) ended by `charge`:
// Z_in = Z0 (Z_L + Z0 tanh(gl)) / (Z0 + Z_L tanh(gl)).
std::complex<double> ajouter(std::complex<double> charge, double z0, std::complex<double> gl);

// The inverse: the load that gives `entree` at the input of that line,
// Z_L = Z0 (Z_in - Z0 tanh(gl)) / (Z0 - Z_in tanh(gl)).
std::complex<double> retirer(std::complex<double> entree, double z0, std::complex<double> gl);

// A sweep moved through a cable.
struct Transformee {
    // The sweep at the other end: the same frequencies, version, ports and R0; each point's gamma,
    // impedance and SWR there, and the resonance found again on those points
    // (touchstone::trouverResonance). Set when the move is possible.
    std::optional<touchstone::Mesure> mesure;
    // Points valid in the sweep given whose value at the other end is not (|gamma| >= 1, or not a
    // finite number): they are kept with `valide` false (and their gamma when it is finite). A
    // point that was not valid stays so, with a gamma that is not a number (NaN: the file writer
    // leaves it out).
    int ecartes = 0;
    QString erreur;  // otherwise: why not, a French sentence
};

// The sweep `m` (measured at the shack end of `longueur` metres of `c`) brought back to the
// antenna's feed point: every valid point's impedance with the cable removed (retirer). Refused
// ("La longueur du câble doit être supérieure à 0.") for a length not above 0 or not finite, when
// the cable's loss at the sweep's top frequency is over kPerteMaximale ("Le câble perdrait 23,4 dB
// à 30,000 Mhz : plus de 20 dB, la mesure ne peut pas être ramenée à l'antenne."), and when no
// point is left valid at the feed point.
Transformee ramener(const touchstone::Mesure &m, const Cable &c, double longueur);

// The sweep `m` (measured at the antenna) as seen at the far end of `longueur` metres of `c`
// (ajouter); refused only for the length, or when no point is left valid.
Transformee prolonger(const touchstone::Mesure &m, const Cable &c, double longueur);

// What a resonance line tells of a sweep brought back, to follow touchstone::resume:
// "au point d'alimentation (câble RG213/U, 20,00 m retirés)", the length with two decimals in the
// regional form.
QString suffixe(const Cable &c, double longueur);

}  // namespace ligne
