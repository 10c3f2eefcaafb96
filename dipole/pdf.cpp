// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextOption>

namespace solutions {

QString cheminPdfPropose()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
    return QDir(dossier).filePath(kNomPdf);
}

bool ecrirePdf(const Feuille &f, QIODevice &sortie)
{
    QPdfWriter pdf(&sortie);
    pdf.setTitle(f.titre);
    pdf.setCreator(QStringLiteral("Orvalis"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));

    // The document is laid out for the writer itself, so that point sizes are the page's.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&pdf);
    QFont police = document.defaultFont();
    police.setPointSizeF(10);
    document.setDefaultFont(police);
    QTextOption option = document.defaultTextOption();
    // A cell too long for its column breaks anywhere rather than run off the page.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0);
    document.setHtml(html(f));

    // The printable area of one page, in the writer's units; the table takes its whole width and
    // goes on to further pages (its heading row repeated) when it is taller.
    const QSizeF page = pdf.pageLayout().paintRectPixels(pdf.resolution()).size();
    document.setPageSize(page);

    QPainter p;
    if (!p.begin(&pdf)) return false;
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !pdf.newPage()) {
            p.end();
            return false;
        }
        const QRectF vue(0, i * page.height(), page.width(), page.height());
        p.save();
        p.translate(0, -vue.top());
        document.drawContents(&p, vue);
        p.restore();
    }
    return p.end();
}

bool exporterPdf(const Feuille &f, const QString &chemin, QString *raison)
{
    auto echec = [raison](const QString &pourquoi) {
        if (raison) *raison = pourquoi;
        return false;
    };
    const QFileInfo cible(chemin);
    const QString dossier = QDir::toNativeSeparators(cible.absolutePath());
    if (!QFileInfo(cible.absolutePath()).isDir())
        return echec(QStringLiteral("le dossier %1 n'existe pas").arg(dossier));
    if (cible.isDir()) return echec(QStringLiteral("un dossier porte déjà ce nom"));

    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        if (!QFileInfo(cible.absolutePath()).isWritable())
            return echec(QStringLiteral("le dossier %1 n'accepte pas l'écriture").arg(dossier));
        if (cible.exists() && !cible.isWritable())
            return echec(QStringLiteral("le fichier existant est protégé en écriture"));
        return echec(QStringLiteral("création impossible (%1)").arg(fichier.errorString()));
    }
    if (!ecrirePdf(f, fichier)) {
        fichier.cancelWriting();
        return echec(QStringLiteral("le document n'a pas pu être mis en page"));
    }
    if (!fichier.commit()) return echec(QStringLiteral("écriture impossible (%1)").arg(fichier.errorString()));
    return true;
}

}  // namespace solutions
