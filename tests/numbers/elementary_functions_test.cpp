// power, squareRoot, naturalLog and naturalAntilog: special values and the
// shown results of ordinary arguments.
#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

#include "numbers/numbers.h"
#include "same_number.h"

using namespace tessaril;

class ElementaryFunctionsTest : public QObject {
    Q_OBJECT

private slots:
    void power_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("exponent");
        QTest::addColumn<double>("expected");

        QTest::newRow("2^10") << 2.0 << 10.0 << 1024.0;
        QTest::newRow("10^-3") << 10.0 << -3.0 << 0.001;
        QTest::newRow("3^20 exact") << 3.0 << 20.0 << 3486784401.0;
        QTest::newRow("10^22 exact") << 10.0 << 22.0 << 1e22;
        QTest::newRow("2^1023") << 2.0 << 1023.0 << 0x1p1023;
        QTest::newRow("2^1024 overflows") << 2.0 << 1024.0 << kInf;
        QTest::newRow("10^400 overflows") << 10.0 << 400.0 << kInf;
        QTest::newRow("2^-1074 subnormal") << 2.0 << -1074.0 << 0x1p-1074;
        QTest::newRow("2^-1076 underflows") << 2.0 << -1076.0 << 0.0;
        QTest::newRow("1^y") << 1.0 << 12345.678 << 1.0;
        QTest::newRow("1^NaN") << 1.0 << kNaN << kNaN;
        QTest::newRow("x^NaN") << 2.0 << kNaN << kNaN;
        QTest::newRow("NaN^y") << kNaN << 2.0 << kNaN;
        QTest::newRow("NaN^0") << kNaN << 0.0 << 1.0;
        QTest::newRow("NaN^-0") << kNaN << -0.0 << 1.0;
        // Negative bases.
        QTest::newRow("(-2)^3") << -2.0 << 3.0 << -8.0;
        QTest::newRow("(-2)^2") << -2.0 << 2.0 << 4.0;
        QTest::newRow("(-2)^-3") << -2.0 << -3.0 << -0.125;
        QTest::newRow("(-8)^(1/3)") << -8.0 << 1.0 / 3 << kNaN;
        QTest::newRow("(-2)^0.5") << -2.0 << 0.5 << kNaN;
        QTest::newRow("(-2)^2^60 even") << -2.0 << 0x1p60 << kInf;
        QTest::newRow("(-0.5)^2^60 even") << -0.5 << 0x1p60 << 0.0;
        QTest::newRow("(-1)^(2^53+1 rounds even)") << -1.0 << 9007199254740993.0 << 1.0;
        QTest::newRow("(-1)^(2^53-1) odd") << -1.0 << 9007199254740991.0 << -1.0;
        // Zero bases.
        QTest::newRow("0^-1") << 0.0 << -1.0 << kInf;
        QTest::newRow("0^0") << 0.0 << 0.0 << 1.0;
        QTest::newRow("0^2") << 0.0 << 2.0 << 0.0;
        QTest::newRow("0^0.5") << 0.0 << 0.5 << 0.0;
        QTest::newRow("-0^3") << -0.0 << 3.0 << -0.0;
        QTest::newRow("-0^2") << -0.0 << 2.0 << 0.0;
        QTest::newRow("-0^0.5") << -0.0 << 0.5 << 0.0;
        QTest::newRow("-0^-3") << -0.0 << -3.0 << -kInf;
        QTest::newRow("-0^-2") << -0.0 << -2.0 << kInf;
        QTest::newRow("-0^-0.5") << -0.0 << -0.5 << kInf;
        QTest::newRow("0^NaN") << 0.0 << kNaN << kNaN;
        // Infinite exponents.
        QTest::newRow("1^+inf") << 1.0 << kInf << kNaN;
        QTest::newRow("1^-inf") << 1.0 << -kInf << kNaN;
        QTest::newRow("(-1)^+inf") << -1.0 << kInf << kNaN;
        QTest::newRow("(-1)^-inf") << -1.0 << -kInf << kNaN;
        QTest::newRow("2^+inf") << 2.0 << kInf << kInf;
        QTest::newRow("(-2)^+inf") << -2.0 << kInf << kInf;
        QTest::newRow("0.5^+inf") << 0.5 << kInf << 0.0;
        QTest::newRow("(-0.5)^+inf") << -0.5 << kInf << 0.0;
        QTest::newRow("2^-inf") << 2.0 << -kInf << 0.0;
        QTest::newRow("0.5^-inf") << 0.5 << -kInf << kInf;
        QTest::newRow("0^+inf") << 0.0 << kInf << 0.0;
        QTest::newRow("-0^-inf") << -0.0 << -kInf << kInf;
        QTest::newRow("+inf^+inf") << kInf << kInf << kInf;
        QTest::newRow("-inf^-inf") << -kInf << -kInf << 0.0;
        // Infinite bases.
        QTest::newRow("+inf^2") << kInf << 2.0 << kInf;
        QTest::newRow("+inf^-2") << kInf << -2.0 << 0.0;
        QTest::newRow("+inf^0") << kInf << 0.0 << 1.0;
        QTest::newRow("-inf^3") << -kInf << 3.0 << -kInf;
        QTest::newRow("-inf^2") << -kInf << 2.0 << kInf;
        QTest::newRow("-inf^0.5") << -kInf << 0.5 << kInf;
        QTest::newRow("-inf^-3") << -kInf << -3.0 << -0.0;
        QTest::newRow("-inf^-2") << -kInf << -2.0 << 0.0;
        QTest::newRow("-inf^0") << -kInf << 0.0 << 1.0;
    }
    void power() {
        QFETCH(double, base);
        QFETCH(double, exponent);
        QFETCH(double, expected);
        const double actual = tessaril::power(base, exponent);
        QVERIFY2(sameNumber(actual, expected), describeNumber(actual));
    }

    void singleArgument_data() {
        QTest::addColumn<int>("function");  // 0 squareRoot, 1 naturalLog, 2 naturalAntilog
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");

        QTest::newRow("sqrt 16") << 0 << 16.0 << 4.0;
        QTest::newRow("sqrt 2") << 0 << 2.0 << 0x1.6a09e667f3bcdp+0;
        QTest::newRow("sqrt -1") << 0 << -1.0 << kNaN;
        QTest::newRow("sqrt -0") << 0 << -0.0 << -0.0;
        QTest::newRow("sqrt +inf") << 0 << kInf << kInf;
        QTest::newRow("sqrt -inf") << 0 << -kInf << kNaN;
        QTest::newRow("sqrt NaN") << 0 << kNaN << kNaN;
        QTest::newRow("sqrt smallest subnormal") << 0 << 0x1p-1074 << 0x1p-537;
        // The nearest double, where a long double root rounded again misses it.
        QTest::newRow("sqrt rounded once") << 0 << 0x1.50c4bbabc66e1p-870 << 0x1.259ebb8593bd5p-435;
        QTest::newRow("ln 1") << 1 << 1.0 << 0.0;
        QTest::newRow("ln 0") << 1 << 0.0 << -kInf;
        QTest::newRow("ln -0") << 1 << -0.0 << -kInf;
        QTest::newRow("ln -1") << 1 << -1.0 << kNaN;
        QTest::newRow("ln +inf") << 1 << kInf << kInf;
        QTest::newRow("ln -inf") << 1 << -kInf << kNaN;
        QTest::newRow("ln NaN") << 1 << kNaN << kNaN;
        QTest::newRow("ln e") << 1 << M_E << 1.0;
        QTest::newRow("ln smallest subnormal") << 1 << 0x1p-1074 << -744.44007192138126;
        QTest::newRow("e^0") << 2 << 0.0 << 1.0;
        QTest::newRow("e^-0") << 2 << -0.0 << 1.0;
        QTest::newRow("e^1") << 2 << 1.0 << M_E;
        QTest::newRow("e^710") << 2 << 710.0 << kInf;
        QTest::newRow("e^-1000") << 2 << -1000.0 << 0.0;
        QTest::newRow("e^-745 subnormal") << 2 << -745.0 << 0x1p-1074;
        QTest::newRow("e^+inf") << 2 << kInf << kNaN;
        QTest::newRow("e^-inf") << 2 << -kInf << kNaN;
        QTest::newRow("e^NaN") << 2 << kNaN << kNaN;
    }
    void singleArgument() {
        QFETCH(int, function);
        QFETCH(double, x);
        QFETCH(double, expected);
        double (*const functions[])(double) = {squareRoot, naturalLog, naturalAntilog};
        const double actual = functions[function](x);
        QVERIFY2(sameNumber(actual, expected), describeNumber(actual));
    }

    // Results of ordinary arguments as the pages show them.
    void shownResults_data() {
        QTest::addColumn<double>("result");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("sqrt 2") << squareRoot(2) << QByteArray("1.414213562373");
        QTest::newRow("ln 2") << naturalLog(2) << QByteArray("0.6931471805599");
        QTest::newRow("ln 10") << naturalLog(10) << QByteArray("2.302585092994");
        QTest::newRow("e^1") << naturalAntilog(1) << QByteArray("2.718281828459");
        QTest::newRow("e^-1") << naturalAntilog(-1) << QByteArray("0.3678794411714");
        QTest::newRow("e^709") << naturalAntilog(709) << QByteArray("8.218407461555e+307");
        QTest::newRow("e^709.78") << naturalAntilog(709.78) << QByteArray("1.792822794395e+308");
        QTest::newRow("2^0.5") << tessaril::power(2, 0.5) << QByteArray("1.414213562373");
        QTest::newRow("1.0001^100000")
            << tessaril::power(1.0001, 100000) << QByteArray("22015.45604853");
        QTest::newRow("7^300") << tessaril::power(7, 300) << QByteArray("3.383857020075e+253");
        QTest::newRow("0.5^1074.5 rounds to the smallest subnormal")
            << tessaril::power(0.5, 1074.5) << QByteArray("4.940656458412e-324");
        QTest::newRow("(-1.5)^-101")
            << tessaril::power(-1.5, -101) << QByteArray("-1.63976961772e-018");
    }
    void shownResults() {
        QFETCH(double, result);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(numberToText(result)), expected);
    }
};

QTEST_GUILESS_MAIN(ElementaryFunctionsTest)
#include "elementary_functions_test.moc"
