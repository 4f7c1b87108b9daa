// Page 3 end to end: up to ten readings typed in, their sum and the mean of the
// entered ones shown after 计算.
#include <QTest>
#include <array>

#include "page_driver.h"

namespace tessaril {

class AveragePageTest : public QObject {
    Q_OBJECT

    // C1 to C6 sit in the right-hand group, C7 to C10 under the results.
    static constexpr std::array kReadings{"编辑框31", "编辑框30", "编辑框29", "编辑框28",
                                          "编辑框27", "编辑框26", "编辑框24", "编辑框34",
                                          "编辑框33", "编辑框32"};
    static constexpr std::array kResults{"编辑框35", "编辑框25"};  // sum, mean
    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() {
        driver_ = std::make_unique<PageDriver>();
        driver_->openPage(3);
    }
    void cleanupTestCase() { driver_.reset(); }

    void compute_data() {
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("C1 to C4") << QStringList{"1", "2", "3", "4"}
                                  << QStringList{"10.00", "2.50"};
        QTest::newRow("all ten") << QStringList(10, "2.5") << QStringList{"25.00", "2.50"};
        QTest::newRow("a negative reading is counted")
            << QStringList{"1.5", "2.5", "-1", "", "", "", "", "", "", "7"}
            << QStringList{"10.00", "2.50"};
        QTest::newRow("a zero reading is counted")
            << QStringList{"0", "4"} << QStringList{"4.00", "2.00"};
        QTest::newRow("C7 alone") << QStringList{"", "", "", "", "", "", "3"}
                                  << QStringList{"3.00", "3.00"};
        QTest::newRow("C10 alone") << QStringList{"", "", "", "", "", "", "", "", "", "8.125"}
                                   << QStringList{"8.13", "8.13"};
        QTest::newRow("one negative reading") << QStringList{"-4"} << QStringList{"-4.00", "-4.00"};
        QTest::newRow("readings summing to zero")
            << QStringList{"-2", "2"} << QStringList{"0.00", "0.00"};
        QTest::newRow("none") << QStringList{} << QStringList{"0.00", "-1.#IND"};
    }
    void compute() {
        QFETCH(QStringList, readings);
        QFETCH(QStringList, results);
        driver_->checkComputation(kReadings, readings, "按钮5", kResults, results);
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::AveragePageTest)
#include "average_page_test.moc"
