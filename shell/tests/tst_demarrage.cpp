// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the store filled from the three data files, the field splitter, the file encoding,
// missing or oversized files.
#include "shell/core/Module1.h"
#include "shell/core/fichiers.h"
#include "tests/support/utilisateur.h"

#include <QtTest>

using essai::Donnees;

namespace {
QStringList decouper(const QString &ligne, int colonnes = 9)
{
    QString cellules[16];
    fichiers::decouperChamps(ligne, cellules, colonnes);
    QStringList out;
    for (int i = 0; i < colonnes; ++i) out << cellules[i];
    while (!out.isEmpty() && out.last().isNull()) out.removeLast();
    return out;
}
}  // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private slots:
    void separateur_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QStringList>("champs");
        QTest::newRow("six fields") << "5 20 14.000 14.350 14.175 14.200"
                                    << QStringList{"5", "20", "14.000", "14.350", "14.175", "14.200"};
        QTest::newRow("two blanks give an empty field") << "ab  cd" << QStringList{"ab", "", "cd"};
        QTest::newRow("trailing blank adds nothing") << "ab cd " << QStringList{"ab", "cd"};
        QTest::newRow("one field") << "abc" << QStringList{"abc"};
        QTest::newRow("leading blank") << " ab" << QStringList{"", "ab"};
        QTest::newRow("five blanks") << "     " << QStringList{"", "", "", "", ""};
        QTest::newRow("one character") << "x" << QStringList{"x"};
        QTest::newRow("empty line") << "" << QStringList{};
    }
    void separateur()
    {
        QFETCH(QString, ligne);
        QFETCH(QStringList, champs);
        QCOMPARE(decouper(ligne), champs);
    }

    void separateurBorne()
    {
        // Fields beyond the capacity are ignored, never written past it.
        QString cellules[3] = {"keep", "keep", "keep"};
        fichiers::decouperChamps("a b c d e f", cellules, 2);
        QCOMPARE(cellules[0], QStringLiteral("a"));
        QCOMPARE(cellules[1], QStringLiteral("b"));
        QCOMPARE(cellules[2], QStringLiteral("keep"));
    }

    void fichiersLivres()
    {
        Donnees d;
        Module1 m;
        QVERIFY(demarrer(m, d.chemin()).isEmpty());
        QCOMPARE(m.Nombre_Bandes, short(13));
        QCOMPARE(m.Tableau_Bandes[5][1], QStringLiteral("20"));
        QCOMPARE(m.Tableau_Bandes[5][5], QStringLiteral("14.200"));
        QCOMPARE(m.Tableau_Bandes[3][5], QStringLiteral("7.050"));
        QCOMPARE(m.Tableau_Bandes[11][5], QStringLiteral("144.300"));
        QCOMPARE(m.Frequence_Accord, 14.2f);
        QCOMPARE(m.Frequence_Yagi, 14.2f);
        QCOMPARE(m.Frequence_Quad, 14.2f);
        QCOMPARE(m.Frequence_Levy, 14.2f);
        QCOMPARE(m.Frequence_Mesure, 14.2f);
        QCOMPARE(m.Nombre_Solutions, short(10));
        QCOMPARE(m.Tableau_Solutions[10][0], QStringLiteral("10"));
        QCOMPARE(m.Tableau_Solutions[10][8], QStringLiteral("-"));
        QVERIFY(m.Dernier_Cable >= 15 && m.Dernier_Cable <= 31);
        QVERIFY(m.Lignes_Cables[0].startsWith(QStringLiteral("Câble")));
        QCOMPARE(m.Fichier_Bandes, d.fichier("Bande_bdfcp.dat"));
        QCOMPARE(m.Fichier_Cables, d.fichier("Câbles.dat"));
        QCOMPARE(m.Fichier_Tableau, d.fichier("Tableau.dat"));
        // Every delivered band line has six fields, numbers with three decimals.
        for (int r = 1; r <= m.Nombre_Bandes; ++r) {
            QCOMPARE(m.Tableau_Bandes[r][0], QString::number(r));
            for (int c = 2; c <= 5; ++c)
                QVERIFY2(m.Tableau_Bandes[r][c].indexOf(u'.') == m.Tableau_Bandes[r][c].size() - 4,
                         qPrintable(m.Tableau_Bandes[r][c]));
        }
    }

    void constantesEtDefauts()
    {
        Donnees d;
        Module1 m;
        demarrer(m, d.chemin());
        QCOMPARE(m.Saut_Ligne, QStringLiteral("\r\n"));
        QCOMPARE(m.Pi, 3.141592f);
        QCOMPARE(m.Noms_Dielectriques[2], QStringLiteral("Le polyétilène expansé"));
        QCOMPARE(m.Constantes_Dielectriques[1], 1.00068f);
        QVERIFY(m.Noms_Dielectriques[5].isEmpty());
        QCOMPARE(m.Liste_Coaxiaux[9], QStringLiteral("RG174, 50R, CV:0.66"));
        QCOMPARE(m.Liste_Coaxiaux[15], QStringLiteral("RG-316; 50R, CV:0.70"));
        QCOMPARE(m.Liste_Bifilaires[3], QStringLiteral("T-lead 1200 Ohms, CV:0.97"));
        QCOMPARE(m.Bandes_Courtes[0], QStringLiteral("LCh"));
        QCOMPARE(m.Bandes_Courtes[10], QStringLiteral("6"));
        QCOMPARE(m.Bande_Antenne, QStringLiteral("20 m"));
        QCOMPARE(m.Longueur_Levy, 42.4f);
        QCOMPARE(m.Nom_Cable, QStringLiteral("câble standard"));
        QCOMPARE(m.Nombre_Demi_Ondes, short(1));
        QCOMPARE(m.Frequence_Dipole, 7.1f);
        QCOMPARE(m.Puissance_Reflechie_Antenne, 8.0f);
        QVERIFY(!m.Calcul_Filaire_Fait);
    }

    void ligneCinqSuitLeFichier()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", {"1 a", "2 b", "3 c", "4 d", "5 20 14.000 14.350 14.175 14.2"});
        Module1 m;
        demarrer(m, d.chemin());
        QCOMPARE(m.Tableau_Bandes[5][5], QStringLiteral("14.2"));
        QCOMPARE(m.Tableau_Bandes[5][2], QStringLiteral("14.000"));
        QCOMPARE(m.Frequence_Mesure, 14.2f);
    }

    void moinsDeCinqLignes()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", {"1 160 1.810 2.000 1.905 1.850", "2 80 3.5 3.8 3.65 3.65"});
        Module1 m;
        demarrer(m, d.chemin());
        QCOMPARE(m.Nombre_Bandes, short(2));
        QVERIFY(m.Tableau_Bandes[5][5].isEmpty());
        QCOMPARE(m.Frequence_Accord, 0.0f);
        QCOMPARE(m.Frequence_Levy, 0.0f);
    }

    void ligneVideDecale()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", {"1 a", "", "3 c"});
        Module1 m;
        demarrer(m, d.chemin());
        QCOMPARE(m.Nombre_Bandes, short(3));
        QVERIFY(m.Tableau_Bandes[2][0].isEmpty());
        QCOMPARE(m.Tableau_Bandes[3][1], QStringLiteral("c"));
    }

    void cables()
    {
        Donnees d;
        d.ecrire("Câbles.dat", {});
        Module1 vide;
        demarrer(vide, d.chemin());
        QCOMPARE(vide.Dernier_Cable, short(-1));
        d.ecrire("Câbles.dat", {"Nom Z", "RG58 50 2.9 4.95 0.66 ", "RG213 50"});
        Module1 trois;
        demarrer(trois, d.chemin());
        QCOMPARE(trois.Dernier_Cable, short(2));
        QCOMPARE(trois.Lignes_Cables[1], QStringLiteral("RG58 50 2.9 4.95 0.66 "));
    }

    void capacites()
    {
        Donnees d;
        QStringList bandes, cables, solutions;
        for (int i = 1; i <= 40; ++i) bandes << QStringLiteral("%1 b 1 2 3 4 5 6 7 8").arg(i);
        for (int i = 0; i < 300; ++i) cables << QStringLiteral("c%1").arg(i);
        for (int i = 1; i <= 25; ++i) solutions << QStringLiteral("%1 - - - - - - - - x y z").arg(i);
        d.ecrire("Bande_bdfcp.dat", bandes);
        d.ecrire("Câbles.dat", cables);
        d.ecrire("Tableau.dat", solutions);
        Module1 m;
        QVERIFY(demarrer(m, d.chemin()).isEmpty());
        QCOMPARE(m.Nombre_Bandes, short(15));
        QCOMPARE(m.Tableau_Bandes[15][0], QStringLiteral("15"));
        QCOMPARE(m.Tableau_Bandes[15][5], QStringLiteral("4"));
        QCOMPARE(m.Dernier_Cable, short(200));
        QCOMPARE(m.Lignes_Cables[200], QStringLiteral("c200"));
        QCOMPARE(m.Nombre_Solutions, short(10));
        QCOMPARE(m.Tableau_Solutions[10][8], QStringLiteral("-"));
    }

    void fichierManquant()
    {
        Donnees d;
        d.supprimer("Tableau.dat");
        d.supprimer("Câbles.dat");
        Module1 m;
        const QList<ProblemeDemarrage> p = demarrer(m, d.chemin());
        QCOMPARE(p.size(), 2);
        QCOMPARE(p[0].fichier, QStringLiteral("Câbles.dat"));
        QCOMPARE(p[1].fichier, QStringLiteral("Tableau.dat"));
        QCOMPARE(m.Dernier_Cable, short(-1));
        QCOMPARE(m.Nombre_Solutions, short(0));
        QCOMPARE(m.Nombre_Bandes, short(13));  // the others still load
    }

    void repertoireAuLieuDeFichier()
    {
        Donnees d;
        d.supprimer("Bande_bdfcp.dat");
        QDir(d.chemin()).mkdir("Bande_bdfcp.dat");
        Module1 m;
        const QList<ProblemeDemarrage> p = demarrer(m, d.chemin());
        QCOMPARE(p.size(), 1);
        QCOMPARE(m.Nombre_Bandes, short(0));
        QCOMPARE(m.Frequence_Accord, 0.0f);
    }

    void encodage()
    {
        QCOMPARE(fichiers::depuisWindows1252("\xE9\x80\x92"), QString::fromUtf8("é€’"));
        QCOMPARE(fichiers::versWindows1252(QString::fromUtf8("Câble €")), QByteArray("C\xE2" "ble \x80"));
        // Qt's French digit-group separator has no Windows-1252 form: the no-break space stands in.
        QCOMPARE(fichiers::versWindows1252(QString::fromUtf8("1\u202F234,00")), QByteArray("1\xA0" "234,00"));
        QCOMPARE(fichiers::versWindows1252(QString::fromUtf8("ő")), QByteArray("o"));
    }

    void finsDeLigne()
    {
        QTemporaryDir dir;
        const QString f = dir.filePath("x.dat");
        auto lire = [&](const QByteArray &bytes) {
            QFile out(f);
            out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            out.write(bytes);
            out.close();
            return fichiers::lireLignes(f).lignes;
        };
        QCOMPARE(lire("a\r\nb\r\n"), (QStringList{"a", "b"}));
        QCOMPARE(lire("a\nb"), (QStringList{"a", "b"}));
        QCOMPARE(lire("a\rb\r"), (QStringList{"a", "b"}));
        QCOMPARE(lire("a\r\n\r\nb"), (QStringList{"a", "", "b"}));
        QCOMPARE(lire(""), QStringList{});
        QCOMPARE(lire("\xEF\xBB\xBF" "C\xC3\xA2" "ble"), QStringList{QString::fromUtf8("Câble")});
        QCOMPARE(lire("C\xE2" "ble"), QStringList{QString::fromUtf8("Câble")});
    }

    void ecritureEtRelecture()
    {
        Donnees d;
        Module1 m;
        demarrer(m, d.chemin());
        m.Tableau_Bandes[2].fill(QString());  // an emptied row is written as five blanks
        QString erreur;
        QVERIFY(fichiers::ecrireLignes(m.Fichier_Bandes, lignesBandes(m), &erreur));
        QFile f(m.Fichier_Bandes);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("\r\n     \r\n"));
        QVERIFY(bytes.endsWith("1240.000 1300.000 1270.000 1296.200\r\n"));
        Module1 relu;
        demarrer(relu, d.chemin());
        QCOMPARE(relu.Nombre_Bandes, m.Nombre_Bandes);
        for (int r = 0; r <= Module1::kMaxBandes; ++r)
            for (int c = 0; c < Module1::kColonnesBandes; ++c)
                QCOMPARE(relu.Tableau_Bandes[r][c], m.Tableau_Bandes[r][c]);
    }

    void fichiersHorsNormes()
    {
        Donnees d;
        // A band file of 100 000 lines, one of them a megabyte long, with binary bytes.
        QByteArray gros;
        gros += "1 160 1.810 2.000 1.905 1.850\r\n";
        gros += QByteArray(1024 * 1024, 'x') + "\r\n";
        static const char binaire[] = "3 40 \0\x01\xff 7.200 7.100 7.050\r\n";
        gros += QByteArray(binaire, sizeof binaire - 1);
        for (int i = 4; i <= 100000; ++i) gros += QByteArray::number(i) + " b 1 2 3 4\r\n";
        QFile f(d.fichier("Bande_bdfcp.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(gros);
        f.close();
        Module1 m;
        QVERIFY(demarrer(m, d.chemin()).isEmpty());
        QCOMPARE(m.Nombre_Bandes, short(15));
        QCOMPARE(m.Tableau_Bandes[2][0].size(), 1024 * 1024);
        QCOMPARE(m.Tableau_Bandes[3][2], QString::fromLatin1("\0\x01\xff", 3));
        QCOMPARE(m.Tableau_Bandes[3][5], QStringLiteral("7.050"));
        QCOMPARE(m.Frequence_Accord, 4.0f);  // row 5: "5 b 1 2 3 4"
    }

    void ecritureDansUnRepertoireAbsent()
    {
        Donnees d;
        QString erreur;
        QVERIFY(!fichiers::ecrireLignes(d.fichier("absent/Tableau.dat"), {"x"}, &erreur));
        QVERIFY(!erreur.isEmpty());
        QVERIFY(!QFileInfo::exists(d.fichier("absent")));
    }

    // A write that fails midway (a full disk) leaves the old file byte for byte: the new text goes
    // to a temporary file renamed over the old one only once complete. A truncating write in
    // place would leave the first bytes of the new text there.
    void ecritureInterrompueGardeLAncien()
    {
        Donnees d;
        const QString chemin = d.fichier("Tableau.dat");
        QFile avant(chemin);
        QVERIFY(avant.open(QIODevice::ReadOnly));
        const QByteArray ancien = avant.readAll();
        avant.close();
        QVERIFY(ancien.size() > 20);
        fichiers::limiterEcriturePourEssai(12);
        QString erreur;
        const bool ecrit = fichiers::ecrireLignes(chemin, {"1 D F 40 7.050 30,00 3,50 11,50 15,2", "2 - - - - - - - -"}, &erreur);
        fichiers::limiterEcriturePourEssai(-1);
        QVERIFY(!ecrit);
        QVERIFY(!erreur.isEmpty());
        QFile apres(chemin);
        QVERIFY(apres.open(QIODevice::ReadOnly));
        QCOMPARE(apres.readAll(), ancien);
        QCOMPARE(QDir(d.chemin()).entryList(QDir::Files | QDir::Hidden).filter(".dat").size(),
                 QDir(d.chemin()).entryList({"*.dat"}, QDir::Files).size());  // no temporary left
    }

    void ecritureImpossibleGardeLAncien()
    {
        Donnees d;
        QDir(d.chemin()).mkdir("dossier");
        QString erreur;
        QVERIFY(!fichiers::ecrireLignes(d.fichier("dossier"), {"x"}, &erreur));
        QVERIFY(!erreur.isEmpty());
        QVERIFY(QFileInfo(d.fichier("dossier")).isDir());
    }
};

QTEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
