// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/core/repertoire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString repertoireDefauts(const QString &repertoireExecutable)
{
    return QDir(repertoireExecutable).absoluteFilePath(QStringLiteral("../share/orvalis"));
}

QString repertoireProgramme(const QString &repertoireExecutable)
{
    const QDir exe(repertoireExecutable);
    if (QFileInfo(exe.filePath(QStringLiteral("Bande_bdfcp.dat"))).isFile())
        return exe.absolutePath();

    const QString utilisateur = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(utilisateur);
    const QDir defauts(repertoireDefauts(repertoireExecutable));
    const QDir dest(utilisateur);
    for (const QString &f : defauts.entryList(QDir::Files)) {
        const QString cible = dest.filePath(f);
        if (QFileInfo::exists(cible)) continue;
        if (QFile::copy(defauts.filePath(f), cible))
            QFile::setPermissions(cible, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther);
    }
    return utilisateur;
}
