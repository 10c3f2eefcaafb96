// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/core/Module1.h"

#include "shell/core/fichiers.h"
#include "shell/core/nombres.h"

#include <QDir>

float Module1::frequencePreferee(int row) const
{
    if (row < 0 || row > kMaxBandes) return 0;
    const double v = nombres::lireNombre(Tableau_Bandes[row][5]);
    return nombres::tientEnSimple(v) ? float(v) : 0.0f;
}

QStringList lignesBandes(const Module1 &m)
{
    QStringList out;
    for (int r = 1; r <= m.Nombre_Bandes && r <= Module1::kMaxBandes; ++r) {
        QStringList cells;
        for (int c = 0; c < Module1::kColonnesBandes; ++c) cells << m.Tableau_Bandes[r][c];
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

namespace {

// Reads a table file with the field splitter; surplus lines beyond `maxRows` are ignored.
template <size_t Cols, size_t Rows>
short lireTableau(const fichiers::Lecture &lu, std::array<std::array<QString, Cols>, Rows> &table)
{
    short rows = 0;
    for (const QString &ligne : lu.lignes) {
        if (rows + 1 >= int(Rows)) break;
        ++rows;
        fichiers::decouperChamps(ligne, table[rows].data(), int(Cols));
    }
    return rows;
}

}  // namespace

QList<ProblemeDemarrage> demarrer(Module1 &m, const QString &repertoire)
{
    QList<ProblemeDemarrage> problemes;
    const QDir dir(repertoire);


    const char16_t *noms[] = {u"Le vide", u"L'air", u"Le polyétilène expansé",
                              u"Le polyétilène solide", u"Le téflon"};
    const float constantes[] = {1.0f, 1.00068f, 1.5f, 2.0f, 2.1f};
    for (int i = 0; i < 5; ++i) {
        m.Noms_Dielectriques[i] = QString::fromUtf16(noms[i]);
        m.Constantes_Dielectriques[i] = constantes[i];
    }
    m.Diametre_Ame = 1;
    m.Diametre_Blindage = 6;

    m.Liste_Coaxiaux = {"Coaxial 50 ohms, CV:0.66", "KX4; 50R, CV:0.66", "KX6; 50R, CV:0.66",
                        "KX8; 75R, CV:0.70",        "RG6/U; 75R, CV:0.82", "RG8/U; 50R, CV:0.84",
                        "RG11; 75R, CV:0.66",       "RG58; 50R, CV:0.66", "RG59; 75R, CV:0.82",
                        "RG174, 50R, CV:0.66",      "RG-178; 50R, CV:0.69", "RG-179; 75R, CV:0.71",
                        "RG-213; 50R, CV:0.66",     "RG-214; 50R, CV:0.66", "RG-223; 50R, CV:0.66",
                        "RG-316; 50R, CV:0.70"};
    m.Liste_Bifilaires = {"T-Lead 300 Ohms, CV:0.88", "T-Lead 450 Ohms, CV:0.90",
                          "T-Lead 600 Ohms, CV:0.93", "T-lead 1200 Ohms, CV:0.97"};

    // Câbles.dat: whole lines, parsed by the cable chooser.
    m.Fichier_Cables = dir.filePath(QStringLiteral("Câbles.dat"));
    m.Dernier_Cable = -1;
    {
        const fichiers::Lecture lu = fichiers::lireLignes(m.Fichier_Cables);
        if (!lu.ok) problemes << ProblemeDemarrage{QStringLiteral("Câbles.dat"), lu.erreur};
        for (const QString &ligne : lu.lignes) {
            if (m.Dernier_Cable + 1 >= Module1::kMaxLignesCables) break;
            m.Lignes_Cables[++m.Dernier_Cable] = ligne;
        }
    }

    m.Fichier_Bandes = dir.filePath(QStringLiteral("Bande_bdfcp.dat"));
    {
        const fichiers::Lecture lu = fichiers::lireLignes(m.Fichier_Bandes);
        if (!lu.ok) problemes << ProblemeDemarrage{QStringLiteral("Bande_bdfcp.dat"), lu.erreur};
        m.Nombre_Bandes = lireTableau(lu, m.Tableau_Bandes);
    }

    m.Fichier_Tableau = dir.filePath(QStringLiteral("Tableau.dat"));
    {
        const fichiers::Lecture lu = fichiers::lireLignes(m.Fichier_Tableau);
        if (!lu.ok) problemes << ProblemeDemarrage{QStringLiteral("Tableau.dat"), lu.erreur};
        m.Nombre_Solutions = lireTableau(lu, m.Tableau_Solutions);
    }

    // Defaults that follow the band file: the preferred frequency of the 20 m row.
    const float f20 = m.frequencePreferee(5);
    m.Frequence_Accord = f20;
    m.Frequence_Yagi = f20;
    m.Frequence_Quad = f20;
    m.Frequence_Levy = f20;
    m.Frequence_Mesure = f20;

    m.Bandes_Courtes = {"LCh", "160", "80", "40", "30", "20", "17", "15", "12", "10", "6"};
    return problemes;
}
