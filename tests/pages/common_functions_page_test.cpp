// Page 4 end to end: the five calculators, each with its own input boxes,
// result box and 计算 button.
#include <QLineEdit>
#include <QTest>
#include <array>
#include <span>
#include <string_view>

#include "page_driver.h"

namespace tessaril {

namespace {

struct Calculator {
    const char* button;
    std::span<const char* const> inputs;
    const char* result;
};

constexpr std::array kPowerInputs{"编辑框37", "编辑框38"};  // X, y
constexpr std::array kSquareRootInputs{"编辑框40"};
constexpr std::array kNaturalLogInputs{"编辑框39"};
constexpr std::array kNaturalAntilogInputs{"编辑框44"};
constexpr std::array kLogBaseInputs{"编辑框46", "编辑框47"};  // base a, b

enum CalculatorId { Power, SquareRoot, NaturalLog, NaturalAntilog, LogBase };

constexpr std::array<Calculator, 5> kCalculators{{
    {"按钮6", kPowerInputs, "编辑框36"},
    {"按钮7", kSquareRootInputs, "编辑框41"},
    {"按钮8", kNaturalLogInputs, "编辑框42"},
    {"按钮9", kNaturalAntilogInputs, "编辑框43"},
    {"按钮10", kLogBaseInputs, "编辑框45"},
}};

constexpr std::array kAllInputs{"编辑框37", "编辑框38", "编辑框40", "编辑框39",
                                "编辑框44", "编辑框46", "编辑框47"};
constexpr std::array kAllResults{"编辑框36", "编辑框41", "编辑框42", "编辑框43", "编辑框45"};

}  // namespace

class CommonFunctionsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() {
        driver_ = std::make_unique<PageDriver>();
        driver_->openPage(4);
    }
    void cleanupTestCase() { driver_.reset(); }

    void compute_data() {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("result");
        // Up to 13 significant digits, trailing zeros dropped.
        QTest::newRow("2^10") << int(Power) << QStringList{"2", "10"} << "1024";
        QTest::newRow("2^0.5") << int(Power) << QStringList{"2", "0.5"} << "1.414213562373";
        QTest::newRow("10^-3") << int(Power) << QStringList{"10", "-3"} << "0.001";
        QTest::newRow("-2^3") << int(Power) << QStringList{"-2", "3"} << "-8";
        QTest::newRow("-8^0.5") << int(Power) << QStringList{"-8", "0.5"} << "-1.#IND";
        QTest::newRow("power, both blank") << int(Power) << QStringList{} << "1";
        QTest::newRow("sqrt 16") << int(SquareRoot) << QStringList{"16"} << "4";
        QTest::newRow("sqrt 2") << int(SquareRoot) << QStringList{"2"} << "1.414213562373";
        QTest::newRow("sqrt -1") << int(SquareRoot) << QStringList{"-1"} << "-1.#IND";
        QTest::newRow("ln 10") << int(NaturalLog) << QStringList{"10"} << "2.302585092994";
        QTest::newRow("ln blank") << int(NaturalLog) << QStringList{} << "-1.#INF";
        QTest::newRow("ln -1") << int(NaturalLog) << QStringList{"-1"} << "-1.#IND";
        QTest::newRow("e^1") << int(NaturalAntilog) << QStringList{"1"} << "2.718281828459";
        QTest::newRow("e^709") << int(NaturalAntilog) << QStringList{"709"}
                               << "8.218407461555e+307";
        QTest::newRow("e^710") << int(NaturalAntilog) << QStringList{"710"} << "1.#INF";
        QTest::newRow("e^blank") << int(NaturalAntilog) << QStringList{} << "1";
        QTest::newRow("log_10 1000") << int(LogBase) << QStringList{"10", "1000"} << "3";
        QTest::newRow("log_2 8") << int(LogBase) << QStringList{"2", "8"} << "3";
        QTest::newRow("log_1 10") << int(LogBase) << QStringList{"1", "10"} << "1.#INF";
        QTest::newRow("log_1 1") << int(LogBase) << QStringList{"1", "1"} << "-1.#IND";
        QTest::newRow("log_blank 100") << int(LogBase) << QStringList{"", "100"} << "0";
    }
    void compute() {
        QFETCH(int, calculator);
        QFETCH(QStringList, inputs);
        QFETCH(QString, result);
        const Calculator& c = kCalculators[calculator];
        driver_->checkComputation(c.inputs, inputs, c.button, std::array{c.result},
                                  QStringList{result});
    }

    // With every box of the page filled, a calculator shows its own result from
    // its own inputs and leaves every other box as it was.
    void calculatorsStayInTheirOwnBoxes_data() {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QString>("result");
        QTest::newRow("power") << int(Power) << "1024";
        QTest::newRow("square root") << int(SquareRoot) << "4";
        QTest::newRow("natural logarithm") << int(NaturalLog) << "0";
        QTest::newRow("natural antilogarithm") << int(NaturalAntilog) << "2.718281828459";
        QTest::newRow("logarithm to a base") << int(LogBase) << "3";
    }
    void calculatorsStayInTheirOwnBoxes() {
        QFETCH(int, calculator);
        QFETCH(QString, result);
        const Calculator& c = kCalculators[calculator];
        // X, y, sqrt X, ln x, e^Z, base a, b
        const QStringList inputs{"2", "10", "16", "1", "1", "2", "8"};
        driver_->type(kAllInputs, inputs);
        driver_->clear(kAllResults);

        driver_->press(c.button);

        QCOMPARE(driver_->texts(kAllInputs), inputs);
        for (const char* name : kAllResults) {
            const QString expected = std::string_view(name) == c.result ? result : QString();
            QCOMPARE(driver_->box(name).text(), expected);
        }
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::CommonFunctionsPageTest)
#include "common_functions_page_test.moc"
