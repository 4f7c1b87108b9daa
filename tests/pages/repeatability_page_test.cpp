// Page 0 end to end: readings typed into C1 to C6, mean and S_r shown after 计算.
#include <QTest>
#include <array>

#include "page_driver.h"

namespace tessaril {

class RepeatabilityPageTest : public QObject {
    Q_OBJECT

    static constexpr std::array kReadings{"编辑框3", "编辑框4", "编辑框5",
                                          "编辑框6", "编辑框7", "编辑框8"};
    static constexpr std::array kResults{"编辑框1", "编辑框2"};  // mean, S_r
    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() {
        driver_ = std::make_unique<PageDriver>();
        driver_->openPage(0);
    }
    void cleanupTestCase() { driver_.reset(); }

    void compute_data() {
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("results");
        // Sample standard deviation (divisor N - 1) relative to the mean, in percent.
        QTest::newRow("six readings around 10")
            << QStringList{"10.0", "10.1", "9.9", "10.0", "10.2", "9.8"}
            << QStringList{"10.00", "1.41"};
        QTest::newRow("six readings around 100")
            << QStringList{"100.2", "100.5", "99.8", "100.1", "100.0", "99.9"}
            << QStringList{"100.08", "0.25"};
        QTest::newRow("three readings, the rest blank")
            << QStringList{"49.8", "50.0", "50.3"} << QStringList{"50.03", "0.50"};
        QTest::newRow("three equal readings")
            << QStringList{"5", "5", "5"} << QStringList{"5.00", "0.00"};
        QTest::newRow("gaps between the readings")
            << QStringList{"", "49.8", "", "50.0", "", "50.3"} << QStringList{"50.03", "0.50"};
        QTest::newRow("a zero reading is counted")
            << QStringList{"0", "2", "4"} << QStringList{"2.00", "100.00"};
        QTest::newRow("one reading") << QStringList{"7"} << QStringList{"7.00", "-1.#IND"};
        QTest::newRow("all blank") << QStringList{} << QStringList{"-1.#IND", "-1.#IND"};
        QTest::newRow("mean of zero") << QStringList{"-5", "5"} << QStringList{"0.00", "1.#INF"};
        QTest::newRow("negative readings")
            << QStringList{"-10.0", "-10.1", "-9.9"} << QStringList{"-10.00", "-1.00"};
    }
    void compute() {
        QFETCH(QStringList, readings);
        QFETCH(QStringList, results);
        driver_->checkComputation(kReadings, readings, "按钮1", kResults, results);
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::RepeatabilityPageTest)
#include "repeatability_page_test.moc"
