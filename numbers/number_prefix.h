// The numeric prefix of a text, split into the parts a correctly rounding
// conversion needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaril {

// value = (negative ? -1 : 1) * 0.digits * 10^exponent
struct NumberPrefix {
    bool negative = false;
    // Significant digits without leading or trailing zeros; empty for zero.
    // Past kMaxDigits a nonzero rest is replaced by one digit 1: a double or a
    // halfway point between two doubles has at most 767 significant digits,
    // so the shortened value lies on the same side of each of them.
    std::string digits;
    std::int64_t exponent = 0;

    static constexpr std::size_t kMaxDigits = 800;
};

// Folds full-width characters, skips leading white space and reads the longest
// number at the start: sign, digits with at most one point, and an exponent
// with e, E, d or D. Nothing when the text does not start with a number.
std::optional<NumberPrefix> readNumberPrefix(std::string_view text);

}  // namespace tessaril
