// The clock's date-time value and its texts. A date-time is a count of days
// since 1899-12-30 00:00 with the time of day as the fraction of a day.
#pragma once

#include <string>

namespace tessaril {

double dateTimeValue(int year, int month, int day, int hour, int minute, int second);

// "2015年1月30日14时5分9秒", in the shortest form that loses nothing.
std::string timeToText(double dateTime);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(double dateTime);

}  // namespace tessaril
