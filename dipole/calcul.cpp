// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/calcul.h"

#include "shell/core/Module1.h"
#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "shell/core/unites.h"

#include <cmath>

namespace dipole {

using nombres::fixe;
using nombres::montrer;

const std::array<const char16_t *, kColonnes> kEnTetes = {
    u"Ant", u"B", u"C", u"Ind", u"Dia", u"Turn", u"Length", u"F.Res", u"Q"};

namespace {

double enMetres(double pieds) { return unites::piedsEnMetres(pieds); }

// The coil-diameter search gives up beyond this many moves in one pass: 20 000 moves of 0.1 inch
// already reach a 50 m coil, far past anything that can be wound.
constexpr int kToursParPasse = 20000;

bool fini(double x) { return std::isfinite(x); }

// A length in feet as the messages show it, in the user's unit.
QString longueur(double pieds, bool metres)
{
    return metres ? fixe(enMetres(pieds), 2) + QStringLiteral(" m") : fixe(pieds, 2) + QStringLiteral(" ft");
}

QString nomPosition(int i)
{
    return i == 0 ? QStringLiteral("la dimension B") : QStringLiteral("la position %1").arg(i);
}

Resultat echec(Resultat r, const QString &raison)
{
    r.issue = Issue::Impossible;
    r.note = raison;
    r.dimensionC.clear();
    r.inductance.clear();
    r.lignes = {};
    r.positions = {};
    return r;
}

const QString kIncalculable = QStringLiteral(
    "Les valeurs données ne permettent pas le calcul : vérifiez la fréquence, les dimensions et le "
    "diamètre du fil.");

// Why a coil at x feet (position i, or the user's coil when i is 0) cannot be worked out, or
// an empty text when it can.
QString bobineImpossible(int i, double x, double L, const Entrees &e)
{
    const double quart = 234.0 / double(e.frequence);
    if (!(quart - x > 0))
        return QStringLiteral("La self de %1 (%2 du centre) se trouve au-delà du quart d'onde "
                              "(234 / F = %3) : réduisez la dimension %4.")
            .arg(nomPosition(i), longueur(x, e.metres), longueur(quart, e.metres),
                 i == 0 ? QStringLiteral("B") : QStringLiteral("A"));
    if (!fini(L)) return kIncalculable;
    if (!(L > 0))
        return QStringLiteral("L'inductance calculée pour %1 n'est pas positive (%2 µH) : avec ces "
                              "dimensions, une self ne peut pas ramener le dipôle à la résonance.")
            .arg(nomPosition(i), fixe(L, 2));
    return QString();
}

// The coil a Self winds for q.L µH: its size, self-resonant frequency and effective Q at f MHz.
void enrouler(Position &q, const Self &s, double f, double pi, double W)
{
    q.d = s.d;
    q.l = s.l;
    q.N = s.N;

    const double Cs = pi * q.d * 2.54 / (3.6 * std::log(2 + std::sqrt(2.0 * 2 - 1)));
    q.F = float(std::sqrt(W / Cs / q.L));
    const double Cr = W / (f * f * q.L);
    const double X = Cr - Cs;
    const double rayon = q.d * 2.54 / 2;
    const double h = q.l * 2.54;
    const double Q = std::sqrt(f * 1000000) / (6.9 / rayon + 5.4 / h);
    q.Q = qualiteEffective(Q, Cs, X);
}

}  // namespace

QString messageChampsManquants()
{
    return QStringLiteral("Une des variables n'est pas valide") + constantes::kSautLigne +
           QStringLiteral("Vous devez renseigner les champs Dim. A, B et Diam du fil") + constantes::kSautLigne +
           QStringLiteral("ainsi que la section du fil");
}

std::array<float, 42> tableAwg()
{
    std::array<float, 42> t{};
    const double r = std::pow(0.46 / 0.005, 1.0 / 39);
    for (int n = 1; n <= 40; ++n) t[n] = float(0.46 / std::pow(r, n + 3));
    return t;
}

float diametrePouces(float w, UniteFil unite)
{
    switch (unite) {
    case UniteFil::Pouces: return w;
    case UniteFil::Millimetres: return float(double(w) / 25.4);
    case UniteFil::AWG: break;
    }
    // The gauge is the nearest whole number, halves going to the even one (14.5 is 14).
    const double n = std::nearbyint(double(w));
    if (!(n >= 0 && n <= 41)) return 0;
    return tableAwg()[size_t(n)];
}

double facteurK(double R)
{
    struct Rang { double seuil, k; };
    static constexpr Rang rangs[] = {{10, 0.92}, {12, 0.93}, {15, 0.94}, {22, 0.95},
                                     {50, 0.96}, {200, 0.97}, {2000, 0.98}};
    // A wire too thick for every row still gets the first row's value.
    double k = 0.92;
    for (const Rang &g : rangs)
        if (R > g.seuil) k = g.k;
    return k;
}

double inductance(double P, double f, double a, double D, double x)
{
    const double g1 = std::log(24 * (234 / f - x) / D) - 1;
    const double g2 = std::pow(1 - f * x / 234, 2) - 1;
    const double g3 = 234 / f - x;
    const double h1 = std::log(24 * (a - x) / D) - 1;
    const double h2 = std::pow((f * a - f * x) / 234, 2) - 1;
    const double h3 = a - x;
    return P * (g1 * g2 / g3 - h1 * h2 / h3);
}

float qualiteEffective(double Q, double Cs, double X)
{
    // X = 0: the coil resonates exactly at f, the limit of Q / (1 + Cs / X) is 0 from both sides.
    if (X == 0) return 0;
    const float q = float(Q / (1 + Cs / X));
    return q > 0 ? q : 0;
}

Self concevoirSelf(float L, float D)
{
    Self s;
    auto recalculer = [&] {
        s.l = float(double(s.d) * 0.5);
        s.u = float(double(s.l) / (2 * double(D)));
        s.N = float(std::sqrt((18 * double(s.d) + 40 * double(s.l)) * double(L)) / double(s.d));
    };
    s.d = 10;
    recalculer();
    // Down by 1 while too many turns fit, up by 0.1 while too few, and so on, each pass a tenth
    // of the previous step in the other direction.
    struct Passe { double pas; bool tropDeSpires; };
    static constexpr Passe passes[] = {{1, true}, {-0.1, false}, {0.01, true}, {-0.001, false}};
    for (const Passe &p : passes) {
        for (int tour = 0; p.tropDeSpires ? s.u > s.N : s.u < s.N; ++tour) {
            const float avant = s.d;
            s.d = float(double(s.d) - p.pas);
            if (tour >= kToursParPasse || s.d == avant) {
                s.echec = Self::Echec::Demesuree;
                return s;
            }
            recalculer();
        }
    }
    if (!(s.d > 0) || !fini(s.N) || !fini(s.u)) s.echec = Self::Echec::TropFaible;
    return s;
}

Resultat calculer(const Entrees &e)
{
    Resultat r;
    const double f = e.frequence;
    const QString &saut = constantes::kSautLigne;

    // The equivalent dipole, in feet.
    const double A = e.dipole ? double(e.dimensionA) : 2 * double(e.dimensionA);
    r.T = e.metres ? unites::metresEnPieds(A) : A;
    r.b = e.metres ? unites::metresEnPieds(double(e.dimensionB)) : double(e.dimensionB);
    r.a = r.T / 2;
    const double T = r.T, a = r.a, b = r.b;

    if (!(f > 0) || !fini(f))
        return echec(r, QStringLiteral("La fréquence doit être supérieure à 0."));
    if (!fini(T) || !fini(b) || !(T > 0) || !(b >= 0))
        return echec(r, QStringLiteral("Les dimensions A et B doivent être des longueurs positives."));

    if (b >= a) {
        r.issue = Issue::BobineTropLoin;
        r.note = e.dipole
            ? QStringLiteral(" La longueur de la Dimension B doit être inférieur à la moitié de la "
                             "longueur du dipole (Dimension A)")
            : QStringLiteral(" La longueur de la Dimension B doit être inférieur à la longueur du "
                             "Quart d'onde (Dimension A)");
        return r;
    }

    const double p = 300 / f * 0.656;  // a fifth of the wavelength, in feet

    r.D = diametrePouces(e.diametreFil, e.uniteFil);
    if (!(r.D > 0) || !fini(r.D))
        return echec(r, e.uniteFil == UniteFil::AWG
                            ? QStringLiteral("Le numéro AWG du fil doit être compris entre 1 et 40.")
                            : QStringLiteral("Le diamètre du fil doit être supérieur à 0."));
    const double D = r.D;

    r.R = double(float(492 / f)) * 12 / D;
    r.K = facteurK(r.R);
    r.M = float(492 * r.K / f);
    const double M = r.M;
    if (!fini(M) || !fini(p)) return echec(r, kIncalculable);

    if (M <= T / r.K) {
        const float entiers = std::floor(r.M);
        r.issue = Issue::TropLong;
        r.note = QStringLiteral("La longueur du dipole raccourci est supérieur à la demie longeur "
                                "d'onde de la fréquence utilisée.") +
                 saut + QStringLiteral("Vous devez racourcir la longueur du dipole à une valeur inférieur à ") +
                 montrer(entiers) + QStringLiteral(" ft et ") + fixe(12 * (M - entiers), 2) +
                 QStringLiteral(" inches") + QStringLiteral(" (") + fixe(enMetres(M), 2) +
                 QStringLiteral(" M)") + saut;
        return r;
    }

    const QString Fs = montrer(e.frequence) + QStringLiteral(" Mhz");
    const QString Ms = montrer(std::floor(r.M)) + QStringLiteral("ft (") + fixe(enMetres(M), 2) +
                       QStringLiteral(" M)");
    const QString Ps = nombres::enClairDouble(std::floor(p)) + QStringLiteral("ft (") +
                       fixe(enMetres(p), 2) + QStringLiteral(" M)");
    const QString As = nombres::enClairDouble(std::floor(T)) + QStringLiteral("ft (") +
                       fixe(enMetres(T), 2) + QStringLiteral(" M)");

    const double pi = constantes::kPi;
    const double P = 1000000 / (f * f * 68 * pi * pi);
    const double W = 1000000 / (4 * pi * pi);

    for (int i = 1; i <= kPositions; ++i) {
        Position &q = r.positions[i - 1];
        q.b = float(a * (0.1 * i));
        const double L = inductance(P, f, a, D, q.b);
        if (QString raison = bobineImpossible(i, q.b, L, e); !raison.isEmpty()) return echec(r, raison);
        q.L = float(L);

        const Self s = concevoirSelf(q.L, r.D);
        if (s.echec == Self::Echec::TropFaible)
            return echec(r, QStringLiteral("Avec ce fil, la self de %1 (%2 µH) aurait moins d'un "
                                           "pouce de diamètre, ce que le calcul ne sait pas "
                                           "réaliser : choisissez un fil plus gros.")
                                .arg(nomPosition(i), fixe(q.L, 2)));
        if (s.echec == Self::Echec::Demesuree)
            return echec(r, QStringLiteral("Avec ce fil, la self de %1 (%2 µH) dépasserait 2 000 "
                                           "pouces de diamètre : choisissez un fil plus fin ou "
                                           "vérifiez la fréquence et les dimensions.")
                                .arg(nomPosition(i), fixe(q.L, 2)));
        enrouler(q, s, f, pi, W);
        if (!fini(q.F) || !fini(q.Q)) return echec(r, kIncalculable);
    }

    r.Lu = inductance(P, f, a, D, b);
    if (QString raison = bobineImpossible(0, b, r.Lu, e); !raison.isEmpty()) return echec(r, raison);
    // The user's coil, wound as the positions' coils are; its figures stay 0 when it cannot be.
    r.bobine.b = float(b);
    r.bobine.L = float(r.Lu);
    if (const Self s = concevoirSelf(r.bobine.L, r.D); s.echec == Self::Echec::Aucun) {
        enrouler(r.bobine, s, f, pi, W);
        if (!fini(r.bobine.F) || !fini(r.bobine.Q)) r.bobine.F = r.bobine.Q = 0;
    }

    r.issue = Issue::Calcule;
    r.note = QStringLiteral("Un dipôle Full Size pour ") + Fs + QStringLiteral(" nécessiterait ") + Ms +
             QStringLiteral(". Pour une efficité maximum, le raccourcissement du dipole ne devrait pas "
                            "être plus courte que ") +
             Ps + saut + QStringLiteral("La longueur de ") + As +
             QStringLiteral(" de dimension A, comme indiqué ci-dessus, ne devrait pas inclure les "
                            "isolateurs d'extrémité ou les supports de montage . Ceci est strictement "
                            "la longueur pour une efficacité optimale de l'antenne pour une résonance "
                            "de la self à ") +
             nombres::enClair(2 * e.frequence) + QStringLiteral(" MHz");

    for (int i = 0; i < kPositions; ++i) {
        const Position &q = r.positions[i];
        auto &cel = r.lignes[i];
        const double c = a - q.b;
        if (e.metres) {
            cel[0] = fixe(enMetres(q.b), 2) + QStringLiteral(" M");
            cel[1] = fixe(enMetres(c), 2) + QStringLiteral(" M");
            cel[3] = fixe(double(q.d) * 25.4, 1) + QStringLiteral(" mm");
            cel[5] = fixe(double(q.l) * 25.4, 2) + QStringLiteral(" mm");
        } else {
            cel[0] = fixe(q.b, 2) + QStringLiteral(" ft");
            cel[1] = fixe(c, 1) + QStringLiteral(" ft");
            cel[3] = fixe(q.d, 2) + QStringLiteral(" In");
            cel[5] = fixe(q.l, 2) + QStringLiteral(" In");
        }
        cel[2] = fixe(q.L, 2) + QStringLiteral(" µh");
        cel[4] = fixe(q.N, 1);
        cel[6] = fixe(q.F, 1) + QStringLiteral(" Mhz");
        cel[7] = montrer(std::floor(q.Q));
    }

    const double C = a - b;
    r.dimensionC = fixe(e.metres ? enMetres(C) : C, 2);
    r.inductance = fixe(r.Lu, 1);
    return r;
}

Entrees entrees(const Module1 &m)
{
    return {.frequence = m.Frequence_Dipole,
            .dimensionA = m.Dimension_A,
            .dimensionB = m.Dimension_B,
            .diametreFil = m.Diametre_Fil};
}

}  // namespace dipole
