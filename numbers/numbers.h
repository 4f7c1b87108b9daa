// The number core: conversions between box text and numbers, and the
// elementary functions. Plain C++; text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tessaril {

double      textToNumber(std::string_view text);
std::string numberToText(double value);
std::string numberToFixedText(double value, int decimals);
double      power(double base, double exponent);
double      squareRoot(double x);
double      naturalLog(double x);
double      naturalAntilog(double x);

}  // namespace tessaril
