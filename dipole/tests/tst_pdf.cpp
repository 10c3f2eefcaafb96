// SPDX-License-Identifier: GPL-3.0-or-later
// The table of retained solutions as a PDF document, without windows: the A4 pages read back by
// poppler's pdftotext, and writing all or nothing.
#include "dipole/feuille.h"
#include "dipole/pdf.h"
#include "dipole/tests/tableau_exemple.h"
#include "tests/support/pdf.h"
#include "tests/support/reglages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace solutions;

namespace {

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Changes an environment variable for the life of the object.
class Variable {
public:
    Variable(const char *nom, const QByteArray &valeur) : nom_(nom), avant_(qgetenv(nom)), avait_(qEnvironmentVariableIsSet(nom))
    {
        qputenv(nom, valeur);
    }
    ~Variable() { avait_ ? qputenv(nom_, avant_) : qunsetenv(nom_); }

private:
    const char *nom_;
    QByteArray avant_;
    bool avait_;
};

constexpr double kA4Largeur = 595.28, kA4Hauteur = 841.89;  // 210 x 297 mm in points
constexpr double kMarge = 15 / 25.4 * 72;                     // 15 mm

}  // namespace

class TestPdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void documentA4()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(kNomPdf);
        QString raison;
        QVERIFY2(exporterPdf(feuille(exemple(), kJour), chemin, &raison), qPrintable(raison));
        QCOMPARE(essai::debutFichier(chemin, 5), QByteArray("%PDF-"));
        QVERIFY(contenu(chemin).trimmed().endsWith("%%EOF"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{kNomPdf});  // no temporary left
        if (!essai::pdftotextPresent()) QSKIP(essai::kSansPdftotext);

        const QString texte = essai::texteDuPdf(chemin);
        QVERIFY2(texte.contains(QStringLiteral("Orvalis \u2014 solutions retenues")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("mardi 14 mai 2024")));
        QVERIFY2(essai::ligneAvec(texte, solutions::enTetes()), qPrintable(texte));
        const Feuille f = feuille(exemple(), kJour);
        for (const QStringList &l : f.lignes) QVERIFY2(essai::ligneAvec(texte, l), qPrintable(l.join(' ')));
        QVERIFY(texte.contains(QStringLiteral("Q=quart d'onde.")));

        // One A4 page, every word inside its margins.
        const essai::MotsDuPdf mots = essai::motsDuPdf(chemin);
        QCOMPARE(mots.pages.size(), 1);
        QVERIFY(qAbs(mots.pages[0].width() - kA4Largeur) < 0.5);
        QVERIFY(qAbs(mots.pages[0].height() - kA4Hauteur) < 0.5);
        for (const QRectF &b : mots.boites)
            QVERIFY(b.left() >= kMarge - 1 && b.right() <= kA4Largeur - kMarge + 1 && b.top() >= kMarge - 1 &&
                    b.bottom() <= kA4Hauteur - kMarge + 1);
        // The cells are legible: their text is at least 9 points high.
        const qsizetype i = mots.mots.indexOf(QStringLiteral("11,50"));
        QVERIFY(i >= 0);
        QVERIFY2(mots.boites[i].height() >= 9, qPrintable(QString::number(mots.boites[i].height())));
    }

    // A cell far longer than its column (a label read from the file) breaks inside the column: the
    // page keeps its width and nothing of the text is lost.
    void celluleTropLongue()
    {
        Tableau t = exemple();
        t[1][0] = QString(300, QLatin1Char('W'));
        t[2][5] = QStringLiteral("1234567890").repeated(20);
        QTemporaryDir dir;
        const QString chemin = dir.filePath(kNomPdf);
        QVERIFY(exporterPdf(feuille(t, kJour), chemin));
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");  // to look at
        if (!dossier.isEmpty()) {
            QFile::remove(QDir(dossier).filePath(QStringLiteral("cellule-longue.pdf")));
            QVERIFY(QFile::copy(chemin, QDir(dossier).filePath(QStringLiteral("cellule-longue.pdf"))));
        }
        if (!essai::pdftotextPresent()) QSKIP(essai::kSansPdftotext);
        const essai::MotsDuPdf mots = essai::motsDuPdf(chemin);
        QVERIFY(!mots.pages.isEmpty());
        for (const QRectF &b : mots.boites)
            QVERIFY2(b.left() >= kMarge - 1 && b.right() <= kA4Largeur - kMarge + 1,
                     qPrintable(QStringLiteral("%1..%2").arg(b.left()).arg(b.right())));
        const QString tout = mots.mots.join(QString());
        QCOMPARE(tout.count(QLatin1Char('W')), 300);
        QVERIFY(tout.contains(QStringLiteral("1234567890").repeated(20)) ||
                tout.count(QStringLiteral("1234567890")) >= 20);
        QVERIFY(tout.contains(QStringLiteral("7.050")));
    }

    void dossierAbsent()
    {
        QTemporaryDir dir;
        const QString chemin = QDir(dir.path()).filePath(QStringLiteral("absent/") + kNomPdf);
        QString raison;
        QVERIFY(!exporterPdf(feuille(exemple(), kJour), chemin, &raison));
        QVERIFY2(raison.contains(QStringLiteral("n'existe pas")), qPrintable(raison));
        QVERIFY(raison.contains(QDir::toNativeSeparators(QDir(dir.path()).filePath(QStringLiteral("absent")))));
        QVERIFY(!QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("absent"))));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void ancienFichierRemplaceEntier()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(kNomPdf);
        {
            QFile ancien(chemin);
            QVERIFY(ancien.open(QIODevice::WriteOnly));
            ancien.write(QByteArray(200000, 'x'));
        }
        QVERIFY(exporterPdf(feuille(exemple(), kJour), chemin));
        const QByteArray nouveau = contenu(chemin);
        QVERIFY(nouveau.startsWith("%PDF-"));
        QVERIFY(!nouveau.contains("xxxxxxxx"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{kNomPdf});
    }

    void dossierAuNomDuFichier()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(kNomPdf));
        QString raison;
        QVERIFY(!exporterPdf(feuille(exemple(), kJour), dir.filePath(kNomPdf), &raison));
        QVERIFY(!raison.isEmpty());
        QVERIFY(QFileInfo(dir.filePath(kNomPdf)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void dossierProtege()
    {
        QTemporaryDir dir;
        const QString protege = dir.filePath(QStringLiteral("protege"));
        QVERIFY(QDir().mkdir(protege));
        QFile::setPermissions(protege, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(protege).isWritable()) QSKIP("run with rights that ignore write protection");
        QString raison;
        const bool ecrit = exporterPdf(feuille(exemple(), kJour), QDir(protege).filePath(kNomPdf), &raison);
        QFile::setPermissions(protege, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!ecrit);
        QVERIFY2(raison.contains(QStringLiteral("n'accepte pas l'écriture")), qPrintable(raison));
        QVERIFY(QDir(protege).isEmpty());
    }

    // The documents folder of the user when there is one, else the home folder.
    void fichierPropose()
    {
        QTemporaryDir maison;
        const Variable home("HOME", maison.path().toLocal8Bit());
        const Variable config("XDG_CONFIG_HOME", QDir(maison.path()).filePath(QStringLiteral(".config")).toLocal8Bit());
        QCOMPARE(cheminPdfPropose(), QDir(maison.path()).filePath(QStringLiteral("Solutions-retenues.pdf")));
        QVERIFY(QDir(maison.path()).mkdir(QStringLiteral("Documents")));
        QCOMPARE(cheminPdfPropose(), QDir(maison.path()).filePath(QStringLiteral("Documents/Solutions-retenues.pdf")));
    }
};

QTEST_MAIN(TestPdf)
#include "tst_pdf.moc"
