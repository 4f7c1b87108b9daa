// Numbers to text: the general form with 13 significant digits and the form
// with a fixed number of decimals.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "numbers/decimal_figure.h"
#include "numbers/extended_precision.h"
#include "numbers/numbers.h"

namespace tessaril {
namespace {

constexpr int kDigits = 13;
constexpr int kMaxRoundingDecimals = 22;  // 10^22 is the largest exact power of ten

constexpr std::array<double, kMaxRoundingDecimals + 1> kPowersOfTen = [] {
    std::array<double, kMaxRoundingDecimals + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kMaxRoundingDecimals; ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

void appendExponent(std::string& text, int exponent) {
    text += 'e';
    text += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);  // at most 324
    text += static_cast<char>('0' + magnitude / 100);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
}

// Halves away from zero, and a scaled value within 1e-12 below a half rounds
// up too. Each step's result is rounded to a double.
double roundToDecimals(double value, int decimals) {
    if (value == 0 || !std::isfinite(value)) return value;
    const double scale = kPowersOfTen[std::min(decimals, kMaxRoundingDecimals)];
    // A double product and quotient are the exact ones rounded once; carrying
    // them in long double first could round twice.
    const double scaled = std::fabs(value) * scale;
    // A magnitude this large has no decimals left to round; without this it
    // would overflow and show as infinity.
    if (std::isinf(scaled)) return value;
    const double nudged = static_cast<double>(Extended{scaled} + 1e-12L);
    const double whole = std::floor(nudged);
    // nudged - whole is exact: below 1 it is nudged itself, above it the two
    // lie within a factor of two of each other.
    const double rounded = nudged - whole >= 0.5 ? whole + 1 : whole;
    const double result = rounded / scale;
    return std::signbit(value) ? -result : result;
}

}  // namespace

std::string numberToText(double value) {
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
    if (value == 0) return "0";

    const DecimalFigure figure = decimalFigure(std::fabs(value));
    const auto& digits = figure.digits;
    const int m = figure.exponent;
    int used = kDigits;
    while (used > 1 && digits[used - 1] == '0') --used;

    std::string text;
    text.reserve(24);
    if (value < 0) text += '-';
    if (m < -4 || m >= kDigits) {
        text += digits[0];
        if (used > 1) {
            text += '.';
            text.append(digits.data() + 1, used - 1);
        }
        appendExponent(text, m);
    } else if (m < 0) {
        text += "0.";
        text.append(-m - 1, '0');
        text.append(digits.data(), used);
    } else {
        const int whole = m + 1;
        text.append(digits.data(), whole);
        if (used > whole) {
            text += '.';
            text.append(digits.data() + whole, used - whole);
        }
    }
    return text;
}

// Pads the digits to the requested number of decimals; in an exponent form the
// zeros go before the "e". No decimals asked: no point is added.
std::string numberToFixedText(double value, int decimals) {
    decimals = std::max(decimals, 0);
    const double rounded = roundToDecimals(value, decimals);
    std::string text = numberToText(rounded);
    if (!std::isfinite(rounded) || decimals == 0) return text;

    const std::size_t end = std::min(text.find('e'), text.size());
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        text.insert(end, 1, '.');
        text.insert(end + 1, decimals, '0');
    } else if (const std::size_t after = end - point - 1; after < std::size_t(decimals)) {
        text.insert(end, decimals - after, '0');
    }
    return text;
}

}  // namespace tessaril
