// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/core/fichiers.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace fichiers {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 control of the same code.
const char16_t kHaut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char versOctet(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    for (int i = 0; i < 32; ++i)
        if (kHaut[i] == u) return char(0x80 + i);
    if (c.isSpace()) return char(u == 0x2028 || u == 0x2029 ? ' ' : 0xA0);
    const QString base = c.decomposition();
    if (!base.isEmpty() && base[0].unicode() < 0x100 && base[0] != c) return versOctet(base[0]);
    return '?';
}

}  // namespace

QString depuisWindows1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (unsigned char b : bytes)
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kHaut[b - 0x80] : char16_t(b));
    return out;
}

QByteArray versWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) out.append(versOctet(c));
    return out;
}

QStringList lignesDe(const QByteArray &bytes)
{
    QStringList lignes;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) text = QString::fromUtf8(bytes.mid(3));
    else text = depuisWindows1252(bytes);
    int debut = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lignes << text.mid(debut, i - debut);
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            debut = i + 1;
        }
    }
    if (debut < n) lignes << text.mid(debut);
    return lignes;
}

Lecture lireLignes(const QString &chemin)
{
    Lecture r;
    QFile f(chemin);
    if (!QFileInfo(chemin).isFile()) {
        r.erreur = QStringLiteral("fichier introuvable");
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.erreur = QStringLiteral("lecture impossible (%1)").arg(f.errorString());
        return r;
    }
    // The data files are a few kilobytes; anything this large is not one of them.
    constexpr qint64 kTailleMax = 64 * 1024 * 1024;
    if (f.size() > kTailleMax) {
        r.erreur = QStringLiteral("fichier trop volumineux");
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.erreur = QStringLiteral("lecture impossible (%1)").arg(f.errorString());
        return r;
    }
    r.lignes = lignesDe(bytes);
    r.ok = true;
    return r;
}

void decouperChamps(const QString &ligne, QString *cellules, int maxColonnes)
{
    int colonne = -1;
    int debut = 0;
    const int n = ligne.size();
    for (int i = 0; i < n; ++i) {
        if (ligne[i] == u' ') {
            ++colonne;
            if (colonne < maxColonnes) cellules[colonne] = ligne.mid(debut, i - debut);
            debut = i + 1;
        } else if (i == n - 1) {
            ++colonne;
            if (colonne < maxColonnes) cellules[colonne] = ligne.mid(debut, n - debut);
        }
        if (colonne >= maxColonnes) break;  // surplus fields are ignored
    }
}

namespace {
qint64 limiteEssai = -1;  // bytes a write may put down before it fails; the tests' seam
}  // namespace

void limiterEcriturePourEssai(qint64 octets) { limiteEssai = octets; }

bool ecrireLignes(const QString &chemin, const QStringList &lignes, QString *erreur)
{
    QByteArray bytes;
    for (const QString &l : lignes) {
        bytes += versWindows1252(l);
        bytes += "\r\n";
    }
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) {
        if (erreur) *erreur = f.errorString();
        return false;
    }
    const qint64 n = limiteEssai >= 0 ? std::min<qint64>(limiteEssai, bytes.size()) : bytes.size();
    if (f.write(bytes.constData(), n) != n || n < bytes.size()) {
        if (erreur) *erreur = n < bytes.size() ? QStringLiteral("écriture interrompue") : f.errorString();
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        if (erreur) *erreur = f.errorString();
        return false;
    }
    return true;
}

}  // namespace fichiers
