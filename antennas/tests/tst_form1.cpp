// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna designer window driven as a user does, through the menu entry "Les antennes".
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/fenetre.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <cmath>

using namespace essai;

namespace {

const QString N = QStringLiteral("\n");

QString enTete(const QString &bande, const QString &frequence, const QString &onde, int tirets)
{
    return "Bande de fréquence = " + bande + N + "fréquence d'accord = " + frequence + " Mhz" + N
         + "Longueur d'onde = " + onde + " m " + N + QString(tirets, QLatin1Char('-')) + N;
}

// The designer opened from the menu, on a data folder of its own or on `d`, and its controls by
// name; the message boxes of the opening are in `boites`.
struct Concepteur : Fenetre {
    Concepteur() : Fenetre(QStringLiteral("Antenne"), QStringLiteral("Form1")), f(fenetre()) {}
    explicit Concepteur(const Donnees &d)
        : Fenetre(d, QStringLiteral("Antenne"), QStringLiteral("Form1")), f(fenetre())
    {
    }
    template <class T>
    T *c(const char *nom) const { return controle<T>(f, nom); }
    QLineEdit *texte(const char *nom) const { return c<QLineEdit>(nom); }
    QComboBox *liste(const char *nom) const { return c<QComboBox>(nom); }
    QPushButton *bouton(const char *nom) const { return c<QPushButton>(nom); }
    QTabWidget *onglets() const { return c<QTabWidget>("TabStrip1"); }
    Module1 &s() const { return store(); }
    // The result box as the user reads it, lines ended by LF.
    QString resultat() const
    {
        return c<QPlainTextEdit>("Text3")->toPlainText().replace(QStringLiteral("\r\n"), N);
    }
    QStringList lignesResultat() const { return resultat().split(N); }
    QList<Boite> onglet(int i) const { return repondre([&] { onglets()->setCurrentIndex(i); }); }
    QList<Boite> appuyer(const char *nom) const { return repondre([&] { c<QAbstractButton>(nom)->click(); }); }
    QList<Boite> choisir(const char *nom, int i) const { return repondre([&] { essai::choisir(liste(nom), i); }); }

    QWidget *f = nullptr;
};

QStringList entrees(QComboBox *c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

const QString groundPlane =
    enTete("20 m", "14,200", "21,13", 45)
    + "Antenne quart d'onde.\nImpédance caractéristique : 36 Ohms\nLongueur du fouet = 5,02 m\n"
    + QString(45, QLatin1Char('-'))
    + "\nPour information :\n\n"
      "Cette antenne mono bande peut très bien fonctionner sur des harmoniques impaires, par exemple: 145Mhz "
      "initialement et 435Mhz en complément.\n\n"
      "En version Plan-de-sol, elle nécessite une surface conductrice de bonne qualité ou des radians en nombres "
      "suffisants.\n\n"
      "Utiliser des radians formant un angle ouvert de 120° avec le radiateur pour obtenir une impédance "
      "caractéristique de 50 Ohms.\n\n"
      "Les radians, aux nombres de trois, ont alors les mêmes dimensions que le radiateur.\n";

// A band file whose rows are those of the delivered one, with row `rang` replaced.
QStringList bandesAvec(int rang, const QString &ligne)
{
    QStringList l{"1 160 1.810 2.000 1.905 1.850", "2 80 3.500 3.800 3.650 3.650",
                  "3 40 7.000 7.200 7.100 7.050", "4 30 10.100 10.150 10.125 10.125",
                  "5 20 14.000 14.350 14.175 14.200"};
    if (rang <= l.size()) l[rang - 1] = ligne;
    return l;
}

}  // namespace

class TstForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void ouverture()
    {
        Concepteur a;
        QVERIFY(a.boites.isEmpty());
        QVERIFY(a.f && a.f->isVisible());
        QCOMPARE(a.f->windowTitle(), QStringLiteral("Les antennes"));
        QCOMPARE(a.onglets()->currentIndex(), 0);
        QCOMPARE(a.liste("Combo1")->currentIndex(), 5);
        QCOMPARE(a.liste("Combo1")->currentText(), QStringLiteral("20 m"));
        // The first wire calculation chose the first type.
        QCOMPARE(a.liste("Combo2")->currentIndex(), 0);
        QCOMPARE(a.texte("Text1")->text(), QStringLiteral(" .95"));
        for (const char *champ : {"Text2", "Text4", "Text8", "Text12"})
            QCOMPARE(a.texte(champ)->text(), QStringLiteral("14,200 Mhz"));
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("Text11"));
        QCOMPARE(a.resultat(), groundPlane);
        QVERIFY(!a.c<QLabel>("Label12")->isVisible());
        QVERIFY(!a.liste("Combo5")->isVisible());
        // What the adaptation window takes.
        QVERIFY(a.s().Calcul_Filaire_Fait);
        QCOMPARE(a.s().Frequence_Accord, 14.2f);
        QCOMPARE(a.s().Facteur_Raccourcissement, 0.95f);
        QCOMPARE(a.s().Longueur_Calculee, 75 / 14.2f * 0.95f);
        QCOMPARE(a.s().Lignes_Resultat[0], QStringLiteral("Antenne quart d'onde."));
        QCOMPARE(a.s().Lignes_Resultat[8],
                 QStringLiteral("Les radians, aux nombres de trois, ont alors les mêmes dimensions que le radiateur."));
        QVERIFY(a.s().Lignes_Resultat[9].isEmpty());
        QCOMPARE(a.s().Longueur_Onde, 300 / 14.2f);
        QCOMPARE(a.s().Bande_Antenne, QStringLiteral("20 m"));
    }

    void controles()
    {
        Concepteur a;
        QTabWidget *t = a.onglets();
        QCOMPARE(t->count(), 4);
        const QStringList titres{"Antennes filaire", "Antenne Yagi", "Quad et Delta-Loop", "Antenne Levy"};
        const char *cadres[] = {"Frame1", "Frame2", "Frame3", "Frame4"};
        const QStringList legendes{"Antennes filaire", "Antenne Yagi", "Antenne Quad et Delta-Loop", "L'antenne Lévy"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(t->tabText(i), titres[i]);
            auto *g = a.c<QGroupBox>(cadres[i]);
            QVERIFY(g);
            QCOMPARE(g->title(), legendes[i]);
            QVERIFY(t->widget(i) == g || t->widget(i)->isAncestorOf(g));
        }
        QCOMPARE(entrees(a.liste("Combo1")),
                 (QStringList{"Libre choix", "160 m", "80 m", "40 m", "30 m", "20 m", "17 m", "15 m", "12 m",
                              "10 m", "6 m", "2 m", "70 cm", "23 cm"}));
        QCOMPARE(entrees(a.liste("Combo2")),
                 (QStringList{"Antenne quart d'onde (Ground Plane)", "Antenne dipôle (Center-Fed)",
                              "Antenne multibandes Conrad Windom", "Antenne multibandes G5RV full-size",
                              "Antenne multibandes W3HH ou T2FD", "Antenne filaire demie onde",
                              "Antenne Loop onde entière", "Antenne Double Bazooka"}));
        // Lists of the other tabs show their design text until a calculation chooses an entry.
        const struct {
            const char *nom;
            QString texte;
            QStringList entrees;
        } listes[] = {
            {"Combo3", "Antenne YAGY VHF 3 éléments ( Q5ZT) ",
             {"Antenne YAGI 3 éléments (Varnasse, Q5ZT)", "Antenne YAGI 4 éléments (Varnasse, Q5ZT)",
              "Antenne YAGI 5 éléments (Varnasse, Q5ZT)", "Antenne YAGI 9 éléments (Belvanter, Q8WK)"}},
            {"Combo4", "Antenne Quad 1 directeur",
             {"Antenne Quad 1 radiateur seulement", "Antenne Quad 1 radiateur et 1 directeur",
              "Antenne Quad 1 radiateur et 1réflecteur", "Antenne Quad 3 éléments",
              "Antenne Delta-Loop 1 radiateur seulement", "Antenne Delta Loop 1 radiateur et 1 directeur",
              "Antenne Delta Loop 1 radiateur et 1 réflecteur", "Antenne Delta Loop 3 éléments"}},
            {"Combo7", "Longueur défini",
             {"Longueur défini", "3x1/2 Lambda", "2x0,64 Lambda", "1/2 Lambda", "1/3 Lambda", "1/4 Lambda"}},
            {"Combo6", "Ligne 300 Ohm = 0.82",
             {"Ligne 300 Ohm = 0.82", "Ligne 450 Ohm = 0.905", "Ligne 600 Ohm = 0.93", "Ligne 1200 Ohm = 0.97"}},
        };
        for (const auto &l : listes) {
            QCOMPARE(a.liste(l.nom)->currentIndex(), -1);
            QCOMPARE(a.liste(l.nom)->placeholderText(), l.texte);
            QCOMPARE(entrees(a.liste(l.nom)), l.entrees);
        }
        QCOMPARE(a.liste("Combo5")->placeholderText(), QStringLiteral("Coaxial 50 ohms : 0,66"));
        const QList<QPair<const char *, QString>> libelles{
            {"Label3", "Choisissez une bande ou indiquer une fréquence d'accord dans le cadre inférieur"},
            {"Label2", "Fréquence d'accord"}, {"Label1", "Facteur de raccourcissement"},
            {"Label12", "Choisissez un cable coaxiale"}, {"Label4", "Fréquence d'accord"},
            {"Label8", "Fréquence d'accord"}, {"Label7", "Fréquence la plus basse utilisée"},
            {"Label11", "Longueur du dipôle( L+L)"}, {"Label13", "Longueur souhaité"},
            {"Label14", "Coéficient de vélocité de la ligne bifilaire"}};
        for (const auto &[nom, texte] : libelles) QCOMPARE(a.c<QLabel>(nom)->text(), texte);
        const QList<QPair<const char *, const char *>> compagnons{
            {"Label3", "Combo1"}, {"Label2", "Text2"}, {"Label1", "Text1"}, {"Label12", "Combo5"},
            {"Label4", "Text4"},  {"Label8", "Text8"}, {"Label7", "Text12"}, {"Label11", "Text11"},
            {"Label13", "Combo7"}, {"Label14", "Combo6"}};
        for (const auto &[l, champ] : compagnons) QCOMPARE(a.c<QLabel>(l)->buddy(), a.c<QWidget>(champ));
        const QList<QPair<const char *, QString>> boutons{
            {"Calculer_Filaire", "Calculer"}, {"Calculer_Yagi", "Calculer"}, {"Calculer_Quad", "Calculer"},
            {"Calculer_Levy", "Calculer la ligne"}, {"Retour_Menu", "Retour au menu"}};
        for (const auto &[nom, texte] : boutons) QCOMPARE(a.bouton(nom)->text(), texte);
        QCOMPARE(a.c<QRadioButton>("Option1")->text(), QStringLiteral("Calcul en Foots"));
        QCOMPARE(a.c<QRadioButton>("Option2")->text(), QStringLiteral("Calcul en Mètres"));
        QVERIFY(a.c<QRadioButton>("Option1")->isChecked());
        auto *text3 = a.c<QPlainTextEdit>("Text3");
        QVERIFY(text3->isReadOnly());
        QCOMPARE(text3->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(a.c<QLabel>("Picture1"));

        // The keyboard goes through the controls in reading order.
        QStringList ordre;
        QWidget *w = a.liste("Combo1");
        do {
            const bool interne = w->objectName().startsWith("qt_") || qobject_cast<QTabBar *>(w->parent());
            if ((w->focusPolicy() & Qt::TabFocus) && !interne && a.f->isAncestorOf(w)) ordre << w->objectName();
            w = w->nextInFocusChain();
        } while (w != a.liste("Combo1"));
        QCOMPARE(ordre, (QStringList{"Combo1", "TabStrip1", "Combo2", "Text2", "Text1", "Combo5",
                                     "Calculer_Filaire", "Combo3", "Text4", "Calculer_Yagi", "Combo4", "Text8",
                                     "Calculer_Quad", "Text12", "Text11", "Combo7", "Combo6", "Option1", "Option2",
                                     "Calculer_Levy", "Text3", "Modeliser", "Retour_Menu"}));
    }

    void libreChoixNeChangeRien()
    {
        Concepteur a;
        const QString avant = a.resultat();
        QVERIFY(a.choisir("Combo1", 0).isEmpty());
        QCOMPARE(a.resultat(), avant);
        QCOMPARE(a.texte("Text2")->text(), QStringLiteral("14,200 Mhz"));
        QCOMPARE(a.s().Frequence_Yagi, 14.2f);
        QCOMPARE(a.s().Bande_Antenne, QStringLiteral("20 m"));
    }

    void bandeChoisie()
    {
        Concepteur a;
        a.choisir("Combo1", 3);  // 40 m, preferred 7.050
        for (const char *champ : {"Text2", "Text4", "Text8", "Text12"})
            QCOMPARE(a.texte(champ)->text(), QStringLiteral("7,050 Mhz"));
        QCOMPARE(a.s().Frequence_Levy, 7.05f);
        QCOMPARE(a.s().Frequence_Quad, 7.05f);
        QVERIFY(a.resultat().startsWith(enTete("40 m", "7,050", "42,55", 45)));
        a.choisir("Combo1", 13);  // 23 cm: thousands grouped
        QCOMPARE(a.texte("Text2")->text(), QStringLiteral("1\u202F296,200 Mhz"));
    }

    void frequenceTapee()
    {
        Concepteur a;
        saisir(a.texte("Text2"), "7.05");
        QCOMPARE(a.texte("Text2")->text(), QStringLiteral("7,050 Mhz"));
        QCOMPARE(a.s().Bande_Antenne, QStringLiteral(" 42 m"));
        QCOMPARE(a.s().Frequence_Accord, 7.05f);
        QCOMPARE(a.s().Longueur_Onde, 300 / 7.05f);
        QCOMPARE(a.liste("Combo1")->currentIndex(), 0);
        QCOMPARE(a.resultat(), QString());
        a.appuyer("Calculer_Filaire");
        QVERIFY(a.resultat().startsWith(enTete(" 42 m", "7,050", "42,55", 45) + "Antenne quart d'onde.\n"));
    }

    // Typing into each field of its tab: accepted or refused, and what it shows.
    void champs_data()
    {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("Text1 0.69") << 0 << "Text1" << "0.69" << false << " .95";
        QTest::newRow("Text1 0.7") << 0 << "Text1" << "0.7" << true << "0.7";
        QTest::newRow("Text1 1.1") << 0 << "Text1" << "1.1" << true << "1.1";
        QTest::newRow("Text1 1.11") << 0 << "Text1" << "1.11" << false << " .95";
        QTest::newRow("Text1 abc") << 0 << "Text1" << "abc" << false << " .95";
        QTest::newRow("Text2 0.09") << 0 << "Text2" << "0.09" << false << "14,200 Mhz";
        QTest::newRow("Text2 0.1") << 0 << "Text2" << "0.1" << true << "0,100 Mhz";
        QTest::newRow("Text2 comma") << 0 << "Text2" << "14,2" << true << "14,000 Mhz";
        QTest::newRow("Text2 empty") << 0 << "Text2" << "" << false << "14,200 Mhz";
        QTest::newRow("Text4 0") << 1 << "Text4" << "0" << false << "14,200 Mhz";
        QTest::newRow("Text4 1e-40") << 1 << "Text4" << "1e-40" << false << "14,200 Mhz";
        QTest::newRow("Text4 0.05") << 1 << "Text4" << "0.05" << true << "0,050 Mhz";
        QTest::newRow("Text12 -3") << 3 << "Text12" << "-3" << false << "14,200 mhz";
        QTest::newRow("Text12 7") << 3 << "Text12" << "7" << true << "7,000 Mhz";
        QTest::newRow("Text11 0") << 3 << "Text11" << "0" << false << "42,40 ft";
    }
    void champs()
    {
        QFETCH(int, onglet);
        QFETCH(QString, champ);
        QFETCH(QString, saisie);
        QFETCH(bool, accepte);
        QFETCH(QString, affiche);
        Concepteur a;
        a.onglet(onglet);
        const QString resultat = a.resultat();
        QVERIFY(!resultat.isEmpty());
        const Module1 avant = a.s();
        QLineEdit *e = a.texte(qPrintable(champ));
        cliquer(e);
        QCOMPARE(e->text(), QString());
        QCOMPARE(a.resultat(), QString());
        taper(e, saisie);
        quitter(e);
        QCOMPARE(e->text(), affiche);
        QCOMPARE(a.resultat(), accepte ? QString() : resultat);
        if (!accepte) {
            QCOMPARE(a.s().Facteur_Raccourcissement, avant.Facteur_Raccourcissement);
            QCOMPARE(a.s().Frequence_Accord, avant.Frequence_Accord);
            QCOMPARE(a.s().Frequence_Yagi, avant.Frequence_Yagi);
            QCOMPARE(a.s().Frequence_Levy, avant.Frequence_Levy);
            QCOMPARE(a.s().Longueur_Levy, avant.Longueur_Levy);
            QCOMPARE(a.liste("Combo1")->currentIndex(), 5);
        }
        QCOMPARE(a.bips(), 0);
    }

    void facteurTapeAttendLeCalcul()
    {
        Concepteur a;
        a.choisir("Combo2", 4);  // T2FD
        const QStringList t2fd = a.lignesResultat();
        saisir(a.texte("Text1"), "0.8");
        QCOMPARE(a.s().Facteur_Raccourcissement, 0.8f);
        QCOMPARE(a.s().Longueur_Calculee, 300 / 14.2f);  // not yet calculated again
        a.appuyer("Calculer_Filaire");
        QCOMPARE(a.texte("Text1")->text(), QStringLiteral(" .8"));
        QCOMPARE(a.s().Longueur_Calculee, 300 / 14.2f * 0.8f);
        QCOMPARE(a.lignesResultat(), t2fd);  // the T2FD wires never follow k
        QVERIFY(t2fd.contains("Longueur du fil A = 0,21 m"));
        // Choosing a type again puts its own factor back.
        a.choisir("Combo2", 4);
        QCOMPARE(a.texte("Text1")->text(), QStringLiteral(" 1"));
    }

    void typesParLaFenetre_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("facteur");
        QTest::addColumn<float>("longueur");
        QTest::addColumn<int>("lignes");
        QTest::newRow("0") << 0 << "Antenne quart d'onde." << " .95" << 75 / 14.2f * 0.95f << 9;
        QTest::newRow("1") << 1 << "Antenne dipôle (Center-Fed)" << " .95" << 150 / 14.2f * 0.95f << 10;
        QTest::newRow("2") << 2 << "Antenne multibandes Conrad Windom." << " .95" << 150 / 14.2f * 0.95f << 12;
        QTest::newRow("3") << 3 << "Antenne multibandes G5RV" << " .95" << 450 / 14.2f * 0.95f << 11;
        QTest::newRow("4") << 4 << "W3HH - Tilted Terminated Folded Dipole (T2FD)" << " 1" << 300 / 14.2f << 11;
        QTest::newRow("5") << 5 << "Antenne filaire mono-brin demi-onde." << " .95" << 150 / 14.2f * 0.95f << 10;
        QTest::newRow("6") << 6 << "Antenne multibandes Loop Onde entière." << " 1.05" << 300 / 14.2f * 1.05f << 9;
        QTest::newRow("7") << 7 << "Antenne dipôle Double Bazooka." << " .95" << 150 / 14.2f * 0.95f << 13;
    }
    void typesParLaFenetre()
    {
        QFETCH(int, type);
        QFETCH(QString, titre);
        QFETCH(QString, facteur);
        QFETCH(float, longueur);
        QFETCH(int, lignes);
        Concepteur a;
        QVERIFY(a.choisir("Combo2", type).isEmpty());
        QCOMPARE(a.texte("Text1")->text(), facteur);
        QCOMPARE(a.s().Lignes_Resultat[0], titre);
        QCOMPARE(a.s().Longueur_Calculee, longueur);
        QVERIFY(a.s().Calcul_Filaire_Fait);
        QVERIFY(a.resultat().startsWith(enTete("20 m", "14,200", "21,13", 45) + titre + N));
        int n = 0;
        while (n < 26 && !a.s().Lignes_Resultat[n].isEmpty()) ++n;
        QCOMPARE(n, lignes);
        // Each line in order, its own line break making the blank line after a note.
        QString attendu = enTete("20 m", "14,200", "21,13", 45);
        for (int i = 0; i < n; ++i) attendu += QString(a.s().Lignes_Resultat[i]).replace("\r\n", N) + N;
        QCOMPARE(a.resultat(), attendu);
    }

    void cables()
    {
        Concepteur a;
        a.choisir("Combo2", 3);
        QComboBox *c5 = a.liste("Combo5");
        QVERIFY(c5->isVisible() && a.c<QLabel>("Label12")->isVisible());
        QCOMPARE(a.c<QLabel>("Label12")->text(), QStringLiteral("Choisissez une ligne bifilaire"));
        QCOMPARE(entrees(c5), (QStringList{"T-Lead 300 Ohms, CV:0.88", "T-Lead 450 Ohms, CV:0.90",
                                           "T-Lead 600 Ohms, CV:0.93", "T-lead 1200 Ohms, CV:0.97"}));
        QCOMPARE(c5->currentText(), QStringLiteral("T-Lead 300 Ohms, CV:0.88"));
        QCOMPARE(a.s().Facteur_Velocite, 0.88f);
        QVERIFY(a.lignesResultat().contains("Longueur du dipole = 2 x 15,05 m"));
        QVERIFY(a.lignesResultat().contains("Ligne T-Lead 300 Ohms, CV:0.88 FV = 9,30 m"));
        a.choisir("Combo5", 3);
        QCOMPARE(a.s().Facteur_Velocite, 0.97f);
        QVERIFY(a.lignesResultat().contains("Ligne T-lead 1200 Ohms, CV:0.97 FV = 10,25 m"));

        a.choisir("Combo2", 7);
        QCOMPARE(a.c<QLabel>("Label12")->text(), QStringLiteral("Choisissez un cable coaxiale"));
        QCOMPARE(c5->count(), 16);
        QCOMPARE(entrees(c5), QStringList(a.s().Liste_Coaxiaux.begin(), a.s().Liste_Coaxiaux.end()));
        QCOMPARE(c5->currentIndex(), 0);
        QVERIFY(a.lignesResultat().contains("Longueur des lignes coaxiales utilisées : 6,62 m."));
        QVERIFY(a.lignesResultat().contains("Longueur des extrémités : 2 x 1,71 m de fil d'une section de 2,5 mm²."));
        a.choisir("Combo5", 5);  // RG8/U, 0.84
        QCOMPARE(a.s().Facteur_Velocite, 0.84f);
        QVERIFY(a.lignesResultat().contains("Câble coaxial utilisé : RG8/U; 50R, CV:0.84 FV."));
        QVERIFY(a.lignesResultat().contains("Longueur des lignes coaxiales utilisées : 8,43 m."));

        // A type without cable hides the list; the last cable's factor stays.
        a.choisir("Combo2", 1);
        QVERIFY(!c5->isVisible() && !a.c<QLabel>("Label12")->isVisible());
        QCOMPARE(a.s().Facteur_Velocite, 0.84f);
    }

    void ongletsEtDrapeau()
    {
        Concepteur a;
        QVERIFY(a.s().Calcul_Filaire_Fait);
        a.onglet(1);
        QVERIFY(!a.s().Calcul_Filaire_Fait);
        QCOMPARE(a.liste("Combo3")->currentIndex(), 0);
        QVERIFY(a.resultat().startsWith(enTete("20 m", "14,200", "21,13", 41)
                                        + "Antenne trois éléments avec dipôle simple\n"));
        QCOMPARE(a.s().Lignes_Resultat[0], QStringLiteral("Antenne trois éléments avec dipôle simple"));
        // The wire results the adaptation window would take are still those of the wire antenna.
        QCOMPARE(a.s().Longueur_Calculee, 75 / 14.2f * 0.95f);

        a.onglet(0);
        QVERIFY(a.s().Calcul_Filaire_Fait);
        QCOMPARE(a.resultat(), groundPlane);

        a.onglet(2);
        QVERIFY(!a.s().Calcul_Filaire_Fait);
        QCOMPARE(a.liste("Combo4")->currentIndex(), 0);
        QVERIFY(a.resultat().startsWith(enTete("20 m", "14,200", "21,13", 60) + "Antenne Quad, un élément seulement\n"));

        a.onglet(0);
        a.onglet(3);
        QVERIFY(!a.s().Calcul_Filaire_Fait);
        QCOMPARE(a.liste("Combo6")->currentIndex(), 0);
        QVERIFY(a.resultat().startsWith(
            "Longueur optimales de la ligne bifilaire pour un courant maximum (ventre de courant en H)\n20,06 ft\n"));
        // Only the selected tab's frame is shown.
        QVERIFY(a.c<QGroupBox>("Frame4")->isVisible());
        for (const char *cadre : {"Frame1", "Frame2", "Frame3"}) QVERIFY(!a.c<QGroupBox>(cadre)->isVisible());
    }

    void cacherEtRouvrir()
    {
        Concepteur a;
        a.onglet(1);
        a.choisir("Combo3", 2);
        saisir(a.texte("Text4"), "50");
        QCOMPARE(a.liste("Combo1")->currentIndex(), 0);
        a.appuyer("Calculer_Yagi");
        QVERIFY(a.resultat().startsWith("Bande de fréquence =  6 m\n"));
        a.appuyer("Retour_Menu");
        QVERIFY(!a.f->isVisible());
        QVERIFY(a.ouvrir().isEmpty());
        QVERIFY(a.f->isVisible());
        QCOMPARE(a.principal().findChildren<QWidget *>("Form1").size(), 1);
        QCOMPARE(a.onglets()->currentIndex(), 1);
        QCOMPARE(a.liste("Combo3")->currentIndex(), 2);
        QCOMPARE(a.liste("Combo1")->currentIndex(), 5);
        QCOMPARE(a.texte("Text4")->text(), QStringLiteral("14,200 Mhz"));
        QVERIFY(a.resultat().startsWith(enTete("20 m", "14,200", "21,13", 41)
                                        + "Antenne cinq éléments avec radiateur replié\n"));
        QVERIFY(!a.s().Calcul_Filaire_Fait);
    }

    void yagiTape144()
    {
        Concepteur a;
        a.onglet(1);
        saisir(a.texte("Text4"), "144");
        QCOMPARE(a.texte("Text4")->text(), QStringLiteral("144,000 Mhz"));
        QCOMPARE(a.s().Bande_Antenne, QStringLiteral(" 2 m"));
        QCOMPARE(a.resultat(), QString());
        a.appuyer("Calculer_Yagi");
        QCOMPARE(a.lignesResultat().value(0), QStringLiteral("Bande de fréquence =  2 m"));
    }

    void yagiBande2m()
    {
        Concepteur a;
        a.onglet(1);
        a.choisir("Combo1", 11);
        QCOMPARE(a.texte("Text4")->text(), QStringLiteral("144,300 Mhz"));
        a.choisir("Combo3", 3);
        const QStringList l = a.lignesResultat();
        QCOMPARE(l.value(0), QStringLiteral("Bande de fréquence = 2 m"));
        QCOMPARE(l.value(4), QStringLiteral("Antenne neuf éléments ORBEQUE avec radiateur simple"));
        QCOMPARE(l.value(7), QStringLiteral("Longueur de Boom =3,62 m"));
        QCOMPARE(l.size(), 4 + 26 + 1);  // header, 26 lines, and the end of the last one
        QVERIFY(l.value(29).startsWith("Bibliographie tirée du livre -Les antennes- de "));
        a.choisir("Combo1", 0);
        a.appuyer("Calculer_Yagi");
        QCOMPARE(a.lignesResultat().value(7), QStringLiteral("Longueur de Boom =4,17 m"));
        QCOMPARE(a.lignesResultat().value(0), QStringLiteral("Bande de fréquence = 2 m"));
    }

    void quad()
    {
        Concepteur a;
        a.onglet(2);
        QCOMPARE(a.texte("Text8")->text(), QStringLiteral("14,200 Mhz"));
        a.choisir("Combo4", 1);
        QCOMPARE(a.lignesResultat().value(6), QStringLiteral("Longueur de Boom =4,68 m"));
        a.choisir("Combo1", 0);
        a.appuyer("Calculer_Quad");
        QCOMPARE(a.lignesResultat().value(6), QStringLiteral("Longueur de Boom =4,93 m"));
        // Typing in the frequency field changes nothing: the next calculation writes it back.
        a.texte("Text8")->setText("7");
        cliquer(a.texte("Text8"));
        quitter(a.texte("Text8"));
        a.appuyer("Calculer_Quad");
        QCOMPARE(a.texte("Text8")->text(), QStringLiteral("14,200 Mhz"));
        QCOMPARE(a.s().Frequence_Quad, 14.2f);
        a.choisir("Combo4", 4);
        QCOMPARE(a.lignesResultat().value(6), QStringLiteral("Circonférence du radiateur = 21,570 m"));
        QCOMPARE(a.s().Lignes_Resultat[2], QStringLiteral("Circonférence du radiateur = 21,570 m"));
    }

    void levy()
    {
        Concepteur a;
        a.onglet(3);
        const QString pieds = a.resultat();
        QCOMPARE(pieds,
                 "Longueur optimales de la ligne bifilaire pour un courant maximum (ventre de courant en H)\n"
                 "20,06 ft\n48,48 ft\n76,89 ft\n105,30 ft\n133,71 ft\n"
                 + QString(41, QLatin1Char('-'))
                 + "\nlongueurs de la ligne bifilaire à éviter pour un courant minimum (ventre de tension en H)\n"
                   "34,27 ft\n62,68 ft\n91,09 ft\n119,50 ft\n147,92 ft\n");
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("42,40 ft"));
        QCOMPARE(a.texte("Text12")->text(), QStringLiteral("14,200 mhz"));

        a.appuyer("Option2");
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("12,92 m"));
        QVERIFY(a.resultat().startsWith(
            " Longueur optimale de la ligne bifilaire pour un courant maximum (ventre de courant en H)\n6,12 m\n"));
        QVERIFY(a.resultat().endsWith("\n45,08 m\n"));
        a.appuyer("Option2");  // the unit in force: no second conversion
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("12,92 m"));
        a.appuyer("Option1");
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("42,40 ft"));
        QCOMPARE(a.resultat(), pieds);

        a.choisir("Combo7", 1);
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("98,87 ft"));
        a.appuyer("Option2");
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("30,14 m"));
        a.choisir("Combo7", 5);  // a hair under the minimum once converted back to feet
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("5,02 m"));
        QVERIFY(a.resultat().startsWith("Attention! La longueur du dipôle est trop courte"));
        a.appuyer("Option1");
        a.choisir("Combo7", 5);
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("16,48 ft"));
        QVERIFY(a.resultat().startsWith("Longueur optimales"));

        // A typed length puts the choice back on the typed length and calculates.
        saisir(a.texte("Text11"), "10");
        QCOMPARE(a.liste("Combo7")->currentIndex(), 0);
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("10,00 ft"));
        QCOMPARE(a.resultat(), QStringLiteral("Attention! La longueur du dipôle est trop courte pour cette "
                                              "fréquence.\nElle doit être plus grande que 16,48 Feet ou 5,02 m"));
        saisir(a.texte("Text11"), "42.4");
        a.choisir("Combo6", 3);
        QVERIFY(a.resultat().contains("\n23,73 ft\n"));

        // A typed frequency waits for the calculation, which writes it in lower case.
        saisir(a.texte("Text12"), "7");
        QCOMPARE(a.texte("Text12")->text(), QStringLiteral("7,000 Mhz"));
        QCOMPARE(a.resultat(), QString());
        a.appuyer("Calculer_Levy");
        QCOMPARE(a.texte("Text12")->text(), QStringLiteral("7,000 mhz"));
        QVERIFY(!a.resultat().isEmpty());
    }

    // A length a single holds in metres but not in feet: the unit change is refused and says so.
    void levyTropLongPourLesPieds()
    {
        Concepteur a;
        a.onglet(3);
        a.appuyer("Option2");
        saisir(a.texte("Text11"), "3E38");
        const QString longueur = a.texte("Text11")->text();
        QVERIFY(longueur.endsWith(" m"));
        QVERIFY(a.appuyer("Option1").isEmpty());
        QCOMPARE(a.texte("Text11")->text(), longueur);
        QVERIFY(std::isfinite(a.s().Longueur_Levy));
        QCOMPARE(a.s().Longueur_Levy, 3e38f);
        QVERIFY(a.c<QRadioButton>("Option2")->isChecked());
        QVERIFY(!a.c<QRadioButton>("Option1")->isChecked());
        QCOMPARE(a.resultat(), QStringLiteral("Cette longueur ne peut pas être exprimée en pieds : elle dépasse "
                                              "les limites du calcul. Le calcul reste en mètres."));
        // Still in metres: a length that converts goes to feet.
        saisir(a.texte("Text11"), "12.92");
        a.appuyer("Option1");
        QCOMPARE(a.texte("Text11")->text(), QStringLiteral("42,39 ft"));
    }

    void bandeSansFrequence()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", bandesAvec(3, "3 40 7.000 7.200 7.100"));
        Concepteur a(d);
        const QString avant = a.resultat();
        const QList<Boite> b = a.choisir("Combo1", 3);
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].titre, QStringLiteral("Orvalis"));
        QCOMPARE(b[0].icone, QMessageBox::Warning);
        QCOMPARE(b[0].texte, QStringLiteral("La table des bandes ne donne pas de fréquence utilisable pour la bande "
                                            "40 m.\nAucun calcul n'a été fait : choisissez une autre bande ou "
                                            "indiquez une fréquence d'accord."));
        QCOMPARE(a.resultat(), avant);
        QCOMPARE(a.liste("Combo1")->currentIndex(), 5);
        QCOMPARE(a.texte("Text2")->text(), QStringLiteral("14,200 Mhz"));
        QCOMPARE(a.s().Frequence_Levy, 14.2f);
        QCOMPARE(a.s().Bande_Antenne, QStringLiteral("20 m"));
        // A band after the last line of the file has no frequency either.
        QCOMPARE(a.choisir("Combo1", 12).size(), 1);
        QCOMPARE(a.liste("Combo1")->currentIndex(), 5);
    }

    void vingtMetresSansFrequence()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", bandesAvec(5, "5 20 14.000 14.350 14.175 abc"));
        Concepteur a(d);
        QList<Boite> b = a.boites;
        QCOMPARE(b.size(), 1);
        QVERIFY(b[0].texte.contains("bande 20 m."));
        QVERIFY(a.f->isVisible());
        QCOMPARE(a.liste("Combo1")->currentIndex(), 0);
        QCOMPARE(a.resultat(), QStringLiteral("Text3"));
        QCOMPARE(a.texte("Text2")->text(), QStringLiteral("Text2"));
        QVERIFY(!a.s().Calcul_Filaire_Fait);

        // No calculation runs on a frequency of 0, whatever starts it.
        const QString refus = QStringLiteral("Pas de fréquence d'accord utilisable pour ce calcul.\n"
                                             "Choisissez une bande ou indiquez une fréquence d'accord.");
        // The Quad frequency cannot be typed: only the band table can give one.
        const QString refusQuad = QStringLiteral("Pas de fréquence d'accord utilisable pour ce calcul.\n"
                                                 "Choisissez une bande dont la fréquence préférée est "
                                                 "renseignée dans le tableau des bandes (menu « Paramètres »).");
        for (const auto &[action, attendu] : QList<std::pair<std::function<QList<Boite>()>, QString>>{
                 {[&] { return a.appuyer("Calculer_Filaire"); }, refus}, {[&] { return a.onglet(1); }, refus},
                 {[&] { return a.choisir("Combo3", 1); }, refus}, {[&] { return a.onglet(2); }, refusQuad},
                 {[&] { return a.appuyer("Calculer_Quad"); }, refusQuad}, {[&] { return a.onglet(3); }, refus},
                 {[&] { return a.choisir("Combo7", 2); }, refus}}) {
            b = action();
            QCOMPARE(b.size(), 1);
            QCOMPARE(b[0].texte, attendu);
            QCOMPARE(b[0].icone, QMessageBox::Warning);
            QCOMPARE(a.resultat(), QStringLiteral("Text3"));
        }
        QVERIFY(!a.s().Calcul_Filaire_Fait);

        // A typed frequency is calculated with.
        a.onglet(0);
        saisir(a.texte("Text2"), "14.2");
        QVERIFY(a.appuyer("Calculer_Filaire").isEmpty());
        QVERIFY(a.resultat().startsWith(enTete(" 21 m", "14,200", "21,13", 45) + "Antenne quart d'onde.\n"));
        QVERIFY(a.s().Calcul_Filaire_Fait);
    }

    void images()
    {
        Donnees d;
        for (const QString &f : QDir(d.chemin()).entryList({"*.gif"}, QDir::Files)) d.supprimer(f);
        QImage dessin(64, 48, QImage::Format_RGB32);
        dessin.fill(Qt::white);
        QVERIFY(dessin.save(d.fichier("Doublet.gif"), "PNG"));
        QVERIFY(dessin.save(d.fichier("Yagi.gif"), "PNG"));
        Concepteur a(d);
        auto *image = a.c<QLabel>("Picture1");
        QVERIFY(image->pixmap().isNull());  // no Ground-Plane.gif: an empty picture, results all the same
        QCOMPARE(a.resultat(), groundPlane);
        a.choisir("Combo2", 1);
        QCOMPARE(image->pixmap().size(), QSize(64, 48));
        a.onglet(1);
        QVERIFY(!image->pixmap().isNull());
        a.onglet(2);
        QVERIFY(image->pixmap().isNull());
    }

    // Random choices, typing and clicks: no calculation may show a number that is not one, nor
    // leave the shared values inconsistent with the flag the adaptation window relies on.
    void auHasard()
    {
        Donnees d;
        d.ecrire("Bande_bdfcp.dat", bandesAvec(2, "2 80 3.500 3.800 3.650 x"));
        Concepteur a(d);
        const QStringList textes{"", "abc", "0", "-5", "1e39", "1e-30", "1e-40", "NaN", "inf", "7.05", "144",
                                 "0.7", "1.1", "0.69", "3,5", "1e12", ".", "0.1", "2000", "42.4"};
        const QList<const char *> champs{"Text1", "Text2", "Text4", "Text11", "Text12"};
        const QList<const char *> listes{"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7"};
        const QList<const char *> boutons{"Calculer_Filaire", "Calculer_Yagi", "Calculer_Quad",
                                          "Calculer_Levy", "Option1", "Option2"};
        const QRegularExpression pasUnNombre("\\b(nan|inf|infinity)\\b|1\\.#",
                                             QRegularExpression::CaseInsensitiveOption
                                                 | QRegularExpression::UseUnicodePropertiesOption);
        QRandomGenerator hasard(20180201);
        // Only what the user can reach: the controls of the tab shown.
        const auto auChoix = [&](const QList<const char *> &noms) -> QWidget * {
            QWidget *w = a.c<QWidget>(noms[hasard.bounded(noms.size())]);
            return w->isVisible() ? w : nullptr;
        };
        for (int i = 0; i < 1500; ++i) {
            repondre([&] {
                switch (hasard.bounded(4)) {
                case 0:
                    if (auto *e = qobject_cast<QLineEdit *>(auChoix(champs)))
                        saisir(e, textes[hasard.bounded(textes.size())]);
                    break;
                case 1:
                    if (auto *c = qobject_cast<QComboBox *>(auChoix(listes)); c && c->count())
                        essai::choisir(c, hasard.bounded(c->count()));
                    break;
                case 2: a.onglets()->setCurrentIndex(hasard.bounded(4)); break;
                default:
                    if (auto *b = qobject_cast<QAbstractButton *>(auChoix(boutons))) b->click();
                }
            });
            QVERIFY2(!pasUnNombre.match(a.resultat()).hasMatch(), qPrintable(a.resultat()));
            for (const char *champ : champs) QVERIFY2(!pasUnNombre.match(a.texte(champ)->text()).hasMatch(), champ);
            const Module1 &s = a.s();
            for (float f : {s.Frequence_Accord, s.Frequence_Yagi, s.Frequence_Quad, s.Frequence_Levy})
                QVERIFY(std::isfinite(f) && f >= 0);
            QVERIFY(std::isfinite(s.Longueur_Levy));
            if (s.Calcul_Filaire_Fait) {
                QCOMPARE(a.onglets()->currentIndex(), 0);
                QVERIFY(s.Frequence_Accord > 0 && std::isfinite(s.Longueur_Calculee) && s.Longueur_Calculee > 0);
                QVERIFY(!s.Lignes_Resultat[0].isEmpty());
            }
        }
        QCOMPARE(a.bips(), 0);
    }

    // Pictures of the four tabs, for the eye: ORVALIS_CAPTURES names the directory to write them to.
    void captures_data()
    {
        QTest::addColumn<double>("echelle");
        QTest::newRow("police normale") << 1.0;
        QTest::newRow("grande police") << 1.6;
    }
    void captures()
    {
        QFETCH(double, echelle);
        const QFont police = QApplication::font();
        QFont grande = police;
        grande.setPointSizeF(police.pointSizeF() * echelle);
        QApplication::setFont(grande);
        const auto remettre = qScopeGuard([&] { QApplication::setFont(police); });
        Donnees d;
        // Drawings of the usual 640 x 480 size, shown reduced.
        QImage dessin(640, 480, QImage::Format_RGB32);
        dessin.fill(Qt::white);
        QPainter peintre(&dessin);
        peintre.setPen(QPen(Qt::darkBlue, 6));
        peintre.drawLine(20, 460, 620, 20);
        peintre.drawRect(3, 3, 633, 473);
        peintre.end();
        for (const char *nom : {"Ground-Plane.gif", "Yagi.gif", "Quad.gif", "Levy.gif"})
            QVERIFY(dessin.save(d.fichier(nom), "PNG"));
        Concepteur a(d);
        a.principal().resize(1280, 960);
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
        for (int i = 0; i < 4; ++i) {
            a.onglet(i);
            QCoreApplication::processEvents();
            // Nothing in the window is squeezed below what it needs to show its text.
            const QList<QWidget *> tous = a.f->findChildren<QWidget *>();
            for (QWidget *w : tous) {
                if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
                QVERIFY2(w->width() >= w->minimumSizeHint().width() && w->height() >= w->minimumSizeHint().height(),
                         qPrintable(w->objectName()));
            }
            QVERIFY(a.c<QLabel>("Picture1")->pixmap().width() <= 480);
            QVERIFY(a.c<QLabel>("Picture1")->pixmap().height() <= 360);
            const QImage image = a.f->grab().toImage();
            QVERIFY(!image.isNull());
            if (!dossier.isEmpty())
                QVERIFY(image.save(QDir(dossier).filePath(QStringLiteral("Form1-onglet%1-%2.png").arg(i + 1).arg(echelle))));
        }
    }
};

QTEST_MAIN(TstForm1)
#include "tst_form1.moc"
