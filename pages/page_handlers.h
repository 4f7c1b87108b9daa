// Small steps shared by the compute handlers: read a list of named boxes,
// write a number into a named result box.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "numbers/number_boxes.h"
#include "numbers/numbers.h"
#include "pages/formulas.h"

namespace tessaril {

template <std::size_t N>
using BoxNames = std::array<const char*, N>;

// Each box as a reading, in the order given; a box without a number gives nothing.
template <std::size_t N>
std::array<Reading, N> readBoxReadings(const QWidget& window, const BoxNames<N>& names) {
    std::array<Reading, N> readings;
    std::ranges::transform(names, readings.begin(), [&window](const char* name) {
        return readBoxReading(boxNamed(window, name));
    });
    return readings;
}

// Each box as a number, in the order given; a box without a number reads 0.
template <std::size_t N>
std::array<double, N> readBoxNumbers(const QWidget& window, const BoxNames<N>& names) {
    std::array<double, N> numbers;
    std::ranges::transform(names, numbers.begin(), [&window](const char* name) {
        return readBoxNumber(boxNamed(window, name));
    });
    return numbers;
}

// Two decimals, as on the metrology pages.
inline void writeBoxFixed(const QWidget& window, const char* name, double value) {
    writeBoxText(boxNamed(window, name), numberToFixedText(value, 2));
}

// Up to 13 significant digits, as on the functions page.
inline void writeBoxGeneral(const QWidget& window, const char* name, double value) {
    writeBoxText(boxNamed(window, name), numberToText(value));
}

}  // namespace tessaril
