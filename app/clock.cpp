#include "app/clock.h"

#include <utility>

namespace tessaril {

namespace {

std::unique_ptr<Clock>& replacementClock() {
    static std::unique_ptr<Clock> clock;
    return clock;
}

}  // namespace

QDateTime Clock::localNow() const {
    // Whole seconds only: the milliseconds are dropped, not rounded.
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}

const Clock& Clock::instance() {
    static const Clock systemClock;
    const std::unique_ptr<Clock>& replacement = replacementClock();
    return replacement ? *replacement : systemClock;
}

void Clock::setInstance(std::unique_ptr<Clock> clock) { replacementClock() = std::move(clock); }

}  // namespace tessaril
