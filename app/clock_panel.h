// The clock: its timer 时钟1 rewrites the date-time label and the day-of-week
// label once a second.
#pragma once

#include <QObject>
#include <QTimer>

class QLabel;

namespace tessaril {

class ClockPanel : public QObject {
    Q_OBJECT
public:
    // Starts the 1000 ms timer; both labels stay as they are until the first tick.
    ClockPanel(QLabel& timeLabel, QLabel& dayLabel, QObject* parent);

    void refreshClock();

private:
    QLabel& timeLabel_;
    QLabel& dayLabel_;
    QTimer* timer_;  // 时钟1, a child of this panel
};

}  // namespace tessaril
