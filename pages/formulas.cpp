#include "pages/formulas.h"

#include <vector>

#include "numbers/numbers.h"

namespace tessaril {

namespace {

// Arithmetic inside a formula runs with a 64-bit significand; a named result is
// rounded to a double once, where it is formed.
using Extended = long double;

double rounded(Extended value) { return static_cast<double>(value); }

// Only boxes that hold a number take part; blank boxes are neither counted nor summed.
std::vector<double> enteredValues(std::span<const Reading> readings) {
    std::vector<double> values;
    for (const Reading& reading : readings) {
        if (reading) values.push_back(*reading);
    }
    return values;
}

// Summed left to right and rounded once.
double sumOf(const std::vector<double>& values) {
    Extended sum = 0;
    for (const double value : values) sum += value;
    return rounded(sum);
}

}  // namespace

MeanAndRelativeDeviation repeatability(std::span<const Reading> readings) {
    const std::vector<double> values = enteredValues(readings);
    const auto count = static_cast<double>(values.size());
    const double mean = rounded(Extended{sumOf(values)} / count);
    const double inverse = rounded(Extended{1} / mean);

    std::vector<double> squares;
    for (const double value : values) {
        const double deviation = rounded(Extended{value} - mean);
        squares.push_back(power(deviation, 2));
    }
    const double variance = rounded(Extended{sumOf(squares)} / (count - 1));
    const double standardDeviation = squareRoot(variance);
    return {mean, rounded(Extended{inverse} * standardDeviation * 100)};
}

MeanAndIndicationError indicationError(std::span<const Reading> readings, double standardValue,
                                       double range) {
    const std::vector<double> values = enteredValues(readings);
    const double mean = rounded(Extended{sumOf(values)} / static_cast<double>(values.size()));
    const double error = rounded(Extended{mean} - standardValue);
    const double ofRange = rounded(Extended{error} / range);
    return {mean, rounded(Extended{ofRange} * 100)};
}

ZeroAndSpanDrift zeroSpanDrift(double z0, double zi, double s0, double si, double range) {
    const double zeroChange = rounded(Extended{zi} - z0);
    const double zeroOfRange = rounded(Extended{zeroChange} / range);
    const double zeroDrift = rounded(Extended{zeroOfRange} * 100);

    const double startSpan = rounded(Extended{s0} - z0);
    const double spanChange = rounded(Extended{si} - zi - startSpan);
    const double spanOfRange = rounded(Extended{spanChange} / range);
    return {zeroDrift, rounded(Extended{spanOfRange} * 100)};
}

SumAndMean sumAndMean(std::span<const Reading> readings) {
    const std::vector<double> values = enteredValues(readings);
    const double sum = sumOf(values);
    return {sum, rounded(Extended{sum} / static_cast<double>(values.size()))};
}

double logBase(double base, double value) {
    const double logOfValue = naturalLog(value);
    const double logOfBase = naturalLog(base);
    return rounded(Extended{logOfValue} / logOfBase);
}

}  // namespace tessaril
