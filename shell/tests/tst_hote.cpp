// SPDX-License-Identifier: GPL-3.0-or-later
// The working windows live in any host, not only the main window: a stand-in host records what
// they ask of it. And the one picture loader: files and built-in drawings, sizes, loaded once.
#include "converter/Form5.h"
#include "dipole/Form8.h"
#include "measures/Form9.h"
#include "shell/Hote.h"
#include "shell/Images.h"
#include "shell/core/Module1.h"
#include "tests/support/utilisateur.h"
#include "toolbox/Form6.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

class HoteEssai : public Hote {
public:
    explicit HoteEssai(const QString &repertoire) : images_(repertoire) {}

    Module1 &store() override { return store_; }
    void bip() override { ++bips; }
    void presenter(QWidget *f) override
    {
        presentes << f->objectName();
        f->show();
    }
    void cacher(QWidget *f) override
    {
        caches << f->objectName();
        f->hide();
    }
    bool changementDeFenetre() const override { return false; }
    void activerMenu(bool actif) override { menus << actif; }
    QPixmap image(const QString &nom, qreal echelle, QSize taille, qreal source) override
    {
        demandes << nom;
        return images_.image(nom, echelle, taille, source);
    }

    int bips = 0;
    QStringList presentes, caches, demandes;
    QList<bool> menus;

private:
    Module1 store_;
    images::Bibliotheque images_;
};

template <class F>
void ouvrirEtFermer(HoteEssai &hote, const QString &nom)
{
    F fenetre(hote);
    QCOMPARE(fenetre.objectName(), nom);
    fenetre.preparer();
    QCOMPARE(hote.presentes, QStringList{nom});
    auto *retour = fenetre.template findChild<QPushButton *>(QStringLiteral("Retour_Menu"));
    QVERIFY(retour);
    retour->click();
    QCOMPARE(hote.caches, QStringList{nom});
}

}  // namespace

class TstHote : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { essai::reglagesFrancais(); }

    void fenetresDansUnAutreHote_data()
    {
        QTest::addColumn<int>("fenetre");
        QTest::newRow("Form5") << 5;
        QTest::newRow("Form6") << 6;
        QTest::newRow("Form9") << 9;
    }
    void fenetresDansUnAutreHote()
    {
        QFETCH(int, fenetre);
        essai::Donnees d;
        HoteEssai hote(d.chemin());
        switch (fenetre) {
        case 5: ouvrirEtFermer<Form5>(hote, QStringLiteral("Form5")); break;
        case 6: ouvrirEtFermer<Form6>(hote, QStringLiteral("Form6")); break;
        case 9: ouvrirEtFermer<Form9>(hote, QStringLiteral("Form9")); break;
        }
        QCOMPARE(hote.bips, 0);
    }

    // The shortened dipole locks the menu while it is open, through its host.
    void dipoleVerrouilleLeMenu()
    {
        essai::Donnees d;
        HoteEssai hote(d.chemin());
        ouvrirEtFermer<Form8>(hote, QStringLiteral("Form8"));
        QCOMPARE(hote.menus, (QList<bool>{false, true}));
    }

    // Each toolbox page asks its host for its circuit's picture when it is shown.
    void pagesDemandentLeurDessin()
    {
        essai::Donnees d;
        HoteEssai hote(d.chemin());
        Form6 boite(hote);
        boite.preparer();
        auto *onglets = boite.findChild<QTabWidget *>(QStringLiteral("TabStrip1"));
        for (int i = 1; i < onglets->count(); ++i) onglets->setCurrentIndex(i);
        const QStringList attendues = {"\\Antenne-raccourcie-6.bmp", "\\Self-Nagaoka-6.bmp", "\\Trappe-6.bmp",
                                       "\\Impedance-ligne-6.bmp", "\\Longueur-ligne-6.bmp",
                                       "\\Transformateur-impedance-6.bmp", "\\Filtre-LSerie-6.bmp"};
        for (const QString &nom : attendues) QVERIFY2(hote.demandes.contains(nom), qPrintable(nom));
    }

    void chargeur()
    {
        essai::Donnees d;
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(d.fichier("Essai.bmp")));
        images::Bibliotheque b(d.chemin());

        // Either separator before the name; loaded once, the same picture again.
        const QPixmap p = b.image(QStringLiteral("\\Essai.bmp"), 1);
        QCOMPARE(p.size(), QSize(40, 30));
        QCOMPARE(b.image(QStringLiteral("\\Essai.bmp"), 1).cacheKey(), p.cacheKey());
        QCOMPARE(b.image(QStringLiteral("/Essai.bmp"), 1).size(), QSize(40, 30));

        // Brought to at most a size, keeping its proportions (40 x 30 into 20 x 20: 20 x 15), and
        // drawn at the screen's ratio.
        const QPixmap r = b.image(QStringLiteral("\\Essai.bmp"), 2, QSize(20, 20));
        QCOMPARE(r.deviceIndependentSize(), QSizeF(20, 15));
        QCOMPARE(r.devicePixelRatio(), 2.0);
        // Smaller than the size: as it is.
        QCOMPARE(b.image(QStringLiteral("\\Essai.bmp"), 1, QSize(100, 100)).size(), QSize(40, 30));

        // A built-in drawing, reduced from its copy at twice the resolution for a plain screen.
        const QPixmap dessin = b.image(QStringLiteral(":/dessins/Form8-dipole.png"), 1, QSize(400, 230), 2);
        QVERIFY(!dessin.isNull());
        QCOMPARE(dessin.devicePixelRatio(), 1.0);
        QVERIFY(dessin.width() <= 400 && dessin.height() <= 230);

        QVERIFY(b.image(QStringLiteral("\\Absente.gif"), 1).isNull());
        QVERIFY(b.image(QStringLiteral("\\Absente.gif"), 1, QSize(10, 10)).isNull());
    }
};

QTEST_MAIN(TstHote)
#include "tst_hote.moc"
