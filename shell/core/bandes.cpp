// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/core/bandes.h"

#include "shell/core/Module1.h"
#include "shell/core/fichiers.h"
#include "shell/core/nombres.h"

#include <QRegularExpression>

namespace bandes {

bool placable(const QString &saisie)
{
    // Anchored at the very end: "$" would also let a final line break through into the file.
    static const QRegularExpression nombre(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)")));
    return nombre.match(saisie).hasMatch();
}

QString troisDecimales(const QString &saisie)
{
    const qsizetype point = saisie.indexOf(u'.');
    if (point >= 0) return (saisie + QStringLiteral("000")).left(point + 4);
    return saisie + QStringLiteral(".000");
}

bool dansLaBande(const QString &valeur, const QString &debut, const QString &fin)
{
    const double x = nombres::lireNombre(valeur);
    return !(x < nombres::lireNombre(debut) || x > nombres::lireNombre(fin));
}

bool enregistrer(const Module1 &m, QString *erreur)
{
    return fichiers::ecrireLignes(m.Fichier_Bandes, lignesBandes(m), erreur);
}

}  // namespace bandes
