// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/gif.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <algorithm>
#include <gif_lib.h>
#include <vector>

namespace dessin {

namespace {

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    // Weighted as the eye sees differences of green most.
    return 3 * r * r + 4 * g * g + 2 * bl * bl;
}

QRgb melange(const QColor &c, const QColor &fond, double t)
{
    auto m = [t](int x, int y) { return int(x * t + y * (1 - t) + 0.5); };
    return qRgb(m(c.red(), fond.red()), m(c.green(), fond.green()), m(c.blue(), fond.blue()));
}

}  // namespace

QImage enPalette(const QImage &source, const QList<QColor> &couleurs, const QColor &fond)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> effectifs;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++effectifs[ligne[x] | 0xff000000u];
    }

    QList<QRgb> table;
    if (effectifs.size() <= 256) {
        table = effectifs.keys();
        std::sort(table.begin(), table.end());
    } else {
        table << fond.rgb();
        for (const QColor &c : couleurs)
            for (int k = 1; k <= 15; ++k) table << melange(c, fond, k / 15.0);
        // Fill the rest with the most frequent colours that are not already close to an entry.
        QList<QPair<int, QRgb>> parFrequence;
        for (auto it = effectifs.cbegin(); it != effectifs.cend(); ++it)
            parFrequence << qMakePair(it.value(), it.key());
        // Equal counts in colour order: the hash's order changes from one run to the next, and
        // the files must not.
        std::sort(parFrequence.begin(), parFrequence.end(), [](const auto &a, const auto &b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        for (const auto &[n, c] : parFrequence) {
            if (table.size() >= 256) break;
            const bool proche = std::any_of(table.cbegin(), table.cend(),
                                            [c](QRgb t) { return distance(t, c) < 60; });
            if (!proche) table << c;
        }
    }

    QHash<QRgb, uchar> index;
    auto plusProche = [&](QRgb c) {
        auto it = index.constFind(c);
        if (it != index.constEnd()) return *it;
        int meilleur = 0, d = INT_MAX;
        for (int i = 0; i < table.size(); ++i) {
            const int di = distance(table[i], c);
            if (di < d) d = di, meilleur = i;
        }
        index.insert(c, uchar(meilleur));
        return uchar(meilleur);
    };

    QImage sortie(rgb.size(), QImage::Format_Indexed8);
    sortie.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dest = sortie.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) dest[x] = plusProche(ligne[x] | 0xff000000u);
    }
    return sortie;
}

bool ecrireGif(const QImage &palette, const QString &chemin, QString *erreur)
{
    auto echec = [erreur, &chemin](const QString &quoi) {
        if (erreur) *erreur = chemin + QStringLiteral(" : ") + quoi;
        return false;
    };
    if (palette.format() != QImage::Format_Indexed8 || palette.colorCount() > 256)
        return echec(QStringLiteral("image sans palette de 256 couleurs"));

    // The colour map's size must be a power of two; the unused entries stay black.
    std::vector<GifColorType> couleurs(256, GifColorType{0, 0, 0});
    for (int i = 0; i < palette.colorCount(); ++i) {
        const QRgb c = palette.color(i);
        couleurs[size_t(i)] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)),
                                           GifByteType(qBlue(c))};
    }

    // Written through a QSaveFile: the old file stays whole until the new one is complete.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) return echec(fichier.errorString());
    auto ecrireOctets = [](GifFileType *g, const GifByteType *octets, int n) -> int {
        return int(static_cast<QSaveFile *>(g->UserData)->write(reinterpret_cast<const char *>(octets), n));
    };
    int code = 0;
    GifFileType *gif = EGifOpen(&fichier, ecrireOctets, &code);
    if (!gif) return echec(QString::fromUtf8(GifErrorString(code)));
    EGifSetGifVersion(gif, true);
    ColorMapObject *carte = GifMakeMapObject(256, couleurs.data());
    bool ok = carte &&
              EGifPutScreenDesc(gif, palette.width(), palette.height(), 8, 0, carte) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, palette.width(), palette.height(), false, nullptr) ==
                  GIF_OK;
    for (int y = 0; ok && y < palette.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifPixelType *>(palette.constScanLine(y)),
                         palette.width()) == GIF_OK;
    const int erreurEcriture = gif->Error;
    if (carte) GifFreeMapObject(carte);
    if (EGifCloseFile(gif, &code) != GIF_OK) ok = false;
    if (!ok) {
        fichier.cancelWriting();
        return echec(QString::fromUtf8(GifErrorString(erreurEcriture ? erreurEcriture : code)));
    }
    if (!fichier.commit()) return echec(fichier.errorString());
    return true;
}

}  // namespace dessin
