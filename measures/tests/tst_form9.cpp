// SPDX-License-Identifier: GPL-3.0-or-later
// The measurements window driven as a user does, through the menu entry "VSWR", with French
// regional settings.
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/fenetre.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using essai::controle;

namespace {

const QString kSource = QStringLiteral(
    "Calcul du ROS-TOS-K-RL\nROS = 1,5 : 1\nTOS = 4,0 %\nK = 0,200\nReturn Loss = 13,98 dB\n\n"
    "Impédance de l'antenne\n     si Ra + Jx = 75,00 Ohms\n     si Ra - Jx = 33,33 Ohms");
const QString kAlerte = QStringLiteral(
    "\n\n* Au vue des pertes duent au câble coaxial, aucune estimation serieuse ne peut être fait "
    "vue de l'antenne, car le câble et/ou l'antenne sont soit défectueux ou désadaptés");
const QString kTropLong =
    QStringLiteral("La longueur du brin d'antenne ne devrait pas être plus grand que 5,02 m");

}  // namespace

class TestForm9 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }
    void init();
    void cleanup();

    void premiereOuverture();
    void options_data();
    void options();
    void puissanceReflechieSource();
    void seuilAffaiblissement();
    void frequence();
    void typesAntenne();
    void rayonnement();
    void ongletsEtRetour();
    void bandeSansFrequence();
    void captures();

private:
    // The window opened from the menu, on the delivered data or on what `preparer` makes of them.
    void ouvrir(const std::function<void(const essai::Donnees &)> &preparer = {});
    QLineEdit *texte(const QString &nom) { return fenetre_->champ<QLineEdit>(nom); }
    QAbstractButton *bouton(const QString &nom) { return fenetre_->champ<QAbstractButton>(nom); }
    QString rapport() const;
    QStringList resultats();
    // Chooses the second tab, which runs the radiation-resistance calculation.
    QList<essai::Boite> deuxiemeOnglet();

    std::unique_ptr<essai::Fenetre> fenetre_;
    QWidget *form_ = nullptr;
};

void TestForm9::ouvrir(const std::function<void(const essai::Donnees &)> &preparer)
{
    fenetre_ = std::make_unique<essai::Fenetre>(QStringLiteral("VSWR"), QStringLiteral("Form9"), preparer);
    QVERIFY(fenetre_->boites.isEmpty());
    form_ = fenetre_->fenetre();
    QVERIFY(form_ && form_->isVisible());
}

void TestForm9::init() { ouvrir(); }

void TestForm9::cleanup()
{
    fenetre_.reset();  // which fails the test on a beep
    form_ = nullptr;
}

QString TestForm9::rapport() const
{
    QString t = controle<QPlainTextEdit>(form_, QStringLiteral("Text12"))->toPlainText();
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList TestForm9::resultats()
{
    QStringList r;
    for (const char *nom : {"Text5", "Text8", "Text9", "Text10", "Text16"}) r << texte(nom)->text();
    return r;
}

QList<essai::Boite> TestForm9::deuxiemeOnglet()
{
    auto *onglets = controle<QTabWidget>(form_, QStringLiteral("TabStrip1"));
    return essai::repondre([&] { onglets->setCurrentIndex(1); });
}

void TestForm9::premiereOuverture()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("Les mesures à l'antenne"));
    const QList<std::pair<const char *, const char *>> champs = {
        {"Text1", " 50 Ohms"}, {"Text2", " 100 Watt"}, {"Text3", " 4 Watt"},
        {"Text13", " 50 Watt"}, {"Text15", " 8 Watt"}, {"Text11", " 3 dB"},
        {"Text4", " 14.2 Mhz"}, {"Text6", " 5.02 m"}, {"Text7", " 36 Ohms"},
        {"Text14", "36 Ohms"}};
    for (const auto &[nom, attendu] : champs) QCOMPARE(texte(nom)->text(), QString::fromUtf8(attendu));
    QVERIFY(rapport().isEmpty());

    for (const char *nom : {"Option1", "Option2", "Option3"}) QVERIFY(!bouton(nom)->isChecked());
    for (const char *nom : {"Text11", "Text13", "Text15", "Label11", "Label12", "Label18"})
        QVERIFY2(!controle<QWidget>(form_, nom)->isEnabled(), nom);
    for (const char *nom : {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7", "Label1"})
        QVERIFY2(controle<QWidget>(form_, nom)->isEnabled(), nom);

    auto *bandes = controle<QComboBox>(form_, QStringLiteral("Combo1"));
    auto *types = controle<QComboBox>(form_, QStringLiteral("Combo2"));
    QCOMPARE(bandes->currentIndex(), -1);
    QCOMPARE(bandes->placeholderText(), QStringLiteral("20 m"));
    QCOMPARE(bandes->count(), 14);
    QCOMPARE(bandes->itemText(13), QStringLiteral("24 cm"));
    QCOMPARE(types->currentIndex(), -1);
    QCOMPARE(types->placeholderText(), QStringLiteral("Antenne plan de sol"));
    QCOMPARE(types->itemText(2), QStringLiteral("Antenne dipôle"));

    auto *onglets = controle<QTabWidget>(form_, QStringLiteral("TabStrip1"));
    QCOMPARE(onglets->tabText(1), QStringLiteral("Calculer la résistance de rayonnement"));
    QVERIFY(controle<QGroupBox>(form_, QStringLiteral("Frame1"))->isVisible());
    QVERIFY(!controle<QGroupBox>(form_, QStringLiteral("Frame2"))->isVisible());
    QCOMPARE(controle<QGroupBox>(form_, QStringLiteral("Frame2"))->title(),
             QStringLiteral("Caractéristiques principales"));
    const QString option3 = QStringLiteral(
        "Je ne peut pas  faire de mesure à l'antenne, mais je connais l'affaiblissement du câble");
    QCOMPARE(bouton(QStringLiteral("Option3"))->text(), option3 + QLatin1Char(' '));
    QCOMPARE(bouton(QStringLiteral("Option3"))->toolTip(), option3);
    QCOMPARE(controle<QLabel>(form_, QStringLiteral("Label18"))->buddy(), texte(QStringLiteral("Text15")));

    // Without a method, "Calculer" has nothing to say.
    bouton(QStringLiteral("Calculer_VSWR"))->click();
    QVERIFY(rapport().isEmpty());
}

void TestForm9::options_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<bool>>("actifs");  // Text3, Text11, Label11, Text13, Text15, Label12, Label18
    QTest::addColumn<QString>("debut");
    QTest::newRow("vue de la source") << "Option1"
                                      << QList<bool>{true, false, false, false, false, false, false}
                                      << kSource;
    QTest::newRow("vue à l'antenne")
        << "Option2" << QList<bool>{false, false, false, true, true, true, true}
        << QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 2,0\n"
                          "ROS estimé à l'antenne = 2,3 : 1");
    QTest::newRow("affaiblissement connu")
        << "Option3" << QList<bool>{true, true, true, false, false, false, false}
        << QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 2,0\n"
                          "Puissance directe à l'antenne = 50,1 Watt\n"
                          "Puissance réflécie à l'antenne = 8,0 Watt");
}

void TestForm9::options()
{
    QFETCH(QString, option);
    QFETCH(QList<bool>, actifs);
    QFETCH(QString, debut);
    essai::appuyer(bouton(option));
    QList<bool> etats;
    for (const char *nom : {"Text3", "Text11", "Label11", "Text13", "Text15", "Label12", "Label18"})
        etats << controle<QWidget>(form_, nom)->isEnabled();
    QCOMPARE(etats, actifs);
    QCOMPARE(rapport().left(debut.size()), debut);
    // The known-loss method writes the loss back into its field; the others leave it.
    QCOMPARE(texte(QStringLiteral("Text11"))->text(), QStringLiteral(" 3 dB"));
}

void TestForm9::puissanceReflechieSource()
{
    essai::appuyer(bouton(QStringLiteral("Option1")));
    QLineEdit *reflechie = texte(QStringLiteral("Text3"));
    QLineEdit *directe = texte(QStringLiteral("Text2"));

    // At or above the forward power: refused, the field and the report come back.
    for (const char *refus : {"100", "150", "abc", "0"}) {
        essai::cliquer(reflechie);
        QVERIFY(rapport().isEmpty());
        essai::taper(reflechie, QString::fromLatin1(refus));
        essai::quitter(reflechie);
        QCOMPARE(reflechie->text(), QStringLiteral(" 4 Watt"));
        QCOMPARE(rapport(), kSource);
    }
    // A power too small for the program's precision would be kept as 0.
    essai::saisir(directe, QStringLiteral("1e-50"));
    QCOMPARE(directe->text(), QStringLiteral(" 100 Watt"));
    essai::saisir(reflechie, QStringLiteral("99.9"));
    QCOMPARE(reflechie->text(), QStringLiteral(" 99.9 Watt"));
    QVERIFY(rapport().isEmpty());
    essai::saisir(reflechie, QStringLiteral("4"));

    // The forward power may then go below the reflected power: the figures are shown as computed.
    essai::saisir(directe, QStringLiteral("2"));
    QCOMPARE(directe->text(), QStringLiteral(" 2 Watt"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    QCOMPARE(rapport(), QStringLiteral("Calcul du ROS-TOS-K-RL\nROS = -5,8 : 1\nTOS = 200,0 %\n"
                                       "K = 1,414\nReturn Loss = -3,01 dB\n\nImpédance de l'antenne\n"
                                       "     si Ra + Jx = -291,42 Ohms\n     si Ra - Jx = -8,58 Ohms"));

    // Equal powers: the VSWR is infinite, said in words.
    essai::saisir(directe, QStringLiteral("4"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    QCOMPARE(rapport(),
             QStringLiteral("Calcul du ROS-TOS-K-RL\nROS infini : toute la puissance est réfléchie"));
    QVERIFY(!rapport().contains(QRegularExpression(QStringLiteral("\\b(inf|nan)\\b"))));
}

void TestForm9::seuilAffaiblissement()
{
    essai::appuyer(bouton(QStringLiteral("Option3")));
    QLineEdit *perte = texte(QStringLiteral("Text11"));
    const QString estimation = QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 5,0\n"
                                              "Puissance directe à l'antenne = 20,0 Watt\n"
                                              "Puissance réflécie à l'antenne = 20,0 Watt");
    essai::saisir(perte, QStringLiteral("6.98"));
    QCOMPARE(perte->text(), QStringLiteral(" 6.98 dB"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    QCOMPARE(rapport().left(estimation.size() + 27),
             estimation + QStringLiteral("\nROS estimé à l'antenne = 8"));

    essai::saisir(perte, QStringLiteral("6.99"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    QCOMPARE(rapport(), estimation + kAlerte);

    // The estimates stay: the source method shows the same warning, with no power ratio.
    essai::appuyer(bouton(QStringLiteral("Option1")));
    QCOMPARE(rapport(), QStringLiteral("Estimation des valeurs à l'antenne\nRapport de puissance = 0,0\n"
                                       "Puissance directe à l'antenne = 20,0 Watt\n"
                                       "Puissance réflécie à l'antenne = 20,0 Watt") + kAlerte);
    // A loss beyond any sense: said so, and the estimates of the last run stay.
    essai::appuyer(bouton(QStringLiteral("Option3")));
    const float estimee = fenetre_->store().Puissance_Directe_Antenne;
    essai::saisir(perte, QStringLiteral("400"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    QCOMPARE(rapport(), QStringLiteral("Calcul impossible : les valeurs indiquées sortent des limites du calcul."));
    QCOMPARE(fenetre_->store().Puissance_Directe_Antenne, estimee);
    essai::saisir(perte, QStringLiteral("6.99"));
    // A sensible loss brings the figures back.
    essai::appuyer(bouton(QStringLiteral("Option3")));
    QCOMPARE(perte->text(), QStringLiteral(" 6.99 dB"));
    essai::saisir(perte, QStringLiteral("3"));
    essai::appuyer(bouton(QStringLiteral("Calculer_VSWR")));
    essai::appuyer(bouton(QStringLiteral("Option1")));
    QCOMPARE(rapport(), kSource);
}

void TestForm9::frequence()
{
    essai::appuyer(bouton(QStringLiteral("Option1")));
    QVERIFY(!deuxiemeOnglet().isEmpty());  // 5.02 m is too long at 14.2 MHz
    const QStringList avant = resultats();
    QCOMPARE(avant, (QStringList{"21,13 m", "31,58 Ohms", "4,42 Ohms", "87,73 %", "84,22 %"}));

    QLineEdit *f = texte(QStringLiteral("Text4"));
    essai::cliquer(f);
    QCOMPARE(resultats(), (QStringList{"", "", "", "", "84,22 %"}));
    QVERIFY(rapport().isEmpty());
    essai::taper(f, QStringLiteral("0.2"));
    essai::quitter(f);
    QCOMPARE(f->text(), QStringLiteral(" 14.2 Mhz"));
    QCOMPARE(resultats(), avant);
    QCOMPARE(rapport(), kSource);

    auto *bandes = controle<QComboBox>(form_, QStringLiteral("Combo1"));
    QVERIFY(essai::repondre([&] { essai::choisir(bandes, 3); }).isEmpty());  // 40 m
    QCOMPARE(f->text(), QStringLiteral(" 7.05 Mhz"));
    QCOMPARE(texte(QStringLiteral("Text5"))->text(), QStringLiteral("42,55 m"));
    const QString global = texte(QStringLiteral("Text16"))->text();

    essai::saisir(f, QStringLiteral("2000"));
    QCOMPARE(f->text(), QStringLiteral(" 2000 Mhz"));
    QCOMPARE(bandes->currentIndex(), 0);
    QCOMPARE(bandes->currentText(), QStringLiteral("Libre choix"));
    QCOMPARE(resultats(), (QStringList{"", "", "", "", global}));
    QVERIFY(rapport().isEmpty());

    const auto boites = essai::repondre([&] { bouton(QStringLiteral("Calculer_Resistance_Antenne"))->click(); });
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites[0].texte, QStringLiteral("La longueur du brin d'antenne ne devrait pas être plus grand que 0,04 m"));
    QCOMPARE(texte(QStringLiteral("Text5"))->text(), QStringLiteral("0,15 m"));
}

void TestForm9::typesAntenne()
{
    QVERIFY(!deuxiemeOnglet().isEmpty());
    auto *types = controle<QComboBox>(form_, QStringLiteral("Combo2"));
    QLineEdit *resistance = texte(QStringLiteral("Text7"));

    // The dipole is set to 75 ohms, announced as 73; the field keeps its text.
    auto boites = essai::repondre([&] { essai::choisir(types, 2); });
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites[0].texte, kTropLong);
    QCOMPARE(texte(QStringLiteral("Text14"))->text(), QStringLiteral("73 ohms"));
    QCOMPARE(resistance->text(), QStringLiteral(" 36 Ohms"));
    QCOMPARE(fenetre_->store().Resistance_Mesuree, 75.0f);
    // No VSWR run yet: nothing reflected as far as the window knows.
    QCOMPARE(resultats(), (QStringList{"21,13 m", "64,05 Ohms", "10,95 Ohms", "85,39 %", "85,39 %"}));

    essai::repondre([&] { essai::choisir(types, 1); });
    QCOMPARE(texte(QStringLiteral("Text14"))->text(), QStringLiteral("50 ohms"));
    QCOMPARE(resultats().mid(1, 2), (QStringList{"43,87 Ohms", "6,13 Ohms"}));

    essai::repondre([&] { essai::choisir(types, 3); });
    QCOMPARE(texte(QStringLiteral("Text14"))->text(), QStringLiteral("300 ohms"));
    QCOMPARE(fenetre_->store().Resistance_Mesuree, 300.0f);
}

void TestForm9::rayonnement()
{
    essai::appuyer(bouton(QStringLiteral("Option1")));
    essai::saisir(texte(QStringLiteral("Text4")), QStringLiteral("14"));
    QVERIFY(deuxiemeOnglet().isEmpty());
    QCOMPARE(resultats(), (QStringList{"21,43 m", "30,35 Ohms", "5,65 Ohms", "84,31 %", "80,94 %"}));

    // A longer element clears the resistances and efficiency until the next calculation.
    QLineEdit *brin = texte(QStringLiteral("Text6"));
    essai::saisir(brin, QStringLiteral("5.1"));
    QCOMPARE(brin->text(), QStringLiteral(" 5.1 m"));
    QCOMPARE(resultats(), (QStringList{"21,43 m", "", "", "", "80,94 %"}));
    const auto boites = essai::repondre([&] { bouton(QStringLiteral("Calculer_Resistance_Antenne"))->click(); });
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites[0].titre, QStringLiteral("Orvalis"));
    QCOMPARE(boites[0].icone, QMessageBox::Warning);
    QCOMPARE(boites[0].boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boites[0].texte, QStringLiteral("La longueur du brin d'antenne ne devrait pas être plus grand que 5,09 m"));
    QVERIFY(!texte(QStringLiteral("Text8"))->text().isEmpty());

    // A measured resistance below the radiation resistance: shown as computed.
    essai::saisir(brin, QStringLiteral("5.02"));
    essai::saisir(texte(QStringLiteral("Text7")), QStringLiteral("20"));
    QCOMPARE(texte(QStringLiteral("Text7"))->text(), QStringLiteral(" 20 Ohm"));
    bouton(QStringLiteral("Calculer_Resistance_Antenne"))->click();
    QCOMPARE(resultats(), (QStringList{"21,43 m", "30,35 Ohms", "-10,35 Ohms", "151,76 %", "145,69 %"}));
}

void TestForm9::ongletsEtRetour()
{
    essai::appuyer(bouton(QStringLiteral("Option2")));
    auto *onglets = controle<QTabWidget>(form_, QStringLiteral("TabStrip1"));
    auto *cadre1 = controle<QGroupBox>(form_, QStringLiteral("Frame1"));
    auto *cadre2 = controle<QGroupBox>(form_, QStringLiteral("Frame2"));
    deuxiemeOnglet();
    QVERIFY(!cadre1->isVisible() && cadre2->isVisible());
    essai::repondre([&] { onglets->setCurrentIndex(0); });
    QVERIFY(cadre1->isVisible() && !cadre2->isVisible());
    deuxiemeOnglet();
    const QStringList avant = resultats();

    essai::appuyer(bouton(QStringLiteral("Retour_Menu")));
    QVERIFY(!form_->isVisible());
    QVERIFY(fenetre_->ouvrir().isEmpty());
    QVERIFY(form_->isVisible());
    // The set-up shows the VSWR page; the strip keeps its tab, the rest stays as it was.
    QVERIFY(cadre1->isVisible() && !cadre2->isVisible());
    QCOMPARE(onglets->currentIndex(), 1);
    QVERIFY(bouton(QStringLiteral("Option2"))->isChecked());
    QVERIFY(texte(QStringLiteral("Text13"))->isEnabled());
    QCOMPARE(resultats(), avant);
    QVERIFY(rapport().startsWith(QStringLiteral("Estimation des valeurs à l'antenne")));

    // A click on the tab still selected brings its page back.
    QTabBar *barre = onglets->tabBar();
    essai::repondre([&] { QTest::mouseClick(barre, Qt::LeftButton, {}, barre->tabRect(1).center()); });
    QVERIFY(!cadre1->isVisible() && cadre2->isVisible());
}

void TestForm9::bandeSansFrequence()
{
    ouvrir([](const essai::Donnees &donnees) {
        donnees.ecrire(QStringLiteral("Bande_bdfcp.dat"),
                       {"1 160 1.810 2.000 1.905 1.850", "2 80 3.500 3.800 3.650 3.650",
                        "3 40 7.000 7.200 7.100 ?", "4 30 10.100 10.150 10.125 10.125",
                        "5 20 14.000 14.350 14.175 14.200"});
    });
    QVERIFY(!deuxiemeOnglet().isEmpty());
    auto *bandes = controle<QComboBox>(form_, QStringLiteral("Combo1"));
    // Row 3 has no preferred frequency; row 11 ("2 m") is missing from the file.
    for (int bande : {3, 11}) {
        const auto boites = essai::repondre([&] { essai::choisir(bandes, bande); });
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].icone, QMessageBox::Warning);
        QVERIFY(boites[0].texte.contains(QStringLiteral("fréquence d'émission")));
        QCOMPARE(texte(QStringLiteral("Text4"))->text(), QStringLiteral(" 0 Mhz"));
        QCOMPARE(resultats(), QStringList(5));
    }
    // Back to a band that has one.
    QCOMPARE(essai::repondre([&] { essai::choisir(bandes, 4); }).size(), 0);
    QCOMPARE(texte(QStringLiteral("Text4"))->text(), QStringLiteral(" 10.125 Mhz"));
    QCOMPARE(texte(QStringLiteral("Text5"))->text(), QStringLiteral("29,63 m"));
}

void TestForm9::captures()
{
    // Both pages in the window as the menu sized it: every caption fits, and the pictures can be
    // looked at.
    const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
    essai::appuyer(bouton(QStringLiteral("Option3")));
    for (int page = 0; page < 2; ++page) {
        essai::repondre([&] { controle<QTabWidget>(form_, QStringLiteral("TabStrip1"))->setCurrentIndex(page); });
        QVERIFY(form_->width() >= form_->minimumSizeHint().width());
        QVERIFY(form_->height() >= form_->minimumSizeHint().height());
        for (QWidget *w : form_->findChildren<QWidget *>()) {
            if (!w->isVisible() || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
                continue;
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
        }
        const QPixmap image = form_->grab();
        QVERIFY(!image.isNull());
        if (!dossier.isEmpty())
            QVERIFY(image.save(dossier + QStringLiteral("/Form9-onglet%1.png").arg(page + 1)));
    }
}

QTEST_MAIN(TestForm9)
#include "tst_form9.moc"
