// Reading box texts as numbers and as readings.
#include <QTest>
#include <cfloat>
#include <limits>

#include "numbers/numbers.h"
#include "numbers/reading.h"
#include "same_number.h"

using namespace tessaril;

namespace {

constexpr int kMegabyte = 1 << 20;

QByteArray repeated(char c, int count) { return QByteArray(count, c); }

}  // namespace

class TextToNumberTest : public QObject {
    Q_OBJECT

private slots:
    void readsNumericPrefix_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("empty") << QByteArray() << 0.0;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 12.0;
        QTest::newRow("letters only") << QByteArray("abc") << 0.0;
        QTest::newRow("lone minus") << QByteArray("-") << 0.0;
        QTest::newRow("lone point") << QByteArray(".") << 0.0;
        QTest::newRow("+.5") << QByteArray("+.5") << 0.5;
        QTest::newRow("-.5") << QByteArray("-.5") << -0.5;
        QTest::newRow(".5") << QByteArray(".5") << 0.5;
        QTest::newRow("5.") << QByteArray("5.") << 5.0;
        QTest::newRow("leading white space") << QByteArray(" \t\n\v\f\r 12") << 12.0;
        QTest::newRow("space inside") << QByteArray("12 34") << 12.0;
        QTest::newRow("comma") << QByteArray("1,234") << 1.0;
        QTest::newRow("second point") << QByteArray("1.2.3") << 1.2;
        QTest::newRow("1e5") << QByteArray("1e5") << 100000.0;
        QTest::newRow("1E-3") << QByteArray("1E-3") << 0.001;
        QTest::newRow("2d3") << QByteArray("2d3") << 2000.0;
        QTest::newRow("2D-1") << QByteArray("2D-1") << 0.2;
        QTest::newRow("exponent without digits") << QByteArray("12e") << 12.0;
        QTest::newRow("exponent sign without digits") << QByteArray("12e+") << 12.0;
        QTest::newRow("exponent letter then letter") << QByteArray("12ex") << 12.0;
        QTest::newRow("point then exponent") << QByteArray("5.e2") << 500.0;
        QTest::newRow("sign after mantissa") << QByteArray("5-3") << 5.0;
        QTest::newRow("double minus") << QByteArray("--5") << 0.0;
        QTest::newRow("plus minus") << QByteArray("+-5") << 0.0;
        QTest::newRow("minus space") << QByteArray("- 5") << 0.0;
        QTest::newRow("hexadecimal") << QByteArray("0x1A") << 0.0;
        QTest::newRow("no infinity word") << QByteArray("inf") << 0.0;
        QTest::newRow("no nan word") << QByteArray("nan") << 0.0;
        QTest::newRow("full-width digits") << QByteArray("１２．５") << 12.5;
        QTest::newRow("ideographic space, full-width minus") << QByteArray("\u3000－３") << -3.0;
        QTest::newRow("full-width exponent") << QByteArray("１ｅ３") << 1000.0;
        QTest::newRow("full-width D and sign") << QByteArray("２Ｄ－１") << 0.2;
        QTest::newRow("full-width plus") << QByteArray("＋７") << 7.0;
        QTest::newRow("Chinese character ends") << QByteArray("12中") << 12.0;
        QTest::newRow("other non-ASCII ends") << QByteArray("3\xc2\xb2") << 3.0;
        QTest::newRow("cut full-width form ends") << QByteArray("1\xef\xbc") << 1.0;
        QTest::newRow("nul ends") << QByteArray(
                                         "4\0"
                                         "5",
                                         3)
                                  << 4.0;
        QTest::newRow("1e999") << QByteArray("1e999") << kInf;
        QTest::newRow("-1e999") << QByteArray("-1e999") << -kInf;
        QTest::newRow("1e-999") << QByteArray("1e-999") << 0.0;
        QTest::newRow("-1e-999") << QByteArray("-1e-999") << -0.0;
        QTest::newRow("negative zero") << QByteArray("-0") << -0.0;
        QTest::newRow("negative zero with point") << QByteArray("-0.000") << -0.0;
        QTest::newRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
        QTest::newRow("0.1") << QByteArray("0.1") << 0.1;
        QTest::newRow("halfway rounds to even")
            << QByteArray("9007199254740993") << 9007199254740992.0;
        QTest::newRow("just above halfway")
            << QByteArray("9007199254740993.00000000000000000000001") << 9007199254740994.0;
        QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << DBL_MAX;
        QTest::newRow("below overflow halfway") << QByteArray("1.7976931348623158e308") << DBL_MAX;
        QTest::newRow("above overflow halfway") << QByteArray("1.7976931348623159e308") << kInf;
        QTest::newRow("largest subnormal")
            << QByteArray("2.2250738585072009e-308") << 0x0.fffffffffffffp-1022;
        QTest::newRow("smallest subnormal") << QByteArray("4.9e-324") << 0x1p-1074;
        QTest::newRow("just above half of smallest subnormal")
            << QByteArray("2.4703282292062328e-324") << 0x1p-1074;
        QTest::newRow("just below half of smallest subnormal")
            << QByteArray("2.4703282292062327e-324") << 0.0;
        QTest::newRow("leading zeros") << QByteArray("000000000000000000000012.5") << 12.5;
        QTest::newRow("long fraction") << QByteArray("0.1000000000000000055511151231257827") << 0.1;
        QTest::newRow("exponent with leading zeros")
            << QByteArray("1.5e0000000000000000003") << 1500.0;
    }
    void readsNumericPrefix() {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        const double actual = textToNumber(std::string_view(text.constData(), text.size()));
        QVERIFY2(sameNumber(actual, expected), describeNumber(actual));
    }

    // A blank box, or one without a number, is no reading; an entered 0 is.
    void tellsReadingsFromBlanks_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<double>("expected");

        QTest::newRow("empty") << QByteArray() << false << 0.0;
        QTest::newRow("spaces") << QByteArray("  \t ") << false << 0.0;
        QTest::newRow("ideographic space") << QByteArray("\u3000") << false << 0.0;
        QTest::newRow("letters") << QByteArray("abc") << false << 0.0;
        QTest::newRow("lone sign") << QByteArray("-") << false << 0.0;
        QTest::newRow("lone point") << QByteArray(".") << false << 0.0;
        QTest::newRow("sign and point") << QByteArray("-.") << false << 0.0;
        QTest::newRow("double minus") << QByteArray("--5") << false << 0.0;
        QTest::newRow("exponent only") << QByteArray("e5") << false << 0.0;
        QTest::newRow("zero") << QByteArray("0") << true << 0.0;
        QTest::newRow("negative zero") << QByteArray("-0") << true << -0.0;
        QTest::newRow("point zero") << QByteArray(".0") << true << 0.0;
        QTest::newRow("hexadecimal reads its 0") << QByteArray("0x1A") << true << 0.0;
        QTest::newRow("number then text") << QByteArray(" 12abc") << true << 12.0;
        QTest::newRow("full-width") << QByteArray("－０．２５") << true << -0.25;
    }
    void tellsReadingsFromBlanks() {
        QFETCH(QByteArray, text);
        QFETCH(bool, present);
        QFETCH(double, expected);
        const std::optional<double> reading =
            textToReading(std::string_view(text.constData(), text.size()));
        QCOMPARE(reading.has_value(), present);
        if (reading) QVERIFY2(sameNumber(*reading, expected), describeNumber(*reading));
    }

    // Texts of a megabyte: long mantissas, long runs of zeros and long
    // exponents are read without overflow and without going quadratic.
    void readsMegabyteTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("a million ones") << repeated('1', kMegabyte) << kInf;
        QTest::newRow("a million nines scaled down")
            << repeated('9', kMegabyte) + "e-" + QByteArray::number(kMegabyte) << 1.0;
        QTest::newRow("zeros then a one, exponent 400")
            << "0." + repeated('0', kMegabyte) + "1e400" << 0.0;
        QTest::newRow("zeros then a one, scaled back")
            << "0." + repeated('0', kMegabyte) + "125e" + QByteArray::number(kMegabyte + 1) << 1.25;
        QTest::newRow("one and a million zeros scaled back")
            << "1" + repeated('0', kMegabyte) + "e-" + QByteArray::number(kMegabyte) << 1.0;
        QTest::newRow("far digit breaks a halfway tie")
            << "9007199254740993." + repeated('0', kMegabyte) + "1" << 9007199254740994.0;
        QTest::newRow("trailing zeros keep the tie")
            << "9007199254740993." + repeated('0', kMegabyte) << 9007199254740992.0;
        QTest::newRow("exponent of a million digits") << "1e" + repeated('9', kMegabyte) << kInf;
        QTest::newRow("negative exponent of a million digits")
            << "1e-" + repeated('9', kMegabyte) << 0.0;
        QTest::newRow("exponent with a million leading zeros")
            << "2e" + repeated('0', kMegabyte) + "3" << 2000.0;
        QTest::newRow("a megabyte of spaces first") << repeated(' ', kMegabyte) + "7" << 7.0;
        QTest::newRow("a megabyte of full-width digits")
            << "0." + QByteArray("３").repeated(kMegabyte / 3) << 1.0 / 3;
    }
    void readsMegabyteTexts() {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        const double actual = textToNumber(std::string_view(text.constData(), text.size()));
        QVERIFY2(sameNumber(actual, expected), describeNumber(actual));
    }
};

QTEST_GUILESS_MAIN(TextToNumberTest)
#include "text_to_number_test.moc"
