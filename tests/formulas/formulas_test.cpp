// The pages' formulas, compared as the texts the pages show.
#include "pages/formulas.h"

#include <QtTest>
#include <vector>

#include "numbers/numbers.h"

using namespace tessaril;

namespace {

// Box texts as the page reads them: a blank box holds no reading.
std::vector<Reading> readingsOf(const QStringList& boxes) {
    std::vector<Reading> readings;
    for (const QString& box : boxes) {
        readings.push_back(box.isEmpty() ? Reading{} : Reading{box.toDouble()});
    }
    return readings;
}

// A box read as a plain number: blank reads 0.
double numberOf(const QString& box) { return box.toDouble(); }

QString fixedText(double value) { return QString::fromStdString(numberToFixedText(value, 2)); }

}  // namespace

class FormulasTest : public QObject {
    Q_OBJECT

private slots:
    void repeatability_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("deviation");

        QTest::newRow("six readings")
            << QStringList{"10.0", "10.1", "9.9", "10.0", "10.2", "9.8"} << "10.00"
            << "1.41";
        QTest::newRow("six readings near 100")
            << QStringList{"100.2", "100.5", "99.8", "100.1", "100.0", "99.9"} << "100.08"
            << "0.25";
        QTest::newRow("three equal readings") << QStringList{"5", "5", "5", "", "", ""} << "5.00"
                                              << "0.00";
        QTest::newRow("three readings, gaps between")
            << QStringList{"", "49.8", "", "50.0", "50.3", ""} << "50.03"
            << "0.50";
        QTest::newRow("a zero reading counts")
            << QStringList{"0", "10", "20", "", "", ""} << "10.00"
            << "100.00";
        QTest::newRow("one reading") << QStringList{"7", "", "", "", "", ""} << "7.00"
                                     << "-1.#IND";
        QTest::newRow("all empty") << QStringList{"", "", "", "", "", ""} << "-1.#IND"
                                   << "-1.#IND";
        QTest::newRow("zero mean") << QStringList{"-5", "5", "", "", "", ""} << "0.00"
                                   << "1.#INF";
    }
    void repeatability() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, mean);
        QFETCH(QString, deviation);
        const auto result = tessaril::repeatability(readingsOf(boxes));
        QCOMPARE(fixedText(result.mean), mean);
        QCOMPARE(fixedText(result.relativeDeviation), deviation);
    }

    void indicationError_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("standardValue");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("error");

        QTest::newRow("three readings") << QStringList{"10.2", "10.3", "10.1"} << "10.0"
                                        << "50"
                                        << "10.20"
                                        << "0.40";
        QTest::newRow("one reading") << QStringList{"10.2", "", ""} << "10.0"
                                     << "50"
                                     << "10.20"
                                     << "0.40";
        QTest::newRow("below the standard") << QStringList{"9.7", "9.8", "9.9"} << "10.0"
                                            << "20"
                                            << "9.80"
                                            << "-1.00";
        QTest::newRow("a zero reading counts") << QStringList{"10.2", "0", ""} << "10.0"
                                               << "50"
                                               << "5.10"
                                               << "-9.80";
        QTest::newRow("negative readings count") << QStringList{"-0.3", "-0.1", "-0.2"} << "-0.5"
                                                 << "10"
                                                 << "-0.20"
                                                 << "3.00";
        QTest::newRow("empty range") << QStringList{"10.2", "10.3", "10.1"} << "10.0"
                                     << ""
                                     << "10.20"
                                     << "1.#INF";
        QTest::newRow("empty range, no error") << QStringList{"10", "10", "10"} << "10"
                                               << ""
                                               << "10.00"
                                               << "-1.#IND";
        QTest::newRow("all readings empty") << QStringList{"", "", ""} << "10.0"
                                            << "50"
                                            << "-1.#IND"
                                            << "-1.#IND";
    }
    void indicationError() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, standardValue);
        QFETCH(QString, range);
        QFETCH(QString, mean);
        QFETCH(QString, error);
        const auto result =
            tessaril::indicationError(readingsOf(boxes), numberOf(standardValue), numberOf(range));
        QCOMPARE(fixedText(result.mean), mean);
        QCOMPARE(fixedText(result.errorPercent), error);
    }

    void zeroSpanDrift_data() {
        QTest::addColumn<QStringList>("boxes");  // Z0, Zi, S0, Si, R
        QTest::addColumn<QString>("zeroDrift");
        QTest::addColumn<QString>("spanDrift");

        QTest::newRow("both up") << QStringList{"0.1", "0.3", "80.0", "80.5", "100"} << "0.20"
                                 << "0.30";
        QTest::newRow("from zero") << QStringList{"0", "0.5", "50", "50.8", "100"} << "0.50"
                                   << "0.30";
        QTest::newRow("both down") << QStringList{"1.2", "1.0", "60", "59.5", "200"} << "-0.10"
                                   << "-0.15";
        QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << "-1.#IND"
                                   << "-1.#IND";
        QTest::newRow("empty range") << QStringList{"0", "1", "50", "51", ""} << "1.#INF"
                                     << "-1.#IND";
    }
    void zeroSpanDrift() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, zeroDrift);
        QFETCH(QString, spanDrift);
        const auto result =
            tessaril::zeroSpanDrift(numberOf(boxes[0]), numberOf(boxes[1]), numberOf(boxes[2]),
                                    numberOf(boxes[3]), numberOf(boxes[4]));
        QCOMPARE(fixedText(result.zeroDrift), zeroDrift);
        QCOMPARE(fixedText(result.spanDrift), spanDrift);
    }

    void sumAndMean_data() {
        QTest::addColumn<QStringList>("boxes");  // C1 ... C10
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("mean");

        QTest::newRow("four readings")
            << QStringList{"1", "2", "3", "4", "", "", "", "", "", ""} << "10.00"
            << "2.50";
        QTest::newRow("all ten") << QStringList(10, "2.5") << "25.00"
                                 << "2.50";
        QTest::newRow("a negative reading counts")
            << QStringList{"1.5", "2.5", "-1", "", "", "", "", "", "", "7"} << "10.00"
            << "2.50";
        QTest::newRow("gaps between")
            << QStringList{"", "", "", "", "3", "", "", "", "6", ""} << "9.00"
            << "4.50";
        QTest::newRow("zero readings count")
            << QStringList{"0", "0", "", "", "", "", "", "", "", ""} << "0.00"
            << "0.00";
        QTest::newRow("one negative reading")
            << QStringList{"-4", "", "", "", "", "", "", "", "", ""} << "-4.00"
            << "-4.00";
        QTest::newRow("none") << QStringList(10, "") << "0.00"
                              << "-1.#IND";
    }
    void sumAndMean() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, sum);
        QFETCH(QString, mean);
        const auto result = tessaril::sumAndMean(readingsOf(boxes));
        QCOMPARE(fixedText(result.sum), sum);
        QCOMPARE(fixedText(result.mean), mean);
    }

    // The readings are summed with a 64-bit significand and rounded once: summed in
    // doubles, each 1 would be lost against 1e16.
    void sumIsRoundedOnce() {
        const std::vector<Reading> readings{1e16, 1.0, 1.0};
        QCOMPARE(static_cast<qint64>(tessaril::sumAndMean(readings).sum),
                 Q_INT64_C(10000000000000002));
    }

    void logBase_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("10, 1000") << "10"
                                  << "1000"
                                  << "3";
        QTest::newRow("2, 8") << "2"
                              << "8"
                              << "3";
        QTest::newRow("base 1") << "1"
                                << "10"
                                << "1.#INF";
        QTest::newRow("base 1 of 1") << "1"
                                     << "1"
                                     << "-1.#IND";
        QTest::newRow("empty base") << ""
                                    << "100"
                                    << "0";
    }
    void logBase() {
        QFETCH(QString, base);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(
                     numberToText(tessaril::logBase(numberOf(base), numberOf(value)))),
                 text);
    }
};

QTEST_GUILESS_MAIN(FormulasTest)
#include "formulas_test.moc"
