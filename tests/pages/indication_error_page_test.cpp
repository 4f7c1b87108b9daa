// Page 1 end to end: readings C1 to C3, standard value and range typed in,
// mean and indication error (% of range) shown after 计算.
#include <QTest>
#include <array>

#include "page_driver.h"

namespace tessaril {

class IndicationErrorPageTest : public QObject {
    Q_OBJECT

    // C1, C2, C3, standard value, range R.
    static constexpr std::array kInputs{"编辑框11", "编辑框12", "编辑框13", "编辑框14", "编辑框15"};
    static constexpr std::array kResults{"编辑框9", "编辑框10"};  // mean, error
    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() {
        driver_ = std::make_unique<PageDriver>();
        driver_->openPage(1);
    }
    void cleanupTestCase() { driver_.reset(); }

    void compute_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("three readings above the standard")
            << QStringList{"10.2", "10.3", "10.1", "10.0", "50"} << QStringList{"10.20", "0.40"};
        QTest::newRow("one reading, two blank")
            << QStringList{"10.2", "", "", "10.0", "50"} << QStringList{"10.20", "0.40"};
        QTest::newRow("one reading in the last box")
            << QStringList{"", "", "10.2", "10.0", "50"} << QStringList{"10.20", "0.40"};
        QTest::newRow("readings below the standard")
            << QStringList{"9.7", "9.8", "9.9", "10.0", "20"} << QStringList{"9.80", "-1.00"};
        QTest::newRow("a zero reading is counted")
            << QStringList{"0", "10", "20", "10", "50"} << QStringList{"10.00", "0.00"};
        QTest::newRow("negative readings are counted")
            << QStringList{"-1", "1", "3", "0", "100"} << QStringList{"1.00", "1.00"};
        QTest::newRow("blank range")
            << QStringList{"10.2", "10.3", "10.1", "10.0", ""} << QStringList{"10.20", "1.#INF"};
        QTest::newRow("mean equals standard, blank range")
            << QStringList{"10", "10", "10", "10", ""} << QStringList{"10.00", "-1.#IND"};
        QTest::newRow("no readings")
            << QStringList{"", "", "", "10.0", "50"} << QStringList{"-1.#IND", "-1.#IND"};
    }
    void compute() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        driver_->checkComputation(kInputs, inputs, "按钮3", kResults, results);
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::IndicationErrorPageTest)
#include "indication_error_page_test.moc"
