// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up readers on arbitrary file contents: the three data files filled with the same
// bytes, read into the store, then the band table written back and read again.
#include "shell/Module1.h"
#include "shell/datafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
void verifier(bool ok, const char *quoi)
{
    if (!ok) {
        qFatal("invariant broken: %s", quoi);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray octets(reinterpret_cast<const char *>(data), int(size));
    for (const char *nom : {"Bande_bdfcp.dat", "Câbles.dat", "Tableau.dat"}) {
        QFile f(QDir(dir.path()).filePath(QString::fromUtf8(nom)));
        verifier(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "temporary file");
        f.write(octets);
    }
    Module1 m;
    verifier(demarrer(m, dir.path()).isEmpty(), "a readable file was reported");
    verifier(m.Nombre_Bandes >= 0 && m.Nombre_Bandes <= Module1::kMaxBandes, "band rows");
    verifier(m.Nombre_Solutions >= 0 && m.Nombre_Solutions <= Module1::kMaxSolutions, "solution rows");
    verifier(m.Dernier_Cable >= -1 && m.Dernier_Cable < Module1::kMaxLignesCables, "cable lines");
    verifier(std::isfinite(m.Frequence_Accord), "start-up frequency not finite");

    // The writer and the reader agree on any table the reader produced from Windows-1252 text.
    if (octets.startsWith("\xEF\xBB\xBF")) return 0;
    verifier(fichiers::ecrireLignes(m.Fichier_Bandes, lignesBandes(m)), "band file written");
    Module1 relu;
    demarrer(relu, dir.path());
    verifier(relu.Nombre_Bandes == m.Nombre_Bandes, "band rows after a save");
    for (int r = 1; r <= m.Nombre_Bandes; ++r)
        for (int c = 0; c < Module1::kColonnesBandes; ++c)
            verifier(relu.Tableau_Bandes[r][c] == m.Tableau_Bandes[r][c], "band cell after a save");
    return 0;
}
