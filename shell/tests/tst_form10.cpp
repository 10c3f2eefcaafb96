// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters window as the user drives it: opening from the menu, edit mode, placing values in
// the grid, cancelling, saving (and what the next start reads), leaving.
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/fenetre.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace essai;

namespace {

const QString kHorsBande = QStringLiteral("La valeur saisie ou placée n'est pas valide pour cette bande.");

// The window opened from the menu (at once, or by `ouvrir`), on a data folder of its own or on
// `donnees`, and its controls.
struct Parametres : Fenetre {
    Parametres() : Fenetre(kEntree, kNom, Ouverture::Differee) { boites = ouvrir(); }
    explicit Parametres(const Donnees &donnees, Ouverture quand = Ouverture::Immediate)
        : Fenetre(donnees, kEntree, kNom, Ouverture::Differee)
    {
        if (quand == Ouverture::Immediate) boites = ouvrir();
    }
    // Opens the window from the menu, and finds its controls.
    QList<Boite> ouvrir()
    {
        const QList<Boite> vues = Fenetre::ouvrir();
        f = fenetre();
        grille = champ<QTableWidget>("MSHFlexGrid1");
        modifier = champ<QCheckBox>("Check1");
        consigne = champ<QLabel>("Label1");
        valeur = champ<QLineEdit>("Text1");
        valider = champ<QPushButton>("Valider_Sauvegarder");
        annuler = champ<QPushButton>("Annuler");
        quitter = champ<QPushButton>("Quitter");
        retour = champ<QPushButton>("Retour_Menu");
        return vues;
    }

    // Grid text of table row r (r >= 1), column c.
    QString cellule(int r, int c) const
    {
        const QTableWidgetItem *item = grille->item(r - 1, c);
        return item ? item->text() : QString();
    }
    QStringList ligne(int r) const
    {
        QStringList l;
        for (int c = 0; c < 6; ++c) l << cellule(r, c);
        return l;
    }

    // Clicks cell (r, c) of the table with the mouse; row 0 is the heading.
    QList<Boite> cliquer(int r, int c, QList<QMessageBox::StandardButton> reponses = {})
    {
        return repondre(
            [&] {
                if (r == 0) {
                    QHeaderView *h = grille->horizontalHeader();
                    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                                      QPoint(h->sectionViewportPosition(c) + 5, h->height() / 2));
                } else {
                    const QRect rect = grille->visualRect(grille->model()->index(r - 1, c));
                    QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, rect.center());
                }
            },
            reponses);
    }

    // Types `texte` and clicks cell (r, c).
    QList<Boite> placer(const QString &texte, int r, int c)
    {
        valeur->setText(texte);
        return cliquer(r, c);
    }

    QList<Boite> appuyer(QPushButton *b, QList<QMessageBox::StandardButton> reponses = {})
    {
        return repondre([b] { b->click(); }, reponses);
    }

    bool enEdition() const
    {
        return modifier->isChecked() && consigne->isEnabled() && valeur->isEnabled();
    }
    bool enLecture() const
    {
        return !modifier->isChecked() && !consigne->isEnabled() && !valeur->isEnabled() &&
               !valider->isEnabled() && !annuler->isEnabled();
    }

    static inline const QString kEntree = QStringLiteral("Parametres"), kNom = QStringLiteral("Form10");
    QWidget *f = nullptr;
    QTableWidget *grille = nullptr;
    QCheckBox *modifier = nullptr;
    QLabel *consigne = nullptr;
    QLineEdit *valeur = nullptr;
    QPushButton *valider = nullptr, *annuler = nullptr, *quitter = nullptr, *retour = nullptr;
};

const QStringList kLigne20m = {"5", "20", "14.000 mhz", "14.350 mhz", "14.175 mhz", "14.200 mhz"};

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TstForm10 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void ouverture()
    {
        Parametres w;
        QVERIFY(w.boites.isEmpty());
        QVERIFY(w.f && w.f->isVisible());
        QCOMPARE(w.f->windowTitle(), QStringLiteral("Paramètres"));
        QCOMPARE(w.grille->columnCount(), 6);
        QCOMPARE(w.grille->rowCount(), 13);
        QStringList titres;
        for (int c = 0; c < 6; ++c) titres << w.grille->horizontalHeaderItem(c)->text();
        QCOMPARE(titres, (QStringList{"N°", "Bande", "Début", "Fin", "Centre", "Préference"}));
        QCOMPARE(w.ligne(1), (QStringList{"1", "160", "1.810 mhz", "2.000 mhz", "1.905 mhz", "1.850 mhz"}));
        QCOMPARE(w.ligne(5), kLigne20m);
        QCOMPARE(w.ligne(13).first(), QStringLiteral("13"));
        // Widths of 300, 600 and 1200 twips at least, wide enough for every text.
        const int twips[] = {300, 600, 1200, 1200, 1200, 1200};
        for (int c = 0; c < 6; ++c) {
            QVERIFY(w.grille->columnWidth(c) >= twips[c] * w.grille->logicalDpiX() / 1440);
            QVERIFY(w.grille->columnWidth(c) >= static_cast<QAbstractItemView *>(w.grille)->sizeHintForColumn(c));
        }
        QCOMPARE(w.modifier->text(), QStringLiteral("Modifier les fréquences des bandes"));
        QCOMPARE(w.consigne->text(), QStringLiteral("Saisir une valeur, puis cliquer sur la case à modifier"));
        QCOMPARE(w.consigne->buddy(), w.valeur);
        QCOMPARE(w.valider->text(), QStringLiteral("Valider et sauvegarder"));
        QCOMPARE(w.valider->toolTip(),
                 QStringLiteral("Ne pas oublier de fermer et relancer le logiciel pour une prise en "
                                "compte des nouveaux paramètres"));
        QCOMPARE(w.annuler->text(), QStringLiteral("Annuler"));
        QCOMPARE(w.quitter->text(), QStringLiteral("Quitter"));
        QCOMPARE(w.retour->text(), QStringLiteral("Retour au menu"));
        QVERIFY(w.enLecture());
        QVERIFY(w.valeur->text().isEmpty());
        // Every row is in sight: the grid does not scroll.
        QVERIFY(w.grille->viewport()->height() >= w.grille->rowViewportPosition(12) + w.grille->rowHeight(12));

        // In viewing mode a click only beeps.
        w.valeur->setText("14.2");
        QVERIFY(w.cliquer(5, 5).isEmpty());
        QCOMPARE(w.bips(), 1);
        QCOMPARE(w.ligne(5), kLigne20m);
    }

    void editionPuisNonRestaure()
    {
        Parametres w;
        appuyer(w.modifier);
        QVERIFY(w.enEdition());
        QCOMPARE(QApplication::focusWidget(), w.valeur);
        QVERIFY(!w.valider->isEnabled());

        QVERIFY(w.placer("14.25", 5, 5).isEmpty());
        QCOMPARE(w.cellule(5, 5), QStringLiteral("14.250 Mhz"));
        QCOMPARE(w.store().Tableau_Bandes[5][5], QStringLiteral("14.250"));
        QCOMPARE(w.store().Saisie_Parametre, QStringLiteral("14.250"));
        QVERIFY(w.valider->isEnabled() && w.annuler->isEnabled());
        QCOMPARE(w.bips(), 0);

        const QList<Boite> b = w.appuyer(w.valider, {QMessageBox::No});
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].texte, QStringLiteral("Voulez vous enregistrer ces modifications"));
        QCOMPARE(b[0].titre, QStringLiteral("Sauvegarder"));
        QCOMPARE(b[0].icone, QMessageBox::NoIcon);
        QCOMPARE(b[0].boutons, QMessageBox::Yes | QMessageBox::No);
        // No acts as Annuler: the old value is back, the band names carry " m".
        QCOMPARE(w.store().Tableau_Bandes[5][5], QStringLiteral("14.200"));
        QCOMPARE(w.ligne(5), (QStringList{"5", "20 m", "14.000 mhz", "14.350 mhz", "14.175 mhz", "14.200 mhz"}));
        QCOMPARE(w.cellule(12, 1), QStringLiteral("0.70 m"));
        QVERIFY(w.enLecture());
        QVERIFY(w.valeur->text().isEmpty());
        QCOMPARE(contenu(w.donnees().fichier("Bande_bdfcp.dat")), contenu(QStringLiteral(ORVALIS_DATA_SOURCE "/Bande_bdfcp.dat")));

        // The menu set-up shows the bare band name again.
        w.ouvrir();
        QCOMPARE(w.ligne(5), kLigne20m);
        QCOMPARE(w.principal().findChildren<QWidget *>("Form10").size(), 1);
    }

    void bordsDeBande()
    {
        Parametres w;
        appuyer(w.modifier);

        // Centre and preferred columns must lie within the edges shown in the grid.
        for (int c : {4, 5}) {
            const QList<Boite> b = w.placer("13.9", 5, c);
            QCOMPARE(b.size(), 1);
            QCOMPARE(b[0].texte, kHorsBande);
            QCOMPARE(b[0].titre, QStringLiteral("Attention"));
            QCOMPARE(b[0].icone, QMessageBox::Warning);
            QCOMPARE(b[0].boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QCOMPARE(w.placer("14.351", 5, 5).size(), 1);
        QCOMPARE(w.ligne(5), kLigne20m);
        QCOMPARE(w.store().Tableau_Bandes[5][4], QStringLiteral("14.175"));
        QVERIFY(!w.valider->isEnabled());
        QCOMPARE(w.bips(), 0);

        // The edges themselves are not checked, and the new edge counts at once.
        QVERIFY(w.placer("13.9", 5, 2).isEmpty());
        QCOMPARE(w.cellule(5, 2), QStringLiteral("13.900 Mhz"));
        QVERIFY(w.placer("13.95", 5, 4).isEmpty());
        QCOMPARE(w.cellule(5, 4), QStringLiteral("13.950 Mhz"));
        QVERIFY(w.placer("99", 5, 3).isEmpty());
        QCOMPARE(w.cellule(5, 3), QStringLiteral("99.000 Mhz"));
        // Edges included; the value is cut before it is checked.
        QVERIFY(w.placer("99.0009", 5, 5).isEmpty());
        QCOMPARE(w.cellule(5, 5), QStringLiteral("99.000 Mhz"));
        QVERIFY(w.placer("13.9", 5, 5).isEmpty());
        QCOMPARE(w.store().Tableau_Bandes[5],
                 (std::array<QString, 6>{"5", "20", "13.900", "99.000", "13.950", "13.900"}));
    }

    void normalisation_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("case_");
        QTest::newRow("sans point") << "7" << "7.000 Mhz";
        QTest::newRow("coupé") << "7.12345" << "7.123 Mhz";
        QTest::newRow("une décimale") << "7.1" << "7.100 Mhz";
    }
    void normalisation()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, case_);
        Parametres w;
        appuyer(w.modifier);
        QVERIFY(w.placer(saisie, 3, 2).isEmpty());
        QCOMPARE(w.cellule(3, 2), case_);
        QCOMPARE(w.store().Tableau_Bandes[3][2] + " Mhz", case_);
    }

    // Every click that cannot place a value beeps and changes nothing.
    void bips_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("colonne");
        QTest::newRow("rien de saisi") << "" << 5 << 5;
        QTest::newRow("en-tête") << "14.2" << 0 << 5;
        QTest::newRow("colonne N°") << "14.2" << 5 << 0;
        QTest::newRow("colonne Bande") << "14.2" << 5 << 1;
        QTest::newRow("avec une unité") << "14.2 MHz" << 5 << 5;
        QTest::newRow("pas un nombre") << "abc" << 5 << 2;
        QTest::newRow("virgule") << "14,2" << 5 << 5;
        QTest::newRow("ligne sans bande") << "14.2" << 13 << 2;
    }
    void bips()
    {
        QFETCH(QString, saisie);
        QFETCH(int, ligne);
        QFETCH(int, colonne);
        Donnees d;
        QStringList douze;  // the delivered table without its last band
        {
            QFile f(d.fichier("Bande_bdfcp.dat"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            douze = QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts).mid(0, 12);
        }
        d.ecrire("Bande_bdfcp.dat", douze);
        Parametres w(d);
        appuyer(w.modifier);
        const auto avant = w.store().Tableau_Bandes;
        QVERIFY(w.placer(saisie, ligne, colonne).isEmpty());
        QCOMPARE(w.bips(), 1);
        QCOMPARE(w.store().Tableau_Bandes, avant);
        QCOMPARE(w.ligne(5), kLigne20m);
        QVERIFY(w.cellule(13, 2).isEmpty());
        QVERIFY(!w.valider->isEnabled());
        QVERIFY(w.enEdition());
    }

    // Annuler and Valider do nothing once the check box has been unticked by hand; the placed
    // values stay in memory.
    void decocheALaMain()
    {
        Parametres w;
        appuyer(w.modifier);
        w.placer("7.15", 3, 5);
        appuyer(w.modifier);
        QVERIFY(!w.modifier->isChecked() && !w.valeur->isEnabled() && !w.consigne->isEnabled());
        QVERIFY(w.annuler->isEnabled());
        QVERIFY(w.appuyer(w.annuler).isEmpty());
        QVERIFY(w.appuyer(w.valider).isEmpty());
        QCOMPARE(w.cellule(3, 5), QStringLiteral("7.150 Mhz"));
        QCOMPARE(w.store().Tableau_Bandes[3][5], QStringLiteral("7.150"));
        QCOMPARE(w.valeur->text(), QStringLiteral("7.15"));
    }

    void annuler()
    {
        Parametres w;
        appuyer(w.modifier);
        w.placer("3.6", 2, 5);
        w.placer("3.55", 2, 4);
        QVERIFY(w.appuyer(w.annuler).isEmpty());
        QCOMPARE(w.ligne(2), (QStringList{"2", "80 m", "3.500 mhz", "3.800 mhz", "3.650 mhz", "3.650 mhz"}));
        QCOMPARE(w.store().Tableau_Bandes[2][4], QStringLiteral("3.650"));
        QVERIFY(w.enLecture());
        QVERIFY(w.valeur->text().isEmpty());
        // A second edit takes a fresh copy of the table.
        appuyer(w.modifier);
        w.placer("3.7", 2, 5);
        appuyer(w.modifier);
        appuyer(w.modifier);
        w.placer("3.75", 2, 4);
        w.appuyer(w.annuler);
        QCOMPARE(w.store().Tableau_Bandes[2][5], QStringLiteral("3.700"));
        QCOMPARE(w.store().Tableau_Bandes[2][4], QStringLiteral("3.650"));
    }

    // Saved, then read by the next start: the same table, and the start-up frequencies follow it.
    void sauvegardeEtRedemarrage()
    {
        Donnees d;
        std::array<std::array<QString, 6>, Module1::kMaxBandes + 1> attendu;
        {
            Parametres w(d);
            appuyer(w.modifier);
            w.placer("14.1", 5, 5);
            w.placer("7", 3, 2);
            w.placer("1299.99999", 13, 5);
            const QList<Boite> b = w.appuyer(w.valider, {QMessageBox::Yes});
            QCOMPARE(b.size(), 1);
            QVERIFY(w.enLecture());
            QCOMPARE(w.cellule(5, 5), QStringLiteral("14.100 Mhz"));
            attendu = w.store().Tableau_Bandes;
        }
        const QByteArray ecrit = contenu(d.fichier("Bande_bdfcp.dat"));
        QVERIFY(ecrit.contains("\r\n5 20 14.000 14.350 14.175 14.100\r\n"));
        QVERIFY(ecrit.endsWith("\r\n13 0.23 1240.000 1300.000 1270.000 1299.999\r\n"));
        QCOMPARE(ecrit.count("\r\n"), 13);

        Parametres w(d, Fenetre::Ouverture::Differee);
        QCOMPARE(w.store().Nombre_Bandes, short(13));
        QCOMPARE(w.store().Tableau_Bandes, attendu);
        QCOMPARE(w.store().Frequence_Accord, 14.1f);
        w.ouvrir();
        QCOMPARE(w.ligne(5), (QStringList{"5", "20", "14.000 mhz", "14.350 mhz", "14.175 mhz", "14.100 mhz"}));
        QCOMPARE(w.cellule(3, 2), QStringLiteral("7.000 mhz"));
    }

    // The file cannot be replaced: the user is told which file, stays in edit mode, loses nothing,
    // and can save once the obstacle is gone.
    void sauvegardeImpossible()
    {
        Parametres w;
        appuyer(w.modifier);
        w.placer("14.3", 5, 5);
        const Donnees &d = w.donnees();
        const QString fichier = d.fichier("Bande_bdfcp.dat");
        QVERIFY(QFile::remove(fichier));
        QVERIFY(QDir(d.chemin()).mkdir("Bande_bdfcp.dat"));

        const QList<Boite> b = w.appuyer(w.valider, {QMessageBox::Yes});
        QCOMPARE(b.size(), 2);
        QCOMPARE(b[1].titre, QStringLiteral("Sauvegarder"));
        QCOMPARE(b[1].icone, QMessageBox::Warning);
        QVERIFY2(b[1].texte.startsWith("Le fichier " + QDir::toNativeSeparators(fichier) +
                                       " n'a pas pu être enregistré.\n"),
                 qPrintable(b[1].texte));
        QVERIFY(w.enEdition());
        QVERIFY(w.valider->isEnabled() && w.annuler->isEnabled());
        QCOMPARE(w.cellule(5, 5), QStringLiteral("14.300 Mhz"));
        QCOMPARE(w.store().Tableau_Bandes[5][5], QStringLiteral("14.300"));
        QVERIFY(QFileInfo(fichier).isDir());
        QCOMPARE(QDir(d.chemin()).entryList({"Bande*"}, QDir::AllEntries), QStringList{"Bande_bdfcp.dat"});

        QVERIFY(QDir(d.chemin()).rmdir("Bande_bdfcp.dat"));
        QCOMPARE(w.appuyer(w.valider, {QMessageBox::Yes}).size(), 1);
        QVERIFY(w.enLecture());
        QVERIFY(contenu(fichier).contains("5 20 14.000 14.350 14.175 14.300\r\n"));
    }

    void quitterEtRetour_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("Quitter") << "Quitter";
        QTest::newRow("Retour au menu") << "Retour_Menu";
    }
    // Leaving unticks the box and hides the window; the edits stay for this run, unsaved.
    void quitterEtRetour()
    {
        QFETCH(QString, bouton);
        Parametres w;
        appuyer(w.modifier);
        w.placer("18.1", 6, 5);
        QVERIFY(w.appuyer(w.champ<QPushButton>(bouton)).isEmpty());
        QVERIFY(!w.f->isVisible());
        QVERIFY(!w.modifier->isChecked() && !w.valeur->isEnabled());
        QCOMPARE(w.store().Tableau_Bandes[6][5], QStringLiteral("18.100"));
        QCOMPARE(contenu(w.donnees().fichier("Bande_bdfcp.dat")), contenu(QStringLiteral(ORVALIS_DATA_SOURCE "/Bande_bdfcp.dat")));

        w.ouvrir();
        QVERIFY(w.f->isVisible());
        QCOMPARE(w.cellule(6, 5), QStringLiteral("18.100 mhz"));
        QVERIFY(w.enLecture());
        // The grid comes back as it was set up: no cell chosen.
        QVERIFY(w.grille->selectedItems().isEmpty());
        QCOMPARE(w.grille->currentRow(), -1);
    }

    // A table of 14 or 15 bands: the grid grows so that each band has its row.
    void tableLongue_data()
    {
        QTest::addColumn<int>("lignes");
        QTest::newRow("14") << 14;
        QTest::newRow("15") << 15;
        QTest::newRow("16, la dernière ignorée") << 16;
    }
    void tableLongue()
    {
        QFETCH(int, lignes);
        Donnees d;
        QStringList fichier;
        for (int r = 1; r <= lignes; ++r)
            fichier << QStringLiteral("%1 b%1 %1.000 %1.500 %1.250 %1.100").arg(r);
        d.ecrire("Bande_bdfcp.dat", fichier);
        Parametres w(d);
        const int attendues = std::min(lignes, 15);
        QCOMPARE(w.grille->rowCount(), attendues);
        QCOMPARE(w.ligne(attendues), (QStringList{QString::number(attendues), "b" + QString::number(attendues),
                                                  QStringLiteral("%1.000 mhz").arg(attendues),
                                                  QStringLiteral("%1.500 mhz").arg(attendues),
                                                  QStringLiteral("%1.250 mhz").arg(attendues),
                                                  QStringLiteral("%1.100 mhz").arg(attendues)}));
        const int bas = w.grille->rowViewportPosition(attendues - 1) + w.grille->rowHeight(attendues - 1);
        QVERIFY(w.grille->viewport()->height() >= bas);

        appuyer(w.modifier);
        QVERIFY(w.placer(QStringLiteral("%1.2").arg(attendues), attendues, 5).isEmpty());
        QCOMPARE(w.bips(), 0);
        QCOMPARE(w.appuyer(w.valider, {QMessageBox::Yes}).size(), 1);
        const QByteArray ecrit = contenu(d.fichier("Bande_bdfcp.dat"));
        QCOMPARE(ecrit.count("\r\n"), attendues);
        QVERIFY(ecrit.endsWith(QStringLiteral("%1 b%1 %1.000 %1.500 %1.250 %1.200\r\n").arg(attendues).toLatin1()));
    }

    // The window as it looks; every text fits its control.
    void apparence()
    {
        Parametres w;
        appuyer(w.modifier);
        w.placer("14.25", 5, 5);
        QApplication::processEvents();
        for (QWidget *c : w.f->findChildren<QWidget *>()) {
            if (!c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
            QVERIFY2(c->height() >= c->minimumSizeHint().height(), qPrintable(c->objectName()));
        }
        const QImage image = w.f->grab().toImage();
        QVERIFY(!image.isNull());
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
        if (!dossier.isEmpty()) QVERIFY(image.save(QDir(dossier).filePath("Form10.png")));
    }
};

QTEST_MAIN(TstForm10)
#include "tst_form10.moc"
