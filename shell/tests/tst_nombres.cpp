// The number rules: every digit the user reads comes through them.
#include "shell/numbers.h"

#include <QtTest>
#include <cfloat>

using namespace nombres;

class TstNombres : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void lecture_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("attendu");
        QTest::newRow("decimal") << "14.2" << 14.2;
        QTest::newRow("comma keeps the whole part") << "1,5" << 1.0;
        QTest::newRow("unit ignored") << "7.05 Mhz" << 7.05;
        QTest::newRow("blanks ignored anywhere") << " 1 2 . 5 " << 12.5;
        QTest::newRow("tabs and line feeds") << "\t3\n4" << 34.0;
        QTest::newRow("no leading number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("negative") << "-3.5 m" << -3.5;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("no digit before point") << ".5" << 0.5;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("double sign") << "--1" << 0.0;
        QTest::newRow("exponent E") << "1E3" << 1000.0;
        QTest::newRow("exponent lower e") << "2.5e-2" << 0.025;
        QTest::newRow("exponent D") << "1D2" << 100.0;
        QTest::newRow("exponent sign") << "3E+2" << 300.0;
        QTest::newRow("E without digit ends the number") << "2E" << 2.0;
        QTest::newRow("E then letter") << "2Ex" << 2.0;
        QTest::newRow("E sign without digit") << "5E-m" << 5.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal lower") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("ampersand alone") << "&H" << 0.0;
        QTest::newRow("two points") << "1.2.3" << 1.2;
    }
    void lecture()
    {
        QFETCH(QString, texte);
        QFETCH(double, attendu);
        QCOMPARE(lireNombre(texte), attendu);
    }

    void tailles()
    {
        QVERIFY(tientEnSimple(3.4e38));
        QVERIFY(!tientEnSimple(lireNombre("1e39")));
        QVERIFY(!tientEnSimple(lireNombre(QString(40, u'9'))));
        QVERIFY(!tientEnSimple(lireNombre("1e400")));  // infinite as a double too
        QVERIFY(tientEnSimple(lireNombre("-1e38")));
    }

    void montre_data()
    {
        QTest::addColumn<float>("valeur");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("half") << 0.5f << " .5";
        QTest::newRow("negative below one") << -0.25f << "-.25";
        QTest::newRow("large") << 12345678.0f << " 1.234568E+07";
        QTest::newRow("tiny") << 0.00001f << " 1E-05";
        QTest::newRow("zero") << 0.0f << " 0";
        QTest::newRow("frequency") << 14.2f << " 14.2";
        QTest::newRow("factor") << 0.95f << " .95";
        QTest::newRow("factor above one") << 1.05f << " 1.05";
        QTest::newRow("whole") << 100.0f << " 100";
        QTest::newRow("seven digits") << 9999999.0f << " 9999999";
        QTest::newRow("ten million") << 1e7f << " 1E+07";
        QTest::newRow("smallest plain") << 0.0001f << " .0001";
        QTest::newRow("third") << 1.0f / 3 << " .3333333";
        QTest::newRow("negative large") << -2.5e9f << "-2.5E+09";
        QTest::newRow("three digit exponent") << 1e-30f << " 1E-30";
        QTest::newRow("single rounding") << 7.1f << " 7.1";
        QTest::newRow("rounds to ten million") << 9999999.5f << " 1E+07";
    }
    void montre()
    {
        QFETCH(float, valeur);
        QFETCH(QString, attendu);
        QCOMPARE(montrer(valeur), attendu);
    }

    void montreDouble()
    {
        QCOMPARE(montrerDouble(1.0 / 3), QStringLiteral(" .333333333333333"));
        QCOMPARE(montrerDouble(0.1), QStringLiteral(" .1"));
        QCOMPARE(montrerDouble(-1234.5), QStringLiteral("-1234.5"));
        QCOMPARE(montrerDouble(1e15), QStringLiteral(" 1E+15"));
        QCOMPARE(montrerDouble(1e-300), QStringLiteral(" 1E-300"));
    }

    void decimalesFixes_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("attendu");
        const QString g = QString(QChar(0x202F));
        QTest::newRow("three decimals") << 7.05 << 3 << "7,050";
        QTest::newRow("grouping") << 1234.5 << 2 << "1" + g + "234,50";
        QTest::newRow("millions") << 1234567.891 << 2 << "1" + g + "234" + g + "567,89";
        QTest::newRow("exact tie rounds away from zero") << 0.125 << 2 << "0,13";
        QTest::newRow("negative tie") << -0.125 << 2 << "-0,13";
        QTest::newRow("single's binary value") << double(2.675f) << 2 << "2,67";
        QTest::newRow("no decimals") << 14.12 << 0 << "14";
        QTest::newRow("half to whole") << 2.5 << 0 << "3";
        QTest::newRow("leading zero") << 0.5 << 1 << "0,5";
        QTest::newRow("carry") << 9.999 << 2 << "10,00";
        QTest::newRow("carry into grouping") << 999.996 << 2 << "1" + g + "000,00";
        QTest::newRow("negative rounds to zero") << -0.001 << 2 << "0,00";
        QTest::newRow("zero") << 0.0 << 2 << "0,00";
    }
    void decimalesFixes()
    {
        QFETCH(double, valeur);
        QFETCH(int, n);
        QFETCH(QString, attendu);
        QCOMPARE(fixe(valeur, n), attendu);
    }

    void reglagesAnglais()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(fixe(1234.5, 2), QStringLiteral("1,234.50"));
        QCOMPARE(simple(0.5f), QStringLiteral("0.5"));
    }

    void texteSimple_data()
    {
        QTest::addColumn<float>("valeur");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("half") << 0.5f << "0,5";
        QTest::newRow("whole") << 2.0f << "2";
        QTest::newRow("negative") << -1.25f << "-1,25";
        QTest::newRow("seven digits") << 1234567.0f << "1234567";
        QTest::newRow("single digits") << 0.66f << "0,66";
        QTest::newRow("zero") << 0.0f << "0";
    }
    void texteSimple()
    {
        QFETCH(float, valeur);
        QFETCH(QString, attendu);
        QCOMPARE(nombres::simple(valeur), attendu);
    }

    void texteSimpleDouble()
    {
        QCOMPARE(nombres::simpleDouble(0.1 + 0.2), QStringLiteral("0,3"));
        QCOMPARE(nombres::simpleDouble(1.0 / 3), QStringLiteral("0,333333333333333"));
    }
};

QTEST_APPLESS_MAIN(TstNombres)
#include "tst_nombres.moc"
