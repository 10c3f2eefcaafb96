// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the program: the GIF and BMP files that lie beside the executable, the
// drawings compiled into the windows, the icon (bitmap and SVG) and a contact sheet of them all.
//
//   orvalis_dessins --programme DIR --ressources DIR [--svg FILE] [--planche FILE] [--apercus DIR]

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>

#include "drawings/catalogue.h"
#include "drawings/gif.h"
#include "drawings/icone.h"
#include "drawings/trace.h"

namespace {

constexpr int kIcone = 256;

bool ecrire(const QString &chemin, const QByteArray &contenu, QString *erreur)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile f(chemin);
    if (f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() && f.commit())
        return true;
    *erreur = chemin + QStringLiteral(" : ") + f.errorString();
    return false;
}

bool enregistrerImage(const QImage &image, const QString &chemin, const char *format,
                      QString *erreur)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile f(chemin);
    if (f.open(QIODevice::WriteOnly) && image.save(&f, format) && f.commit()) return true;
    *erreur = chemin + QStringLiteral(" : ") + f.errorString();
    return false;
}

// `echelle` pixels a unit: 2 for the copy a high-density screen shows at the same size, sharp.
QImage tracer(const dessin::Dessin &d, int echelle = 1)
{
    QImage image(d.taille * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    {
        dessin::Trace trace(image);
        d.tracer(trace);
    }
    return image;
}

// One sheet with every picture as written, its file name under it.
QImage planche(const QList<QPair<QString, QImage>> &images)
{
    constexpr int marge = 24, largeurMax = 2100, legende = 26;
    struct Place { QPoint coin; int index; };
    QList<Place> places;
    int x = marge, y = marge, hauteurRangee = 0, largeur = 0;
    for (int i = 0; i < images.size(); ++i) {
        const QSize t = images[i].second.size();
        if (x > marge && x + t.width() > largeurMax) {
            x = marge;
            y += hauteurRangee + legende + marge;
            hauteurRangee = 0;
        }
        places << Place{QPoint(x, y), i};
        x += t.width() + marge;
        largeur = std::max(largeur, x);
        hauteurRangee = std::max(hauteurRangee, t.height());
    }
    QImage feuille(largeur, y + hauteurRangee + legende + marge, QImage::Format_RGB32);
    feuille.fill(QColor(214, 218, 224));
    QPainter p(&feuille);
    p.setFont(dessin::style::police(15, true));
    for (const Place &pl : places) {
        const QImage &im = images[pl.index].second;
        p.setPen(QColor(150, 150, 150));
        p.drawRect(QRect(pl.coin - QPoint(1, 1), im.size() + QSize(1, 1)));
        p.drawImage(pl.coin, im);
        p.setPen(dessin::style::encre);
        p.drawText(QPointF(pl.coin.x(), pl.coin.y() + im.height() + 4 + p.fontMetrics().ascent()),
                   images[pl.index].first);
    }
    return feuille;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption programme(QStringLiteral("programme"),
                                       QStringLiteral("Répertoire du programme (GIF, BMP)."),
                                       QStringLiteral("rep"));
    const QCommandLineOption ressources(QStringLiteral("ressources"),
                                        QStringLiteral("Répertoire des images compilées."),
                                        QStringLiteral("rep"));
    const QCommandLineOption svg(QStringLiteral("svg"), QStringLiteral("Icône SVG."),
                                 QStringLiteral("fichier"));
    const QCommandLineOption feuille(QStringLiteral("planche"),
                                     QStringLiteral("Planche de tous les dessins (PNG)."),
                                     QStringLiteral("fichier"));
    const QCommandLineOption apercus(QStringLiteral("apercus"),
                                     QStringLiteral("Copie PNG de chaque dessin, pour relecture."),
                                     QStringLiteral("rep"));
    options.addOptions({programme, ressources, svg, feuille, apercus});
    options.process(app);
    if (!options.isSet(programme) || !options.isSet(ressources)) {
        std::fputs("--programme et --ressources sont nécessaires\n", stderr);
        return 2;
    }
    const QDir repProgramme(options.value(programme));
    const QDir repRessources(options.value(ressources));
    QDir().mkpath(repProgramme.absolutePath());

    QString erreur;
    QList<QPair<QString, QImage>> faites;
    QString empreintes;  // "Yagi.gif <SHA-256 of the file written>", a line each
    bool ok = true;
    for (const dessin::Dessin &d : dessin::tous()) {
        const QImage image = tracer(d);
        const QString suffixe = QFileInfo(d.fichier).suffix().toLower();
        QString chemin;
        if (suffixe == QStringLiteral("png")) {
            chemin = repRessources.filePath(d.fichier);
            ok = enregistrerImage(image, chemin, "PNG", &erreur);
        } else {
            chemin = repProgramme.filePath(d.fichier);
            const QImage indexee = dessin::enPalette(image, dessin::style::couleurs(),
                                                     dessin::style::fond);
            ok = suffixe == QStringLiteral("gif")
                     ? dessin::ecrireGif(indexee, chemin, &erreur)
                     : enregistrerImage(indexee, chemin, "BMP", &erreur);
        }
        if (!ok) break;
        faites << qMakePair(d.fichier, QImage(chemin));

        // The copy at twice the resolution, built into the program: shown on a high-density
        // screen in place of the file as delivered (a file the user put there instead is shown as
        // it is, so the fingerprint of the delivered file goes with it).
        const QString double_ = QStringLiteral("2x/") + QFileInfo(d.fichier).path() + u'/' +
                                QFileInfo(d.fichier).completeBaseName() + QStringLiteral(".png");
        ok = enregistrerImage(tracer(d, 2), repRessources.filePath(QDir::cleanPath(double_)), "PNG", &erreur);
        if (!ok) break;
        if (suffixe != QStringLiteral("png")) {
            QFile livre(chemin);
            if (!livre.open(QIODevice::ReadOnly)) {
                ok = false;
                erreur = chemin + QStringLiteral(" : ") + livre.errorString();
                break;
            }
            empreintes += d.fichier + u' ' +
                          QString::fromLatin1(QCryptographicHash::hash(livre.readAll(), QCryptographicHash::Sha256).toHex()) +
                          u'\n';
        }
    }
    if (ok)
        ok = ecrire(repRessources.filePath(QStringLiteral("2x/empreintes.txt")), empreintes.toUtf8(), &erreur);

    if (ok) {
        const QString chemin = repRessources.filePath(QStringLiteral("orvalis/orvalis.png"));
        ok = enregistrerImage(dessin::icone(kIcone), chemin, "PNG", &erreur);
        if (ok) faites << qMakePair(QStringLiteral("orvalis/orvalis.png"), QImage(chemin));
    }
    if (ok && options.isSet(svg))
        ok = ecrire(options.value(svg), dessin::iconeSvg().toUtf8(), &erreur);
    if (ok && options.isSet(apercus)) {
        const QDir rep(options.value(apercus));
        for (const auto &[nom, image] : faites) {
            if (!ok) break;
            const QString chemin = rep.filePath(QFileInfo(nom).completeBaseName() + ".png");
            ok = enregistrerImage(image, chemin, "PNG", &erreur);
        }
    }
    if (ok && options.isSet(feuille))
        ok = enregistrerImage(planche(faites), options.value(feuille), "PNG", &erreur);

    if (!ok) {
        std::fputs(qPrintable(QStringLiteral("orvalis_dessins: %1\n").arg(erreur)), stderr);
        return 1;
    }
    return 0;
}
