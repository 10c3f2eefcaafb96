// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules: every digit the user reads comes through them.
#include "tests/support/exact.h"
#include "shell/core/nombres.h"

#include "tests/support/reglages.h"

#include <QtTest>
#include <cfloat>
#include <clocale>
#include <cmath>

using namespace nombres;

class TstNombres : public QObject {
    Q_OBJECT
private slots:
    void init() { essai::reglagesFrancais(); }

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
        // The single nearest 0.0001 is 9.99999974737875E-05: below the limit, so in exponent form.
        QTest::newRow("single nearest 0.0001") << 0.0001f << " 1E-04";
        QTest::newRow("smallest plain") << 0.00011f << " .00011";
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
        const QLocale avant;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(fixe(1234.5, 2), QStringLiteral("1,234.50"));
        QCOMPARE(enClair(0.5f), QStringLiteral("0.5"));
        QLocale::setDefault(avant);
    }

    // Exact at every magnitude a window can show: the largest single and double, and values whose
    // scaled digits no longer fit a double's 53 bits.
    void grandesValeurs_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("converter, 2e9 m in inches") << 2e9 * 39.37 << 4 << "78 740 000 000,0000";
        QTest::newRow("tie beyond 2^52 once scaled") << 562949953421312.125 << 2 << "562 949 953 421 312,13";
        QTest::newRow("largest single")
            << double(FLT_MAX) << 2 << "340 282 346 638 528 859 811 704 183 484 516 925 440,00";
        QTest::newRow("largest double")
            << DBL_MAX << 0
            << "179 769 313 486 231 570 814 527 423 731 704 356 798 070 567 525 844 996 598 917 476 803 "
               "157 260 780 028 538 760 589 558 632 766 878 171 540 458 953 514 382 464 234 321 326 "
               "889 464 182 768 467 546 703 537 516 986 049 910 576 551 282 076 245 490 090 389 328 "
               "944 075 868 508 455 133 942 304 583 236 903 222 948 165 808 559 332 123 348 274 797 "
               "826 204 144 723 168 738 177 180 919 299 881 250 404 026 184 124 858 368";
        QTest::newRow("many decimals") << 0.1 << 20 << "0,10000000000000000555";
        QTest::newRow("smallest double") << 4.9406564584124654e-324 << 2 << "0,00";
    }
    void grandesValeurs()
    {
        QFETCH(double, valeur);
        QFETCH(int, n);
        QFETCH(QString, attendu);
        QCOMPARE(fixe(valeur, n).replace(QChar(0x202F), u' '), attendu);
    }

    void lectureHorsLimites()
    {
        QCOMPARE(lireNombre("1e400"), HUGE_VAL);
        QCOMPARE(lireNombre("-123456e999"), -HUGE_VAL);
        QCOMPARE(lireNombre("1e-400"), 0.0);
        QCOMPARE(lireNombre("0.000001e-320"), 0.0);
        QCOMPARE_EXACT(lireNombre("1000e-310"), 1e-307);
        QCOMPARE(lireNombre("1e99999999999999999999"), HUGE_VAL);
        QCOMPARE_EXACT(lireNombre("4.9406564584124654e-324"), 4.9406564584124654e-324);
    }

    // The C library's numeric locale of a French or German user (QApplication sets it from the
    // environment) must not change a digit: every rule gives what it gives under "C".
    void localeNumeriqueVirgule()
    {
        const auto calculer = [] {
            QStringList t;
            for (const char *texte : {"14.2", "7.05 Mhz", "0.9", "2.5", "-3.5e-2", "1E-50", "1e39"})
                t << QString::number(lireNombre(QString::fromLatin1(texte)), 'g', 17);
            for (float f : {14.2f, 0.95f, 12345678.0f, 0.00001f, 0.0001f, -0.25f})
                t << montrer(f) << enClair(f);
            t << montrerDouble(1.0 / 3) << enClairDouble(0.1 + 0.2);
            for (double v : {0.7620, 2e9 * 39.37, 5.02, double(FLT_MAX), 1e300, 0.125})
                for (int n : {0, 2, 4}) t << fixe(v, n);
            return t;
        };
        const QByteArray avant = setlocale(LC_ALL, nullptr);
        QVERIFY(setlocale(LC_ALL, "C"));
        const QStringList sousC = calculer();
        bool essaye = false;
        for (const char *nom : {"fr_FR.UTF-8", "de_DE.UTF-8"}) {
            if (!setlocale(LC_ALL, nom)) continue;
            essaye = true;
            QCOMPARE(QString::fromLatin1(localeconv()->decimal_point), QStringLiteral(","));
            QCOMPARE(calculer(), sousC);
        }
        setlocale(LC_ALL, avant.constData());
        if (!essaye) {
            if (qEnvironmentVariableIsSet("CI")) QFAIL("no comma locale (fr_FR.UTF-8, de_DE.UTF-8) is generated");
            QSKIP("neither fr_FR.UTF-8 nor de_DE.UTF-8 is generated (tools/dependances.sh generates them)");
        }
        QCOMPARE(lireNombre("14.2"), 14.2);
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
        QCOMPARE(nombres::enClair(valeur), attendu);
    }

    void texteSimpleDouble()
    {
        QCOMPARE(nombres::enClairDouble(0.1 + 0.2), QStringLiteral("0,3"));
        QCOMPARE(nombres::enClairDouble(1.0 / 3), QStringLiteral("0,333333333333333"));
    }
};

QTEST_APPLESS_MAIN(TstNombres)
#include "tst_nombres.moc"
