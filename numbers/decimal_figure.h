// The 13 significant decimal digits a double is shown with.
#pragma once

#include <array>

namespace tessaril {

// figure = d.dddddddddddd x 10^exponent
struct DecimalFigure {
    std::array<char, 13> digits;  // ASCII '0'..'9', first one nonzero
    int exponent;
};

// The exact decimal expansion of a positive finite magnitude, rounded to 17
// significant digits halves up, and that 17-digit figure rounded to 13
// significant digits halves up again.
DecimalFigure decimalFigure(double magnitude);

}  // namespace tessaril
