// Page 2 end to end: Z0, Zi, S0, Si and range typed in, zero drift and span
// drift (% of range) shown after 计算.
#include <QTest>
#include <array>

#include "page_driver.h"

namespace tessaril {

class ZeroSpanDriftPageTest : public QObject {
    Q_OBJECT

    // Z0, Zi, S0, Si, range R.
    static constexpr std::array kInputs{"编辑框23", "编辑框22", "编辑框21", "编辑框20", "编辑框19"};
    static constexpr std::array kResults{"编辑框17", "编辑框16"};  // zero drift, span drift
    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() {
        driver_ = std::make_unique<PageDriver>();
        driver_->openPage(2);
    }
    void cleanupTestCase() { driver_.reset(); }

    void compute_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        // The span drift compares the spans measured from their own zero readings.
        QTest::newRow("both drift upward")
            << QStringList{"0.1", "0.3", "80.0", "80.5", "100"} << QStringList{"0.20", "0.30"};
        QTest::newRow("zero starts at 0")
            << QStringList{"0", "0.5", "50", "50.8", "100"} << QStringList{"0.50", "0.30"};
        QTest::newRow("both drift downward")
            << QStringList{"1.2", "1.0", "60", "59.5", "200"} << QStringList{"-0.10", "-0.15"};
        QTest::newRow("span follows the zero exactly")
            << QStringList{"2", "3", "52", "53", "50"} << QStringList{"2.00", "0.00"};
        QTest::newRow("blank zero readings")
            << QStringList{"", "", "40", "41", "10"} << QStringList{"0.00", "10.00"};
        QTest::newRow("all blank") << QStringList{} << QStringList{"-1.#IND", "-1.#IND"};
        QTest::newRow("blank range")
            << QStringList{"0", "1", "50", "51", ""} << QStringList{"1.#INF", "-1.#IND"};
        QTest::newRow("blank range, falling zero")
            << QStringList{"1", "0", "50", "48", ""} << QStringList{"-1.#INF", "-1.#INF"};
    }
    void compute() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        driver_->checkComputation(kInputs, inputs, "按钮4", kResults, results);
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::ZeroSpanDriftPageTest)
#include "zero_span_drift_page_test.moc"
