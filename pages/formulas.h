// The pages' formulas as plain functions of numbers: no widgets, no text.
#pragma once

#include <optional>
#include <span>

namespace tessaril {

// One reading box: its number, or nothing when the box holds no number.
using Reading = std::optional<double>;

struct MeanAndRelativeDeviation {
    double mean;
    double relativeDeviation;  // S_r in percent
};
// Mean and relative standard deviation (Bessel) of the entered readings.
MeanAndRelativeDeviation repeatability(std::span<const Reading> readings);

struct MeanAndIndicationError {
    double mean;
    double errorPercent;  // of range
};
MeanAndIndicationError indicationError(std::span<const Reading> readings, double standardValue,
                                       double range);

struct ZeroAndSpanDrift {
    double zeroDrift;  // percent of range
    double spanDrift;  // percent of range, corrected for the zero drift
};
ZeroAndSpanDrift zeroSpanDrift(double z0, double zi, double s0, double si, double range);

struct SumAndMean {
    double sum;
    double mean;  // of the entered readings
};
SumAndMean sumAndMean(std::span<const Reading> readings);

// Logarithm of value to the given base: ln value / ln base.
double logBase(double base, double value);

}  // namespace tessaril
