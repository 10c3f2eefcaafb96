// SPDX-License-Identifier: GPL-3.0-or-later
// The cable chooser: the cable list in its grid, choosing a cable and exporting it to the toolbox,
// browsing it from the menu, and the odd lines a hand-edited list may hold.
#include "images.h"
#include "shell/ChampsNumeriques.h"
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/utilisateur.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace essai;

class TstCables : public QObject {
    Q_OBJECT

    std::unique_ptr<Donnees> donnees;
    std::unique_ptr<MDIForm1> p;

    QWidget *boite() { return p->findChild<QWidget *>("Form6"); }
    QWidget *choix() { return p->findChild<QWidget *>("Form7"); }
    QTableWidget *grille() { return controle<QTableWidget>(choix(), "MSHFlexGrid1"); }
    QString t(QWidget *f, const char *nom)
    {
        return texteDe(controle<QWidget>(f, QString::fromLatin1(nom))).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    bool exportVisible()
    {
        const QStringList noms{"Label1", "Text1", "Exporter_Cable"};
        int visibles = 0;
        for (const QString &n : noms) visibles += !controle<QWidget>(choix(), n)->isHidden();
        if (visibles != 0 && visibles != noms.size()) qWarning("export controls partly shown");
        return visibles == noms.size();
    }

    // The program started on the delivered list, or on `lignes` when given.
    void demarrerAvec(const QStringList *lignes = nullptr)
    {
        p.reset();
        donnees = std::make_unique<Donnees>();
        if (lignes) donnees->ecrire(QStringLiteral("Câbles.dat"), *lignes);
        p = demarrer(*donnees);
    }
    void ouvrirDepuisLaBoite()
    {
        QVERIFY(menu(*p, "Calculs").isEmpty());
        appuyer(controle<QPushButton>(boite(), "Choisir_Cable"));
        QVERIFY(choix() && choix()->isVisible());
    }
    int ligneDe(const QString &nom)
    {
        for (int r = 0; r < grille()->rowCount(); ++r)
            if (grille()->item(r, 0) && grille()->item(r, 0)->text() == nom) return r;
        return -1;
    }
    void cliquerLigne(int r)
    {
        QTableWidgetItem *item = grille()->item(r, 0);
        QVERIFY(item);
        QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {},
                          grille()->visualItemRect(item).center());
    }

private slots:
    void initTestCase() { reglagesFrancais(); }
    void cleanup()
    {
        p.reset();
        donnees.reset();
    }

    void choisirEtExporter()
    {
        demarrerAvec();
        ouvrirDepuisLaBoite();
        QCOMPARE(choix()->windowTitle(), QStringLiteral("Lignes  bifilaires et coaxiales"));
        QVERIFY(exportVisible());
        QCOMPARE(t(choix(), "Label1"), QStringLiteral("Cliquer sur une ligne pour exporter le Coéficient de Vélocité"));
        QCOMPARE(t(choix(), "Text1"), QString());
        QCOMPARE(grille()->columnCount(), 13);
        QCOMPARE(grille()->rowCount(), int(p->store().Dernier_Cable));  // the first line is the heading
        QCOMPARE(grille()->horizontalHeaderItem(0)->text(), QStringLiteral("Câble"));
        QCOMPARE(grille()->horizontalHeaderItem(4)->text(), QStringLiteral("Coef.Vélocité"));
        QCOMPARE(grille()->item(0, 0)->text(), QStringLiteral("RG58C/U"));
        capturer(choix()->parentWidget(), QStringLiteral("choix-cable"));

        const int rg6 = ligneDe(QStringLiteral("RG6/U"));
        QVERIFY(rg6 >= 0);
        cliquerLigne(rg6);
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  RG6/U, Coef.Vélocité =  .82"));

        // The chooser is not modal: the toolbox computes with the chosen cable at once.
        QVERIFY(!choix()->isModal());
        appuyer(controle<QPushButton>(boite(), "Calculer_Cable"));
        QStringList coupe = t(boite(), "Text17").split(u'\n');
        QCOMPARE(coupe[0], QStringLiteral("Type de câble: RG6/U"));
        QCOMPARE(coupe[3], QStringLiteral("Une Onde entière = 17,42 m"));
        QCOMPARE(t(boite(), "Text13"), QStringLiteral("0,66"));

        appuyer(controle<QPushButton>(choix(), "Exporter_Cable"));
        QVERIFY(!choix()->isVisible());
        QVERIFY(!exportVisible());
        QCOMPARE(t(boite(), "Text13"), QStringLiteral("0,82"));
        coupe = t(boite(), "Text17").split(u'\n');
        QCOMPARE(coupe[0], QStringLiteral("Type de câble: RG6/U"));
        QCOMPARE(coupe[4], QStringLiteral("Une demi-onde = 8,71 m"));

        // A typed velocity factor is the standard cable's again.
        saisir(controle<QLineEdit>(boite(), "Text13"), QStringLiteral("0.7"));
        QCOMPARE(p->store().Nom_Cable, QStringLiteral("câble standard"));
    }

    void parcourirDepuisLeMenu()
    {
        demarrerAvec();
        QVERIFY(menu(*p, "Les_Cables").isEmpty());
        QVERIFY(choix()->isVisible());
        QVERIFY(!exportVisible());
        QCOMPARE(grille()->rowCount(), int(p->store().Dernier_Cable));
        cliquerLigne(ligneDe(QStringLiteral("KX8")));
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  KX8, Coef.Vélocité =  .7"));
        QCOMPARE(p->store().Coefficient_Velocite, 0.7f);
        appuyer(controle<QPushButton>(choix(), "Retour_Menu"));
        QVERIFY(!choix()->isVisible());
        QVERIFY(menu(*p, "Les_Cables").isEmpty());
        QCOMPARE(t(choix(), "Text1"), QString());  // emptied at each opening
    }

    void menuApresChoisir()
    {
        demarrerAvec();
        ouvrirDepuisLaBoite();
        appuyer(controle<QPushButton>(choix(), "Retour_Menu"));
        QVERIFY(menu(*p, "Les_Cables").isEmpty());
        QVERIFY(exportVisible());  // left as they were
    }

    void clicSurLEntete()
    {
        demarrerAvec();
        ouvrirDepuisLaBoite();
        emit grille()->horizontalHeader()->sectionClicked(2);  // no row chosen yet: the first one
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  RG58C/U, Coef.Vélocité =  .66"));
        cliquerLigne(2);
        emit grille()->horizontalHeader()->sectionClicked(0);
        QCOMPARE(p->store().Nom_Cable, grille()->item(2, 0)->text());
    }

    void lignesParticulieres()
    {
        const QStringList lignes{
            "Nom Z D C Vel",
            "RG58 50 2.9 4.95 0.66 ",
            "RG59  75 x 0.82",
            " Anonyme 1 2 0.5",
            "Long 1 2 3 0.7 5 6 7 8 9 10 11 12 13 14",
            "Bizarre 1 2 3 environ",
        };
        demarrerAvec(&lignes);
        ouvrirDepuisLaBoite();
        QCOMPARE(grille()->rowCount(), 5);
        const auto cellule = [this](int r, int c) {
            const QTableWidgetItem *i = grille()->item(r, c);
            return i ? i->text() : QStringLiteral("<aucune>");
        };
        QCOMPARE(grille()->horizontalHeaderItem(4)->text(), QStringLiteral("Vel"));
        // Heading cells beyond the first line's fields stay empty.
        for (int c = 5; c < grille()->columnCount(); ++c) {
            QVERIFY(grille()->horizontalHeaderItem(c));
            QCOMPARE(grille()->horizontalHeaderItem(c)->text(), QString());
            QCOMPARE(grille()->model()->headerData(c, Qt::Horizontal).toString(), QString());
        }
        QCOMPARE((QStringList{cellule(0, 0), cellule(0, 4), cellule(0, 5)}), (QStringList{"RG58", "0.66", "<aucune>"}));
        QCOMPARE((QStringList{cellule(1, 0), cellule(1, 1), cellule(1, 2), cellule(1, 4)}),
                 (QStringList{"RG59", "<aucune>", "75", "0.82"}));
        QCOMPARE((QStringList{cellule(2, 0), cellule(2, 1), cellule(2, 4)}), (QStringList{"<aucune>", "Anonyme", "0.5"}));
        QCOMPARE((QStringList{cellule(3, 4), cellule(3, 12)}), (QStringList{"0.7", "12"}));
        QCOMPARE(grille()->columnCount(), 13);  // the fields beyond are left out

        cliquerLigne(1);
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  RG59, Coef.Vélocité =  .82"));
        QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {},
                          grille()->visualRect(grille()->model()->index(2, 1)).center());
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  , Coef.Vélocité =  .5"));

        // A factor that is not a number gives 0, and every length 0.
        cliquerLigne(4);
        QCOMPARE(t(choix(), "Text1"), QStringLiteral("Câble type:  Bizarre, Coef.Vélocité =  0"));
        appuyer(controle<QPushButton>(choix(), "Exporter_Cable"));
        QCOMPARE(t(boite(), "Text13"), QStringLiteral("0,00"));
        QVERIFY(t(boite(), "Text17").contains(QStringLiteral("Une Onde entière = 0,00 m")));

        // Cells that a later filling does not reach keep what they held.
        p->store().Lignes_Cables[1] = QStringLiteral("RG58");
        appuyer(controle<QPushButton>(boite(), "Choisir_Cable"));
        QCOMPARE((QStringList{cellule(0, 0), cellule(0, 4)}), (QStringList{"RG58", "0.66"}));
    }

    void listeVide()
    {
        const QStringList vide;
        demarrerAvec(&vide);
        QCOMPARE(p->store().Dernier_Cable, short(-1));
        ouvrirDepuisLaBoite();
        QCOMPARE(grille()->rowCount(), 0);
        // An empty heading, not Qt's column numbers.
        for (int c = 0; c < grille()->columnCount(); ++c)
            QCOMPARE(grille()->model()->headerData(c, Qt::Horizontal).toString(), QString());
        emit grille()->horizontalHeader()->sectionClicked(0);
        emit grille()->cellClicked(0, 0);
        QCOMPARE(t(choix(), "Text1"), QString());
        QCOMPARE(p->store().Nom_Cable, QStringLiteral("câble standard"));
        appuyer(controle<QPushButton>(choix(), "Exporter_Cable"));
        QCOMPARE(t(boite(), "Text13"), QStringLiteral("0,66"));  // the factor in use, unchanged
        QVERIFY(t(boite(), "Text17").startsWith(QStringLiteral("Type de câble: câble standard")));
    }
};

QTEST_MAIN(TstCables)
#include "tst_cables.moc"
