// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard users and screen-reader users move with Tab: in every window, a decimal typed into an
// entry field that shows regional decimals ("7,050 Mhz") keeps its value and its text however the
// focus then comes and goes (Tab, Shift+Tab, a click elsewhere, another window in front), where
// re-reading the comma text with the point as decimal separator used to keep only "7".
#include "shell/ChampsNumeriques.h"
#include "shell/MDIForm1.h"
#include "tests/support/utilisateur.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>
#include <cmath>

using namespace essai;

class TstClavier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    // The windows whose fields show regional decimals (the others show the number-showing rule's
    // point, which reads back as it stands).
    void chaqueChamp_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("fenetre");
        QTest::newRow("antennes") << "Antenne" << "Form1";
        QTest::newRow("adaptation") << "Adaptations" << "Form3";
        QTest::newRow("boite") << "Calculs" << "Form6";
        QTest::newRow("dipole") << "Dipole_Raccourci" << "Form8";
    }

    void chaqueChamp()
    {
        QFETCH(QString, entree);
        QFETCH(QString, fenetre);
        Donnees donnees;
        auto p = demarrer(donnees);
        p->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        // The adaptation window needs a wire antenna computed before it.
        if (entree == QLatin1String("Adaptations")) menu(*p, QStringLiteral("Antenne"));
        menu(*p, entree);
        auto *f = p->findChild<QWidget *>(fenetre);
        QVERIFY(f && f->isVisible());
        auto *champs = f->findChild<ChampsNumeriques *>();
        QVERIFY(champs);
        auto *ailleurs = f->findChild<QPushButton *>(QStringLiteral("Retour_Menu"));
        QVERIFY(ailleurs);
        auto *onglets = f->findChild<QTabWidget *>(QStringLiteral("TabStrip1"));
        const QString virgule = QLocale().decimalPoint();

        int essayes = 0;
        for (QLineEdit *champ : champs->champs()) {
            // The tab that shows the field.
            for (int i = 0; onglets && !champ->isVisible() && i < onglets->count(); ++i)
                repondre([&] { onglets->setCurrentIndex(i); });
            if (!champ->isVisible() || champ->isReadOnly() || !champ->isEnabled()) continue;
            const QRegularExpression regional(QStringLiteral("^-?\\d+%1(\\d+)").arg(QRegularExpression::escape(virgule)));
            const auto m = regional.match(champ->text());
            const int n = m.hasMatch() ? int(m.capturedLength(1)) : 3;
            if (std::isnan(champs->valeur(champ))) continue;

            // A value near the one shown, with as many decimals, typed with the point.
            const double pas = std::pow(10.0, -n);
            double x = std::round(champs->valeur(champ) * 1.01 / pas) * pas;
            if (float(x) == float(champs->valeur(champ))) x += pas;
            const QString saisie = QString::number(x, 'f', n);
            repondre([&] {
                cliquer(champ);
                QTest::keyClicks(champ, saisie);
                QTest::keyClick(champ, Qt::Key_Tab);
            });
            const QString nom = fenetre + u'.' + champ->objectName();
            const QString texte = champ->text();
            if (!texte.contains(virgule)) continue;  // shown with a point, or kept as typed
            QVERIFY2(float(champs->valeur(champ)) == float(saisie.toDouble()), qPrintable(nom + u' ' + saisie));
            const auto inchange = [&](const char *comment) {
                QVERIFY2(float(champs->valeur(champ)) == float(saisie.toDouble()),
                         qPrintable(nom + u' ' + QLatin1String(comment) + u' ' + QString::number(champs->valeur(champ))));
                QVERIFY2(champ->text() == texte, qPrintable(nom + u' ' + QLatin1String(comment) + u' ' + champ->text()));
            };

            // Back in with Shift+Tab, out again with Tab.
            repondre([&] {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
                if (QApplication::focusWidget() != champ) champ->setFocus(Qt::BacktabFocusReason);
                QTest::keyClick(champ, Qt::Key_Tab);
            });
            inchange("Maj+Tab, Tab");
            // In with Tab, out with Shift+Tab.
            repondre([&] {
                champ->setFocus(Qt::TabFocusReason);
                QTest::keyClick(champ, Qt::Key_Backtab);
            });
            inchange("Tab, Maj+Tab");
            // A right-click (which does not empty the field), then a click elsewhere.
            repondre([&] {
                champ->setFocus(Qt::MouseFocusReason);
                QTest::mousePress(champ, Qt::RightButton);
                QTest::mouseRelease(champ, Qt::RightButton);
                ailleurs->setFocus(Qt::MouseFocusReason);
            });
            inchange("clic ailleurs");
            // Another window in front and back, then the focus taken away.
            repondre([&] {
                champ->setFocus(Qt::TabFocusReason);
                QWidget autre;
                autre.show();
                autre.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&autre));
                autre.hide();
                p->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(p.get()));
                champ->clearFocus();
            });
            inchange("autre fenêtre");
            ++essayes;
        }
        QVERIFY2(essayes > 0, qPrintable(fenetre));
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
