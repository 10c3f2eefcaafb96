// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/carte.h"

#include <charconv>
#include <cmath>

namespace modele {

namespace {

QByteArray entier(long long n)
{
    char tampon[24];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, n);
    return QByteArray(tampon, int(r.ptr - tampon));
}

// The title in plain ASCII: accents dropped, anything else out of range turned into a blank.
QByteArray ascii(const QString &texte)
{
    QByteArray a;
    for (const QChar ch : texte.normalized(QString::NormalizationForm_D)) {
        const char16_t u = ch.unicode();
        if (u >= 0x20 && u < 0x7f) a += char(u);
        else if (!ch.isMark()) a += ' ';
    }
    return a.simplified().left(70);
}

class Carte {
public:
    Carte &operator<<(const char *t) { texte_ += t; return *this; }
    Carte &operator<<(const QByteArray &t) { texte_ += t; return *this; }
    // A card: its name and fields separated by blanks.
    template <typename... T> void carte(const char *nom, T... champs)
    {
        texte_ += nom;
        ((texte_ += ' ', texte_ += champ(champs)), ...);
        texte_ += '\n';
    }
    QByteArray texte() const { return texte_; }

private:
    static QByteArray champ(int n) { return entier(n); }
    static QByteArray champ(double x) { return nombreC(x); }
    QByteArray texte_;
};

}  // namespace

QByteArray nombreC(double x)
{
    if (x == 0) return QByteArrayLiteral("0");  // also -0
    char tampon[40];
    // The shortest form that reads back as x, unless that takes more than 9 significant digits:
    // then 8 (nec2c reads at most 132 columns a card).
    auto r = std::to_chars(tampon, tampon + sizeof tampon, x);
    QByteArray t(tampon, int(r.ptr - tampon));
    int chiffres = 0;
    for (char ch : t) {
        if (ch == 'e') break;
        if (ch >= '0' && ch <= '9') ++chiffres;
    }
    if (chiffres > 9 || t.size() > 14) {
        r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, 8);
        t = QByteArray(tampon, int(r.ptr - tampon));
    }
    return t;
}

QByteArray carte(const Conception &c, const Environnement &env)
{
    return carte(c, env, c.frequence * (1 - kEtendueBalayage), c.frequence * (1 + kEtendueBalayage));
}

QByteArray carte(const Conception &c, const Environnement &env, double fmin, double fmax, int points,
                 double pas)
{
    if (!(pas >= 1 && pas <= 90)) pas = kPasDiagramme;
    Carte k;
    const bool auSol = env.sol != Sol::EspaceLibre;
    const double dz = auSol && !c.verticale ? env.hauteur : 0;

    k << "CM " << ascii(c.titre) << "\n";
    k << "CM Orvalis, F = " << nombreC(c.frequence) << " MHz, "
      << (env.sol == Sol::EspaceLibre ? "free space"
          : env.sol == Sol::Moyen     ? "average ground"
                                      : "perfect ground")
      << "\n";
    k << "CE\n";
    for (size_t i = 0; i < c.fils.size(); ++i) {
        const Fil &f = c.fils[i];
        const double rayon = f.rayon > 0 ? f.rayon : env.diametre / 2000;
        k.carte("GW", int(i + 1), f.segments, f.debut.x, f.debut.y, f.debut.z + dz, f.fin.x, f.fin.y,
                f.fin.z + dz, rayon);
    }
    k.carte("GE", auSol ? 1 : 0);
    k.carte("PT", -1, 0, 0, 0);
    if (env.sol == Sol::Parfait) k.carte("GN", 1);
    if (env.sol == Sol::Moyen) k.carte("GN", 2, 0, 0, 0, kPermittiviteSolMoyen, kConductiviteSolMoyen);
    k.carte("LD", 5, 0, 0, 0, kConductiviteCuivre);
    for (const Charge &l : c.charges)
        k.carte("LD", 0, l.fil + 1, l.segment, l.segment, l.resistance, l.inductance, l.capacite);
    for (const LigneTL &t : c.lignes)
        k.carte("TL", t.fil1 + 1, t.segment1, t.fil2 + 1, t.segment2, t.impedance, t.longueur,
                t.admittance1Reelle, t.admittance1Imaginaire, t.admittance2Reelle, t.admittance2Imaginaire);
    k.carte("EX", 0, c.alimentation.fil + 1, c.alimentation.segment, 0, 1.0, 0.0);
    const int n = points < 1 ? 1 : points;
    const double pasFrequence = n > 1 ? (fmax - fmin) / (n - 1) : 0;
    k.carte("FR", 0, n, 0, 0, fmin, pasFrequence);
    k << "XQ\n";
    k.carte("FR", 0, 1, 0, 0, c.frequence, 0.0);
    const int thetas = int(std::lround((auSol ? 90 : 180) / pas)) + 1;
    const int phis = int(std::lround(360 / pas));
    k.carte("RP", 0, thetas, phis, 1000, 0.0, 0.0, pas, pas);
    k << "EN\n";
    return k.texte();
}

}  // namespace modele
