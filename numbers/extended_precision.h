// Formulas are carried in long double and rounded to double where a result is
// formed; that only means something when long double is wider than double.
#pragma once

#include <limits>

namespace tessaril {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Tessaril needs long double with a 64-bit significand (x87 extended precision); "
              "build for x86 or x86-64 with GCC or Clang");

}  // namespace tessaril
