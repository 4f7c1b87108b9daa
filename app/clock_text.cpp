#include "app/clock_text.h"

#include <chrono>
#include <cmath>

namespace tessaril {

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr sys_days kDayZero{std::chrono::year{1899} / 12 / 30};
constexpr long long kFirstDay = (sys_days{std::chrono::year{100} / 1 / 1} - kDayZero).count();
constexpr long long kLastDay = (sys_days{std::chrono::year{9999} / 12 / 31} - kDayZero).count();

// A date-time as its day and its second of that day.
struct DayAndSecond {
    long long day;
    int second;
};

// Clamps to 0100-01-01 00:00:00 .. 9999-12-31 00:00:00 and rounds to the nearest second.
// Before day zero the whole part counts days backwards while the fraction still counts
// the time forwards from the start of that day (-1.25 is 1899-12-29 06:00), so the day
// and its time are taken apart first and a rounded-up 24:00 moves to the next day.
DayAndSecond splitDateTime(double value) {
    if (!(value > static_cast<double>(kFirstDay - 1))) return {kFirstDay, 0};  // NaN too
    if (value >= static_cast<double>(kLastDay)) return {kLastDay, 0};
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    auto day = static_cast<long long>(whole);
    auto second = static_cast<int>(std::floor(fraction * kSecondsPerDay + 0.5));
    if (second == kSecondsPerDay) {
        ++day;
        second = 0;
    }
    return {day, second};
}

sys_days dateOf(const DayAndSecond& dateTime) { return kDayZero + days{dateTime.day}; }

}  // namespace

double dateTimeValue(int year, int month, int day, int hour, int minute, int second) {
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    const auto dayNumber = static_cast<double>((sys_days{date} - kDayZero).count());
    const double timeOfDay = (hour * 3600 + minute * 60 + second) / double{kSecondsPerDay};
    return dayNumber < 0 ? dayNumber - timeOfDay : dayNumber + timeOfDay;
}

std::string timeToText(double dateTime) {
    const DayAndSecond split = splitDateTime(dateTime);
    const std::chrono::year_month_day date{dateOf(split)};
    const int hour = split.second / 3600;
    const int minute = split.second / 60 % 60;
    const int second = split.second % 60;

    std::string text = std::to_string(static_cast<int>(date.year())) + "年" +
                       std::to_string(static_cast<unsigned>(date.month())) + "月" +
                       std::to_string(static_cast<unsigned>(date.day())) + "日";
    if (second != 0) {
        text += std::to_string(hour) + "时" + std::to_string(minute) + "分" +
                std::to_string(second) + "秒";
    } else if (minute != 0) {
        text += std::to_string(hour) + "时" + std::to_string(minute) + "分";
    } else if (hour != 0) {
        text += std::to_string(hour) + "时";
    }
    return text;
}

int dayOfWeek(double dateTime) {
    return static_cast<int>(std::chrono::weekday{dateOf(splitDateTime(dateTime))}.c_encoding()) + 1;
}

}  // namespace tessaril
