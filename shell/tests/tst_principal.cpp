// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menu, quit prompt, About box, start-up problems, fresh defaults.
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/utilisateur.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace essai;

class TstPrincipal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void menuDansLOrdre()
    {
        Donnees d;
        auto p = demarrer(d);
        QStringList noms, legendes;
        for (QAction *a : p->menuBar()->actions()) {
            noms << a->objectName();
            legendes << a->text();
            QVERIFY(a->isEnabled());
        }
        QCOMPARE(noms, (QStringList{"Quitter", "Parametres", "Antenne", "Adaptations", "VSWR",
                                    "Calculs", "Convertir", "Dipole_Raccourci", "Les_Cables", "Infos"}));
        QCOMPARE(legendes, (QStringList{"Quitter", "Paramètres", "Les antennes", "Adaptation", "VSWR",
                                        "Calculs", "Convertir", "Dipole raccourci", "Les câbles ",
                                        "Infos"}));
        p->activerMenu(false);
        for (QAction *a : p->menuBar()->actions()) QVERIFY(!a->isEnabled());
        p->activerMenu(true);
        for (QAction *a : p->menuBar()->actions()) QVERIFY(a->isEnabled());
    }

    void quitterAnnuleOuConfirme()
    {
        Donnees d;
        auto p = demarrer(d);
        QList<Boite> b = menu(*p, "Quitter", {QMessageBox::Cancel});
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].texte, QStringLiteral("Voulez-vous vraiement quitter Orvalis!"));
        // Qt's own button texts in French, whatever the system's language.
        QCOMPARE(b[0].libelles, (QStringList{"OK", "Annuler"}));
        QCOMPARE(b[0].titre, QStringLiteral("C'est fini!"));
        QCOMPARE(b[0].icone, QMessageBox::NoIcon);
        QCOMPARE(b[0].boutons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(p->isVisible());
        b = menu(*p, "Quitter", {QMessageBox::Ok});
        QCOMPARE(b.size(), 1);
        QVERIFY(!p->isVisible());
    }

    void aPropos()
    {
        Donnees d;
        auto p = demarrer(d);
        QVERIFY(menu(*p, "Infos").isEmpty());
        auto *about = p->findChild<QWidget *>("frmAbout");
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("À propos de Orvalis"));
        const QString version = controle<QLabel>(about, "lblVersion")->text();
        QVERIFY2(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+ du 01 fevrier 2018$").match(version).hasMatch(),
                 qPrintable(version));
        QVERIFY(controle<QLabel>(about, "lblTitle")->text().startsWith("Orvalis\r\n"));
        QCOMPARE(controle<QLabel>(about, "lblTitle")->text().count("\r\n"), 2);
        QCOMPARE(controle<QLabel>(about, "lblDisclaimer")->text(),
                 QStringLiteral("Ce logiciel permet de calculer les dimensions des antennes les plus courantes, "
                                "il contient quelques boites à calculs pouvant en faciliter la construction.\r\n"
                                "Avertissement: ...\r\n"
                                "Les calculs fait par ce simple logiciel , ne sont peut être pas tout-à-fait exacte.\r\n"
                                "Vérifier la cohérence des résultats présentés."));
        QVERIFY(!controle<QLabel>(about, "picIcon")->pixmap().isNull());
        appuyer(controle<QPushButton>(about, "cmdOK"));
        QVERIFY(!about->isVisible());
        menu(*p, "Infos");
        QVERIFY(about->isVisible());
        QCOMPARE(p->findChildren<QWidget *>("frmAbout").size(), 1);  // created once
    }

    void fichierManquantSignale()
    {
        Donnees d;
        d.supprimer("Bande_bdfcp.dat");
        QList<Boite> boites;
        auto p = demarrer(d, &boites);
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].texte.contains("Bande_bdfcp.dat"));
        QCOMPARE(boites[0].titre, QStringLiteral("Orvalis"));
        QCOMPARE(p->store().Nombre_Bandes, short(0));
        QVERIFY(p->isVisible());
        QCOMPARE(menu(*p, "Infos").size(), 0);  // the program keeps working
    }

    void valeursNeuvesAChaqueFois()
    {
        Donnees d;
        auto p = demarrer(d);
        p->store().Frequence_Dipole = 99;
        p->bip();
        QCOMPARE(p->beepCount(), 1);
        p.reset();
        p = demarrer(d);
        QCOMPARE(p->store().Frequence_Dipole, 7.1f);
        QCOMPARE(p->beepCount(), 0);
    }

    void imagesDuRepertoire()
    {
        Donnees d;
        QImage img(4, 3, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(d.fichier("Essai.bmp")));
        auto p = demarrer(d);
        QCOMPARE(p->image("\\Essai.bmp").size(), QSize(4, 3));
        QVERIFY(p->image("\\Absente.gif").isNull());
    }
};

QTEST_MAIN(TstPrincipal)
#include "tst_principal.moc"
