// The one fixed order in which Tab and Shift+Tab move the keyboard focus.
#pragma once

#include <QPointer>
#include <QWidget>
#include <span>
#include <vector>

namespace tessaril {

// Every control that can take the focus, on all pages, in cycle order.
std::span<const char* const> focusCycleNames();

class FocusCycle {
public:
    // Looks up the controls of the cycle below window.
    explicit FocusCycle(const QWidget& window);

    // The next (or previous) visible control after current, wrapping around;
    // from a widget outside the cycle, the first (or last) visible one.
    QWidget* step(const QWidget* current, bool forward) const;
    QWidget* first() const { return step(nullptr, true); }

private:
    const QWidget& window_;
    std::vector<QPointer<QWidget>> controls_;
};

}  // namespace tessaril
