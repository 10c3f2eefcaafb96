// SPDX-License-Identifier: GPL-3.0-or-later
#include "modele/sortie.h"

#include <charconv>
#include <algorithm>
#include <cmath>

namespace modele {

namespace {

// The blank-separated fields of a line.
std::vector<QByteArrayView> champs(QByteArrayView ligne)
{
    std::vector<QByteArrayView> c;
    qsizetype i = 0;
    const qsizetype n = ligne.size();
    while (i < n) {
        while (i < n && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
        const qsizetype debut = i;
        while (i < n && ligne[i] != ' ' && ligne[i] != '\t') ++i;
        if (i > debut) c.push_back(ligne.sliced(debut, i - debut));
    }
    return c;
}

// A whole field read as a finite number.
bool nombre(QByteArrayView t, double &x)
{
    if (t.isEmpty()) return false;
    const char *debut = t.data();
    const char *fin = debut + t.size();
    if (*debut == '+') ++debut;
    const auto r = std::from_chars(debut, fin, x);
    return r.ec == std::errc() && r.ptr == fin && std::isfinite(x);
}

// The first `n` fields of the line, all numbers; false when there are fewer or one is not.
bool nombres(QByteArrayView ligne, size_t n, std::vector<double> &x)
{
    const std::vector<QByteArrayView> c = champs(ligne);
    if (c.size() < n) return false;
    x.assign(n, 0);
    for (size_t i = 0; i < n; ++i)
        if (!nombre(c[i], x[i])) return false;
    return true;
}

// The number that follows `repere` and an optional ':' or '=' on the line.
bool apres(QByteArrayView ligne, QByteArrayView repere, double &x)
{
    const qsizetype p = ligne.indexOf(repere);
    if (p < 0) return false;
    QByteArrayView reste = ligne.sliced(p + repere.size()).trimmed();
    if (reste.startsWith(':') || reste.startsWith('=')) reste = reste.sliced(1).trimmed();
    const std::vector<QByteArrayView> c = champs(reste);
    return !c.empty() && nombre(c[0], x);
}

bool vide(QByteArrayView ligne) { return ligne.trimmed().isEmpty(); }

}  // namespace

Sortie lireSortie(const QByteArray &texte)
{
    Sortie s;
    if (texte.trimmed().isEmpty()) {
        s.erreur = QStringLiteral("La sortie du moteur NEC-2 est vide.");
        return s;
    }
    std::vector<QByteArrayView> lignes;
    for (qsizetype debut = 0; debut < texte.size();) {
        qsizetype fin = texte.indexOf('\n', debut);
        if (fin < 0) fin = texte.size();
        QByteArrayView l(texte.constData() + debut, fin - debut);
        if (l.endsWith('\r')) l.chop(1);
        lignes.push_back(l);
        debut = fin + 1;
    }

    std::vector<double> x;
    BlocFrequence *bloc = nullptr;
    for (size_t i = 0; i < lignes.size(); ++i) {
        const QByteArrayView l = lignes[i];
        double v = 0;
        if (l.contains("FREQUENCY") && !l.contains("----")) {
            if (apres(l, "FREQUENCY", v)) {
                s.frequences.push_back({});
                bloc = &s.frequences.back();
                bloc->frequence = v;
            }
            continue;
        }
        if (!bloc) continue;
        if (l.contains("ANTENNA INPUT PARAMETERS")) {
            // Two header lines, then one line per source: the first source is the feed.
            for (size_t j = i + 1; j < lignes.size() && j <= i + 4; ++j)
                if (nombres(lignes[j], 8, x)) {
                    bloc->r = x[6];
                    bloc->x = x[7];
                    bloc->impedanceLue = true;
                    i = j;
                    break;
                }
            continue;
        }
        if (l.contains("EFFICIENCY")) {
            if (apres(l, "EFFICIENCY", v)) bloc->rendement = v;
            continue;
        }
        if (l.contains("RADIATION PATTERNS")) {
            // Header lines, then one line per direction up to the first line that is not one.
            size_t j = i + 1;
            while (j < lignes.size() && j <= i + 8 && !nombres(lignes[j], 5, x)) ++j;
            for (; j < lignes.size() && nombres(lignes[j], 5, x); ++j)
                bloc->diagramme.push_back({x[0], x[1], x[4]});
            i = j > i ? j - 1 : i;
            continue;
        }
    }

    bool impedance = false;
    for (const BlocFrequence &b : s.frequences) impedance = impedance || b.impedanceLue;
    if (!impedance) {
        // nec2c ends an output it gave up on with its reason: show it when it is plain text.
        QString raison;
        for (auto l = lignes.rbegin(); l != lignes.rend() && raison.isEmpty(); ++l)
            if (!vide(*l)) raison = QString::fromLatin1(l->trimmed().first(std::min<qsizetype>(l->trimmed().size(), 120)));
        bool lisible = !raison.isEmpty();
        for (const QChar ch : raison) lisible = lisible && ch.unicode() >= 0x20 && ch.unicode() < 0x7f;
        s.erreur = QStringLiteral("La sortie du moteur NEC-2 ne contient aucune impédance d'antenne");
        s.erreur += lisible && raison.contains(QLatin1String("ERROR"), Qt::CaseInsensitive)
                        ? QStringLiteral(" : ") + raison
                        : QStringLiteral(".");
        s.frequences.clear();
    }
    return s;
}

}  // namespace modele
