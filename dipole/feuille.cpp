// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/feuille.h"

namespace solutions {

Feuille feuille(const Tableau &t, const QDate &jour, const QLocale &regional)
{
    Feuille f;
    f.titre = kTitreFeuille;
    f.date = regional.toString(jour, QLocale::LongFormat);
    f.enTetes = enTetes();
    for (int r = 1; r <= Module1::kMaxSolutions; ++r) {
        QStringList ligne;
        for (const QString &cellule : t[r]) ligne << texteGrille(cellule);
        f.lignes << ligne;
    }
    f.legende = kLegende;
    return f;
}

namespace {

QString cellules(const QStringList &textes, const QString &balise)
{
    QString out;
    for (const QString &t : textes)
        out += QStringLiteral("<%1 align=\"center\">%2</%1>").arg(balise, t.toHtmlEscaped());
    return out;
}

}  // namespace

QString html(const Feuille &f)
{
    QString out = QStringLiteral("<html><body>"
                                 "<p style=\"font-size:16pt; font-weight:bold; margin-bottom:8px\">%1</p>"
                                 "<p>%2</p>"
                                 "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"5\" "
                                 "style=\"border-collapse:collapse; border-color:#808080; margin-top:14px; margin-bottom:10px\">"
                                 "<thead><tr style=\"background-color:#e4e4e4\">")
                      .arg(f.titre.toHtmlEscaped(), f.date.toHtmlEscaped());
    out += cellules(f.enTetes, QStringLiteral("th"));
    out += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList &ligne : f.lignes)
        out += QStringLiteral("<tr>") + cellules(ligne, QStringLiteral("td")) + QStringLiteral("</tr>");
    out += QStringLiteral("</tbody></table><p>%1</p></body></html>")
               .arg(f.legende.toHtmlEscaped());
    return out;
}

}  // namespace solutions
