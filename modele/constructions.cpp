// SPDX-License-Identifier: GPL-3.0-or-later
// The builders: each design of the designers laid out as wires, from their own numbers.
#include "antennas/commun.h"
#include "antennas/filaire.h"
#include "dipole/calcul.h"
#include "modele/conception.h"
#include "shell/core/nombres.h"
#include "shell/core/unites.h"

#include <cmath>

namespace modele {

namespace {

using antennes::Element;

constexpr double kRayonFictif = 0.001;  // the short wires that carry a line's end, metres

bool utilisable(double f) { return std::isfinite(f) && f > 0 && f < 1e6; }

// Lays wires out for a design at F MHz.
class Plan {
public:
    Plan(Conception &c) : c_(c), lambda_(kC / c.frequence) {}

    double lambda() const { return lambda_; }
    // The usual segment length, a fortieth of a wavelength.
    double pas() const { return lambda_ / 40; }

    int fil(Point3 a, Point3 b, int segments, int element = -1, double rayon = 0)
    {
        c_.fils.push_back({a, b, segments, rayon, element});
        return int(c_.fils.size()) - 1;
    }
    // A wire segmented about 20 to the half wave, odd when something sits at its centre.
    int fil(Point3 a, Point3 b, bool impair, int element = -1, double rayon = 0)
    {
        const double l = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
        return fil(a, b, segmentsPour(l, c_.frequence, impair), element, rayon);
    }

    // A straight conductor from a to b with a one-segment wire of length `court` centred
    // `distance` metres from a: returns that wire's index (the wires before and after it are
    // added only when they have a length).
    int coupe(Point3 a, Point3 b, double distance, double court, double rayon = 0)
    {
        const double l = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
        const auto en = [&](double d) {
            const double t = d / l;
            return Point3{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
        };
        const double d1 = distance - court / 2, d2 = distance + court / 2;
        if (d1 > 1e-9) fil(a, en(d1), false, -1, rayon);
        const int milieu = fil(en(std::max(d1, 0.0)), en(std::min(d2, l)), 1, -1, rayon);
        if (l - d2 > 1e-9) fil(en(d2), b, false, -1, rayon);
        return milieu;
    }

    // A short one-segment wire away from the antenna where a line's far end is attached: the n-th
    // such wire, a tenth of a wavelength off the structure along x, at height z.
    int fictif(int n, double z)
    {
        const double x = -lambda_ / 10 - n * lambda_ / 50;
        const double d = lambda_ / 200;
        return fil({x - d, 0, z}, {x + d, 0, z}, 1, -1, kRayonFictif);
    }

    // The middle segment of a wire with an odd segment count.
    int milieu(int fil) const { return (c_.fils[size_t(fil)].segments + 1) / 2; }

    // A lossless line of `impedance` and electrical length `longueur` from the middle of wire `f`
    // to a new fictitious wire (the first), ended by the admittance `fin` (open when 0): returns
    // that wire.
    int ligne(int f, double impedance, double longueur, double fin = 0)
    {
        const int bout = fictif(0, 0);
        LigneTL t;
        t.fil1 = f;
        t.segment1 = milieu(f);
        t.fil2 = bout;
        t.segment2 = 1;
        t.impedance = impedance;
        t.longueur = longueur;
        t.admittance2Reelle = fin;
        c_.lignes.push_back(t);
        return bout;
    }

private:
    Conception &c_;
    double lambda_;
};

QString metres(double v, int n = 2) { return nombres::fixe(v, n) + QStringLiteral(" m"); }

Conception nonModelisable(const QString &titre, const QString &raison)
{
    Conception c;
    c.titre = titre;
    c.nonModelisable = raison;
    return c;
}

const QString kFrequenceInutilisable =
    QStringLiteral("La fréquence de l'antenne ne permet pas de la modéliser.");

// A horizontal half-wave-like wire along y, centred, fed at its centre: its index.
int filCentre(Plan &p, double longueur)
{
    return p.fil({0, -longueur / 2, 0}, {0, longueur / 2, 0}, true);
}

void groundPlane(Conception &c, Plan &p, double l, Sol sol)
{
    // On a perfect ground the whip stands on it, fed at its base, the ground taking the radials'
    // place. NEC-2 joins a wire to a lossy ground through an unpredictable series resistance, so on
    // average ground the whip keeps its radials on its mast (as the drawing shows), lifted to the
    // height chosen like a horizontal antenna; in free space it has its radials too.
    const bool auSol = sol == Sol::Parfait;
    c.verticale = sol != Sol::Moyen;
    const int fouet = p.fil({0, 0, 0}, {0, 0, l}, false);
    c.alimentation = {fouet, 1};
    if (auSol) {
        c.impedanceReference = 36;
        c.remarques << QStringLiteral("Sur le sol parfait, le fouet est posé au sol et alimenté à sa base : le "
                                      "sol tient lieu des trois radians.");
    } else {
        // Three radials as long as the whip, 120° from it (30° below the horizontal), 120° apart.
        const double pente = 30 * M_PI / 180;
        for (int i = 0; i < 3; ++i) {
            const double az = i * 2 * M_PI / 3;
            p.fil({0, 0, 0}, {l * std::cos(pente) * std::cos(az), l * std::cos(pente) * std::sin(az),
                              -l * std::sin(pente)},
                  false);
        }
        c.impedanceReference = 50;  // the radials at 120° give 50 ohms, as the design says
        if (sol == Sol::Moyen)
            c.remarques << QStringLiteral("Sur le sol moyen, le plan de sol garde ses trois radians, sa base à "
                                          "la hauteur choisie (NEC-2 ne sait pas relier exactement un fil à "
                                          "un sol réel).");
    }
    c.corrigee = {QStringLiteral("Longueur corrigée du fouet : %1 m"), {l}, 3};
}

}  // namespace

Conception filaire(const antennes::EntreeFilaire &e, const antennes::ResultatFilaire &r, Sol sol)
{
    using namespace antennes;
    const int type = (e.type >= 0 && e.type < kTypesFilaires) ? e.type : GroundPlane;
    Conception c;
    c.titre = titreFilaire(type);
    c.frequence = e.frequence;
    if (!utilisable(c.frequence) || !(r.longueur > 0) || !std::isfinite(r.longueur))
        return nonModelisable(c.titre, kFrequenceInutilisable);
    Plan p(c);
    const double l = r.longueur;
    c.ajustement = Ajustement::Tout;

    switch (type) {
    case GroundPlane: groundPlane(c, p, l, sol); break;
    case Dipole: {
        const int f = filCentre(p, l);
        c.alimentation = {f, p.milieu(f)};
        c.impedanceReference = 75;
        c.corrigee = {QStringLiteral("Longueur corrigée : 2 x %1 m"), {l / 2}, 3};
        break;
    }
    case Windom: {
        // Fed where the short branch (a third) meets the long one.
        const float courte = r.longueur / 3;
        const int f = p.coupe({0, -double(courte), 0}, {0, l - double(courte), 0}, courte, p.pas());
        c.alimentation = {f, 1};
        c.impedanceReference = 300;
        c.corrigee = {QStringLiteral("Branches corrigées : %1 m et %2 m"),
                      {double(courte), double(r.longueur * 2 / 3)}, 3};
        break;
    }
    case G5rv: {
        const double vf = e.facteurVelocite;
        if (!(vf > 0 && vf <= 1))
            return nonModelisable(c.titre, QStringLiteral("Le facteur de vélocité de la ligne doit être "
                                                          "compris entre 0 et 1 pour modéliser la G5RV."));
        double z0 = impedanceDuCable(e.cable);
        if (!(z0 > 0)) {
            z0 = 300;
            c.remarques << QStringLiteral("L'impédance de la ligne n'est pas lisible dans son nom : ligne "
                                          "de 300 Ohms.");
        }
        const int bas = p.ligne(filCentre(p, l), z0, double(r.longueurLigne) / vf);  // electrical length
        c.alimentation = {bas, 1};
        c.impedanceReference = 75;
        c.remarques << QStringLiteral("La ligne d'adaptation (%1 Ohms, %2, FV %3) est modélisée sans pertes ; "
                                      "l'impédance est celle vue à son extrémité basse.")
                           .arg(nombres::fixe(z0, 0), metres(r.longueurLigne), nombres::fixe(vf, 2));
        c.corrigee = {QStringLiteral("Longueur corrigée : 2 x %1 m, ligne de %2 m"),
                      {l / 2, double(r.longueurLigne)}, 3};
        break;
    }
    case T2fd: {
        // A folded dipole 2 x B long, its two conductors wire A apart, the load in the middle of
        // the upper one.
        const double a = r.filA, b = r.filB;
        if (!(a > 0) || !(b > 0)) return nonModelisable(c.titre, kFrequenceInutilisable);
        const int bas = p.fil({0, -b, 0}, {0, b, 0}, true);
        const int droite = p.fil({0, b, 0}, {0, b, a}, false);
        const int haut = p.fil({0, b, a}, {0, -b, a}, c.fils[size_t(bas)].segments, -1);
        p.fil({0, -b, a}, {0, -b, 0}, c.fils[size_t(droite)].segments, -1);
        c.alimentation = {bas, p.milieu(bas)};
        c.charges.push_back({haut, p.milieu(haut), 390, 0, 0, false});
        c.impedanceReference = 300;
        c.remarques << QStringLiteral("Modèle à plat, sans inclinaison : conducteurs écartés du fil A (%1), "
                                      "charge terminale de 390 Ohms au milieu du conducteur opposé à "
                                      "l'alimentation.")
                           .arg(metres(a));
        c.corrigee = {QStringLiteral("Fil B corrigé : %1 m, fil A : %2 m"), {b, a}, 3};
        break;
    }
    case DemiOnde: {
        // Fed at one end against a short counterpoise in line with the wire.
        const double contrepoids = 0.05 * kC / c.frequence;
        const int f = p.coupe({0, -contrepoids, 0}, {0, l, 0}, contrepoids, p.pas());
        c.alimentation = {f, 1};
        c.impedanceReference = 450;
        c.remarques << QStringLiteral("Transformateur non modélisé : le fil est alimenté à son extrémité "
                                      "contre un contrepoids de %1 (0,05 λ) dans son prolongement.")
                           .arg(metres(contrepoids));
        c.corrigee = {QStringLiteral("Longueur corrigée : %1 m"), {l}, 3};
        break;
    }
    case Loop: {
        // A horizontal square fed at the middle of one side.
        const double s = l / 4;
        const int f = p.fil({-s / 2, -s / 2, 0}, {-s / 2, s / 2, 0}, true);
        const int n = c.fils[size_t(f)].segments;
        p.fil({-s / 2, s / 2, 0}, {s / 2, s / 2, 0}, n);
        p.fil({s / 2, s / 2, 0}, {s / 2, -s / 2, 0}, n);
        p.fil({s / 2, -s / 2, 0}, {-s / 2, -s / 2, 0}, n);
        c.alimentation = {f, p.milieu(f)};
        c.impedanceReference = 300;
        c.remarques << QStringLiteral("Boucle carrée horizontale de 4 x %1, alimentée au milieu d'un côté.")
                           .arg(metres(s));
        c.corrigee = {QStringLiteral("Longueur corrigée : %1 m"), {l}, 3};
        break;
    }
    case Bazooka: {
        const double vf = e.facteurVelocite;
        if (!(vf > 0 && vf <= 1))
            return nonModelisable(c.titre, QStringLiteral("Le facteur de vélocité du câble doit être "
                                                          "compris entre 0 et 1 pour modéliser la double "
                                                          "bazooka."));
        double z0 = impedanceDuCable(e.cable);
        if (!(z0 > 0)) {
            z0 = 50;
            c.remarques << QStringLiteral("L'impédance du câble n'est pas lisible dans son nom : câble de "
                                          "50 Ohms.");
        }
        const double lignes = r.longueurLignesCoaxiales;
        const int f = filCentre(p, l);
        // Seen from the gap, the two coaxial halves are two shorted stubs in series (through the
        // inner conductor), across the feed point: one shorted line of twice the cable's impedance.
        p.ligne(f, 2 * z0, lignes / 2 / vf, LigneTL::kCourtCircuit);  // each half, electrical length
        c.alimentation = {f, p.milieu(f)};
        c.impedanceReference = 75;
        c.remarques << QStringLiteral("Les deux demi-lignes coaxiales (2 x %1, FV %2) sont modélisées par "
                                      "une ligne court-circuitée de %3 Ohms en parallèle sur "
                                      "l'alimentation.")
                           .arg(metres(lignes / 2), nombres::fixe(vf, 2), nombres::fixe(2 * z0, 0));
        c.corrigee = {QStringLiteral("Longueur corrigée : %1 m, lignes coaxiales de %2 m"),
                      {l, lignes}, 3};
        break;
    }
    }
    return c;
}

Conception quad(const antennes::EntreeModele &e, const antennes::ResultatModele &r)
{
    Conception c;
    c.titre = r.lignes[0];
    c.frequence = e.frequence;
    const bool delta = e.modele >= 4;
    if (!utilisable(c.frequence) || r.elements.empty()) return nonModelisable(c.titre, kFrequenceInutilisable);
    Plan p(c);

    double origine = 0;  // the radiator at x = 0
    for (const Element &el : r.elements)
        if (el.role == Element::Radiateur) origine = el.position;

    for (size_t i = 0; i < r.elements.size(); ++i) {
        const Element &el = r.elements[i];
        const double x = el.position - origine;
        const int n = int(i);
        int bas = 0;
        if (delta) {
            const double s = el.longueur / 3, h = s * std::sqrt(3.0) / 2;
            bas = p.fil({x, -s / 2, -h / 2}, {x, s / 2, -h / 2}, true, n);
            const int k = c.fils[size_t(bas)].segments;
            p.fil({x, s / 2, -h / 2}, {x, 0, h / 2}, k, n);
            p.fil({x, 0, h / 2}, {x, -s / 2, -h / 2}, k, n);
        } else {
            const double s = el.longueur / 4;
            bas = p.fil({x, -s / 2, -s / 2}, {x, s / 2, -s / 2}, true, n);
            const int k = c.fils[size_t(bas)].segments;
            p.fil({x, s / 2, -s / 2}, {x, s / 2, s / 2}, k, n);
            p.fil({x, s / 2, s / 2}, {x, -s / 2, s / 2}, k, n);
            p.fil({x, -s / 2, s / 2}, {x, -s / 2, -s / 2}, k, n);
        }
        if (el.role == Element::Radiateur) {
            c.alimentation = {bas, p.milieu(bas)};
            c.elementAjuste = n;
            c.corrigee = {QStringLiteral("Circonférence corrigée du radiateur : %1 m"), {el.longueur}, 3};
        }
    }
    c.directionnelle = r.elements.size() > 1;
    c.ajustement = c.directionnelle ? Ajustement::ElementAlimente : Ajustement::Tout;
    c.impedanceReference = 50;
    c.remarques << (delta ? QStringLiteral("Gamma-match non modélisé : le radiateur est alimenté au milieu de "
                                           "sa base.")
                          : QStringLiteral("Ligne d'adaptation non modélisée : le radiateur est alimenté au "
                                           "milieu de son côté inférieur."));
    if (c.directionnelle)
        c.remarques << QStringLiteral("Le boom est à la hauteur choisie, au centre des boucles.");
    return c;
}

Conception yagi(const antennes::EntreeModele &e, const antennes::ResultatModele &r)
{
    Conception c;
    c.titre = r.lignes[0];
    c.frequence = e.frequence;
    if (!utilisable(c.frequence) || r.elements.empty()) return nonModelisable(c.titre, kFrequenceInutilisable);
    Plan p(c);
    double origine = 0;
    for (const Element &el : r.elements)
        if (el.role == Element::Radiateur) origine = el.position;
    for (size_t i = 0; i < r.elements.size(); ++i) {
        const Element &el = r.elements[i];
        const double x = el.position - origine, l = el.longueur;
        const int f = p.fil({x, -l / 2, 0}, {x, l / 2, 0}, true, int(i));
        if (el.role == Element::Radiateur) {
            c.alimentation = {f, p.milieu(f)};
            c.elementAjuste = int(i);
            c.corrigee = {QStringLiteral("Longueur corrigée du radiateur : %1 m"), {l}, 3};
        }
    }
    c.directionnelle = r.elements.size() > 1;
    c.ajustement = Ajustement::ElementAlimente;
    c.impedanceReference = 50;
    if (e.modele == 2)
        c.remarques << QStringLiteral("Radiateur replié non modélisé : le radiateur est un brin simple "
                                      "alimenté en son centre.");
    c.remarques << QStringLiteral("Tous les éléments ont le diamètre choisi ; la ligne d'adaptation n'est "
                                  "pas modélisée.");
    return c;
}

Conception dipoleRaccourci(const dipole::Entrees &e, const dipole::Resultat &r, Sol sol)
{
    Conception c;
    c.titre = e.dipole ? QStringLiteral("Dipôle raccourci") : QStringLiteral("Quart d'onde raccourci");
    c.frequence = e.frequence;
    if (r.issue != dipole::Issue::Calcule)
        return nonModelisable(c.titre, QStringLiteral("Le dipôle raccourci n'est pas calculé : il n'y a "
                                                      "rien à modéliser."));
    if (!utilisable(c.frequence)) return nonModelisable(c.titre, kFrequenceInutilisable);
    Plan p(c);

    const double bras = unites::piedsEnMetres(r.a);   // an arm, or the quarter-wave radiator
    const double b = unites::piedsEnMetres(r.b);      // feed point to coil
    const double rayon = double(r.D) * 0.0254 / 2;    // the design's own wire
    const double L = r.Lu * 1e-6;
    const double omega = 2 * M_PI * c.frequence * 1e6;
    const double q = r.bobine.Q;
    const double R = q > 0 ? omega * L / double(q) : 0;
    if (!(bras > 0) || !(b >= 0) || !(b < bras) || !(L > 0) || !(rayon > 0))
        return nonModelisable(c.titre, QStringLiteral("Les dimensions du dipôle raccourci ne permettent "
                                                      "pas de le modéliser."));
    if (q > 0)
        c.remarques << QStringLiteral("Self de %1 µH, Q de %2 : résistance de pertes de %3 Ohms.")
                           .arg(nombres::fixe(r.Lu, 2), nombres::fixe(q, 0), nombres::fixe(R, 2));
    else
        c.remarques << QStringLiteral("Le Q de la self n'est pas connu : elle est modélisée sans pertes.");

    const bool monopole = !e.dipole && sol != Sol::EspaceLibre;
    c.verticale = !e.dipole;
    c.ajustement = Ajustement::Inductance;
    c.corrigee = {QStringLiteral("Inductance corrigée : %1 µH"), {r.Lu}, 2};
    c.impedanceReference = 50;

    // The coil takes a one-segment wire of length d centred b from the feed point, no shorter
    // than four radii (a coil nearer the feed point than that sits on the feed segment).
    double d = std::max(std::min(p.pas(), b > 0 ? b : p.pas()), 4 * rayon);
    d = std::min(d, bras - b);
    const Charge bobine{0, 1, R, L, 0, true};
    const auto charger = [&](int fil, int segment, double nombre) {
        Charge k = bobine;
        k.fil = fil;
        k.segment = segment;
        k.resistance *= nombre;
        k.inductance *= nombre;
        c.charges.push_back(k);
    };

    if (monopole) {
        // Base on the ground, fed at the bottom segment, the coil b up the radiator.
        if (sol == Sol::Moyen)
            c.remarques << QStringLiteral("Sur le sol moyen, NEC-2 relie le pied du fouet au sol par une "
                                          "résistance mal connue : l'impédance et la résonance sont "
                                          "indicatives.");
        if (b < d / 2 + 1e-9) {
            const int f = p.fil({0, 0, 0}, {0, 0, bras}, false, -1, rayon);
            c.alimentation = {f, 1};
            charger(f, 1, 1);
        } else {
            const int base = p.fil({0, 0, 0}, {0, 0, b - d / 2}, false, -1, rayon);
            const int k = p.fil({0, 0, b - d / 2}, {0, 0, b + d / 2}, 1, -1, rayon);
            p.fil({0, 0, b + d / 2}, {0, 0, bras}, false, -1, rayon);
            c.alimentation = {base, 1};
            charger(k, 1, 1);
        }
        return c;
    }

    // A dipole along y (vertical, along z, for the quarter wave's equivalent in free space).
    const auto point = [&](double t) { return e.dipole ? Point3{0, t, 0} : Point3{0, 0, t}; };
    if (!e.dipole)
        c.remarques << QStringLiteral("En espace libre, le quart d'onde est modélisé par son dipôle "
                                      "équivalent, deux fois plus long, avec deux selfs.");
    if (b < d / 2 + 1e-9) {
        // Both coils at the feed point: one feed segment carrying both.
        const int f = p.fil(point(-d / 2), point(d / 2), 1, -1, rayon);
        p.fil(point(d / 2), point(bras), false, -1, rayon);
        p.fil(point(-bras), point(-d / 2), false, -1, rayon);
        c.alimentation = {f, 1};
        charger(f, 1, 2);
        return c;
    }
    const int centre = p.fil(point(-(b - d / 2)), point(b - d / 2), true, -1, rayon);
    const int k1 = p.fil(point(b - d / 2), point(b + d / 2), 1, -1, rayon);
    p.fil(point(b + d / 2), point(bras), false, -1, rayon);
    const int k2 = p.fil(point(-(b + d / 2)), point(-(b - d / 2)), 1, -1, rayon);
    p.fil(point(-bras), point(-(b + d / 2)), false, -1, rayon);
    c.alimentation = {centre, p.milieu(centre)};
    charger(k1, 1, 1);
    charger(k2, 1, 1);
    return c;
}

}  // namespace modele
