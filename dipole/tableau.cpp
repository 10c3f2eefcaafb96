// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/tableau.h"

namespace solutions {

QStringList enTetes()
{
    return {QStringLiteral("N°"),   QStringLiteral("Sel."),    QStringLiteral("Sys."),
            QStringLiteral("Bande"), QStringLiteral("Frq.Mhz"), QStringLiteral("Lg.A"),
            QStringLiteral("Lg.B"), QStringLiteral("Lg.C"),    QStringLiteral("Self µH")};
}

int premiereLigneLibre(const Tableau &t)
{
    for (int r = 1; r <= Module1::kMaxSolutions; ++r)
        if (t[r][1] == kVide) return r;
    return 0;
}

std::array<QString, 8> champs(const Solution &s)
{
    return {s.dipole ? QStringLiteral("D") : QStringLiteral("Q"),
            s.metres ? QStringLiteral("M") : QStringLiteral("F"),
            sansBlanc(s.bande),
            sansBlanc(s.frequence),
            sansBlanc(s.A),
            sansBlanc(s.B),
            sansBlanc(s.C),
            sansBlanc(s.L)};
}

void effacer(Tableau &t)
{
    for (int r = 1; r <= Module1::kMaxSolutions; ++r)
        for (int c = 1; c < Module1::kColonnesSolutions; ++c) t[r][c] = kVide;
}

QString sansBlanc(const QString &champ)
{
    QString out = champ;
    for (QChar &c : out)
        if (c.isSpace() || c.category() == QChar::Other_Control) c = QChar(0x00A0);
    return out;
}

QStringList lignesFichier(const Tableau &t)
{
    QStringList lignes;
    for (int r = 1; r <= Module1::kMaxSolutions; ++r) {
        QStringList champsLigne;
        for (const QString &c : t[r]) champsLigne << sansBlanc(c);
        lignes << champsLigne.join(QLatin1Char(' '));
    }
    return lignes;
}

}  // namespace solutions
