// A box's text as a reading: the number it starts with, or nothing when the
// text holds no number at all (blank, letters only, a lone sign or point).
#pragma once

#include <optional>
#include <string_view>

namespace tessaril {

// Same number as textToNumber, but tells a blank box from an entered 0.
std::optional<double> textToReading(std::string_view text);

}  // namespace tessaril
