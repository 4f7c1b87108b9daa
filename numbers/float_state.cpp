#include "numbers/float_state.h"

#include <cfenv>

#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#include <xmmintrin.h>
#endif

namespace tessaril {

void setCalculationFloatState() {
    // The default environment: round to nearest, every exception masked.
    std::fesetenv(FE_DFL_ENV);
    std::fesetround(FE_TONEAREST);
#if defined(__x86_64__) || defined(__i386__)
    // x87: 64-bit significand, round to nearest, all exceptions masked.
    fpu_control_t control = 0;
    _FPU_GETCW(control);
    control = (control & ~(_FPU_EXTENDED | _FPU_RC_ZERO)) | _FPU_EXTENDED | _FPU_RC_NEAREST |
              _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM |
              _FPU_MASK_PM;
    _FPU_SETCW(control);
    // SSE: exceptions masked, and subnormals kept (no flush to zero).
    constexpr unsigned kFlushToZero = 0x8000;
    constexpr unsigned kDenormalsAreZero = 0x0040;
    _mm_setcsr((_mm_getcsr() | _MM_MASK_MASK) & ~(kFlushToZero | kDenormalsAreZero));
#endif
}

}  // namespace tessaril
