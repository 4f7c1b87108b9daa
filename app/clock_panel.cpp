#include "app/clock_panel.h"

#include <QLabel>

#include "app/clock.h"
#include "app/clock_text.h"
#include "numbers/number_boxes.h"
#include "numbers/numbers.h"

namespace tessaril {

ClockPanel::ClockPanel(QLabel& timeLabel, QLabel& dayLabel, QObject* parent)
    : QObject(parent), timeLabel_(timeLabel), dayLabel_(dayLabel), timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("时钟1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &ClockPanel::refreshClock);
    timer_->start();
}

void ClockPanel::refreshClock() {
    // One reading serves both labels, so the date and the day number always agree.
    const QDateTime now = Clock::instance().localNow();
    const QDate date = now.date();
    const QTime time = now.time();
    const double value = dateTimeValue(date.year(), date.month(), date.day(), time.hour(),
                                       time.minute(), time.second());
    writeBoxText(timeLabel_, timeToText(value));
    writeBoxText(dayLabel_, numberToText(dayOfWeek(value) - 1));
}

}  // namespace tessaril
