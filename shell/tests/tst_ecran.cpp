// SPDX-License-Identifier: GPL-3.0-or-later
// Every working window on a small screen: the main window as it opens on a 1366 x 768 screen
// holds each window inside its visible area, nothing cut and no scrolling; and on a high-density
// screen (run with QT_SCALE_FACTOR=2) the drawings are shown at the screen's resolution.
#include "shell/MDIForm1.h"
#include "tests/support/utilisateur.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using namespace essai;

namespace {

const char *const kEntrees[] = {"Parametres", "Antenne", "Adaptations", "VSWR", "Calculs",
                                "Convertir", "Dipole_Raccourci", "Les_Cables", "Infos"};

QMdiSubWindow *cadreActif(MDIForm1 &p) { return p.findChild<QMdiArea *>()->activeSubWindow(); }

}  // namespace

class TstEcran : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void chaqueFenetreTientDansLaZone_data()
    {
        QTest::addColumn<QString>("entree");
        for (const char *e : kEntrees) QTest::newRow(e) << QString::fromLatin1(e);
        QTest::newRow("Modele") << QStringLiteral("Modele");  // "Modéliser (NEC-2)…" of the designer
    }
    void chaqueFenetreTientDansLaZone()
    {
        QFETCH(QString, entree);
        Donnees d;
        auto p = demarrer(d);
        QCoreApplication::processEvents();
        // Within the screen, and maximized when the screen cannot hold the size it wants.
        const QRect ecran = p->screen()->availableGeometry();
        QVERIFY(ecran.contains(p->frameGeometry()));
        const bool petit = ecran.width() < MDIForm1::kTailleVoulue.width() + 40 ||
                           ecran.height() < MDIForm1::kTailleVoulue.height() + 60;
        QCOMPARE(p->isMaximized(), petit);
        if (!petit) QCOMPARE(p->size(), MDIForm1::kTailleVoulue);
        auto *zone = p->findChild<QMdiArea *>();
        if (entree == QLatin1String("Adaptations")) menu(*p, QStringLiteral("Antenne"));
        if (entree == QLatin1String("Modele")) {
            menu(*p, QStringLiteral("Antenne"));
            repondre([&] { appuyer(p->findChild<QPushButton *>(QStringLiteral("Modeliser"))); });
        } else {
            menu(*p, entree);
        }
        QMdiSubWindow *cadre = cadreActif(*p);
        QVERIFY(cadre && cadre->isVisible());
        QCoreApplication::processEvents();
        const QRect visible = zone->viewport()->rect();
        qInfo("%s: %dx%d in %dx%d", qPrintable(entree), cadre->width(), cadre->height(), visible.width(),
              visible.height());
        QVERIFY2(visible.contains(cadre->geometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(entree).arg(cadre->x()).arg(cadre->y())
                                .arg(cadre->width()).arg(cadre->height())));
        QVERIFY(!zone->horizontalScrollBar()->isVisible());
        QVERIFY(!zone->verticalScrollBar()->isVisible());
        // Its contents get at least what they ask for: nothing is cut.
        QWidget *fenetre = cadre->widget();
        QVERIFY(fenetre->width() >= fenetre->minimumSizeHint().width());
        QVERIFY(fenetre->height() >= fenetre->minimumSizeHint().height());

        // The drawings at the screen's resolution (2 on a high-density screen).
        int dessins = 0;
        for (QLabel *l : fenetre->findChildren<QLabel *>()) {
            if (l->pixmap().isNull()) continue;
            ++dessins;
            QCOMPARE(l->pixmap().devicePixelRatio(), fenetre->devicePixelRatioF());
        }
        const QStringList avecDessins{"Antenne", "Calculs", "Dipole_Raccourci", "Infos"};
        QCOMPARE(dessins > 0, avecDessins.contains(entree));
    }

    // A picture file the user put in place of the delivered one is the one shown, at any density.
    void imageDeLUtilisateur()
    {
        Donnees d;
        QImage propre(50, 40, QImage::Format_RGB32);
        propre.fill(Qt::red);
        QVERIFY(propre.save(d.fichier(QStringLiteral("Ground-Plane.gif")), "PNG"));
        auto p = demarrer(d);
        menu(*p, QStringLiteral("Antenne"));
        auto *dessin = p->findChild<QWidget *>(QStringLiteral("Form1"))->findChild<QLabel *>(QStringLiteral("Picture1"));
        QVERIFY(dessin);
        const QImage montree = dessin->pixmap().toImage();
        QCOMPARE(montree.deviceIndependentSize().toSize(), QSize(50, 40));
        QCOMPARE(montree.pixelColor(montree.width() / 2, montree.height() / 2), QColor(Qt::red));
        // The delivered file of another design is shown at the screen's resolution.
        menu(*p, QStringLiteral("Calculs"));
        auto *circuit = p->findChild<QWidget *>(QStringLiteral("Form6"))->findChild<QLabel *>(QStringLiteral("Picture1"));
        QCOMPARE(circuit->pixmap().devicePixelRatio(), circuit->devicePixelRatioF());
        QCOMPARE(circuit->pixmap().size(), QImage(d.fichier(QStringLiteral("Antenne-raccourcie-6.bmp"))).size() *
                                               circuit->devicePixelRatioF());
    }

    // Windows opened one after the other take the free places nearest the top-left corner, then
    // cascade; each lies inside the area.
    void fenetresSuccessives()
    {
        Donnees d;
        auto p = demarrer(d);
        QCoreApplication::processEvents();
        auto *zone = p->findChild<QMdiArea *>();
        QList<QRect> places;
        for (const char *e : {"Convertir", "Infos", "VSWR", "Les_Cables", "Calculs", "Antenne"}) {
            menu(*p, QString::fromLatin1(e));
            QMdiSubWindow *cadre = cadreActif(*p);
            QVERIFY2(zone->viewport()->rect().contains(cadre->geometry()), e);
            for (const QRect &r : std::as_const(places)) QVERIFY2(r.topLeft() != cadre->pos(), e);
            places << cadre->geometry();
        }
        QCOMPARE(places[0].topLeft(), QPoint(0, 0));
        QCOMPARE(places[1].topLeft(), QPoint(places[0].right() + 1, 0));  // beside the converter
        QVERIFY(!places[1].intersects(places[0]));
    }

    // The solutions table opened from the dipole window leaves that window's menu bar in sight.
    void tableauSousLeMenuDuDipole()
    {
        Donnees d;
        auto p = demarrer(d);
        menu(*p, QStringLiteral("Dipole_Raccourci"));
        QMdiSubWindow *dipole = cadreActif(*p);
        auto *voir = dipole->findChild<QAction *>(QStringLiteral("Voir_Tableau"));
        QVERIFY(voir);
        repondre([&] { voir->trigger(); });
        QMdiSubWindow *tableau = cadreActif(*p);
        QVERIFY(tableau != dipole);
        auto *barre = dipole->widget()->findChild<QMenuBar *>();
        QVERIFY(barre);
        const QRect menuVisible(barre->mapTo(p->findChild<QMdiArea *>()->viewport(), QPoint(0, 0)), barre->size());
        QVERIFY(!tableau->geometry().intersects(menuVisible.adjusted(0, 0, -menuVisible.width() + 80, 0)));
        QVERIFY(p->findChild<QMdiArea *>()->viewport()->rect().contains(tableau->geometry()));
    }
};

QTEST_MAIN(TstEcran)
#include "tst_ecran.moc"
