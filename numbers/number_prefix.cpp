#include "numbers/number_prefix.h"

#include <algorithm>

namespace tessaril {
namespace {

constexpr char kStop = '\x7f';  // stands for any character that ends a number
constexpr std::int64_t kExponentCap = 1'000'000'000'000;  // far beyond any double

// Walks UTF-8 text one character at a time, folding the ideographic space and
// the full-width forms U+FF01..U+FF5D to ASCII; other non-ASCII reads as kStop.
class FoldedText {
public:
    explicit FoldedText(std::string_view text) : text_(text) {}

    // The current character, or kStop at the end.
    char peek() const {
        if (pos_ >= text_.size()) return kStop;
        const auto lead = static_cast<unsigned char>(text_[pos_]);
        if (lead < 0x80) return static_cast<char>(lead);
        if (pos_ + 2 >= text_.size()) return kStop;
        const auto second = static_cast<unsigned char>(text_[pos_ + 1]);
        const auto third = static_cast<unsigned char>(text_[pos_ + 2]);
        if (lead == 0xE3 && second == 0x80 && third == 0x80) return ' ';  // U+3000
        if (lead == 0xEF && second == 0xBC && third >= 0x81 && third <= 0xBF) {
            return static_cast<char>(third - 0x81 + 0x21);  // U+FF01..U+FF3F
        }
        if (lead == 0xEF && second == 0xBD && third >= 0x80 && third <= 0x9D) {
            return static_cast<char>(third - 0x80 + 0x60);  // U+FF40..U+FF5D
        }
        return kStop;
    }

    // Moves past the current character; only after peek() gave one.
    void next() { pos_ += static_cast<unsigned char>(text_[pos_]) < 0x80 ? 1 : 3; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSpace(char c) {
    return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

// Reads the optional exponent; leaves `text` where it was when none follows.
std::int64_t readExponent(FoldedText& text) {
    FoldedText ahead = text;
    const char letter = ahead.peek();
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return 0;
    ahead.next();
    bool negative = false;
    if (ahead.peek() == '+' || ahead.peek() == '-') {
        negative = ahead.peek() == '-';
        ahead.next();
    }
    if (!isDigit(ahead.peek())) return 0;
    std::int64_t magnitude = 0;
    for (char c; isDigit(c = ahead.peek()); ahead.next()) {
        magnitude = std::min(magnitude * 10 + (c - '0'), kExponentCap);
    }
    text = ahead;
    return negative ? -magnitude : magnitude;
}

}  // namespace

std::optional<NumberPrefix> readNumberPrefix(std::string_view input) {
    FoldedText text(input);
    while (isSpace(text.peek())) text.next();

    NumberPrefix prefix;
    if (text.peek() == '+' || text.peek() == '-') {
        prefix.negative = text.peek() == '-';
        text.next();
    }

    bool seenPoint = false;
    bool seenDigit = false;
    bool dropped = false;  // a nonzero digit past kMaxDigits
    std::size_t zerosPending = 0;
    for (char c = text.peek();; text.next(), c = text.peek()) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c)) break;
        seenDigit = true;
        if (prefix.digits.empty() && c == '0') {
            if (seenPoint) --prefix.exponent;  // a leading zero after the point
            continue;
        }
        if (!seenPoint) ++prefix.exponent;
        // Zeros are held back so trailing ones never enter `digits`.
        if (c == '0') {
            ++zerosPending;
        } else if (prefix.digits.size() + zerosPending < NumberPrefix::kMaxDigits) {
            prefix.digits.append(zerosPending, '0');
            prefix.digits += c;
            zerosPending = 0;
        } else if (!dropped) {
            // Keep the held-back zeros up to the cap; the sticky digit goes after them.
            prefix.digits.append(NumberPrefix::kMaxDigits - prefix.digits.size(), '0');
            dropped = true;
        }
    }
    if (!seenDigit) return std::nullopt;
    if (dropped) prefix.digits += '1';

    const std::int64_t exponent = readExponent(text);
    if (!prefix.digits.empty()) prefix.exponent += exponent;
    return prefix;
}

}  // namespace tessaril
