// The calculation float state undoes traps, directed rounding, flush to zero
// and reduced x87 precision left by anything before it.
#include <QTest>
#include <cfenv>
#include <cfloat>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#include <xmmintrin.h>
#endif

#include "numbers/float_state.h"

class FloatStateTest : public QObject {
    Q_OBJECT

private slots:
    void restoresCalculationState() {
#if defined(__x86_64__) || defined(__i386__)
        fpu_control_t control = 0;
        _FPU_GETCW(control);
        control = (control & ~_FPU_EXTENDED) | _FPU_SINGLE;
        _FPU_SETCW(control);
        _mm_setcsr(_mm_getcsr() | 0x8040);  // flush to zero, denormals are zero
#endif
        std::fesetround(FE_UPWARD);
        feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
        tessaril::setCalculationFloatState();

        QCOMPARE(std::fegetround(), FE_TONEAREST);
        QCOMPARE(fegetexcept(), 0);
#if defined(__x86_64__) || defined(__i386__)
        _FPU_GETCW(control);
        QCOMPARE(control & _FPU_EXTENDED, _FPU_EXTENDED);
        QCOMPARE(_mm_getcsr() & 0x8040u, 0u);
#endif
        // Faults give infinities and NaN; subnormals survive; long double
        // arithmetic keeps 64 bits.
        volatile double zero = 0;
        volatile double one = 1;
        QCOMPARE(one / zero, std::numeric_limits<double>::infinity());
        QVERIFY(zero / zero != zero / zero);
        volatile double tiny = DBL_MIN;
        QVERIFY(tiny / 4 != 0);
        volatile long double third = 1.0L;
        third = third / 3;
        QVERIFY(static_cast<double>(third) != third);
        QCOMPARE(one / 3 + 0.0, 1.0 / 3);
    }
};

QTEST_GUILESS_MAIN(FloatStateTest)
#include "float_state_test.moc"
