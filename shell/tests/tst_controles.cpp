// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' kit: what each control factory makes, the two-column form, how a working window
// opens and leaves, and, in every window of the program, that each control a user reaches carries
// its name (the names are how the program's tests and a user's scripts find the controls).
#include "shell/Controles.h"
#include "shell/FenetreTravail.h"
#include "shell/MDIForm1.h"
#include "tests/support/utilisateur.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace essai;

namespace {

// A working window that says when it is left.
class Essai : public FenetreTravail {
public:
    explicit Essai(MDIForm1 &p, bool compter)
        : FenetreTravail(p, QStringLiteral("Essai"), QStringLiteral("Essai")), compter_(compter)
    {
        retourMenu = boutonRetour();
    }
    QPushButton *retourMenu = nullptr;
    int retours = 0;

protected:
    void retour() override
    {
        if (!compter_) return FenetreTravail::retour();
        ++retours;
    }

private:
    bool compter_;
};

// Whether the user reaches `w` as a control of its own, not as a part of a composite control (the
// edit line of a list, the tabs of a tab strip, the headers of a grid).
bool controleAPart(const QWidget *w, const QWidget *fenetre)
{
    if (qobject_cast<const QTabBar *>(w)) return false;
    for (const QWidget *p = w->parentWidget(); p && p != fenetre; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractScrollArea *>(p) ||
            qobject_cast<const QTabBar *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QMenuBar *>(p))
            return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractScrollArea *>(w) ||
           qobject_cast<const QGroupBox *>(w) || qobject_cast<const QTabWidget *>(w) ||
           qobject_cast<const QLabel *>(w);
}

}  // namespace

class TstControles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void fabriques()
    {
        QWidget parent;
        QLineEdit *champ = controles::champ("Text9", QStringLiteral("14.2"), &parent);
        QCOMPARE(champ->objectName(), QStringLiteral("Text9"));
        QCOMPARE(champ->text(), QStringLiteral("14.2"));
        QCOMPARE(champ->parentWidget(), &parent);
        QVERIFY(!champ->isReadOnly());
        QVERIFY(controles::resultat("Text10", QString(), &parent)->isReadOnly());
        QPlainTextEdit *zone = controles::zoneResultat("Text3", QStringLiteral("Text3"), &parent);
        QVERIFY(zone->isReadOnly());
        QCOMPARE(zone->toPlainText(), QStringLiteral("Text3"));
        QGroupBox *cadre = controles::cadre("Frame1", QStringLiteral("Antennes filaire"), &parent);
        QCOMPARE(cadre->title(), QStringLiteral("Antennes filaire"));
        QCheckBox *coche = controles::caseACocher("Check1", QStringLiteral("Dipole"), &parent);
        QCOMPARE(coche->text(), QStringLiteral("Dipole"));
        QVERIFY(!coche->isChecked());
        QCOMPARE(controles::dessin("Picture1", &parent)->alignment(), Qt::AlignCenter);
        QFrame *trait = controles::separateur("Line1", &parent);
        QCOMPARE(trait->frameShape(), QFrame::HLine);
        QCOMPARE(trait->frameShadow(), QFrame::Sunken);

        QMenu menu;
        menu.addAction(QStringLiteral("Voir le tableau"));
        QAction *a =
            controles::entreeMenu(&menu, "Effacer_Tableau", QStringLiteral("Effacer le tableau"));
        QCOMPARE(menu.actions().last(), a);
        QCOMPARE(a->objectName(), QStringLiteral("Effacer_Tableau"));
        QCOMPARE(a->text(), QStringLiteral("Effacer le tableau"));
    }

    void formulaireADeuxColonnes()
    {
        controles::Formulaire f("Frame7", QStringLiteral("Adaptation d'impédance"));
        std::unique_ptr<QGroupBox> cadre(f.cadre());
        QCOMPARE(cadre->objectName(), QStringLiteral("Frame7"));
        QLineEdit *champ = controles::champ("Text26");
        QLabel *legende = f.rangee("Label26", QStringLiteral("Z Feeder"), champ);
        QComboBox *liste =
            controles::liste("Combo2", {QStringLiteral("Adaptateur en PI")}, QString());
        f.rangee("Label13", QStringLiteral("Type d'adaptateur"), liste);
        QTableWidget *grille = controles::grille("MSHFlexGrid1", 2, 2, QString(), true, nullptr);
        f.rangee("Label1", QStringLiteral("Liste des câbles"), grille);
        QPushButton *calculer = controles::bouton("Calculer_Filtre", QStringLiteral("Calculer"));
        QCOMPARE(f.pied(calculer), cadre.get());

        // Captions in the first column, each the buddy of the field beside it, which screen
        // readers then name after it (a list keeps its entry as its name: the caption describes
        // it).
        QGridLayout *g = f.grille();
        QCOMPARE(legende->objectName(), QStringLiteral("Label26"));
        QCOMPARE(legende->text(), QStringLiteral("Z Feeder"));
        QCOMPARE(legende->buddy(), champ);
        QCOMPARE(g->itemAtPosition(0, 0)->widget(), legende);
        QCOMPARE(g->itemAtPosition(0, 1)->widget(), champ);
        QCOMPARE(g->itemAtPosition(1, 1)->widget(), liste);
        QCOMPARE(liste->accessibleDescription(), QStringLiteral("Type d'adaptateur"));
        QCOMPARE(grille->accessibleName(), QStringLiteral("Liste des câbles"));
        // The button at the foot, right-aligned across both columns, under a row that takes the
        // height left over.
        QCOMPARE(g->rowStretch(3), 1);
        QCOMPARE(g->itemAtPosition(4, 0)->widget(), calculer);
        QCOMPARE(g->itemAtPosition(4, 1)->widget(), calculer);
        QCOMPARE(g->itemAtPosition(4, 0)->alignment(), Qt::AlignRight);
        QCOMPARE(calculer->parentWidget(), cadre.get());
    }

    void fenetreOuvreEtSeRetire()
    {
        Donnees d;
        auto p = demarrer(d);
        // By default, opening shows the window and "Retour au menu" hides it.
        auto *simple = new Essai(*p, false);
        simple->setParent(p.get(), Qt::Window);
        simple->preparer();
        QVERIFY(simple->isVisible());
        QCOMPARE(simple->retourMenu->objectName(), QStringLiteral("Retour_Menu"));
        QCOMPARE(simple->retourMenu->text(), QStringLiteral("Retour au menu"));
        appuyer(simple->retourMenu);
        QVERIFY(!simple->isVisible());
        // A window that does more on leaving gets the click instead.
        auto *autre = new Essai(*p, true);
        autre->setParent(p.get(), Qt::Window);
        autre->preparer();
        appuyer(autre->retourMenu);
        QCOMPARE(autre->retours, 1);
        QVERIFY(autre->isVisible());
    }

    void chaqueControleANom_data()
    {
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<QString>("action");
        for (const char *e : {"Parametres", "Antenne", "VSWR", "Calculs", "Convertir",
                              "Dipole_Raccourci", "Les_Cables", "Infos"})
            QTest::newRow(e) << QStringList{QString::fromLatin1(e)} << QString();
        QTest::newRow("Adaptations") << QStringList{"Antenne", "Adaptations"} << QString();
        QTest::newRow("Tableau") << QStringList{"Dipole_Raccourci"}
                                 << QStringLiteral("Voir_Tableau");
        QTest::newRow("Modele") << QStringList{"Antenne"} << QStringLiteral("bouton=Modeliser");
    }
    void chaqueControleANom()
    {
        QFETCH(QStringList, entrees);
        QFETCH(QString, action);
        Donnees d;
        auto p = demarrer(d);
        for (const QString &e : entrees) menu(*p, e);
        if (action.startsWith(QLatin1String("bouton="))) {
            auto *b = p->findChild<QPushButton *>(action.mid(7));
            QVERIFY(b);
            repondre([b] { b->click(); });
        } else if (!action.isEmpty()) {
            auto *a = p->findChild<QAction *>(action);
            QVERIFY(a);
            repondre([a] { a->trigger(); });
        }
        QMdiSubWindow *cadre = p->findChild<QMdiArea *>()->activeSubWindow();
        QVERIFY(cadre);
        if (!action.isEmpty())
            QCOMPARE(cadre->widget()->objectName(),
                     action.startsWith(QLatin1String("bouton=")) ? QStringLiteral("FormModele") : QStringLiteral("Form11"));
        QWidget *fenetre = cadre->widget();
        QVERIFY(!fenetre->objectName().isEmpty());
        int vus = 0;
        for (QWidget *w : fenetre->findChildren<QWidget *>()) {
            if (!controleAPart(w, fenetre)) continue;
            ++vus;
            QVERIFY2(
                !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")),
                qPrintable(QStringLiteral("%1 in %2 has no name (text \"%3\")")
                               .arg(QString::fromLatin1(w->metaObject()->className()),
                                    fenetre->objectName(), w->property("text").toString())));
        }
        QVERIFY(vus >= 2);  // the solutions window: its grid and its drawing
    }
};

QTEST_MAIN(TstControles)
#include "tst_controles.moc"
