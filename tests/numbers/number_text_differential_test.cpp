// numberToText and numberToFixedText on many random doubles, checked against
// digits worked out here by exact integer arithmetic on the double's
// significand and exponent, independently of the library's digit generation.
#include <QTest>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "numbers/numbers.h"

namespace {

constexpr std::uint64_t kSeed = 20261211;
constexpr std::uint32_t kLimbBase = 1'000'000'000;

// A natural number in base 10^9, least significant limb first.
class BigNatural {
public:
    explicit BigNatural(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kLimbBase));
            value /= kLimbBase;
        } while (value != 0);
    }

    // factor below 2^32
    void multiply(std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = limb * factor + carry;
            limb = static_cast<std::uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        for (; carry != 0; carry /= kLimbBase) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
        }
    }

    void multiplyByPower(std::uint64_t base, int exponent, std::uint64_t chunk, int chunkExponent) {
        for (; exponent >= chunkExponent; exponent -= chunkExponent) multiply(chunk);
        for (; exponent > 0; --exponent) multiply(base);
    }

    std::string decimal() const {
        std::string text = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

private:
    std::vector<std::uint32_t> limbs_;
};

// magnitude = digits x 10^scale, exactly.
struct ExactDecimal {
    std::string digits;
    int scale;
};

ExactDecimal exactDecimal(double magnitude) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    binaryExponent -= 53;
    BigNatural number(significand);
    if (binaryExponent >= 0) {
        number.multiplyByPower(2, binaryExponent, std::uint64_t{1} << 29, 29);
        return {number.decimal(), 0};
    }
    // m / 2^k = m * 5^k / 10^k
    number.multiplyByPower(5, -binaryExponent, 1'220'703'125, 13);
    return {number.decimal(), binaryExponent};
}

// The first `count` digits, rounded halves up; true when it carried into a
// new leading digit.
bool roundDigitsHalfUp(std::string& digits, std::size_t count) {
    if (digits.size() <= count) {
        digits.append(count - digits.size(), '0');
        return false;
    }
    const bool up = digits[count] >= '5';
    digits.resize(count);
    if (!up) return false;
    for (std::size_t i = count; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return true;
}

std::string expectedText(double value) {
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
    if (value == 0) return "0";

    ExactDecimal exact = exactDecimal(std::fabs(value));
    std::string digits = exact.digits;
    int exponent = static_cast<int>(digits.size()) - 1 + exact.scale;
    if (roundDigitsHalfUp(digits, 17)) ++exponent;
    if (roundDigitsHalfUp(digits, 13)) ++exponent;

    std::string text;
    if (exponent < -4 || exponent >= 13) {
        text = digits.substr(0, 1) + "." + digits.substr(1);
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "e%c%03d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += suffix;
    } else {
        if (exponent < 0) {
            text = "0." + std::string(-exponent - 1, '0') + digits;
        } else {
            text = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
        }
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return (value < 0 ? "-" : "") + text;
}

std::string expectedTwoDecimals(double value) {
    double rounded = value;
    // Past the largest double / 100 there are no decimals left to round.
    if (value != 0 && std::isfinite(value) && std::isfinite(value * 100)) {
        const double scaled = std::fabs(value) * 100;
        const double nudged = scaled + 1e-12;
        const double whole = std::floor(nudged);
        const double step = whole + (nudged - whole >= 0.5 ? 1 : 0);
        rounded = std::copysign(step / 100, value);
    }
    std::string text = expectedText(rounded);
    if (!std::isfinite(rounded)) return text;
    const std::size_t exponentAt =
        text.find('e') == std::string::npos ? text.size() : text.find('e');
    std::string head = text.substr(0, exponentAt);
    const std::string tail = text.substr(exponentAt);
    if (head.find('.') == std::string::npos) head += '.';
    while (head.size() - head.find('.') - 1 < 2) head += '0';
    return head + tail;
}

double fromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

double parse(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

class Generator {
public:
    std::mt19937_64 random{kSeed};

    std::uint64_t below(std::uint64_t bound) {
        return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(random);
    }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::string digits(int count) {
        std::string text(count, '0');
        text[0] = static_cast<char>('1' + below(9));
        for (int i = 1; i < count; ++i) text[i] = static_cast<char>('0' + below(10));
        return text;
    }
    double withSign(double value) { return below(2) != 0 ? -value : value; }
};

void addWithNeighbours(std::vector<double>& values, double value, int reach) {
    values.push_back(value);
    double up = value;
    double down = value;
    for (int i = 0; i < reach; ++i) {
        up = std::nextafter(up, HUGE_VAL);
        down = std::nextafter(down, -HUGE_VAL);
        values.push_back(up);
        values.push_back(down);
    }
}

}  // namespace

class NumberTextDifferentialTest : public QObject {
    Q_OBJECT

private:
    // Runs `check` on each value; fails with the seed and the first mismatches.
    static void compareAll(const std::vector<double>& values,
                           const std::function<std::string(double)>& actual,
                           const std::function<std::string(double)>& expected) {
        int failures = 0;
        QByteArray report;
        for (const double value : values) {
            const std::string got = actual(value);
            const std::string want = expected(value);
            if (got == want) continue;
            if (++failures <= 10) {
                char line[160];
                std::snprintf(line, sizeof line, "\n  %a (%.17g): got %s, expected %s", value,
                              value, got.c_str(), want.c_str());
                report += line;
            }
        }
        QVERIFY2(failures == 0, QByteArray("seed " + QByteArray::number(kSeed) + ", " +
                                           QByteArray::number(failures) + " of " +
                                           QByteArray::number(values.size()) + " differ:" + report)
                                    .constData());
    }

private slots:
    void generalForm_data() {
        QTest::addColumn<std::vector<double>>("values");
        Generator gen;

        std::vector<double> any;  // every exponent, NaN and infinities now and then
        for (int i = 0; i < 30000; ++i) any.push_back(fromBits(gen.random()));
        QTest::newRow("random bit patterns") << any;

        std::vector<double> subnormal;
        for (int i = 0; i < 3000; ++i) {
            const std::uint64_t bits = gen.random() >> (12 + gen.below(52));
            subnormal.push_back(gen.withSign(fromBits(bits)));
        }
        QTest::newRow("subnormals") << subnormal;

        std::vector<double> halves;  // d.dddddddddddd5 x 10^p and its neighbours
        for (int i = 0; i < 3000; ++i) {
            const std::string text = gen.digits(13) + "5e" + std::to_string(gen.between(-323, 295));
            addWithNeighbours(halves, gen.withSign(parse(text)), 2);
        }
        QTest::newRow("near 13-digit halves") << halves;

        // Figures whose digits 14 to 17 are 4999 or 5000 with a deciding 18th
        // digit: rounding to 17 digits first decides the 13-digit figure.
        std::vector<double> steps;
        const char* middles[] = {"49995", "49994", "49999", "50000", "50001", "49985"};
        for (int i = 0; i < 3000; ++i) {
            const std::string text = gen.digits(13) + middles[gen.below(6)] + gen.digits(3) + "e" +
                                     std::to_string(gen.between(-320, 290));
            addWithNeighbours(steps, parse(text), 1);
        }
        QTest::newRow("two-step rounding") << steps;

        // Exact halves at the 17th digit: k / 2^j with k * 5^j of 18 digits.
        std::vector<double> ties;
        for (int j = 2; j <= 25; ++j) {
            const double low = std::ceil(1e17 / std::pow(5.0, j));
            const double high = std::min(0x1p53, std::floor(1e18 / std::pow(5.0, j)));
            for (int i = 0; i < 100 && low < high; ++i) {
                auto k = static_cast<std::uint64_t>(low) +
                         gen.below(static_cast<std::uint64_t>(high - low));
                k |= 1;
                ties.push_back(std::ldexp(static_cast<double>(k), -j));
            }
        }
        QTest::newRow("ties at the 17th digit") << ties;
    }
    void generalForm() {
        QFETCH(std::vector<double>, values);
        compareAll(values, tessaril::numberToText, expectedText);
    }

    void twoDecimals_data() {
        QTest::addColumn<std::vector<double>>("values");
        Generator gen;

        std::vector<double> ordinary;  // 1e-4 to 1e20, any digits
        for (int i = 0; i < 20000; ++i) {
            const double value = std::ldexp(
                0.5 + 0.5 * std::generate_canonical<double, 53>(gen.random), gen.between(-13, 67));
            ordinary.push_back(gen.withSign(value));
        }
        QTest::newRow("ordinary values") << ordinary;

        std::vector<double> halves;  // k.dd5 for k up to 10^15, with neighbours
        for (int i = 0; i < 4000; ++i) {
            const std::string text = gen.digits(gen.between(1, 15)) + "." + gen.digits(2) + "5";
            addWithNeighbours(halves, gen.withSign(parse(text)), 3);
        }
        QTest::newRow("near two-decimal halves") << halves;

        std::vector<double> nudged;  // within about 1e-12 below a half, scaled
        const double gaps[] = {1e-13, 5e-13, 9e-13, 1e-12, 1.1e-12, 2e-12, 5e-12};
        for (int i = 0; i < 4000; ++i) {
            const double half = static_cast<double>(gen.below(100000)) + 0.5;
            const double scaled = half - gaps[gen.below(7)];
            addWithNeighbours(nudged, gen.withSign(scaled / 100), 2);
        }
        QTest::newRow("just below two-decimal halves") << nudged;

        std::vector<double> wide;  // 13-digit halves after rounding to cents
        for (int i = 0; i < 4000; ++i) {
            const std::string text = gen.digits(gen.between(11, 16)) + "." + gen.digits(1) + "5";
            addWithNeighbours(wide, parse(text), 2);
        }
        QTest::newRow("13-digit halves of large amounts") << wide;

        std::vector<double> any;
        for (int i = 0; i < 5000; ++i) any.push_back(fromBits(gen.random()));
        QTest::newRow("random bit patterns") << any;
    }
    void twoDecimals() {
        QFETCH(std::vector<double>, values);
        compareAll(
            values, [](double value) { return tessaril::numberToFixedText(value, 2); },
            expectedTwoDecimals);
    }
};

QTEST_GUILESS_MAIN(NumberTextDifferentialTest)
#include "number_text_differential_test.moc"
