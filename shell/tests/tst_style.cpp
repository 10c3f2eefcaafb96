// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of group boxes and tab pages, drawn from a copy, must be the pixels Fusion draws
// itself (to one level in 255), at any size, with or without a title, enabled or not.
#include "shell/MDIForm1.h"
#include "shell/StyleCadres.h"
#include "tests/support/utilisateur.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

class TstStyle : public QObject {
    Q_OBJECT

    std::unique_ptr<QStyle> fusion_{QStyleFactory::create(QStringLiteral("Fusion"))};
    std::unique_ptr<StyleCadres> copie_{new StyleCadres(QStyleFactory::create(QStringLiteral("Fusion")))};

    // The widget painted on an opaque background, once with each style set on the widget itself
    // (its frame is its own drawing; its children keep the application's style).
    QImage peindre(QWidget *w, QStyle *style)
    {
        w->setStyle(style);
        w->show();
        QCoreApplication::processEvents();
        QImage image(w->size(), QImage::Format_RGB32);
        image.fill(w->palette().window().color());
        QPainter p(&image);
        w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    void comparer(QWidget *w)
    {
        const int avant = copie_->cadresCopies();
        const QImage attendu = peindre(w, fusion_.get());
        const QImage obtenu = peindre(w, copie_.get());
        QVERIFY2(copie_->cadresCopies() > avant, "the frame was not drawn from its copy");
        // Blending a translucent edge in one piece or stretched may round one level apart.
        QCOMPARE(obtenu.size(), attendu.size());
        for (int y = 0; y < attendu.height(); ++y)
            for (int x = 0; x < attendu.width(); ++x) {
                const QRgb a = attendu.pixel(x, y), b = obtenu.pixel(x, y);
                const int ecart = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b))});
                if (ecart > 1)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2: %3 instead of %4")
                                         .arg(x).arg(y).arg(b, 8, 16).arg(a, 8, 16)));
            }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fusion_);
        essai::reglagesFrancais();
    }

    void cadreDeGroupe_data()
    {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<bool>("actif");
        QTest::newRow("titled, tab page size") << QStringLiteral("Antennes filaire") << QSize(470, 334) << true;
        QTest::newRow("titled, small") << QStringLiteral("Yagi") << QSize(97, 91) << true;
        QTest::newRow("titled, tall and narrow") << QStringLiteral("Quad") << QSize(120, 700) << true;
        QTest::newRow("no title") << QString() << QSize(300, 200) << true;
        QTest::newRow("disabled") << QStringLiteral("Levy") << QSize(250, 180) << false;
    }
    void cadreDeGroupe()
    {
        QFETCH(QString, titre);
        QFETCH(QSize, taille);
        QFETCH(bool, actif);
        QGroupBox boite(titre);
        auto *l = new QVBoxLayout(&boite);
        l->addWidget(new QLabel(QStringLiteral("Fréquence")));
        l->addWidget(new QLineEdit(QStringLiteral("7,050")));
        boite.setEnabled(actif);
        boite.resize(taille);
        comparer(&boite);
    }

    void pageDOnglets_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("forme");
        QTest::newRow("tabs above") << QSize(474, 362) << int(QTabWidget::North);
        QTest::newRow("tabs below") << QSize(300, 260) << int(QTabWidget::South);
        QTest::newRow("tabs on the side") << QSize(400, 300) << int(QTabWidget::West);
    }
    void pageDOnglets()
    {
        QFETCH(QSize, taille);
        QFETCH(int, forme);
        QTabWidget onglets;
        onglets.setTabPosition(QTabWidget::TabPosition(forme));
        auto *page = new QGroupBox(QStringLiteral("Antenne Yagi"));
        onglets.addTab(page, QStringLiteral("Yagi"));
        onglets.addTab(new QWidget, QStringLiteral("Quad"));
        onglets.resize(taille);
        comparer(&onglets);
    }

    // Boxes too small for a copy keep the style's own drawing.
    void petiteBoite()
    {
        QGroupBox boite(QStringLiteral("x"));
        boite.resize(40, 30);
        const int avant = copie_->cadresCopies();
        QCOMPARE(peindre(&boite, copie_.get()), peindre(&boite, fusion_.get()));
        QCOMPARE(copie_->cadresCopies(), avant);
    }

    // A frame that is not corners and repeated edges (a diagonal here) keeps the base style's
    // drawing; a frame that is all edge, with no corner, is copied.
    void autresCadres_data()
    {
        QTest::addColumn<bool>("diagonale");
        QTest::addColumn<bool>("copie");
        QTest::newRow("diagonal") << true << false;
        QTest::newRow("plain fill, no corner") << false << true;
    }
    void autresCadres()
    {
        QFETCH(bool, diagonale);
        QFETCH(bool, copie);
        struct Dessin : QProxyStyle {
            bool diagonale;
            Dessin(bool d) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), diagonale(d) {}
            void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
            {
                if (e != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(e, o, p, w);
                if (diagonale) p->drawLine(o->rect.topLeft(), o->rect.bottomRight());
                else p->fillRect(o->rect, QColor(40, 80, 120, 90));
            }
        };
        auto *base = new Dessin(diagonale);
        std::unique_ptr<QStyle> seul(new Dessin(diagonale));
        StyleCadres style(base);
        QGroupBox boite(QStringLiteral("Antennes filaire"));
        boite.resize(300, 200);
        QCOMPARE(peindre(&boite, &style), peindre(&boite, seul.get()));
        QCOMPARE(style.cadresCopies() > 0, copie);
    }

    // The program wraps Fusion once, and leaves any other style alone.
    void installation()
    {
        essai::Donnees d;
        QApplication::setStyle(QStringLiteral("Fusion"));
        StyleCadres::installer();
        QVERIFY(qobject_cast<StyleCadres *>(QApplication::style()));
        const QStyle *installe = QApplication::style();
        StyleCadres::installer();
        { auto p = essai::demarrer(d); }
        QCOMPARE(QApplication::style(), installe);

        QApplication::setStyle(QStringLiteral("Windows"));
        StyleCadres::installer();
        { auto p = essai::demarrer(d); }
        QVERIFY(!qobject_cast<StyleCadres *>(QApplication::style()));
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("windows"));
    }
};

QTEST_MAIN(TstStyle)
#include "tst_style.moc"
