// Text to numbers: the numeric prefix converted to the nearest double.
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "numbers/number_prefix.h"
#include "numbers/numbers.h"
#include "numbers/reading.h"

namespace tessaril {
namespace {

// 0.d x 10^e is above the largest double for e > 309 and below half the
// smallest subnormal (about 2.5e-324) for e < -323.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -324;

double magnitudeOf(const NumberPrefix& prefix) {
    if (prefix.digits.empty()) return 0;
    if (prefix.exponent >= kOverflowExponent) return std::numeric_limits<double>::infinity();
    if (prefix.exponent <= kUnderflowExponent) return 0;

    // "0.<digits>e<exponent>": at most 801 digits and a short exponent.
    char text[NumberPrefix::kMaxDigits + 16];
    char* out = text;
    *out++ = '0';
    *out++ = '.';
    out += prefix.digits.copy(out, prefix.digits.size());
    *out++ = 'e';
    out = std::to_chars(out, text + sizeof text, prefix.exponent).ptr;

    // from_chars rounds the exact decimal value to the nearest double, with
    // gradual underflow; it leaves the value alone when the result overflows
    // or underflows to zero.
    double value = 0;
    if (std::from_chars(text, out, value).ec == std::errc::result_out_of_range) {
        value = prefix.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

std::optional<double> textToReading(std::string_view text) {
    const std::optional<NumberPrefix> prefix = readNumberPrefix(text);
    if (!prefix) return std::nullopt;
    const double magnitude = magnitudeOf(*prefix);
    return prefix->negative ? -magnitude : magnitude;
}

double textToNumber(std::string_view text) { return textToReading(text).value_or(0.0); }

}  // namespace tessaril
