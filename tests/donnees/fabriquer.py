#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the two test sweeps of this folder, as an antenna analyser would save them, from a series
RLC model of a half-wave dipole resonant at 7.023 MHz: Z = R + j(wL - 1/(wC)), Gamma = (Z - R0) /
(Z + R0) with R0 = 50 Ohms. Run from this folder: python3 fabriquer.py"""
import cmath
import math

R, L, F0, R0 = 56.0, 15e-6, 7.023e6, 50.0
C = 1 / ((2 * math.pi * F0) ** 2 * L)


def gamma(f):
    w = 2 * math.pi * f
    z = complex(R, w * L - 1 / (w * C))
    return (z - R0) / (z + R0)


def entete(quoi):
    return [
        "! Test sweep of the Orvalis project (not a real measurement): " + quoi,
        "! made by tests/donnees/fabriquer.py from a series RLC model of a half-wave dipole:",
        "! R = %g Ohms, L = %g uH, C = %.6f pF, resonance 1/(2 pi sqrt(LC)) = 7.023 MHz," % (R, L * 1e6, C * 1e12),
        "! Z = R + j(wL - 1/(wC)), S11 = (Z - 50)/(Z + 50).",
    ]


def ecrire(nom, lignes):
    with open(nom, "w", encoding="ascii", newline="") as f:
        f.write("".join(l + "\r\n" for l in lignes))


# One port, Touchstone 1.1, MHz, dB and angle, 6.5 to 7.5 MHz in 201 points.
lignes = entete("one port, version 1.1, MHz, DB") + ["# MHz S DB R 50", "! freq  dB(S11)  ang(S11)"]
for k in range(201):
    f = 6.5e6 + 5e3 * k
    g = gamma(f)
    lignes.append("%.3f %.6f %.4f" % (f / 1e6, 20 * math.log10(abs(g)), math.degrees(cmath.phase(g))))
ecrire("dipole_7023.s1p", lignes)

# Two ports, Touchstone 2.0, Hz, real and imaginary, 6.6 to 7.4 MHz in 161 points; S11 is the
# antenna, the other parameters those of an open through path.
lignes = ["[Version] 2.0"] + entete("two ports, version 2.0, Hz, RI") + [
    "# Hz S RI R 50",
    "[Number of Ports] 2",
    "[Two-Port Data Order] 12_21",
    "[Number of Frequencies] 161",
    "[Network Data]",
]
for k in range(161):
    f = 6.6e6 + 5e3 * k
    g = gamma(f)
    lignes.append("%d %.9f %.9f 0 0 0 0 0 0" % (f, g.real, g.imag))
lignes.append("[End]")
ecrire("dipole_7023.s2p", lignes)
