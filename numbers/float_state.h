// The floating-point state every calculation relies on.
#pragma once

namespace tessaril {

// Round to nearest with every floating-point exception masked, so faults give
// infinities and NaN instead of traps. The program calls this first.
void setCalculationFloatState();

}  // namespace tessaril
