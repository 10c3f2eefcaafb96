// SPDX-License-Identifier: GPL-3.0-or-later
// The unit converter as the user drives it, from the menu entry "Convertir".
#include "converter/Form5.h"
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/fenetre.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace essai;

namespace {

// The converter opened from the menu entry "Convertir", or, when its opening is put off, only made
// as the main window makes it; and its controls.
struct Convertisseur : Fenetre {
    explicit Convertisseur(Ouverture quand = Ouverture::Immediate)
        : Fenetre(QStringLiteral("Convertir"), QStringLiteral("Form5"), quand),
          f(quand == Ouverture::Immediate ? fenetre() : principal().fenetre<Form5>())
    {
        nombre = controle<QLineEdit>(f, "Text26");
        liste = controle<QListWidget>(f, "List1");
        convertir = controle<QPushButton>(f, "Command1");
        resultat = controle<QLineEdit>(f, "Text32");
    }
    // Clicks entry i of the list with the mouse.
    void choisir(int i)
    {
        const QRect r = liste->visualItemRect(liste->item(i));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    }
    QWidget *f;
    QLineEdit *nombre, *resultat;
    QListWidget *liste;
    QPushButton *convertir;
};

}  // namespace

class TstForm5 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void creation()
    {
        Convertisseur w(Fenetre::Ouverture::Differee);
        QCOMPARE(w.nombre->text(), QStringLiteral("0"));
        QCOMPARE(w.resultat->text(), QStringLiteral("0"));
        QCOMPARE(w.liste->currentRow(), -1);
        QVERIFY(w.liste->selectedItems().isEmpty());
        QStringList entrees;
        for (int i = 0; i < w.liste->count(); ++i) entrees << w.liste->item(i)->text();
        QCOMPARE(entrees, (QStringList{"Feet en Mètres", "Inches en Mètres", "Mètres en Feet",
                                       "Mètres en Inche", "MiliMètres en Inches", "Milimètres en Feet"}));
        QCOMPARE(controle<QLabel>(w.f, "Label26")->text(), QStringLiteral("Nombre à convertir"));
        QCOMPARE(controle<QLabel>(w.f, "Label26")->buddy(), w.nombre);
        QCOMPARE(controle<QLabel>(w.f, "Label30")->text(), QStringLiteral("Résultat"));
        QCOMPARE(w.convertir->text(), QStringLiteral("Convertir"));
        QCOMPARE(controle<QPushButton>(w.f, "Retour_Menu")->text(), QStringLiteral("Retour au menu"));
        QVERIFY(w.resultat->isReadOnly());
    }

    void premiereOuverture()
    {
        Convertisseur w;
        QVERIFY(w.boites.isEmpty());
        QVERIFY(w.f && w.f->isVisible());
        QCOMPARE(w.f->windowTitle(), QStringLiteral("Convertisseur d'unités"));
        QCOMPARE(w.liste->currentRow(), 0);
        QVERIFY(w.liste->item(0)->isSelected());
        QCOMPARE(w.nombre->text(), QStringLiteral("1"));
        QCOMPARE(w.resultat->text(), QStringLiteral("0,3048 M"));
        QCOMPARE(w.store().Nombre_A_Convertir, 1.0f);
    }

    void chaqueConversion_data()
    {
        QTest::addColumn<int>("entree");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("Feet en Mètres") << 0 << "0,3048 M";
        QTest::newRow("Inches en Mètres") << 1 << "0,0254 M";
        QTest::newRow("Mètres en Feet") << 2 << "3,28083 Ft";
        QTest::newRow("Mètres en Inche") << 3 << "39,37000 In";
        QTest::newRow("MiliMètres en Inches") << 4 << "0,03937 In";
        QTest::newRow("Milimètres en Feet") << 5 << "0,00328 Ft";
    }
    // A click in the list converts at once; so does the button, and a choice made with the keys.
    void chaqueConversion()
    {
        QFETCH(int, entree);
        QFETCH(QString, resultat);
        Convertisseur w;
        w.choisir(entree);
        QCOMPARE(w.liste->currentRow(), entree);
        QCOMPARE(w.resultat->text(), resultat);
        w.resultat->clear();
        appuyer(w.convertir);
        QCOMPARE(w.resultat->text(), resultat);
        if (entree > 0) {
            w.choisir(entree - 1);
            w.liste->setFocus();
            QTest::keyClick(w.liste, Qt::Key_Down);
            QCOMPARE(w.resultat->text(), resultat);
        }
    }

    // Zero is accepted; a negative number or a text that is no number is refused and brings back
    // the previous texts.
    void saisie()
    {
        Convertisseur w;
        w.choisir(2);

        cliquer(w.nombre);
        QVERIFY(w.nombre->text().isEmpty() && w.resultat->text().isEmpty());
        taper(w.nombre, "0");
        quitter(w.nombre);
        QCOMPARE(w.nombre->text(), QStringLiteral("0"));
        QCOMPARE(w.store().Nombre_A_Convertir, 0.0f);
        QVERIFY(w.resultat->text().isEmpty());
        appuyer(w.convertir);
        QCOMPARE(w.resultat->text(), QStringLiteral("0,00000 Ft"));

        saisir(w.nombre, "2.5 m");  // kept as typed, read as 2.5
        QCOMPARE(w.nombre->text(), QStringLiteral("2.5 m"));
        w.choisir(2);
        QCOMPARE(w.resultat->text(), QStringLiteral("8,20208 Ft"));

        for (const QString &refus : {QStringLiteral("-3"), QStringLiteral(""), QStringLiteral("1e39")}) {
            saisir(w.nombre, refus);
            QCOMPARE(w.nombre->text(), QStringLiteral("2.5 m"));
            QCOMPARE(w.resultat->text(), QStringLiteral("8,20208 Ft"));
            QCOMPARE(w.store().Nombre_A_Convertir, 2.5f);
        }
        saisir(w.nombre, "abc");  // reads as 0, which this field accepts
        QCOMPARE(w.store().Nombre_A_Convertir, 0.0f);
        QCOMPARE(w.bips(), 0);
    }

    // Each opening starts again from 1 with the conversion chosen last.
    void reouverture()
    {
        Convertisseur w;
        QWidget *f = w.f;
        w.choisir(3);
        saisir(w.nombre, "5");
        appuyer(w.convertir);
        QCOMPARE(w.resultat->text(), QStringLiteral("196,85000 In"));
        appuyer(controle<QPushButton>(f, "Retour_Menu"));
        QVERIFY(!f->isVisible());
        QCOMPARE(w.resultat->text(), QStringLiteral("196,85000 In"));

        QVERIFY(w.ouvrir().isEmpty());
        QVERIFY(f->isVisible());
        QCOMPARE(w.nombre->text(), QStringLiteral("1"));
        QCOMPARE(w.store().Nombre_A_Convertir, 1.0f);
        QCOMPARE(w.liste->currentRow(), 3);
        QCOMPARE(w.resultat->text(), QStringLiteral("39,37000 In"));
        QCOMPARE(w.principal().findChildren<QWidget *>("Form5").size(), 1);
    }

    void apparence()
    {
        Convertisseur w;
        QWidget *f = w.f;
        QApplication::processEvents();
        for (QWidget *c : f->findChildren<QWidget *>()) {
            if (!c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
            QVERIFY2(c->height() >= c->minimumSizeHint().height(), qPrintable(c->objectName()));
        }
        auto *liste = controle<QListWidget>(f, "List1");
        const QRect derniere = liste->visualItemRect(liste->item(5));
        QVERIFY(liste->viewport()->rect().contains(derniere));
        const QImage image = f->grab().toImage();
        QVERIFY(!image.isNull());
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
        if (!dossier.isEmpty()) QVERIFY(image.save(QDir(dossier).filePath("Form5.png")));
    }
};

QTEST_MAIN(TstForm5)
#include "tst_form5.moc"
