// Comparing doubles in tests: NaN matches NaN, and the sign of zero counts.
#pragma once

#include <QByteArray>
#include <cmath>
#include <cstdio>
#include <limits>

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline bool sameNumber(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

inline QByteArray describeNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}
