#include "numbers/decimal_figure.h"

#include <charconv>
#include <cstring>

namespace tessaril {

DecimalFigure decimalFigure(double magnitude) {
    // to_chars gives the exact expansion correctly rounded to 17 significant
    // digits, as "d.dddddddddddddddde+xx". It breaks exact ties to even where
    // halves go up, but that never changes the 13-digit figure: a tie needs an
    // expansion of exactly 18 digits ending in 5. A representable integer has
    // none (its odd part would exceed 2^53), so the magnitude is k / 2^j with k
    // odd and j >= 2, whose expansion k * 5^j / 10^j ends in 25 or 75. The
    // 17th digit is then 2 or 7 and becomes 2, 3 or 8 without a carry, and the
    // 14th digit, which alone decides the next rounding, stays as it is.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 16).ptr;

    DecimalFigure figure{};
    figure.digits[0] = text[0];
    std::memcpy(figure.digits.data() + 1, text + 2, figure.digits.size() - 1);
    const char* exponent = text + 19;  // the exponent's sign
    std::from_chars(exponent + 1, end, figure.exponent);
    if (*exponent == '-') figure.exponent = -figure.exponent;

    // The 17-digit figure to 13 digits, halves up.
    if (text[14] >= '5') {
        int i = 12;
        while (i >= 0 && figure.digits[i] == '9') figure.digits[i--] = '0';
        if (i >= 0) {
            ++figure.digits[i];
        } else {
            figure.digits[0] = '1';
            ++figure.exponent;
        }
    }
    return figure;
}

}  // namespace tessaril
