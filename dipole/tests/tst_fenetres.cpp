// SPDX-License-Identifier: GPL-3.0-or-later
// The shortened-dipole window and the retained-solutions window, driven through the main menu
// as a user does, under French regional settings.
#include "dipole/calcul.h"
#include "shell/MDIForm1.h"
#include "shell/core/Module1.h"
#include "tests/support/pdf.h"
#include "tests/support/utilisateur.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#ifdef ORVALIS_IMPRESSION
#include "dipole/Form11.h"
#include <QPrinter>
#include <QPrinterInfo>
#endif

using essai::controle;

namespace {

const QString kLf = QStringLiteral("\n");

QStringList ligneGrille(QTableWidget *g, int rang)
{
    QStringList l;
    for (int c = 1; c < g->columnCount(); ++c) l << g->item(rang - 1, c)->text();
    return l;
}

QStringList enTetes(QTableWidget *g)
{
    QStringList l;
    for (int c = 0; c < g->columnCount(); ++c) l << g->horizontalHeaderItem(c)->text();
    return l;
}

bool grilleVide(QTableWidget *g, int premiereColonne)
{
    for (int r = 0; r < g->rowCount(); ++r)
        for (int c = premiereColonne; c < g->columnCount(); ++c)
            if (!g->item(r, c)->text().isEmpty()) return false;
    return true;
}

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A home folder of its own (without documents folder) for the life of the object.
class Maison {
public:
    Maison() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    ~Maison()
    {
        qputenv("HOME", home_);
        config_.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config_);
    }
    QString chemin() const { return dir_.path(); }
    // What it holds, apart from the settings Qt's file dialog keeps in .config.
    QStringList contenu() const
    {
        QStringList c = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        c.removeAll(QStringLiteral(".config"));
        return c;
    }

private:
    QTemporaryDir dir_;
    QByteArray home_, config_;
};

const QString kPdf = QStringLiteral("Solutions-retenues.pdf");

}  // namespace

class TestFenetres : public QObject {
    Q_OBJECT

    // A home folder of its own: the export proposes its file there, Qt's file dialog keeps its
    // settings there.
    std::unique_ptr<Maison> maison;
    std::unique_ptr<essai::Donnees> donnees;
    std::unique_ptr<MDIForm1> principal;
    QWidget *f8 = nullptr;

    // The main window on the test's data directory, with the dipole window open.
    void ouvrir()
    {
        principal.reset();
        principal = essai::demarrer(*donnees);
        const auto boites = essai::menu(*principal, QStringLiteral("Dipole_Raccourci"));
        QVERIFY(boites.isEmpty());
        f8 = principal->findChild<QWidget *>(QStringLiteral("Form8"));
        QVERIFY(f8);
        QVERIFY(f8->isVisible());
    }
    Module1 &store() { return principal->store(); }
    template <class T = QLineEdit>
    T *c(const QString &nom) { return controle<T>(f8, nom); }
    QTableWidget *grille() { return c<QTableWidget>(QStringLiteral("MSHFlexGrid1")); }
    // The note, its line breaks as LF.
    QString note()
    {
        return c<QPlainTextEdit>(QStringLiteral("Text7"))->toPlainText().replace(QStringLiteral("\r\n"), kLf);
    }
    QAction *action(const QString &nom) { return controle<QAction>(f8, nom); }
    QList<essai::Boite> menuTableau(const QString &nom, QList<QMessageBox::StandardButton> r = {})
    {
        return essai::repondre([&] { action(nom)->trigger(); }, r);
    }
    QList<essai::Boite> calculer()
    {
        return essai::repondre([&] { essai::appuyer(c<QPushButton>(QStringLiteral("Command1"))); });
    }
    // Click into a field, type, and leave it for the calculate button, as a user does.
    void entrer(const QString &nom, const QString &texte)
    {
        QLineEdit *champ = c(nom);
        essai::cliquer(champ);
        essai::taper(champ, texte);
        if (champ->hasFocus()) c<QPushButton>(QStringLiteral("Command1"))->setFocus(Qt::TabFocusReason);
        else essai::quitter(champ);
    }
    // "Exporter en PDF…", the file dialog answered with `fichiers` (a null name cancels it).
    QList<essai::Boite> exporter(const QStringList &fichiers, QStringList *proposes = nullptr,
                                 QList<QMessageBox::StandardButton> r = {})
    {
        QList<essai::DialogueFichier> dialogues;
        const QList<essai::Boite> boites = essai::repondreFichiers(
            [&] { action(QStringLiteral("Exporter_Tableau"))->trigger(); }, fichiers, &dialogues, r);
        for (const essai::DialogueFichier &d : std::as_const(dialogues)) {
            if (proposes) *proposes << d.propose;
            textesDialogue = d.textes;
        }
        return boites;
    }
    // The table as the solutions window shows it, and as the store holds it.
    QList<QStringList> tableauVu()
    {
        QList<QStringList> t;
        for (int r = 0; r < grille11()->rowCount(); ++r) {
            QStringList l;
            for (int col = 0; col < 9; ++col) l << grille11()->item(r, col)->text() << store().Tableau_Solutions[r + 1][col];
            t << l;
        }
        return t;
    }
    QStringList textesDialogue;  // what the last file dialog showed
    QWidget *form11() { return principal->findChild<QWidget *>(QStringLiteral("Form11")); }
    QTableWidget *grille11() { return controle<QTableWidget>(form11(), QStringLiteral("MSHFlexGrid1")); }
    bool menuPrincipalActif()
    {
        bool actif = true;
        for (QAction *a : principal->menuBar()->actions()) actif = actif && a->isEnabled();
        return actif;
    }
    bool menuPrincipalVerrouille()
    {
        for (QAction *a : principal->menuBar()->actions())
            if (a->isEnabled()) return false;
        return true;
    }

private slots:
    void initTestCase() { essai::reglagesFrancais(); }
    void init()
    {
        maison = std::make_unique<Maison>();
        donnees = std::make_unique<essai::Donnees>();
        ouvrir();
    }
    void cleanup()
    {
        principal.reset();
        donnees.reset();
        maison.reset();
    }

    void ouverture()
    {
        QVERIFY(menuPrincipalVerrouille());
        QCOMPARE(f8->windowTitle(), QStringLiteral("Dipole raccourci"));
        // Band "40 m": its preferred frequency, not the start-up 7.1.
        QCOMPARE(store().Frequence_Dipole, 7.05f);
        QCOMPARE(c(QStringLiteral("Text1"))->text(), QStringLiteral("7,050 Mhz"));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("30,00"));
        QCOMPARE(c(QStringLiteral("Text3"))->text(), QStringLiteral("3,50"));
        QCOMPARE(c(QStringLiteral("Text6"))->text(), QStringLiteral(" 14"));
        auto *combo3 = c<QComboBox>(QStringLiteral("Combo3"));
        QCOMPARE(combo3->currentIndex(), 3);
        QCOMPARE(combo3->currentText(), QStringLiteral("40 m"));
        for (auto [nom, texte] : {std::pair{"Combo1", "Feets"}, std::pair{"Combo2", "AWG"}}) {
            auto *combo = c<QComboBox>(QString::fromLatin1(nom));
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->currentText(), QString::fromLatin1(texte));
        }
        auto *check = c<QCheckBox>(QStringLiteral("Check1"));
        QVERIFY(check->isChecked());
        QCOMPARE(check->text(), QStringLiteral("Dipole"));

        QVERIFY(!action(QStringLiteral("Voir_Tableau"))->isChecked());
        QVERIFY(action(QStringLiteral("Voir_Tableau"))->isEnabled());
        for (const char *nom : {"Ajouter_Au_Tableau", "Sauvegarder_Tableau", "Imprimer_Tableau", "Exporter_Tableau",
                                "Effacer_Tableau"})
            QVERIFY(!action(QString::fromLatin1(nom))->isEnabled());

        // The grid is filled at once, for 7.05 MHz.
        dipole::Entrees e;
        e.frequence = 7.05f;
        const dipole::Resultat r = dipole::calculer(e);
        QCOMPARE(enTetes(grille()),
                 QStringList({"Ant", "B", "C", "Ind", "Dia", "Turn", "Length", "F.Res", "Q"}));
        QCOMPARE(grille()->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(grille()->item(8, 0)->text(), QStringLiteral("9"));
        QCOMPARE(ligneGrille(grille(), 1), QStringList(r.lignes[0].begin(), r.lignes[0].end()));
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("11,50"));
        QCOMPARE(c(QStringLiteral("Text5"))->text(), r.inductance);
        QCOMPARE(note(), QString(r.note).replace(QStringLiteral("\r\n"), kLf));
        QCOMPARE(principal->beepCount(), 0);
    }

    void valeursParDefautA71Mhz()
    {
        auto *grid = grille();
        const QStringList avant = ligneGrille(grid, 1);
        entrer(QStringLiteral("Text1"), QStringLiteral("7.1"));
        QCOMPARE(c(QStringLiteral("Text1"))->text(), QStringLiteral("7,100 Mhz"));
        QCOMPARE(c<QComboBox>(QStringLiteral("Combo3"))->currentIndex(), 0);
        QCOMPARE(store().Frequence_Dipole, 7.1f);
        QCOMPARE(ligneGrille(grid, 1), avant);  // not recomputed until asked
        QVERIFY(note().isEmpty());

        QVERIFY(calculer().isEmpty());
        QCOMPARE(ligneGrille(grid, 1),
                 QStringList({"1,50 ft", "13,5 ft", "13,02 µh", "3,19 In", "12,4", "1,60 In", "19,0 Mhz", " 755"}));
        QCOMPARE(grid->item(7, 8)->text(), QStringLiteral(" 159"));
        QCOMPARE(grid->item(8, 8)->text(), QStringLiteral(" 0"));
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("11,50"));
        QCOMPARE(c(QStringLiteral("Text5"))->text(), QStringLiteral("15,0"));
        QVERIFY(note().startsWith(QStringLiteral("Un dipôle Full Size pour  7.1 Mhz nécessiterait  67ft (20,70 M)")));
    }

    void quartDonde()
    {
        auto *check = c<QCheckBox>(QStringLiteral("Check1"));
        const QStringList dipole = ligneGrille(grille(), 5);
        const QString self = c(QStringLiteral("Text5"))->text();
        essai::appuyer(check);
        QVERIFY(!check->isChecked());
        QCOMPARE(check->text(), QStringLiteral("Quart d'onde"));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("15,00"));
        QCOMPARE(store().Dimension_A, 15.0f);
        QCOMPARE(ligneGrille(grille(), 5), dipole);
        QCOMPARE(c(QStringLiteral("Text5"))->text(), self);
        QVERIFY(note().contains(QStringLiteral("La longueur de 30ft (9,14 M)")));
        essai::appuyer(check);
        QCOMPARE(check->text(), QStringLiteral("Dipôle"));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("30,00"));
    }

    void unitesDeLongueur()
    {
        auto *combo1 = c<QComboBox>(QStringLiteral("Combo1"));
        essai::choisir(combo1, 1);
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("9,14"));
        QCOMPARE(c(QStringLiteral("Text3"))->text(), QStringLiteral("1,07"));
        QVERIFY(grille()->item(0, 1)->text().endsWith(QStringLiteral(" M")));
        QVERIFY(grille()->item(0, 4)->text().endsWith(QStringLiteral(" mm")));
        // The same choice again does nothing, not even a calculation.
        c(QStringLiteral("Text4"))->setText(QStringLiteral("témoin"));
        essai::choisir(combo1, 1);
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("témoin"));
        essai::choisir(combo1, 0);
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("30,00"));
        QCOMPARE(c(QStringLiteral("Text3"))->text(), QStringLiteral("3,50"));
        QVERIFY(grille()->item(0, 1)->text().endsWith(QStringLiteral(" ft")));
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("11,50"));
    }

    void piedsEnPremierNeConvertitRien()
    {
        c(QStringLiteral("Text5"))->setText(QStringLiteral("témoin"));
        essai::choisir(c<QComboBox>(QStringLiteral("Combo1")), 0);
        QCOMPARE(store().Dimension_A, 30.0f);
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("30,00"));
        QVERIFY(c(QStringLiteral("Text5"))->text() != QStringLiteral("témoin"));  // computed again
    }

    void metresNeufEtUn()
    {
        essai::choisir(c<QComboBox>(QStringLiteral("Combo1")), 1);
        entrer(QStringLiteral("Text2"), QStringLiteral("9"));
        entrer(QStringLiteral("Text3"), QStringLiteral("1"));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("9,00"));
        QVERIFY(calculer().isEmpty());
        QVERIFY(note().contains(QStringLiteral("La longueur de 29ft (9,00 M) de dimension A")));
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("3,50"));
    }

    void uniteDuFil()
    {
        auto *combo2 = c<QComboBox>(QStringLiteral("Combo2"));
        const QString avant = note();
        const int bips = principal->beepCount();
        essai::choisir(combo2, 2);
        QVERIFY(c(QStringLiteral("Text6"))->text().isEmpty());
        QCOMPARE(store().Diametre_Fil, 14.0f);
        QCOMPARE(note(), avant);  // no calculation
        const auto boites = calculer();
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Orvalis"));
        QCOMPARE(boites[0].icone, QMessageBox::Warning);
        QCOMPARE(boites[0].boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boites[0].texte, QStringLiteral("Une des variables n'est pas valide\nVous devez renseigner "
                                                 "les champs Dim. A, B et Diam du fil\nainsi que la section du fil"));
        QCOMPARE(note(), avant);
        QCOMPARE(principal->beepCount(), bips);

        // 1.6 mm of wire, then the same choice again keeps the text.
        entrer(QStringLiteral("Text6"), QStringLiteral("1.6"));
        QCOMPARE(c(QStringLiteral("Text6"))->text(), QStringLiteral("1.6"));
        essai::choisir(combo2, 2);
        QCOMPARE(c(QStringLiteral("Text6"))->text(), QStringLiteral("1.6"));
        QVERIFY(calculer().isEmpty());
        QVERIFY(!c(QStringLiteral("Text5"))->text().isEmpty());
    }

    // Text typed into a unit list that is none of its entries leaves no entry chosen: the
    // calculation then works in feet and with an AWG number.
    void texteTapeDansLesUnites()
    {
        const auto taperDans = [](QComboBox *liste, const QString &texte) {
            liste->lineEdit()->setFocus(Qt::MouseFocusReason);
            liste->lineEdit()->selectAll();
            QTest::keyClicks(liste->lineEdit(), texte);
        };
        auto *combo1 = c<QComboBox>(QStringLiteral("Combo1"));
        essai::choisir(combo1, 1);
        QVERIFY(calculer().isEmpty());
        QVERIFY(grille()->item(0, 1)->text().endsWith(QStringLiteral(" M")));
        taperDans(combo1, QStringLiteral("pouces"));
        QCOMPARE(combo1->currentIndex(), -1);
        QCOMPARE(combo1->currentText(), QStringLiteral("pouces"));
        QVERIFY(calculer().isEmpty());
        QVERIFY(grille()->item(0, 1)->text().endsWith(QStringLiteral(" ft")));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("9,14"));  // nothing converted
        taperDans(combo1, QStringLiteral("Feets"));
        QCOMPARE(combo1->currentIndex(), 0);

        // 1.6 typed as an AWG number, then as millimetres with the list's text typed over.
        auto *combo2 = c<QComboBox>(QStringLiteral("Combo2"));
        essai::choisir(combo2, 0);
        entrer(QStringLiteral("Text6"), QStringLiteral("1.6"));
        QVERIFY(calculer().isEmpty());
        const QString awg = c(QStringLiteral("Text5"))->text();
        essai::choisir(combo2, 2);
        entrer(QStringLiteral("Text6"), QStringLiteral("1.6"));
        QVERIFY(calculer().isEmpty());
        QVERIFY(c(QStringLiteral("Text5"))->text() != awg);
        taperDans(combo2, QStringLiteral("fil"));
        QCOMPARE(combo2->currentIndex(), -1);
        QCOMPARE(c(QStringLiteral("Text6"))->text(), QStringLiteral("1.6"));  // not a choice: kept
        QVERIFY(calculer().isEmpty());
        QCOMPARE(c(QStringLiteral("Text5"))->text(), awg);
    }

    void premierChoixAwgVideLeFil()
    {
        essai::choisir(c<QComboBox>(QStringLiteral("Combo2")), 0);
        QVERIFY(c(QStringLiteral("Text6"))->text().isEmpty());
    }

    void bobineAuBoutDuBras()
    {
        const int bips = principal->beepCount();
        const QStringList avant = ligneGrille(grille(), 1);
        entrer(QStringLiteral("Text3"), QStringLiteral("15"));
        QVERIFY(calculer().isEmpty());
        QCOMPARE(principal->beepCount(), bips + 1);
        QVERIFY(c(QStringLiteral("Text4"))->text().isEmpty());
        QVERIFY(c(QStringLiteral("Text5"))->text().isEmpty());
        QCOMPARE(note(), QStringLiteral(" La longueur de la Dimension B doit être inférieur à la moitié de la "
                                        "longueur du dipole (Dimension A)"));
        QCOMPARE(ligneGrille(grille(), 1), avant);
    }

    void dipoleTropLong()
    {
        entrer(QStringLiteral("Text1"), QStringLiteral("7.1"));
        entrer(QStringLiteral("Text2"), QStringLiteral("70"));
        QVERIFY(calculer().isEmpty());
        QCOMPARE(principal->beepCount(), 1);
        QCOMPARE(note(), QStringLiteral("La longueur du dipole raccourci est supérieur à la demie longeur d'onde "
                                        "de la fréquence utilisée.\nVous devez racourcir la longueur du dipole "
                                        "à une valeur inférieur à  67 ft et 10,92 inches (20,70 M)\n"));
        QVERIFY(grilleVide(grille(), 0));
        QCOMPARE(enTetes(grille()), QStringList(9, QString()));
        // A good length brings the headers and the rows back.
        entrer(QStringLiteral("Text2"), QStringLiteral("30"));
        QVERIFY(calculer().isEmpty());
        QCOMPARE(enTetes(grille()).first(), QStringLiteral("Ant"));
        QCOMPARE(grille()->item(0, 1)->text(), QStringLiteral("1,50 ft"));
    }

    void calculImpossible()
    {
        entrer(QStringLiteral("Text6"), QStringLiteral("41"));
        QVERIFY(calculer().isEmpty());
        QCOMPARE(note(), QStringLiteral("Le numéro AWG du fil doit être compris entre 1 et 40."));
        QCOMPARE(principal->beepCount(), 1);
        QVERIFY(c(QStringLiteral("Text4"))->text().isEmpty());
        QVERIFY(c(QStringLiteral("Text5"))->text().isEmpty());
        QVERIFY(grilleVide(grille(), 1));
        QCOMPARE(enTetes(grille()).last(), QStringLiteral("Q"));
        QCOMPARE(grille()->item(8, 0)->text(), QStringLiteral("9"));
        // The window stays usable.
        entrer(QStringLiteral("Text6"), QStringLiteral("14"));
        QVERIFY(calculer().isEmpty());
        QCOMPARE(c(QStringLiteral("Text4"))->text(), QStringLiteral("11,50"));
    }

    void saisieRefuseeRendLesTextes()
    {
        auto *text2 = c(QStringLiteral("Text2"));
        const QString t4 = c(QStringLiteral("Text4"))->text(), t5 = c(QStringLiteral("Text5"))->text();
        const QString t7 = note();
        for (const QString &refus : {QStringLiteral("0"), QStringLiteral("abc")}) {
            essai::cliquer(text2);
            QVERIFY(c(QStringLiteral("Text4"))->text().isEmpty());
            essai::taper(text2, refus);
            essai::quitter(text2);
            QCOMPARE(text2->text(), QStringLiteral("30,00"));
            QCOMPARE(c(QStringLiteral("Text4"))->text(), t4);
            QCOMPARE(c(QStringLiteral("Text5"))->text(), t5);
            QCOMPARE(note(), t7);
            QCOMPARE(store().Dimension_A, 30.0f);
        }
    }

    void retourAuMenu()
    {
        QVERIFY(menuTableau(QStringLiteral("Voir_Tableau")).isEmpty());
        QVERIFY(form11()->isVisible());
        entrer(QStringLiteral("Text1"), QStringLiteral("14.3"));
        QVERIFY(essai::repondre([&] { essai::appuyer(c<QPushButton>(QStringLiteral("Retour_Menu"))); }).isEmpty());
        QVERIFY(!f8->isVisible());
        QVERIFY(!form11()->isVisible());
        QVERIFY(menuPrincipalActif());
        // Opened again: same window, band set back to 40 m, menu locked again.
        essai::menu(*principal, QStringLiteral("Dipole_Raccourci"));
        QCOMPARE(principal->findChild<QWidget *>(QStringLiteral("Form8")), f8);
        QCOMPARE(c(QStringLiteral("Text1"))->text(), QStringLiteral("7,050 Mhz"));
        QVERIFY(menuPrincipalVerrouille());
        QVERIFY(!action(QStringLiteral("Voir_Tableau"))->isChecked());
    }

    // The solutions window closed by its own frame: "Voir le tableau" unticked, the entries that
    // need the window disabled, and the next "Voir le tableau" shows it again.
    void tableauFermeParSonCadre()
    {
        QAction *voir = action(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Voir_Tableau"));
        QVERIFY(voir->isChecked());
        auto *cadre = qobject_cast<QMdiSubWindow *>(form11()->parentWidget());
        QVERIFY(cadre && cadre->close());
        QVERIFY(!form11()->isVisible());
        QVERIFY(!voir->isChecked());
        QVERIFY(!action(QStringLiteral("Ajouter_Au_Tableau"))->isEnabled());
        menuTableau(QStringLiteral("Voir_Tableau"));
        QVERIFY(voir->isChecked());
        QVERIFY(form11()->isVisible());
    }

    void fermetureParLeCadre()
    {
        QVERIFY(menuTableau(QStringLiteral("Voir_Tableau")).isEmpty());
        auto *cadre = qobject_cast<QMdiSubWindow *>(f8->parentWidget());
        QVERIFY(cadre);
        QVERIFY(cadre->close());
        QVERIFY(!f8->isVisible());
        QVERIFY(!form11()->isVisible());
        QVERIFY(menuPrincipalActif());
        essai::menu(*principal, QStringLiteral("Dipole_Raccourci"));
        QVERIFY(f8->isVisible());
        QVERIFY(menuPrincipalVerrouille());
    }

    // The table window taking the focus is not the user leaving a field of the dipole window:
    // "7,050 Mhz" read again would become 7 MHz and the band "Libre choix".
    void autreFenetreNeQuittePasLeChamp()
    {
        auto *text1 = c(QStringLiteral("Text1"));
        text1->setFocus(Qt::TabFocusReason);
        QVERIFY(text1->hasFocus());
        menuTableau(QStringLiteral("Voir_Tableau"));
        QVERIFY(!text1->hasFocus());
        QCOMPARE(text1->text(), QStringLiteral("7,050 Mhz"));
        QCOMPARE(c<QComboBox>(QStringLiteral("Combo3"))->currentIndex(), 3);
        // Back in the dipole window, typing and leaving a field works as before.
        essai::saisir(text1, QStringLiteral("14.3"));
        QCOMPARE(text1->text(), QStringLiteral("14,300 Mhz"));
        QCOMPARE(c<QComboBox>(QStringLiteral("Combo3"))->currentIndex(), 0);
    }

    void voirLeTableau()
    {
        QAction *voir = action(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Voir_Tableau"));
        QVERIFY(voir->isChecked());
        QVERIFY(form11()->isVisible());
        QCOMPARE(form11()->windowTitle(), QStringLiteral("Tableau des solutions retenues"));
        for (const char *nom : {"Ajouter_Au_Tableau", "Sauvegarder_Tableau", "Imprimer_Tableau", "Exporter_Tableau",
                                "Effacer_Tableau"})
            QVERIFY(action(QString::fromLatin1(nom))->isEnabled());
        QTableWidget *g = grille11();
        QCOMPARE(g->rowCount(), 10);
        QCOMPARE(enTetes(g), QStringList({"N°", "Sel.", "Sys.", "Bande", "Frq.Mhz", "Lg.A", "Lg.B", "Lg.C", "Self µH"}));
        QCOMPARE(g->toolTip(), QStringLiteral("Pour info: F=feet; M=mètre; D=dipôle; Q=quart d'onde."));
        QCOMPARE(g->item(9, 0)->text(), QStringLiteral("10"));
        QVERIFY(g->item(0, 1)->text().isEmpty());  // "-" shows as nothing
        QVERIFY(controle<QLabel>(form11(), QStringLiteral("Picture1")));
        menuTableau(QStringLiteral("Voir_Tableau"));
        QVERIFY(!voir->isChecked());
        QVERIFY(!form11()->isVisible());
        QVERIFY(!action(QStringLiteral("Ajouter_Au_Tableau"))->isEnabled());
    }

    void ajouterSauverRedemarrer()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Effacer_Tableau"));
        QVERIFY(menuTableau(QStringLiteral("Ajouter_Au_Tableau")).isEmpty());
        const QStringList rang1{"1", "D", "F", "40", "7.050", "30,00", "3,50", "11,50",
                                c(QStringLiteral("Text5"))->text()};
        QStringList enMemoire, vu;
        for (int col = 0; col < 9; ++col) {
            enMemoire << store().Tableau_Solutions[1][col];
            vu << grille11()->item(0, col)->text();
        }
        QCOMPARE(enMemoire, rang1);
        QStringList attenduVu = rang1;
        attenduVu[3] = QStringLiteral("40m");
        QCOMPARE(vu, attenduVu);

        const QString fichier = donnees->fichier(QStringLiteral("Tableau.dat"));
        const auto boites = menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::Yes});
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Sauvegarder"));
        QCOMPARE(boites[0].texte, QStringLiteral("Voulez vous enregistrer ce tableau"));
        QCOMPARE(boites[0].boutons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boites[0].libelles, (QStringList{"Oui", "Non"}));
        const QByteArray ecrit = contenu(fichier);
        QVERIFY(ecrit.startsWith(rang1.join(QLatin1Char(' ')).toLatin1() + "\r\n2 - - - - - - - -\r\n"));
        QCOMPARE(ecrit.count("\r\n"), 10);

        // Started again on the same directory: the file is what the table shows.
        ouvrir();
        menuTableau(QStringLiteral("Voir_Tableau"));
        QCOMPARE(grille11()->item(0, 3)->text(), QStringLiteral("40"));
        QCOMPARE(grille11()->item(0, 8)->text(), rang1[8]);
        QCOMPARE(store().Tableau_Solutions[1][5], QStringLiteral("30,00"));
    }

    void reponseNonNEcritRien()
    {
        const QString fichier = donnees->fichier(QStringLiteral("Tableau.dat"));
        const QByteArray avant = contenu(fichier);
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::No});
        QCOMPARE(contenu(fichier), avant);
    }

    void tableauPlein()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Effacer_Tableau"));
        for (int i = 0; i < 10; ++i) QVERIFY(menuTableau(QStringLiteral("Ajouter_Au_Tableau")).isEmpty());
        for (int r = 0; r < 10; ++r) QCOMPARE(grille11()->item(r, 1)->text(), QStringLiteral("D"));
        const auto boites = menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Attention"));
        QCOMPARE(boites[0].texte, QStringLiteral("Il semblerait que le tableau soit plein"));
        QCOMPARE(boites[0].icone, QMessageBox::Warning);
        // Clear: every row free again, the labels kept.
        menuTableau(QStringLiteral("Effacer_Tableau"));
        QVERIFY(grilleVide(grille11(), 1));
        QCOMPARE(grille11()->item(4, 0)->text(), QStringLiteral("5"));
        QCOMPARE(store().Tableau_Solutions[10][8], QStringLiteral("-"));
    }

    void libreChoixEtCalculManque()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Effacer_Tableau"));
        entrer(QStringLiteral("Text1"), QStringLiteral("14.3"));
        QCOMPARE(c<QComboBox>(QStringLiteral("Combo3"))->currentIndex(), 0);
        entrer(QStringLiteral("Text3"), QStringLiteral("15"));
        calculer();  // fails: C and L are emptied
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        QCOMPARE(store().Tableau_Solutions[1][3], QStringLiteral("LCh"));
        QCOMPARE(store().Tableau_Solutions[1][4], QStringLiteral("14,300"));
        QCOMPARE(grille11()->item(0, 3)->text(), QStringLiteral("LChm"));
        menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::Yes});
        const QByteArray ecrit = contenu(donnees->fichier(QStringLiteral("Tableau.dat")));
        QVERIFY(ecrit.startsWith("1 D F LCh 14,300 30,00 15,00  \r\n"));

        ouvrir();
        for (int col : {7, 8}) QVERIFY(store().Tableau_Solutions[1][col].isEmpty());
        QCOMPARE(store().Tableau_Solutions[1][6], QStringLiteral("15,00"));
    }

    void champsSansBlanc()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Effacer_Tableau"));
        // A thousand feet shows a digit-group separator; a blank typed in B and the menu used
        // before leaving the field.
        entrer(QStringLiteral("Text2"), QStringLiteral("1234"));
        QCOMPARE(c(QStringLiteral("Text2"))->text(), QStringLiteral("1\u202F234,00"));
        essai::cliquer(c(QStringLiteral("Text3")));
        essai::taper(c(QStringLiteral("Text3")), QStringLiteral("3 5"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::Yes});
        const QByteArray ecrit = contenu(donnees->fichier(QStringLiteral("Tableau.dat")));
        QVERIFY2(ecrit.startsWith("1 D F 40 7.050 1\xA0" "234,00 3\xA0" "5 "), ecrit.left(40).constData());
        QVERIFY(!ecrit.contains('?'));

        ouvrir();
        QCOMPARE(store().Tableau_Solutions[1][5], QStringLiteral("1\u00A0234,00"));
        QCOMPARE(store().Tableau_Solutions[1][6], QStringLiteral("3\u00A05"));
        QCOMPARE(store().Tableau_Solutions[1][7], QString());  // not computed: too long
    }

    // A file of two lines: the rows it lacks are not free until a clear, and saving writes ten.
    void fichierCourt()
    {
        donnees->ecrire(QStringLiteral("Tableau.dat"),
                        {QStringLiteral("1 - - - - - - - -"), QStringLiteral("2 Q M 20 14.200 5,00 1,00 1,50 3,2")});
        ouvrir();
        menuTableau(QStringLiteral("Voir_Tableau"));
        QCOMPARE(grille11()->item(1, 3)->text(), QStringLiteral("20"));
        QVERIFY(menuTableau(QStringLiteral("Ajouter_Au_Tableau")).isEmpty());
        const auto boites = menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].texte, QStringLiteral("Il semblerait que le tableau soit plein"));

        menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::Yes});
        const QList<QByteArray> lignes = contenu(donnees->fichier(QStringLiteral("Tableau.dat"))).split('\n');
        QCOMPARE(lignes.size(), 11);  // ten lines, each ended by CR LF
        QVERIFY(lignes[0].startsWith("1 D F 40 7.050 30,00 3,50 11,50 "));
        QCOMPARE(lignes[1], QByteArray("2 Q M 20 14.200 5,00 1,00 1,50 3,2\r"));
        for (int i = 2; i < 10; ++i) QCOMPARE(lignes[i], QByteArray("        \r"));
        QVERIFY(lignes[10].isEmpty());
    }

    void fichierNonInscriptible()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        const QString ailleurs = QDir(donnees->chemin()).filePath(QStringLiteral("absent/Tableau.dat"));
        store().Fichier_Tableau = ailleurs;
        const auto boites = menuTableau(QStringLiteral("Sauvegarder_Tableau"), {QMessageBox::Yes});
        QCOMPARE(boites.size(), 2);
        QCOMPARE(boites[1].icone, QMessageBox::Warning);
        QVERIFY2(boites[1].texte.contains(QDir::toNativeSeparators(ailleurs)), qPrintable(boites[1].texte));
        QVERIFY(boites[1].texte.contains(QStringLiteral("reste en mémoire")));
        QCOMPARE(store().Tableau_Solutions[1][1], QStringLiteral("D"));
        QCOMPARE(grille11()->item(0, 1)->text(), QStringLiteral("D"));
    }

    void impressionSansImprimante()
    {
#ifdef ORVALIS_IMPRESSION
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a real printer is set up: no paper wasted");
#endif
        menuTableau(QStringLiteral("Voir_Tableau"));
        const auto boites = menuTableau(QStringLiteral("Imprimer_Tableau"));
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Orvalis"));
        QCOMPARE(boites[0].texte, QStringLiteral("Impossible d'imprimer la feuille."));
        QCOMPARE(boites[0].boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(form11()->isVisible());
    }

    // The page the printer receives: the table window as shown, here into a PDF file.
    void impressionDansUnFichier()
    {
#ifdef ORVALIS_IMPRESSION
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(donnees->fichier(QStringLiteral("tableau.pdf")));
        auto *fenetre = qobject_cast<Form11 *>(form11());
        QVERIFY(fenetre);
        QVERIFY(fenetre->imprimerSur(pdf));
        const QByteArray page = contenu(pdf.outputFileName());
        QVERIFY(page.startsWith("%PDF"));
        QCOMPARE(page.count("/Type /Page\n") + page.count("/Type /Page\r") + page.count("/Type /Page "), 1);
#else
        QSKIP("built without print support");
#endif
    }

    void entreeExporter()
    {
        QMenu *menu = controle<QMenu>(f8, QStringLiteral("Tableau"));
        QStringList noms;
        for (QAction *a : menu->actions()) noms << a->objectName();
        QCOMPARE(noms, QStringList({"Voir_Tableau", "Ajouter_Au_Tableau", "Sauvegarder_Tableau", "Imprimer_Tableau",
                                    "Exporter_Tableau", "Effacer_Tableau"}));
        QCOMPARE(action(QStringLiteral("Exporter_Tableau"))->text(), QStringLiteral("Exporter en PDF…"));
        QCOMPARE(action(QStringLiteral("Imprimer_Tableau"))->text(), QStringLiteral("Imprimer le tableau"));
    }

    // After two adds, the document holds the title, the date, the headings and every row.
    void exporterEnPdf()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Effacer_Tableau"));
        QVERIFY(menuTableau(QStringLiteral("Ajouter_Au_Tableau")).isEmpty());
        essai::choisir(c<QComboBox>(QStringLiteral("Combo3")), 5);  // 20 m
        QVERIFY(menuTableau(QStringLiteral("Ajouter_Au_Tableau")).isEmpty());
        const auto avant = tableauVu();
        const QString cible = donnees->fichier(QStringLiteral("mes solutions.pdf"));
        QStringList proposes;
        QVERIFY(exporter({cible}, &proposes).isEmpty());
        // Wholly French: Qt's own captions, buttons, headings and places too.
        QVERIFY2(essai::textesAnglais(textesDialogue).isEmpty(), qPrintable(essai::textesAnglais(textesDialogue).join(", ")));
        QVERIFY2(textesDialogue.contains(QStringLiteral("Enregistrer")), qPrintable(textesDialogue.join(", ")));
        // Proposed in the home folder, which has no documents folder.
        QCOMPARE(proposes, QStringList{QDir(maison->chemin()).filePath(kPdf)});
        QCOMPARE(essai::debutFichier(cible, 5), QByteArray("%PDF-"));
        QCOMPARE(tableauVu(), avant);
        QVERIFY2(maison->contenu().isEmpty(), qPrintable(maison->contenu().join(' ')));
        if (!essai::pdftotextPresent()) QSKIP(essai::kSansPdftotext);

        const QString texte = essai::texteDuPdf(cible);
        QVERIFY2(texte.contains(QStringLiteral("Orvalis — solutions retenues")), qPrintable(texte));
        QVERIFY(texte.contains(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)));
        QVERIFY2(essai::ligneAvec(texte, {"N°", "Sel.", "Sys.", "Bande", "Frq.Mhz", "Lg.A", "Lg.B", "Lg.C", "Self µH"}),
                 qPrintable(texte));
        const QString L40 = store().Tableau_Solutions[1][8], L20 = store().Tableau_Solutions[2][8];
        QVERIFY(!L40.isEmpty() && !L20.isEmpty());
        QVERIFY2(essai::ligneAvec(texte, {"1", "D", "F", "40", "7.050", "30,00", "3,50", "11,50", L40}), qPrintable(texte));
        QVERIFY2(essai::ligneAvec(texte, {"2", "D", "F", "20", "14.200", "30,00", "3,50", store().Tableau_Solutions[2][7], L20}),
                 qPrintable(texte));
        for (int r = 3; r <= 10; ++r) QVERIFY(essai::ligneAvec(texte, {QString::number(r)}));
    }

    void exportVersDossierAbsent()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        const auto avant = tableauVu();
        const QString absent = QDir(donnees->chemin()).filePath(QStringLiteral("absent"));
        const QString cible = QDir(absent).filePath(kPdf);
        const auto boites = exporter({cible});
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Orvalis"));
        QCOMPARE(boites[0].icone, QMessageBox::Warning);
        QVERIFY2(boites[0].texte.contains(QDir::toNativeSeparators(cible)), qPrintable(boites[0].texte));
        QVERIFY(boites[0].texte.contains(QStringLiteral("n'existe pas")));
        QVERIFY(!QFileInfo::exists(absent));
        QCOMPARE(tableauVu(), avant);
        QVERIFY(form11()->isVisible());
    }

    void exportAnnule()
    {
        QVERIFY(QDir(maison->chemin()).mkdir(QStringLiteral("Documents")));
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        const auto avant = tableauVu();
        const QStringList fichiersAvant = QDir(donnees->chemin()).entryList(QDir::Files);
        QStringList proposes;
        QVERIFY(exporter({QString()}, &proposes).isEmpty());
        QCOMPARE(proposes, QStringList{QDir(maison->chemin()).filePath(QStringLiteral("Documents/") + kPdf)});
        QCOMPARE(maison->contenu(), QStringList{"Documents"});
        QVERIFY(QDir(QDir(maison->chemin()).filePath(QStringLiteral("Documents"))).isEmpty());
        QCOMPARE(QDir(donnees->chemin()).entryList(QDir::Files), fichiersAvant);
        QCOMPARE(tableauVu(), avant);
    }

    // An existing file: replaced after Yes; after No the dialog comes back, and cancelling it keeps
    // the old file.
    void exportSurUnFichierExistant()
    {
        menuTableau(QStringLiteral("Voir_Tableau"));
        const QString cible = donnees->fichier(kPdf);
        {
            QFile ancien(cible);
            QVERIFY(ancien.open(QIODevice::WriteOnly));
            ancien.write("ancien");
        }
        QStringList proposes;
        auto boites = exporter({cible, QString()}, &proposes, {QMessageBox::No});
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Exporter en PDF"));
        QCOMPARE(boites[0].texte, QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?")
                                      .arg(QDir::toNativeSeparators(cible)));
        QCOMPARE(boites[0].boutons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(proposes.size(), 2);
        QCOMPARE(proposes[1], cible);
        QCOMPARE(contenu(cible), QByteArray("ancien"));

        boites = exporter({cible}, nullptr, {QMessageBox::Yes});
        QCOMPARE(boites.size(), 1);
        QCOMPARE(essai::debutFichier(cible, 5), QByteArray("%PDF-"));
    }

    void legendesEtOrdreDeSaisie()
    {
        for (auto [legende, champ] : {std::pair{"Label1", "Text1"}, std::pair{"Label2", "Text2"},
                                      std::pair{"Label3", "Text3"}, std::pair{"Label4", "Text4"},
                                      std::pair{"Label5", "Text5"}, std::pair{"Label6", "Text6"},
                                      std::pair{"Label8", "Combo3"}})
            QCOMPARE(c<QLabel>(QString::fromLatin1(legende))->buddy(),
                     f8->findChild<QWidget *>(QString::fromLatin1(champ)));
        QCOMPARE(c<QLabel>(QStringLiteral("Label7"))->text(), QStringLiteral("< Valeurs  personnelles"));
        // Tab goes through the controls in reading order.
        QStringList ordre;
        QWidget *w = c(QStringLiteral("Text1"));
        for (int n = 0; n < 200 && ordre.size() < 14; ++n, w = w->nextInFocusChain())
            if (w->parentWidget() == f8 && (w->focusPolicy() & Qt::TabFocus)) ordre << w->objectName();
        QCOMPARE(ordre, QStringList({"Text1", "Combo3", "Text2", "Combo1", "Text3", "Check1", "Text4", "Text5",
                                     "Text6", "Combo2", "Command1", "Text7", "MSHFlexGrid1", "Retour_Menu"}));
    }

    // Pictures of both windows, to look at: written where ORVALIS_CAPTURES points.
    void captures()
    {
        entrer(QStringLiteral("Text1"), QStringLiteral("7.1"));
        calculer();
        menuTableau(QStringLiteral("Voir_Tableau"));
        menuTableau(QStringLiteral("Ajouter_Au_Tableau"));
        const QPixmap p8 = f8->grab(), p11 = form11()->grab();
        QVERIFY(!p8.isNull());
        QVERIFY(!p11.isNull());
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
        if (dossier.isEmpty()) return;
        QVERIFY(p8.save(QDir(dossier).filePath(QStringLiteral("Form8.png"))));
        QVERIFY(p11.save(QDir(dossier).filePath(QStringLiteral("Form11.png"))));
        QVERIFY(principal->grab().save(QDir(dossier).filePath(QStringLiteral("MDIForm1.png"))));
        // The menu "Tableau" opened, the table shown.
        QMenu *menu = controle<QMenu>(f8, QStringLiteral("Tableau"));
        menu->popup(f8->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(menu->grab().save(QDir(dossier).filePath(QStringLiteral("Form8-Tableau.png"))));
        menu->hide();
        // The exported document.
        QFile::remove(QDir(dossier).filePath(kPdf));
        QVERIFY(exporter({QDir(dossier).filePath(kPdf)}).isEmpty());
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
