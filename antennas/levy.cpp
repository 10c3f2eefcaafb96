// SPDX-License-Identifier: GPL-3.0-or-later
#include "antennas/levy.h"

#include "antennas/commun.h"
#include "shell/core/constantes.h"
#include "shell/core/nombres.h"
#include "shell/core/unites.h"

#include <cmath>

using constantes::kSautLigne;

namespace antennes {

namespace {

// Line lengths are listed from 0 to this many feet, exclusive.
constexpr double kLimitePieds = 150;

// Preset lengths in feet x MHz, by length choice.
constexpr float kPresets[kChoixLevy] = {0, 1404, 1198, 468, 312, 234};
constexpr double kFacteursLignes[kLignesLevy] = {0.82, 0.905, 0.93, 0.97};

// Brings the reduced length into [0.5, 1.5) by whole wavelengths, as repeated steps of one would,
// without looping a very long time on a huge length.
double reduire(double x)
{
    if (x < 0.5) x += 1;
    if (x >= 1.5) x -= std::floor(x - 0.5);
    while (x >= 1.5) x -= 1;  // the subtraction above is exact below 2^52; this only tidies
    if (x < 0.5) x = 1;       // a length so large that no fraction of it is left
    return x;
}

}  // namespace

float piedsEnMetres(float pieds) { return float(unites::piedsEnMetres(pieds)); }

float metresEnPieds(float metres) { return float(unites::metresEnPieds(metres)); }

double facteurLigneLevy(int ligne)
{
    return kFacteursLignes[(ligne >= 0 && ligne < kLignesLevy) ? ligne : 0];
}

ResultatLevy calculerLevy(const EntreeLevy &e)
{
    ResultatLevy r;
    const float f = e.frequence;
    r.texteFrequence = nombres::fixe(f, 3) + QStringLiteral(" mhz");

    r.longueur = e.longueur;
    if (e.choix > 0 && e.choix < kChoixLevy) {
        const float p = kPresets[e.choix] / f;
        r.longueur = e.metres ? piedsEnMetres(p) : p;
    }
    const double vf = facteurLigneLevy(e.ligne);

    double lft;
    if (e.metres) {
        lft = unites::metresEnPieds(r.longueur);
        r.texteLongueur = nombres::fixe(r.longueur, 2) + QStringLiteral(" m");
    } else {
        lft = r.longueur;
        r.texteLongueur = nombres::fixe(r.longueur, 2) + QStringLiteral(" ft");
    }

    const float minimum = 234 / f;
    if (minimum > lft) {
        r.tropCourt = true;
        r.texte = QStringLiteral("Attention! La longueur du dipôle est trop courte pour cette fréquence.")
                + kSautLigne + QStringLiteral("Elle doit être plus grande que ") + nombres::fixe(minimum, 2)
                + QStringLiteral(" Feet ou ") + nombres::fixe(unites::piedsEnMetres(minimum), 2) + QStringLiteral(" m");
        return r;
    }

    const double w = 984 * vf;
    const float ondeDipole = 936 / f;
    r.x = reduire(lft / double(ondeDipole));
    r.y = 0.25 - std::tan(2.5 * (r.x - 1)) / 12.02;

    const double ondeLigne = w / f;
    for (int i = 0; i < 8; ++i) {
        r.optimales[i] = i == 0 ? r.y * ondeLigne : r.optimales[0] + i * ((w / 2) / f);
        r.aEviter[i] = r.optimales[i] + ondeLigne / 4;
    }

    const auto liste = [&](const std::array<double, 8> &longueurs) {
        QString t;
        for (double c : longueurs) {
            if (!(c > 0 && c < kLimitePieds)) continue;
            t += e.metres ? nombres::fixe(unites::piedsEnMetres(c), 2) + QStringLiteral(" m")
                          : nombres::fixe(c, 2) + QStringLiteral(" ft");
            t += kSautLigne;
        }
        return t;
    };
    r.texte = (e.metres ? QStringLiteral(" Longueur optimale de la ligne bifilaire pour un courant "
                                         "maximum (ventre de courant en H)")
                        : QStringLiteral("Longueur optimales de la ligne bifilaire pour un courant "
                                         "maximum (ventre de courant en H)"))
            + kSautLigne + liste(r.optimales) + tirets(kTiretsYagi) + kSautLigne
            + QStringLiteral("longueurs de la ligne bifilaire à éviter pour un courant minimum "
                             "(ventre de tension en H)")
            + kSautLigne + liste(r.aEviter);
    return r;
}

}  // namespace antennes
