// Where the program reads the local time; tests put a fixed clock in its place.
#pragma once

#include <QDateTime>
#include <memory>

namespace tessaril {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time, to whole seconds.
    virtual QDateTime localNow() const;

    static const Clock& instance();
    // Replaces the clock (nullptr restores the system clock).
    static void setInstance(std::unique_ptr<Clock> clock);
};

}  // namespace tessaril
