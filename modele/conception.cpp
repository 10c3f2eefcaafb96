// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/conception.h"

#include "shell/core/nombres.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace modele {

namespace {

bool fini(double x) { return std::isfinite(x); }
bool fini(const Point3 &p) { return fini(p.x) && fini(p.y) && fini(p.z); }

Point3 moins(const Point3 &a, const Point3 &b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double scalaire(const Point3 &a, const Point3 &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double norme(const Point3 &a) { return std::sqrt(scalaire(a, a)); }
Point3 fois(const Point3 &a, double k) { return {a.x * k, a.y * k, a.z * k}; }
Point3 plus(const Point3 &a, const Point3 &b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

double longueur(const Fil &f) { return norme(moins(f.fin, f.debut)); }

// The radius a wire is modelled with.
double rayonDe(const Fil &f, const Environnement &env) { return f.rayon > 0 ? f.rayon : env.diametre / 2000; }

// The spacing of two parallel wires lying side by side (their spans along the common direction
// overlapping), or -1 when they are not parallel, collinear or not side by side.
double ecartParallele(const Fil &a, const Fil &b)
{
    const double la = longueur(a), lb = longueur(b);
    if (!(la > 0) || !(lb > 0)) return -1;
    const Point3 u = fois(moins(a.fin, a.debut), 1 / la);
    const Point3 v = fois(moins(b.fin, b.debut), 1 / lb);
    const double c = scalaire(u, v);
    if (std::abs(std::abs(c) - 1) > 1e-9) return -1;
    const Point3 w = moins(b.debut, a.debut);
    const double t1 = scalaire(w, u);
    const double t2 = scalaire(moins(b.fin, a.debut), u);
    const double d = norme(moins(w, fois(u, t1)));
    if (d < 1e-9 * std::max(la, lb)) return -1;
    const double bas = std::max(std::min(t1, t2), 0.0);
    const double haut = std::min(std::max(t1, t2), la);
    return haut - bas > 1e-9 * la ? d : -1;
}

QString mm(double metres) { return nombres::fixe(metres * 1000, 1) + QStringLiteral(" mm"); }

}  // namespace

int segmentsPour(double longueur, double frequence, bool impair)
{
    const double pas = kC / frequence / 40;
    double n = std::round(longueur / pas);
    if (!(n >= 1)) n = 1;
    if (n > 199) n = 199;
    int segments = int(n);
    if (impair && segments % 2 == 0) ++segments;
    return segments;
}

double impedanceDuCable(const QString &cable)
{
    static const QRegularExpression motif(QStringLiteral("(\\d+(?:[.,]\\d+)?)\\s*(?:R|ohms?|Ω)(?![a-z])"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = motif.match(cable);
    if (!m.hasMatch()) return 0;
    QString nombre = m.captured(1);
    nombre.replace(QLatin1Char(','), QLatin1Char('.'));
    const double z = nombres::lireNombre(nombre);
    return z > 0 && fini(z) ? z : 0;
}

Conception echelle(const Conception &c, double facteur)
{
    Conception r = c;
    r.facteur = c.facteur * facteur;
    switch (c.ajustement) {
    case Ajustement::Tout:
        for (Fil &f : r.fils) {
            f.debut = fois(f.debut, facteur);
            f.fin = fois(f.fin, facteur);
        }
        for (LigneTL &l : r.lignes) l.longueur *= facteur;
        break;
    case Ajustement::ElementAlimente: {
        Point3 centre;
        int n = 0;
        for (const Fil &f : c.fils)
            if (f.element == c.elementAjuste) {
                centre = plus(centre, plus(f.debut, f.fin));
                n += 2;
            }
        if (n == 0) break;
        centre = fois(centre, 1.0 / n);
        for (Fil &f : r.fils)
            if (f.element == c.elementAjuste) {
                f.debut = plus(centre, fois(moins(f.debut, centre), facteur));
                f.fin = plus(centre, fois(moins(f.fin, centre), facteur));
            }
        break;
    }
    case Ajustement::Inductance:
        for (Charge &k : r.charges)
            if (k.bobine) {
                k.inductance *= facteur;
                k.resistance *= facteur;  // R = ωL / Q: the same coil, more or fewer turns
            }
        break;
    }
    return r;
}

QString ligneCorrigee(const Conception &c)
{
    QString t = c.corrigee.modele;
    for (double v : c.corrigee.valeurs) t = t.arg(nombres::fixe(v * c.facteur, c.corrigee.decimales));
    return t;
}

QString levy()
{
    return QStringLiteral("L'antenne Levy n'est pas modélisée : le programme ne calcule que sa ligne "
                          "d'alimentation, l'antenne elle-même n'a pas de dimensions à modéliser.");
}

QString refus(const Conception &c, const Environnement &env)
{
    if (!c.nonModelisable.isEmpty()) return c.nonModelisable;
    if (c.fils.empty()) return QStringLiteral("Cette antenne n'a rien à modéliser.");

    bool finis = fini(env.hauteur) && fini(env.diametre) && fini(c.frequence) && c.frequence > 0 &&
                 fini(c.impedanceReference) && c.impedanceReference > 0 && fini(c.facteur);
    for (const Fil &f : c.fils) finis = finis && fini(f.debut) && fini(f.fin) && fini(f.rayon);
    for (const Charge &k : c.charges)
        finis = finis && fini(k.resistance) && fini(k.inductance) && fini(k.capacite);
    for (const LigneTL &l : c.lignes)
        finis = finis && fini(l.impedance) && fini(l.longueur) && fini(l.admittance1Reelle) &&
                fini(l.admittance1Imaginaire) && fini(l.admittance2Reelle) && fini(l.admittance2Imaginaire);
    if (!finis)
        return QStringLiteral("Les valeurs de l'antenne ou de son environnement ne sont pas des nombres "
                              "utilisables : le modèle ne peut pas être calculé.");

    if (!(env.diametre > 0)) return QStringLiteral("Le diamètre des fils doit être supérieur à 0 mm.");

    const bool auSol = env.sol != Sol::EspaceLibre;
    if (auSol && !c.verticale && !(env.hauteur > 0))
        return QStringLiteral("La hauteur de l'antenne au-dessus du sol doit être supérieure à 0 m.");

    double zMin = std::numeric_limits<double>::infinity();
    for (const Fil &f : c.fils) zMin = std::min({zMin, f.debut.z, f.fin.z});
    if (auSol) {
        const double bas = c.verticale ? zMin : zMin + env.hauteur;
        if (bas < -1e-9 || (!c.verticale && bas <= 0))
            return QStringLiteral("À %1 m de hauteur, l'antenne toucherait le sol : sa hauteur doit "
                                  "dépasser %2 m.")
                .arg(nombres::fixe(env.hauteur, 2), nombres::fixe(env.hauteur - bas, 2));
    }

    // The smallest spacing between parallel wires lying side by side, against their diameter.
    double ecart = std::numeric_limits<double>::infinity();
    double diametre = 0;
    for (size_t i = 0; i < c.fils.size(); ++i)
        for (size_t j = i + 1; j < c.fils.size(); ++j) {
            const double d = ecartParallele(c.fils[i], c.fils[j]);
            if (d < 0) continue;
            const double di = rayonDe(c.fils[i], env) + rayonDe(c.fils[j], env);
            if (di >= d && d < ecart) {
                ecart = d;
                diametre = di;
            }
        }
    if (fini(ecart))
        return QStringLiteral("Le diamètre des fils (%1) atteint l'écart entre deux fils parallèles de "
                              "l'antenne (%2) : choisissez un diamètre plus petit.")
            .arg(mm(diametre), mm(ecart));

    for (const Fil &f : c.fils) {
        const double l = longueur(f);
        if (!(l > 0) || f.segments < 1)
            return QStringLiteral("Un fil du modèle n'a pas de longueur : le modèle ne peut pas être calculé.");
        const double pas = l / f.segments;
        if (pas < 2 * rayonDe(f, env))
            return QStringLiteral("Des fils de %1 de diamètre sont trop gros pour ce modèle, dont les "
                                  "segments mesurent %2 : choisissez un diamètre plus petit.")
                .arg(mm(2 * rayonDe(f, env)), mm(pas));
    }

    return QString();
}

}  // namespace modele
