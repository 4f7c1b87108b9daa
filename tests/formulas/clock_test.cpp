// The clock panel driven by a fake clock, and the date-time texts it writes.
#include "app/clock.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/clock_panel.h"
#include "app/clock_text.h"

using namespace tessaril;

namespace {

// Hands out its readings one per call and then keeps repeating the last one.
class FakeClock : public Clock {
public:
    explicit FakeClock(QList<QDateTime> readings) : readings_(std::move(readings)) {}
    QDateTime localNow() const override {
        const QDateTime reading = readings_.at(next_);
        if (next_ + 1 < readings_.size()) ++next_;
        return reading;
    }

private:
    QList<QDateTime> readings_;
    mutable qsizetype next_ = 0;
};

void useClock(QList<QDateTime> readings) {
    Clock::setInstance(std::make_unique<FakeClock>(std::move(readings)));
}

QDateTime at(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

}  // namespace

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Clock::setInstance(nullptr); }

    void systemClockDropsMilliseconds() {
        QCOMPARE(Clock::instance().localNow().time().msec(), 0);
        QVERIFY(qAbs(Clock::instance().localNow().secsTo(QDateTime::currentDateTime())) <= 2);
    }

    void timerIsNamedAndRunning() {
        QLabel timeLabel;
        QLabel dayLabel;
        ClockPanel panel(timeLabel, dayLabel, nullptr);
        const auto* timer = panel.findChild<QTimer*>(QStringLiteral("时钟1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
        QVERIFY(!timer->isSingleShot());
        QVERIFY(timeLabel.text().isEmpty());
        QVERIFY(dayLabel.text().isEmpty());
    }

    void timerRefreshesTheLabels() {
        useClock({at(2015, 2, 1, 12, 0, 0)});
        QLabel timeLabel;
        QLabel dayLabel;
        ClockPanel panel(timeLabel, dayLabel, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(timeLabel.text(), QStringLiteral("2015年2月1日12时"), 10000);
        QCOMPARE(dayLabel.text(), QStringLiteral("0"));
    }

    void refreshWritesDateAndDay_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("dayText");

        QTest::newRow("seconds") << at(2015, 1, 30, 14, 5, 9) << "2015年1月30日14时5分9秒"
                                 << "5";
        QTest::newRow("minutes") << at(2015, 1, 30, 14, 5, 0) << "2015年1月30日14时5分"
                                 << "5";
        QTest::newRow("hour") << at(2015, 1, 30, 14, 0, 0) << "2015年1月30日14时"
                              << "5";
        QTest::newRow("midnight") << at(2015, 1, 30, 0, 0, 0) << "2015年1月30日"
                                  << "5";
        QTest::newRow("seconds after midnight")
            << at(2015, 1, 30, 0, 0, 7) << "2015年1月30日0时0分7秒"
            << "5";
        QTest::newRow("minutes after midnight") << at(2015, 1, 30, 0, 7, 0) << "2015年1月30日0时7分"
                                                << "5";
        QTest::newRow("zero minutes kept") << at(2015, 1, 30, 9, 0, 30) << "2015年1月30日9时0分30秒"
                                           << "5";
        QTest::newRow("sunday") << at(2015, 2, 1, 23, 59, 59) << "2015年2月1日23时59分59秒"
                                << "0";
        QTest::newRow("saturday") << at(2015, 1, 31, 8, 0, 0) << "2015年1月31日8时"
                                  << "6";
        QTest::newRow("day zero") << at(1899, 12, 30, 0, 0, 0) << "1899年12月30日"
                                  << "6";
        QTest::newRow("before day zero") << at(1899, 12, 29, 6, 0, 0) << "1899年12月29日6时"
                                         << "5";
        QTest::newRow("first day, afternoon") << at(100, 1, 1, 13, 30, 0) << "100年1月1日13时30分"
                                              << "5";
        QTest::newRow("before the first day") << at(99, 12, 31, 23, 59, 59) << "100年1月1日"
                                              << "5";
        QTest::newRow("last day, evening") << at(9999, 12, 31, 18, 0, 0) << "9999年12月31日"
                                           << "5";
        QTest::newRow("after the last day") << at(10000, 6, 1, 12, 0, 0) << "9999年12月31日"
                                            << "5";
    }
    void refreshWritesDateAndDay() {
        QFETCH(QDateTime, now);
        QFETCH(QString, timeText);
        QFETCH(QString, dayText);
        useClock({now});
        QLabel timeLabel;
        QLabel dayLabel;
        ClockPanel panel(timeLabel, dayLabel, nullptr);
        panel.refreshClock();
        QCOMPARE(timeLabel.text(), timeText);
        QCOMPARE(dayLabel.text(), dayText);
    }

    // Each tick reads the clock once: the date text and the day number change together.
    void tickAcrossMidnight() {
        useClock({at(2015, 1, 31, 23, 59, 59), at(2015, 2, 1, 0, 0, 0)});
        QLabel timeLabel;
        QLabel dayLabel;
        ClockPanel panel(timeLabel, dayLabel, nullptr);

        panel.refreshClock();
        QCOMPARE(timeLabel.text(), QStringLiteral("2015年1月31日23时59分59秒"));
        QCOMPARE(dayLabel.text(), QStringLiteral("6"));

        panel.refreshClock();
        QCOMPARE(timeLabel.text(), QStringLiteral("2015年2月1日"));
        QCOMPARE(dayLabel.text(), QStringLiteral("0"));
    }

    // Values between whole seconds; before day zero the fraction still counts the time
    // forwards from the start of the day.
    void textOfFractionalValue_data() {
        constexpr double kSecond = 1.0 / 86400;
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("day");

        const double afternoon = dateTimeValue(2015, 1, 30, 14, 5, 8);
        QTest::newRow("over half rounds up")
            << afternoon + 0.6 * kSecond << "2015年1月30日14时5分9秒" << 6;
        QTest::newRow("under half rounds down")
            << afternoon + 0.4 * kSecond << "2015年1月30日14时5分8秒" << 6;
        QTest::newRow("rounds into the next day")
            << dateTimeValue(2015, 1, 31, 23, 59, 59) + 0.6 * kSecond << "2015年2月1日" << 1;
        QTest::newRow("quarter day before day zero") << -1.25 << "1899年12月29日6时" << 6;
        QTest::newRow("negative value rounds into the next day")
            << -2.0 - 86399.6 * kSecond << "1899年12月29日" << 6;
        QTest::newRow("negative value rounds up a second")
            << -1.0 - 21599.6 * kSecond << "1899年12月29日6时" << 6;
    }
    void textOfFractionalValue() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(int, day);
        QCOMPARE(QString::fromStdString(timeToText(value)), text);
        QCOMPARE(dayOfWeek(value), day);
    }

    void dateTimeValueCountsFromDayZero() {
        QCOMPARE(dateTimeValue(1899, 12, 30, 0, 0, 0), 0.0);
        QCOMPARE(dateTimeValue(1900, 1, 1, 18, 0, 0), 2.75);
        QCOMPARE(dateTimeValue(1899, 12, 29, 6, 0, 0), -1.25);
        QCOMPARE(dateTimeValue(2015, 1, 30, 0, 0, 0), 42034.0);
    }
};

QTEST_MAIN(ClockTest)
#include "clock_test.moc"
