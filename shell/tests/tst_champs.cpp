// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric entry field on real line edits: click saves and empties, focus lost accepts or
// restores, with the field's dependents and side effects.
#include "shell/ChampsNumeriques.h"
#include "shell/core/nombres.h"
#include "tests/support/utilisateur.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace essai;

class TstChamps : public QObject {
    Q_OBJECT

    QWidget *fenetre = nullptr;
    QLineEdit *longueur = nullptr;   // strictly positive, " m"
    QLineEdit *facteur = nullptr;    // 0.69 < x <= 1.1, text kept as typed, beeps
    QLineEdit *autre = nullptr;
    QPlainTextEdit *resultat = nullptr;
    ChampsNumeriques *champs = nullptr;
    float valeurLongueur = 5;
    float valeurFacteur = 0.95f;
    int bips = 0;
    int effets = 0;

private slots:
    void initTestCase() { reglagesFrancais(); }

    void init()
    {
        fenetre = new QWidget;
        auto *l = new QVBoxLayout(fenetre);
        longueur = new QLineEdit(QStringLiteral(" 5 m"));
        facteur = new QLineEdit(QStringLiteral(".95"));
        autre = new QLineEdit;
        resultat = new QPlainTextEdit(QStringLiteral("résultat"));
        for (QWidget *w : {static_cast<QWidget *>(longueur), static_cast<QWidget *>(facteur),
                           static_cast<QWidget *>(autre), static_cast<QWidget *>(resultat)})
            l->addWidget(w);
        valeurLongueur = 5;
        valeurFacteur = 0.95f;
        bips = effets = 0;
        champs = new ChampsNumeriques(fenetre, [this] { ++bips; });
        champs->ajouter(ChampsNumeriques::montre(longueur, valeurLongueur, accepte::strictementPositif(),
                                                 QStringLiteral(" m"), {resultat}))
            .effets = [this] {
            ++effets;
            ecrireTexte(resultat, QString());
        };
        champs->ajouter(ChampsNumeriques::bipant(
            ChampsNumeriques::telQuel(facteur, valeurFacteur, accepte::entre(0.69, true, 1.1, false), {resultat})));
        fenetre->show();
    }
    void cleanup() { delete fenetre; }

    void clicSauveEtVide()
    {
        cliquer(longueur);
        QCOMPARE(longueur->text(), QString());
        QCOMPARE(resultat->toPlainText(), QString());
        QCOMPARE(champs->texteSauve(longueur), QStringLiteral(" 5 m"));
        QCOMPARE(champs->texteSauve(resultat), QStringLiteral("résultat"));
    }

    void clicSurChampVideNeChangeRien()
    {
        cliquer(longueur);
        cliquer(longueur);  // now empty: the saved texts stay
        QCOMPARE(champs->texteSauve(longueur), QStringLiteral(" 5 m"));
        quitter(longueur);  // empty text: rejected, saved texts come back
        QCOMPARE(longueur->text(), QStringLiteral(" 5 m"));
        QCOMPARE(resultat->toPlainText(), QStringLiteral("résultat"));
        QCOMPARE(valeurLongueur, 5.0f);
    }

    void videSansClicPrecedent()
    {
        longueur->clear();
        quitter(longueur);
        QCOMPARE(longueur->text(), QString());
        QCOMPARE(resultat->toPlainText(), QString());
    }

    void refusRestaure_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::newRow("not a number") << "abc";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-3";
        QTest::newRow("overflows a single") << "1e39";
        QTest::newRow("forty digits") << QString(40, u'9');
    }
    void refusRestaure()
    {
        QFETCH(QString, tape);
        saisir(longueur, tape);
        QCOMPARE(longueur->text(), QStringLiteral(" 5 m"));
        QCOMPARE(resultat->toPlainText(), QStringLiteral("résultat"));
        QCOMPARE(valeurLongueur, 5.0f);
        QCOMPARE(effets, 0);
        QCOMPARE(bips, 0);  // this field does not beep
    }

    void accepteReecritEtAgit()
    {
        saisir(longueur, QStringLiteral("0.5"));
        QCOMPARE(valeurLongueur, 0.5f);
        QCOMPARE(longueur->text(), QStringLiteral(" .5 m"));
        QCOMPARE(effets, 1);
        QCOMPARE(resultat->toPlainText(), QString());  // results wait for the next calculation
    }

    void virguleGardeLaPartieEntiere()
    {
        saisir(longueur, QStringLiteral("2,75"));
        QCOMPARE(valeurLongueur, 2.0f);
        QCOMPARE(longueur->text(), QStringLiteral(" 2 m"));
    }

    void relectureSansClic()
    {
        // Leaving a field shown by the number-showing rule re-reads it identically.
        quitter(longueur);
        QCOMPARE(longueur->text(), QStringLiteral(" 5 m"));
        QCOMPARE(valeurLongueur, 5.0f);
        QCOMPARE(effets, 1);
    }

    void texteGardeTelQueTape()
    {
        saisir(facteur, QStringLiteral("1.1 environ"));
        QCOMPARE(valeurFacteur, 1.1f);
        QCOMPARE(facteur->text(), QStringLiteral("1.1 environ"));
    }

    void borneStricteEtBip()
    {
        saisir(facteur, QStringLiteral("0.69"));
        QCOMPARE(valeurFacteur, 0.95f);
        QCOMPARE(facteur->text(), QStringLiteral(".95"));
        QCOMPARE(bips, 1);
        saisir(facteur, QStringLiteral("0.7"));
        QCOMPARE(valeurFacteur, 0.7f);
        QCOMPARE(bips, 1);
    }

    void focusVersAutreFenetreIgnore()
    {
        cliquer(longueur);
        taper(longueur, QStringLiteral("abc"));
        for (auto raison : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent e(QEvent::FocusOut, raison);
            QCoreApplication::sendEvent(longueur, &e);
            QCOMPARE(longueur->text(), QStringLiteral("abc"));  // not the user leaving the field
        }
        QFocusEvent e(QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(longueur, &e);
        QCOMPARE(longueur->text(), QStringLiteral(" 5 m"));
    }

    void champInactifBipeSeulement()
    {
        bool ouvert = false;
        ChampsNumeriques::Champ c;
        c.champ = autre;
        c.test = accepte::strictementPositif();
        c.enregistrer = [this](double x) { valeurLongueur = float(x); };
        c.resultats = {resultat};
        c.actif = [&ouvert] { return ouvert; };
        c.sauverAccepte = true;
        champs->ajouter(c);
        autre->setText(QStringLiteral("7"));
        cliquer(autre);  // locked: a beep, nothing saved or emptied
        QCOMPARE(bips, 1);
        QCOMPARE(autre->text(), QStringLiteral("7"));
        QCOMPARE(resultat->toPlainText(), QStringLiteral("résultat"));
        taper(autre, QStringLiteral("abc"));
        quitter(autre);  // leaving does nothing either
        QCOMPARE(autre->text(), QStringLiteral("abc"));
        QCOMPARE(valeurLongueur, 5.0f);

        ouvert = true;
        saisir(autre, QStringLiteral("3"));
        QCOMPARE(valeurLongueur, 3.0f);
        QCOMPARE(champs->texteSauve(autre), QStringLiteral("3"));  // the accepted text is kept
    }

    void vraiClicSouris()
    {
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
        QTest::mouseClick(longueur, Qt::LeftButton);
        QCOMPARE(longueur->text(), QString());
        QCOMPARE(QApplication::focusWidget(), longueur);
        autre->setFocus(Qt::TabFocusReason);
        QCOMPARE(longueur->text(), QStringLiteral(" 5 m"));
    }
};

QTEST_MAIN(TstChamps)
#include "tst_champs.moc"
