// power, squareRoot, naturalLog and naturalAntilog: special values first, then
// the long double library function, rounded to double once on return.
#include <cmath>
#include <limits>

#include "numbers/extended_precision.h"
#include "numbers/numbers.h"

namespace tessaril {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool isInteger(double y) { return std::isfinite(y) && std::trunc(y) == y; }

// fmod is exact; doubles from 2^53 up are all even.
bool isOddInteger(double y) { return isInteger(y) && std::fabs(std::fmod(y, 2.0)) == 1.0; }

// |x|^y for finite x != 0 and finite y.
double magnitudePower(double x, double y) {
    return static_cast<double>(std::pow(static_cast<Extended>(std::fabs(x)), Extended{y}));
}

}  // namespace

double power(double base, double exponent) {
    const double x = base;
    const double y = exponent;
    if (y == 0) return 1;  // whatever the base, a NaN too
    if (std::isnan(x) || std::isnan(y)) return kNaN;
    if (std::isinf(y)) {
        const double ax = std::fabs(x);
        if (ax == 1) return kNaN;
        return (ax > 1) == (y > 0) ? kInfinity : 0.0;
    }
    if (std::isinf(x) || x == 0) {
        // Both give an infinity or a zero; a negative zero or -infinity keeps
        // its sign under an odd integer exponent.
        const bool large = std::isinf(x) == (y > 0);
        const double magnitude = large ? kInfinity : 0.0;
        return std::signbit(x) && isOddInteger(y) ? -magnitude : magnitude;
    }
    if (x < 0) {
        if (!isInteger(y)) return kNaN;
        const double magnitude = magnitudePower(x, y);
        return isOddInteger(y) ? -magnitude : magnitude;
    }
    return magnitudePower(x, y);
}

// The hardware square root is the exact root rounded to double once; a long
// double root rounded again to double would miss the nearest double for about
// one argument in four thousand. -0 gives -0, negatives give NaN.
double squareRoot(double x) { return std::sqrt(x); }

// ln(+-0) = -infinity, negatives give NaN, ln(+infinity) = +infinity.
double naturalLog(double x) { return static_cast<double>(std::log(Extended{x})); }

// e^(+-infinity) is NaN: the exponent meets infinity minus infinity on the way.
double naturalAntilog(double x) {
    if (std::isinf(x)) return kNaN;
    return static_cast<double>(std::exp(Extended{x}));
}

}  // namespace tessaril
