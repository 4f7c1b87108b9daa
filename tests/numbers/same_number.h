// Comparing doubles in tests: NaN matches NaN, and the sign of zero counts.
#pragma once

#include <QByteArray>
#include <cmath>
#include <cstdio>

inline bool sameNumber(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

inline QByteArray describeNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}
