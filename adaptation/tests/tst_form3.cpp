// SPDX-License-Identifier: GPL-3.0-or-later
// The adaptation window as the user drives it from the menu entry "Adaptation", after a wire
// calculation of the antenna designer. The designer's results are put in the store as its wire
// calculation leaves them, and its wire-type list is stood in for by a list of the same name.
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "tests/support/utilisateur.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace essai;

namespace {

const QString kInformation = QStringLiteral("Pour information");
const QString kT2FD = QStringLiteral("Cette antenne n'a pas besoin d'être corrigée\n"
                                     "Elle nécessite seulement l'utilisation d'une boite d'accord");
const QString kSansMesure = QStringLiteral("Entrez la fréquence de résonnance\nréellement mesurée de l'antenne");
const QString kSansCalcul = QStringLiteral("Ce module fonctionne seulement après avoir calculer une Antenne "
                                           "Filaire. Reportez-vous au menu [ Les antennes ]");
const QString kTropHaut = QStringLiteral("Verifiez vos mesures\nLe coéficient d'antenne ne devrait pas être "
                                         "suppérieur à 0,96");

// The wire types of the designer, the fraction of the wavelength of their main length, and the
// title of their results.
struct Filaire {
    const char *entree;
    float base;
    const char *titre;
};
const Filaire kFilaires[] = {
    {"Antenne quart d'onde (Ground Plane)", 75, "Antenne quart d'onde."},
    {"Antenne dipôle (Center-Fed)", 150, "Antenne dipôle (Center-Fed)"},
    {"Antenne multibandes Conrad Windom", 150, "Antenne multibandes Conrad Windom."},
    {"Antenne multibandes G5RV full-size", 450, "Antenne multibandes G5RV"},
    {"Antenne multibandes W3HH ou T2FD", 300, "W3HH - Tilted Terminated Folded Dipole (T2FD)"},
    {"Antenne filaire demie onde", 150, "Antenne filaire mono-brin demi-onde."},
    {"Antenne Loop onde entière", 300, "Antenne multibandes Loop Onde entière."},
    {"Antenne Double Bazooka", 150, "Antenne dipôle Double Bazooka."},
};

// The designer's wire-type list, as the adaptation window finds it.
QComboBox *designer(MDIForm1 &p)
{
    auto *form1 = new QWidget(&p);
    form1->setObjectName("Form1");
    form1->hide();
    auto *types = new QComboBox(form1);
    types->setObjectName("Combo2");
    for (const Filaire &f : kFilaires) types->addItem(QString::fromUtf8(f.entree));
    types->setCurrentIndex(-1);
    return types;
}

// What the wire calculation leaves for type t at frequency F with factor k.
void calculFilaire(MDIForm1 &p, QComboBox *types, int t, float F, float k)
{
    Module1 &m = p.store();
    if (types) types->setCurrentIndex(t);
    m.Frequence_Accord = F;
    m.Facteur_Raccourcissement = k;
    m.Longueur_Calculee = float(kFilaires[t].base / F) * k;
    m.Lignes_Resultat = {};
    m.Lignes_Resultat[0] = QString::fromUtf8(kFilaires[t].titre);
    m.Lignes_Resultat[1] = QStringLiteral("Impédance caractéristique : 75 Ohms");
    m.Calcul_Filaire_Fait = true;
}

struct Adaptation {
    explicit Adaptation(MDIForm1 &p)
    {
        f = p.findChild<QWidget *>("Form3");
        type = controle<QLabel>(f, "Label4");
        for (int i = 1; i <= 6; ++i) t[i] = controle<QLineEdit>(f, QStringLiteral("Text%1").arg(i));
        action = controle<QPlainTextEdit>(f, "Text7");
        cadre = controle<QGroupBox>(f, "Frame4");
        calculer = controle<QPushButton>(f, "Calculer_adaptation");
    }
    // Types the measured frequency, then goes to the button as a click on it does.
    void mesurer(const QString &texte)
    {
        // A message box may have taken the activation away: the user's click brings it back.
        f->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(f->window())) qWarning("window not active");
        cliquer(t[4]);
        taper(t[4], texte);
        calculer->setFocus(Qt::MouseFocusReason);
    }
    QList<Boite> appuyerCalculer() { return repondre([this] { calculer->click(); }); }
    QString texteAction() const { return action->toPlainText().replace("\r\n", "\n"); }
    QWidget *f = nullptr;
    QLabel *type = nullptr;
    QLineEdit *t[7] = {};
    QPlainTextEdit *action = nullptr;
    QGroupBox *cadre = nullptr;
    QPushButton *calculer = nullptr;
};

void verifierBoite(const Boite &b, const QString &titre, const QString &texte)
{
    QCOMPARE(b.titre, titre);
    QCOMPARE(b.texte, texte);
    QCOMPARE(b.icone, QMessageBox::Warning);
    QCOMPARE(b.boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// The program started with the designer's list (or without it), after a wire calculation of
// type t (none when t < 0).
struct Session {
    Session(int t, float F, float k, bool avecListe = true)
        : p(demarrer(d)), types(avecListe ? designer(*p) : nullptr)
    {
        if (t >= 0) calculFilaire(*p, types, t, F, k);
    }
    QList<Boite> ouvrir() { return menu(*p, "Adaptations"); }
    Donnees d;
    std::unique_ptr<MDIForm1> p;
    QComboBox *types;
};

}  // namespace

class TstForm3 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    // Nothing to correct: no wire calculation yet, or a T2FD, which needs none.
    void refusALOuverture_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("texte");
        QTest::newRow("sans calcul filaire") << -1 << "Orvalis" << kSansCalcul;
        QTest::newRow("T2FD") << 4 << kInformation << kT2FD;
    }
    void refusALOuverture()
    {
        QFETCH(int, type);
        Session s(type, 7.1f, 1);
        const QList<Boite> b = s.ouvrir();
        QCOMPARE(b.size(), 1);
        QFETCH(QString, titre);
        QFETCH(QString, texte);
        verifierBoite(b[0], titre, texte);
        auto *f = s.p->findChild<QWidget *>("Form3");
        QVERIFY(!f || !f->isVisible());
    }

    // The worked example: a dipole for 14.2 MHz that resonates at 13.9 MHz.
    void doublet()
    {
        Session s(1, 14.2f, 0.95f);
        auto &p = s.p;
        QVERIFY(s.ouvrir().isEmpty());
        Adaptation w(*p);
        QVERIFY(w.f->isVisible());
        QCOMPARE(w.f->windowTitle(), QStringLiteral("Adaptation à un environnement difficile"));
        QCOMPARE(w.type->text(), QStringLiteral("Antenne dipôle (Center-Fed)"));
        QCOMPARE(w.t[1]->text(), QStringLiteral("14,200 Mhz"));
        QCOMPARE(w.t[2]->text(), QStringLiteral(" .95"));
        QCOMPARE(w.t[3]->text(), QStringLiteral("10,04 m"));
        for (int i = 4; i <= 6; ++i) QVERIFY(w.t[i]->text().isEmpty());
        QVERIFY(w.action->toPlainText().isEmpty());
        QCOMPARE(w.cadre->title(), QStringLiteral("Action à mener"));
        QCOMPARE(QApplication::focusWidget(), w.t[4]);
        for (QAction *a : p->menuBar()->actions()) QVERIFY(a->isEnabled());

        // "Calculer" before any measure.
        QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation, kSansMesure);
        QVERIFY(w.t[5]->text().isEmpty());

        w.mesurer("13.9");
        QCOMPARE(w.t[4]->text(), QStringLiteral("13,900 Mhz"));
        QCOMPARE(p->store().Frequence_Resonance_Mesuree, 13.9f);
        QVERIFY(w.appuyerCalculer().isEmpty());
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,93"));
        QCOMPARE(w.t[6]->text(), QStringLiteral("9,82 m"));
        QCOMPARE(w.cadre->title(), QStringLiteral("Longueur à supprimer"));
        QCOMPARE(w.texteAction(), QStringLiteral("10,6 cm aux deux extrémités de l'antenne"));
        QCOMPARE(w.type->text(), QStringLiteral("Antenne de type doublet"));
        const Module1 &m = p->store();
        QCOMPARE(m.Longueur_Reference, float(150 / 13.9f));
        QVERIFY(qAbs(m.Facteur_Recalcule - 0.9299f) < 1e-4f);
        QVERIFY(qAbs(m.Longueur_Recalculee - 9.8232f) < 1e-4f);
        QVERIFY(qAbs(m.Longueur_Correction - 0.2120f) < 1e-4f);
        QCOMPARE(m.Facteur_Maximum, float(0.95f * 1.01));
        QCOMPARE(m.Facteur_Minimum, float(0.95f / 1.05));
        QCOMPARE(p->beepCount(), 0);
    }

    // The quarter wave for 7.1 MHz resonating at 7.3 MHz: wire to add, and a factor too high.
    void quartDOndeTropHaut()
    {
        Session s(0, 7.1f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("7.3");
        const QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation, kTropHaut);
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,98"));
        QCOMPARE(w.t[6]->text(), QStringLiteral("10,32 m"));
        QCOMPARE(w.cadre->title(), QStringLiteral("Longueur à rajouter"));
        QCOMPARE(w.texteAction(), QStringLiteral("28,3 cm aux extrémités de l'antenne\n\n"
                                                 "(Et de tous les radians pour une Ground-Plane)"));
        QCOMPARE(w.type->text(), QStringLiteral("Antenne quart d'onde"));
    }

    void facteurTropBas()
    {
        Session s(1, 14.2f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("13");
        const QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation,
                      "Verifiez vos mesures dans un premier temps\n"
                      "assurez-vous que l'antenne, ne soit pas trop proche\n"
                      "d'un environnement défavorable à son bon fonctionnement.\n"
                      "Le coéficient d'antenne ne devrais pas être aussi bas \n"
                      "Demandez conseil à un spécialiste");
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,87"));
        QCOMPARE(w.texteAction(), QStringLiteral("42,4 cm aux deux extrémités de l'antenne"));
    }

    // The G5RV is told it needs no correction, and its results are shown all the same.
    void g5rv()
    {
        Session s(3, 14.2f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        QCOMPARE(w.type->text(), QStringLiteral("Antenne multibandes G5RV"));
        w.mesurer("14");
        const QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation,
                      "Cette antenne, utilisée en multibande, n'a pas besoin d'être corrigée\n"
                      "Elle nécessite seulement l'utilisation d'une boite d'accord");
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,94"));
        QCOMPARE(w.t[6]->text(), QStringLiteral("29,68 m"));
        QCOMPARE(w.texteAction(), QStringLiteral("21,2 cm aux deux extrémités de l'antenne"));
        QCOMPARE(w.type->text(), QStringLiteral("Antenne G5RV full-size"));
    }

    // A correction of exactly 1 m is given in metres, 0.999 m in centimetres.
    void unMetre_data()
    {
        QTest::addColumn<float>("L0");
        QTest::addColumn<QString>("action");
        QTest::newRow("1 m") << 2.0f << "1,00 m aux extrémités de l'antenne";
        QTest::newRow("0,999 m") << 1.998f << "99,9 cm aux extrémités de l'antenne";
    }
    void unMetre()
    {
        QFETCH(float, L0);
        QFETCH(QString, action);
        Session s(0, 150, 0.95f);
        auto &p = s.p;
        p->store().Longueur_Calculee = L0;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("75");
        QCOMPARE(w.appuyerCalculer().size(), 1);  // a factor of 2 is not plausible
        QCOMPARE(w.texteAction(), action + "\n\n(Et de tous les radians pour une Ground-Plane)");
        QCOMPARE(w.cadre->title(), QStringLiteral("Longueur à supprimer"));
    }

    // The type is read at each calculation: a change in the designer counts, the T2FD is refused.
    void typeChangeEnCours()
    {
        Session s(1, 14.2f, 0.95f);
        auto &p = s.p;
        QComboBox *types = s.types;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("13.9");
        types->setCurrentIndex(2);
        QVERIFY(w.appuyerCalculer().isEmpty());
        QCOMPARE(w.texteAction(), QStringLiteral("7,1 cm au côté court de l'antenne\n"
                                                 "14,1 cm au côté long de l'antenne"));
        QCOMPARE(w.type->text(), QStringLiteral("Antenne Conrad Windom"));

        types->setCurrentIndex(4);
        const QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation, kT2FD);
        QVERIFY(w.f->isVisible());
        QCOMPARE(w.texteAction(), QStringLiteral("7,1 cm au côté court de l'antenne\n"
                                                 "14,1 cm au côté long de l'antenne"));
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,93"));
    }

    // Without the designer's list, the title of its last wire result tells the type.
    void typeParLeTitre()
    {
        Session s(6, 14.2f, 1.05f, false);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        QVERIFY(w.f->isVisible());
        w.mesurer("14.5");
        QCOMPARE(w.appuyerCalculer().size(), 1);
        QCOMPARE(w.texteAction(), QStringLiteral("46,9 cm au périmètre de la Loop"));

        p->store().Lignes_Resultat[0] = QStringLiteral("Antenne Levy");
        QList<Boite> b = w.appuyerCalculer();
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], "Orvalis", kSansCalcul);
        p->store().Lignes_Resultat[0] = QString::fromUtf8(kFilaires[4].titre);
        b = menu(*p, "Adaptations");
        QCOMPARE(b.size(), 1);
        verifierBoite(b[0], kInformation, kT2FD);
    }

    // The measured frequency is a numeric entry field: above 0, shown with 3 decimals and " Mhz";
    // a refused or empty entry brings back the texts of the last click.
    void champMesure()
    {
        Session s(1, 14.2f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("13.9");
        w.appuyerCalculer();
        for (const QString &refus : {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("abc"), QString()}) {
            cliquer(w.t[4]);
            QVERIFY(w.t[4]->text().isEmpty() && w.t[5]->text().isEmpty() && w.t[6]->text().isEmpty());
            QVERIFY(w.action->toPlainText().isEmpty());
            taper(w.t[4], refus);
            w.calculer->setFocus(Qt::MouseFocusReason);
            QCOMPARE(w.t[4]->text(), QStringLiteral("13,900 Mhz"));
            QCOMPARE(w.t[5]->text(), QStringLiteral("0,93"));
            QCOMPARE(w.t[6]->text(), QStringLiteral("9,82 m"));
            QCOMPARE(w.texteAction(), QStringLiteral("10,6 cm aux deux extrémités de l'antenne"));
            QCOMPARE(p->store().Frequence_Resonance_Mesuree, 13.9f);
        }
        // Accepted: the results wait for the next calculation.
        w.mesurer("14.3");
        QCOMPARE(w.t[4]->text(), QStringLiteral("14,300 Mhz"));
        QVERIFY(w.t[5]->text().isEmpty() && w.action->toPlainText().isEmpty());
        QCOMPARE(w.cadre->title(), QStringLiteral("Longueur à supprimer"));
        QCOMPARE(w.appuyerCalculer().size(), 0);
        QCOMPARE(w.cadre->title(), QStringLiteral("Longueur à rajouter"));
        QCOMPARE(p->beepCount(), 0);
    }

    // Leaving hides the window; opening again rewrites the initial values and empties the rest.
    void retourEtReouverture()
    {
        Session s(1, 14.2f, 0.95f);
        auto &p = s.p;
        QComboBox *types = s.types;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("13.9");
        w.appuyerCalculer();
        appuyer(controle<QPushButton>(w.f, "Retour_Menu"));
        QVERIFY(!w.f->isVisible());
        QCOMPARE(w.t[5]->text(), QStringLiteral("0,93"));

        calculFilaire(*p, types, 5, 7.05f, 0.95f);
        QVERIFY(menu(*p, "Adaptations").isEmpty());
        QVERIFY(w.f->isVisible());
        QCOMPARE(w.type->text(), QStringLiteral("Antenne filaire mono-brin demi-onde."));
        QCOMPARE(w.t[1]->text(), QStringLiteral("7,050 Mhz"));
        QCOMPARE(w.t[3]->text(), QStringLiteral("20,21 m"));
        for (int i = 4; i <= 6; ++i) QVERIFY(w.t[i]->text().isEmpty());
        QVERIFY(w.action->toPlainText().isEmpty());
        QCOMPARE(w.cadre->title(), QStringLiteral("Action à mener"));
        QCOMPARE(p->store().Frequence_Resonance_Mesuree, 13.9f);  // kept, though not shown
        QCOMPARE(w.appuyerCalculer().size(), 1);                 // the field is empty
        QCOMPARE(p->findChildren<QWidget *>("Form3").size(), 1);
    }

    void controles()
    {
        Session s(0, 7.1f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        const QStringList legendes = {"Fréquence d'accord initiale", "Facteur de raccourcissement initial",
                                      "Longueur d'antenne initiale", "", "Facteur de raccourcissement  recalculé",
                                      "Longueur recalculée"};
        for (int i : {1, 2, 3, 5, 6}) {
            auto *l = controle<QLabel>(w.f, QStringLiteral("Label%1").arg(i));
            QCOMPARE(l->text(), legendes[i - 1]);
            QCOMPARE(l->buddy(), w.t[i]);
            QVERIFY(w.t[i]->isReadOnly());
        }
        QVERIFY(!w.t[4]->isReadOnly());
        QVERIFY(w.action->isReadOnly());
        QCOMPARE(w.action->toolTip(),
                 QStringLiteral("Ne pas oublier de tenir compte du type de l'antenne : doublet ou 1/4 onde"));
        QCOMPARE(controle<QGroupBox>(w.f, "Frame3")->title(), QStringLiteral("Paramètres initiaux"));
        QCOMPARE(controle<QGroupBox>(w.f, "Frame2")->title(),
                 QStringLiteral("Fréquence de résonnance réelle de l'antenne (Mhz)"));
        QCOMPARE(controle<QGroupBox>(w.f, "Frame1")->title(), QStringLiteral("Nouveaux paramètres"));
        QCOMPARE(w.calculer->text(), QStringLiteral("Calculer"));
        QCOMPARE(controle<QPushButton>(w.f, "Retour_Menu")->text(), QStringLiteral("Retour au menu"));
    }

    // The window as it looks after a calculation; every text fits its control.
    void apparence()
    {
        Session s(0, 7.1f, 0.95f);
        auto &p = s.p;
        s.ouvrir();
        Adaptation w(*p);
        w.mesurer("7.3");
        w.appuyerCalculer();
        QApplication::processEvents();
        for (QWidget *c : w.f->findChildren<QWidget *>()) {
            if (!c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
            QVERIFY2(c->height() >= c->minimumSizeHint().height(), qPrintable(c->objectName()));
        }
        for (int i = 1; i <= 6; ++i)
            QVERIFY2(w.t[i]->fontMetrics().horizontalAdvance(w.t[i]->text()) < w.t[i]->width(), qPrintable(w.t[i]->text()));
        QVERIFY(w.action->document()->size().height() <= w.action->viewport()->height());
        const QImage image = w.f->grab().toImage();
        QVERIFY(!image.isNull());
        const QString dossier = qEnvironmentVariable("ORVALIS_CAPTURES");
        if (!dossier.isEmpty()) QVERIFY(image.save(QDir(dossier).filePath("Form3.png")));
    }
};

QTEST_MAIN(TstForm3)
#include "tst_form3.moc"
