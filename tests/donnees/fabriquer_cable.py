#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes dipole_7050_rg213_20m.s1p, the sweep an antenna analyser would save at the shack end of
20 m of RG213/U feeding a half-wave dipole resonant at 7.050 MHz, and the NEC-2 deck of the dipole
(dipole_7050.nec).

The dipole: one copper wire of 1 mm radius in free space, 41 segments, fed at its centre, its
length trimmed with nec2c (/usr/bin/nec2c) until its reactance at 7.050 MHz is within 0.01 Ohm of
zero. The sweep: 6.5 to 7.6 MHz in 221 points (5 kHz apart), the impedances nec2c gives.

The cable: the RG213/U line of data/Câbles.dat (Windows-1252, fields split by blanks: Z0, velocity
factor, dB per 100 m at 10, 30, 145, 435 and 1296 MHz). Its attenuation at f is the table's loss
interpolated log-log between the table's frequencies (sqrt(f) below 10 MHz), converted to nepers
per metre (/ 100 / (20 / ln 10)); gamma l = alpha l + j 2 pi f l / (VF c), c = 299792458 m/s; the
impedance at the shack end Z_in = Z0 (Z_L + Z0 tanh(gamma l)) / (Z0 + Z_L tanh(gamma l)), and
S11 = (Z_in - 50) / (Z_in + 50).

Run from this folder: python3 fabriquer_cable.py (it needs nec2c)."""
import cmath
import math
import os
import subprocess
import tempfile

NOM = "dipole_7050_rg213_20m.s1p"
F0 = 7.050e6                # the dipole's resonance, Hz
RAYON = 0.001               # wire radius, m
SEGMENTS = 41
DEBUT, PAS, POINTS = 6.5e6, 5e3, 221
LONGUEUR_CABLE = 20.0       # m
R0 = 50.0
C = 299792458.0
FREQUENCES_TABLE = [10e6, 30e6, 145e6, 435e6, 1296e6]


def carte(demi_longueur, debut_mhz, pas_mhz, points):
    return "\n".join([
        "CM Half-wave dipole of the Orvalis tests, resonant at 7.050 MHz, free space",
        "CM copper wire of 1 mm radius, fed at its centre",
        "CE",
        "GW 1 %d 0 %.7f 0 0 %.7f 0 %g" % (SEGMENTS, -demi_longueur, demi_longueur, RAYON),
        "GE 0",
        "PT -1 0 0 0",
        "LD 5 0 0 0 5.8e+07",
        "EX 0 1 %d 0 1 0" % (SEGMENTS // 2 + 1),
        "FR 0 %d 0 0 %.6f %.6f" % (points, debut_mhz, pas_mhz),
        "XQ",
        "EN",
        "",
    ])


def nec2c(deck):
    """The input impedances nec2c finds for a deck, in frequency order, and its whole output."""
    with tempfile.TemporaryDirectory() as d:
        entree, sortie = os.path.join(d, "a.nec"), os.path.join(d, "a.out")
        with open(entree, "w", encoding="ascii") as f:
            f.write(deck)
        subprocess.run(["nec2c", "-i", entree, "-o", sortie], check=True, capture_output=True)
        with open(sortie, encoding="ascii") as f:
            texte = f.read()
    z = []
    lignes = texte.splitlines()
    for i, l in enumerate(lignes):
        if "ANTENNA INPUT PARAMETERS" in l:
            champs = lignes[i + 3].split()
            z.append(complex(float(champs[6]), float(champs[7])))
    return z, texte


def reactance_a_f0(demi_longueur):
    return nec2c(carte(demi_longueur, F0 / 1e6, 0, 1))[0][0].imag


def rognee():
    """The half-length whose reactance at F0 is zero, by bisection (X grows with the length)."""
    bas, haut = 9.6, 10.6
    assert reactance_a_f0(bas) < 0 < reactance_a_f0(haut)
    while True:
        milieu = (bas + haut) / 2
        x = reactance_a_f0(milieu)
        if abs(x) < 0.01 or haut - bas < 1e-7:
            return milieu
        if x < 0:
            bas = milieu
        else:
            haut = milieu


def rg213():
    chemin = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "Câbles.dat")
    with open(chemin, encoding="cp1252") as f:
        for ligne in f:
            champs = ligne.split()
            if champs and champs[0] == "RG213/U":
                return float(champs[1]), float(champs[4]), [float(x) for x in champs[5:10]]
    raise SystemExit("no RG213/U line in data/Câbles.dat")


def attenuation(pertes, f):
    """Nepers per metre."""
    F = FREQUENCES_TABLE
    if f < F[0]:
        db = pertes[0] * math.sqrt(f / F[0])
    elif f >= F[-1]:
        pente = math.log(pertes[4] / pertes[3]) / math.log(F[4] / F[3])
        db = pertes[4] * (f / F[4]) ** pente
    else:
        i = max(k for k in range(4) if F[k] <= f)
        t = (math.log(f) - math.log(F[i])) / (math.log(F[i + 1]) - math.log(F[i]))
        db = math.exp(math.log(pertes[i]) + t * (math.log(pertes[i + 1]) - math.log(pertes[i])))
    return db / 100 / (20 / math.log(10))


def a_travers(zl, f, z0, vf, pertes, longueur):
    gl = complex(attenuation(pertes, f) * longueur, 2 * math.pi * f / (vf * C) * longueur)
    t = cmath.tanh(gl)
    return z0 * (zl + z0 * t) / (z0 + zl * t)


def passage_a_zero(frequences, z):
    """The zero crossing of the reactance nearest the lowest SWR, interpolated linearly."""
    g = [abs((x - R0) / (x + R0)) for x in z]
    mini = frequences[g.index(min(g))]
    passages = []
    for i in range(len(z) - 1):
        a, b = z[i].imag, z[i + 1].imag
        if (a < 0) != (b < 0):
            passages.append(frequences[i] + abs(a) / (abs(a) + abs(b)) * (frequences[i + 1] - frequences[i]))
    return min(passages, key=lambda f: abs(f - mini)), mini


def main():
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    demi = rognee()
    deck = carte(demi, DEBUT / 1e6, PAS / 1e6, POINTS)
    zl, _ = nec2c(deck)
    assert len(zl) == POINTS
    with open("dipole_7050.nec", "w", encoding="ascii") as f:
        f.write(deck)
    frequences = [DEBUT + PAS * k for k in range(POINTS)]
    z0, vf, pertes = rg213()
    zin = [a_travers(z, f, z0, vf, pertes, LONGUEUR_CABLE) for z, f in zip(zl, frequences)]
    antenne, _ = passage_a_zero(frequences, zl)
    bout, mini = passage_a_zero(frequences, zin)
    perte_haut = attenuation(pertes, frequences[-1]) * LONGUEUR_CABLE * 20 / math.log(10)
    lignes = [
        "! Test sweep of the Orvalis project (not a real measurement): one port, version 1.1, MHz, RI",
        "! made by tests/donnees/fabriquer_cable.py: a half-wave dipole resonant at 7.050 MHz, modelled",
        "! with nec2c (dipole_7050.nec: copper wire of 1 mm radius, %.4f m long, free space)," % (2 * demi),
        "! seen at the shack end of %g m of RG213/U (Z0 %g Ohms, VF %g, %s dB/100 m at 10, 30, 145," % (
            LONGUEUR_CABLE, z0, vf, ", ".join("%g" % p for p in pertes)),
        "! 435, 1296 MHz; %.3f dB at 7.6 MHz), S11 = (Z_in - 50)/(Z_in + 50)." % perte_haut,
        "! At the antenna the reactance crosses zero at %.4f MHz; here at %.4f MHz (SWR minimum at %.3f MHz)." % (
            antenne / 1e6, bout / 1e6, mini / 1e6),
        "# MHz S RI R 50",
    ]
    for f, z in zip(frequences, zin):
        g = (z - R0) / (z + R0)
        lignes.append("%.3f %.9f %.9f" % (f / 1e6, g.real, g.imag))
    with open(NOM, "w", encoding="ascii", newline="") as f:
        f.write("".join(l + "\r\n" for l in lignes))
    print("half-length %.7f m; resonance at the antenna %.6f MHz, at the shack end %.6f MHz" % (
        demi, antenne / 1e6, bout / 1e6))


main()
