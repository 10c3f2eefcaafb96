// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back the PDF documents the program writes, with poppler's command-line tools (Debian
// package poppler-utils, installed by tools/dependances.sh).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace essai {

// Whether pdftotext is there; under CI (CI=true) its absence fails the test that asks, since a
// test that skips there checks less than it says.
inline bool pdftotextPresent()
{
    const bool present = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    if (!present && qEnvironmentVariable("CI") == QLatin1String("true"))
        QTest::qFail("pdftotext (poppler-utils) is missing under CI", __FILE__, __LINE__);
    return present;
}

inline const char *kSansPdftotext = "pdftotext (poppler-utils) is missing: the PDF's text is not checked";

// The first bytes of a file.
inline QByteArray debutFichier(const QString &chemin, int n = 8)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

// What pdftotext reads in the document, with its layout kept (cells of a row on one line).
inline QString texteDuPdf(const QString &chemin, const QStringList &options = {QStringLiteral("-layout")})
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), options + QStringList{chemin, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A line of `texte` holding these texts in this order, separated by blanks only.
inline bool ligneAvec(const QString &texte, const QStringList &cellules)
{
    QStringList motifs;
    for (const QString &c : cellules)
        if (!c.isEmpty()) motifs << QRegularExpression::escape(c);
    const QRegularExpression ligne(QStringLiteral("(^|\\s)") + motifs.join(QStringLiteral("\\s+")) +
                                       QStringLiteral("(\\s|$)"),
                                   QRegularExpression::MultilineOption);
    return ligne.match(texte).hasMatch();
}

// The pages of a document and the boxes of its words, in points, as pdftotext -bbox sees them.
struct MotsDuPdf {
    QList<QSizeF> pages;
    QList<QRectF> boites;
    QStringList mots;
};

inline MotsDuPdf motsDuPdf(const QString &chemin)
{
    MotsDuPdf m;
    const QString html = texteDuPdf(chemin, {QStringLiteral("-bbox")});
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    for (auto it = page.globalMatch(html); it.hasNext();) {
        const auto p = it.next();
        m.pages << QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble());
    }
    static const QRegularExpression mot(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto it = mot.globalMatch(html); it.hasNext();) {
        const auto w = it.next();
        m.boites << QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                           QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
        m.mots << w.captured(5);
    }
    return m;
}

}  // namespace essai
