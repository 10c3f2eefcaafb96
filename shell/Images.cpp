// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Images.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <cmath>

namespace images {

namespace {

// The fingerprints of the picture files as delivered: "Yagi.gif <SHA-256>" a line each.
const QHash<QString, QByteArray> &empreintes()
{
    static const QHash<QString, QByteArray> table = [] {
        QHash<QString, QByteArray> t;
        QFile f(QStringLiteral(":/2x/empreintes.txt"));
        if (!f.open(QIODevice::ReadOnly)) return t;
        for (const QByteArray &ligne : f.readAll().split('\n')) {
            const int blanc = ligne.indexOf(' ');
            if (blanc > 0) t.insert(QString::fromUtf8(ligne.left(blanc)), ligne.mid(blanc + 1).trimmed());
        }
        return t;
    }();
    return table;
}

// The built-in copy at twice the resolution of a drawing ("Yagi.gif", "dessins/Form1.png").
QImage copieDouble(const QString &nom)
{
    const QFileInfo i(nom);
    const QString dossier = i.path() == QLatin1String(".") ? QString() : i.path() + u'/';
    QImage image(QStringLiteral(":/2x/") + dossier + i.completeBaseName() + QStringLiteral(".png"));
    image.setDevicePixelRatio(2);
    return image;
}

// A picture drawn at twice the resolution, for a screen of ratio `echelle`.
QPixmap aEchelle(QImage deuxFois, qreal echelle)
{
    if (echelle != 2) {
        const QSizeF logique = deuxFois.deviceIndependentSize();
        deuxFois = deuxFois.scaled(QSize(int(std::lround(logique.width() * echelle)),
                                         int(std::lround(logique.height() * echelle))),
                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        deuxFois.setDevicePixelRatio(echelle);
    }
    return QPixmap::fromImage(deuxFois);
}

}  // namespace

QPixmap depuisFichier(const QString &nom, const QByteArray &contenu, qreal echelle)
{
    if (echelle > 1) {
        const auto empreinte = empreintes().constFind(nom);
        if (empreinte != empreintes().constEnd() &&
            QCryptographicHash::hash(contenu, QCryptographicHash::Sha256).toHex() == *empreinte) {
            const QImage deuxFois = copieDouble(nom);
            if (!deuxFois.isNull()) return aEchelle(deuxFois, echelle);
        }
    }
    QPixmap p;
    p.loadFromData(contenu);
    return p;
}

QPixmap ressource(const QString &chemin, qreal echelle)
{
    if (echelle > 1) {
        QString nom = chemin;
        if (nom.startsWith(QLatin1String(":/"))) nom.remove(0, 2);
        const QImage deuxFois = copieDouble(nom);
        if (!deuxFois.isNull()) return aEchelle(deuxFois, echelle);
    }
    return QPixmap(chemin);
}

QPixmap reduire(const QPixmap &image, QSize taille, qreal echelle)
{
    QSizeF logique = image.deviceIndependentSize();
    const bool grande = logique.width() > taille.width() || logique.height() > taille.height();
    if (!grande && image.devicePixelRatio() == echelle) return image;
    if (grande) logique.scale(QSizeF(taille), Qt::KeepAspectRatio);
    QPixmap p = image.scaled(QSize(int(std::lround(logique.width() * echelle)), int(std::lround(logique.height() * echelle))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.setDevicePixelRatio(echelle);
    return p;
}

QPixmap Bibliotheque::charger(const QString &nom, qreal echelle) const
{
    if (nom.startsWith(QLatin1String(":/"))) return ressource(nom, echelle);
    QString fichier = nom;
    while (fichier.startsWith(u'\\') || fichier.startsWith(u'/')) fichier.remove(0, 1);
    QFile f(QDir(repertoire_).filePath(fichier));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return {};
    return depuisFichier(fichier, f.readAll(), echelle);
}

QPixmap Bibliotheque::image(const QString &nom, qreal echelle, QSize taille, qreal source)
{
    if (source <= 0) source = echelle;
    const QString cle = nom + u'@' + QString::number(echelle) + u'@' + QString::number(taille.width()) + u'x' +
                        QString::number(taille.height()) + u'@' + QString::number(source);
    if (const auto it = images_.constFind(cle); it != images_.constEnd()) return *it;
    QPixmap p = charger(nom, source);
    if (!p.isNull() && taille.isValid()) p = reduire(p, taille, echelle);
    images_.insert(cle, p);
    return p;
}

}  // namespace images
