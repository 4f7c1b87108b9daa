#include "app/focus_cycle.h"

#include <algorithm>

namespace tessaril {
namespace {

constexpr const char* kCycle[] = {
    "编辑框3",  "编辑框4",  "编辑框5",  "编辑框6",  "编辑框7",  "编辑框8",  "编辑框1",  "编辑框2",
    "按钮1",    "按钮2",    "编辑框11", "编辑框12", "编辑框13", "编辑框14", "编辑框15", "编辑框9",
    "按钮3",    "编辑框10", "编辑框23", "编辑框22", "编辑框21", "编辑框20", "编辑框19", "编辑框17",
    "编辑框16", "按钮4",    "编辑框31", "编辑框30", "编辑框29", "编辑框28", "编辑框27", "编辑框26",
    "编辑框25", "按钮5",    "编辑框18", "编辑框24", "编辑框34", "编辑框33", "编辑框32", "编辑框35",
    "编辑框36", "按钮6",    "编辑框37", "编辑框38", "编辑框41", "按钮7",    "编辑框40", "按钮8",
    "编辑框39", "编辑框42", "编辑框44", "编辑框43", "按钮9",    "编辑框46", "编辑框45", "按钮10",
    "编辑框47",
};

}  // namespace

std::span<const char* const> focusCycleNames() { return kCycle; }

FocusCycle::FocusCycle(const QWidget& window) : window_(window) {
    for (const char* name : kCycle) {
        if (auto* control = window.findChild<QWidget*>(QString::fromUtf8(name))) {
            controls_.emplace_back(control);
        }
    }
}

QWidget* FocusCycle::step(const QWidget* current, bool forward) const {
    const auto count = static_cast<std::ptrdiff_t>(controls_.size());
    if (count == 0) return nullptr;
    const auto at = std::ranges::find_if(
        controls_, [current](const QPointer<QWidget>& control) { return control == current; });
    // Outside the cycle, start just before the first (or after the last) control.
    std::ptrdiff_t index = at != controls_.end() ? at - controls_.begin() : (forward ? -1 : count);
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        index = ((forward ? index + 1 : index - 1) % count + count) % count;
        QWidget* control = controls_[index];
        if (control != nullptr && control->isVisibleTo(&window_) && control->isEnabled()) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace tessaril
