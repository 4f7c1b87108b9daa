// Numbers shown with 13 significant digits and with a fixed number of decimals.
#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

#include "numbers/numbers.h"
#include "same_number.h"

using namespace tessaril;

class NumberToTextTest : public QObject {
    Q_OBJECT

private slots:
    void generalForm_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("1/3") << 1.0 / 3 << QByteArray("0.3333333333333");
        QTest::newRow("2/3") << 2.0 / 3 << QByteArray("0.6666666666667");
        QTest::newRow("100") << 100.0 << QByteArray("100");
        QTest::newRow("5") << 5.0 << QByteArray("5");
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QByteArray("0.3");
        QTest::newRow("-2.5") << -2.5 << QByteArray("-2.5");
        QTest::newRow("0.0001") << 0.0001 << QByteArray("0.0001");
        QTest::newRow("0.00012345") << 0.00012345 << QByteArray("0.00012345");
        QTest::newRow("0.00001") << 0.00001 << QByteArray("1e-005");
        QTest::newRow("1e-7") << 1e-7 << QByteArray("1e-007");
        QTest::newRow("-1.5e-7") << -1.5e-7 << QByteArray("-1.5e-007");
        QTest::newRow("rounds up into fixed form") << 9.999999999999995e-5 << QByteArray("0.0001");
        QTest::newRow("stays in exponent form")
            << 9.9999999999994e-5 << QByteArray("9.999999999999e-005");
        QTest::newRow("1e12") << 1e12 << QByteArray("1000000000000");
        QTest::newRow("9999999999999") << 9999999999999.0 << QByteArray("9999999999999");
        QTest::newRow("9999999999999.49") << 9999999999999.49 << QByteArray("9999999999999");
        QTest::newRow("9999999999999.5") << 9999999999999.5 << QByteArray("1e+013");
        QTest::newRow("1e20") << 1e20 << QByteArray("1e+020");
        QTest::newRow("1e-20") << 1e-20 << QByteArray("1e-020");
        QTest::newRow("1e100") << 1e100 << QByteArray("1e+100");
        QTest::newRow("123456789012345678")
            << 123456789012345678.0 << QByteArray("1.234567890123e+017");
        QTest::newRow("square root of 2") << std::sqrt(2.0) << QByteArray("1.414213562373");
        QTest::newRow("largest double") << DBL_MAX << QByteArray("1.797693134862e+308");
        QTest::newRow("smallest normal") << DBL_MIN << QByteArray("2.225073858507e-308");
        QTest::newRow("smallest subnormal")
            << std::numeric_limits<double>::denorm_min() << QByteArray("4.940656458412e-324");
        QTest::newRow("zero") << 0.0 << QByteArray("0");
        QTest::newRow("negative zero") << -0.0 << QByteArray("0");
        QTest::newRow("+infinity") << kInf << QByteArray("1.#INF");
        QTest::newRow("-infinity") << -kInf << QByteArray("-1.#INF");
        QTest::newRow("NaN") << kNaN << QByteArray("-1.#IND");
        QTest::newRow("negative NaN") << -kNaN << QByteArray("-1.#IND");
        // An exact half at the 13th digit rounds away from zero.
        QTest::newRow("half rounds up") << 1234567890122.5 << QByteArray("1234567890123");
        QTest::newRow("negative half rounds away")
            << -1234567890122.5 << QByteArray("-1234567890123");
        // Just below a half, but 17 digits make it a half: it rounds up.
        QTest::newRow("two-step rounding") << 5.4952111340215 << QByteArray("5.495211134022");
        QTest::newRow("two-step rounding, small")
            << 7.2910524664335e-05 << QByteArray("7.291052466434e-005");
        QTest::newRow("two-step rounding, large")
            << 3.0449458478405e+20 << QByteArray("3.044945847841e+020");
        QTest::newRow("just above a half, below 13 digits") << 1.00000000000045 << QByteArray("1");
        QTest::newRow("half at the 13th digit") << 1.0000000000005 << QByteArray("1.000000000001");
        QTest::newRow("carry through nines") << 0.99999999999995 << QByteArray("1");
    }
    void generalForm() {
        QFETCH(double, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(numberToText(value)), expected);
    }

    void twoDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("2.005") << 2.005 << QByteArray("2.01");
        QTest::newRow("2.675") << 2.675 << QByteArray("2.68");
        QTest::newRow("1.005") << 1.005 << QByteArray("1.01");
        QTest::newRow("-1.005") << -1.005 << QByteArray("-1.01");
        QTest::newRow("0.125") << 0.125 << QByteArray("0.13");
        QTest::newRow("0.135") << 0.135 << QByteArray("0.14");
        QTest::newRow("-0.125") << -0.125 << QByteArray("-0.13");
        QTest::newRow("0.005") << 0.005 << QByteArray("0.01");
        QTest::newRow("-0.005") << -0.005 << QByteArray("-0.01");
        QTest::newRow("0.004") << 0.004 << QByteArray("0.00");
        QTest::newRow("-0.004") << -0.004 << QByteArray("0.00");
        QTest::newRow("0") << 0.0 << QByteArray("0.00");
        QTest::newRow("-0") << -0.0 << QByteArray("0.00");
        QTest::newRow("1.00499999999999") << 1.00499999999999 << QByteArray("1.00");
        QTest::newRow("1/3") << 1.0 / 3 << QByteArray("0.33");
        QTest::newRow("2/3") << 2.0 / 3 << QByteArray("0.67");
        QTest::newRow("99.995") << 99.995 << QByteArray("100.00");
        QTest::newRow("2.5") << 2.5 << QByteArray("2.50");
        QTest::newRow("3") << 3.0 << QByteArray("3.00");
        QTest::newRow("100") << 100.0 << QByteArray("100.00");
        QTest::newRow("-2") << -2.0 << QByteArray("-2.00");
        QTest::newRow("12345678901.235") << 12345678901.235 << QByteArray("12345678901.24");
        QTest::newRow("123456789012.345") << 123456789012.345 << QByteArray("123456789012.40");
        QTest::newRow("1e13") << 1e13 << QByteArray("1.00e+013");
        QTest::newRow("1e20") << 1e20 << QByteArray("1.00e+020");
        QTest::newRow("1.5e13") << 1.5e13 << QByteArray("1.50e+013");
        QTest::newRow("-1.5e13") << -1.5e13 << QByteArray("-1.50e+013");
        QTest::newRow("12 digits shown in exponent form")
            << 1.234567890123e17 << QByteArray("1.234567890123e+017");
        QTest::newRow("1e-20") << 1e-20 << QByteArray("0.00");
        QTest::newRow("-1e-20") << -1e-20 << QByteArray("0.00");
        QTest::newRow("+infinity") << kInf << QByteArray("1.#INF");
        QTest::newRow("-infinity") << -kInf << QByteArray("-1.#INF");
        QTest::newRow("NaN") << kNaN << QByteArray("-1.#IND");
        // Too large to have decimals: shown as it is, not as an overflow.
        QTest::newRow("largest double") << DBL_MAX << QByteArray("1.797693134862e+308");
        QTest::newRow("-1e307") << -1e307 << QByteArray("-1.00e+307");
    }
    void twoDecimals() {
        QFETCH(double, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(numberToFixedText(value, 2)), expected);
    }

    void otherDecimalCounts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("none") << 2.5 << 0 << QByteArray("3");
        QTest::newRow("negative count reads as none") << 2.4 << -3 << QByteArray("2");
        QTest::newRow("one") << 2.25 << 1 << QByteArray("2.3");
        QTest::newRow("four") << 0.5 << 4 << QByteArray("0.5000");
        QTest::newRow("three in exponent form") << 1e13 << 3 << QByteArray("1.000e+013");
        QTest::newRow("infinity unchanged") << kInf << 6 << QByteArray("1.#INF");
    }
    void otherDecimalCounts() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(numberToFixedText(value, decimals)), expected);
    }
};

QTEST_GUILESS_MAIN(NumberToTextTest)
#include "number_to_text_test.moc"
