#include "numbers/decimal_figure.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace tessaril {
namespace {

constexpr int kMaxTieShift = 25;  // 5^26 > 10^18

constexpr std::array<std::uint64_t, kMaxTieShift + 1> kPowersOfFive = [] {
    std::array<std::uint64_t, kMaxTieShift + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kMaxTieShift; ++i) powers[i] = powers[i - 1] * 5;
    return powers;
}();

constexpr std::uint64_t kTenTo17 = 100'000'000'000'000'000;
constexpr std::uint64_t kTenTo18 = 1'000'000'000'000'000'000;

// A magnitude whose exact expansion has exactly 18 significant digits lies
// halfway between two 17-digit figures (such expansions always end in 5).
// Write the magnitude as k / 2^j with k odd: it is an integer when j <= 0, and
// a representable integer never has 18 significant digits ending in 5 (its odd
// part would exceed 2^53). Otherwise its exact expansion is the digits of
// k * 5^j shifted j places right, which fits 64 bits whenever it has 18 digits.
struct Tie {
    std::uint64_t digits;  // the 18 significant digits as an integer; 0: no tie
    int shift;             // value = digits / 10^shift
};

Tie tieAtSeventeenDigits(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    std::uint64_t k = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        k |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    if (k == 0) return {};
    const int zeros = std::countr_zero(k);
    k >>= zeros;
    exponent += zeros;
    const int j = -exponent;
    if (j <= 0 || j > kMaxTieShift || k > (kTenTo18 - 1) / kPowersOfFive[j]) return {};
    const std::uint64_t digits = k * kPowersOfFive[j];
    if (digits < kTenTo17) return {};
    return {digits, j};
}

// The 17-digit figure, digits as an ASCII array and the decimal exponent.
struct Figure17 {
    std::array<char, 17> digits;
    int exponent;
};

Figure17 figure17(double magnitude) {
    Figure17 figure{};
    if (const Tie tie = tieAtSeventeenDigits(magnitude); tie.digits != 0) {
        // Round the tie up; the only carry out gives 10^17.
        const std::uint64_t up = tie.digits / 10 + 1;
        figure.exponent = 17 - tie.shift;
        if (up == kTenTo17) {
            figure.digits.fill('0');
            figure.digits[0] = '1';
            ++figure.exponent;
        } else {
            std::to_chars(figure.digits.data(), figure.digits.data() + figure.digits.size(), up);
        }
        return figure;
    }
    // to_chars rounds the exact expansion correctly; it breaks ties to even,
    // which the case above has already taken out, so this is also the
    // halves-up figure. The text is "d.dddddddddddddddde+xx".
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 16).ptr;
    figure.digits[0] = text[0];
    std::memcpy(figure.digits.data() + 1, text + 2, 16);
    const char* exponentText = text + 19;
    const bool negative = *exponentText == '-';
    std::from_chars(exponentText + 1, end, figure.exponent);
    if (negative) figure.exponent = -figure.exponent;
    return figure;
}

}  // namespace

DecimalFigure decimalFigure(double magnitude) {
    const Figure17 wide = figure17(magnitude);
    DecimalFigure figure{};
    std::memcpy(figure.digits.data(), wide.digits.data(), figure.digits.size());
    figure.exponent = wide.exponent;
    if (wide.digits[13] >= '5') {
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
