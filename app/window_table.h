// The controls placed directly on the main window and the bottom panel 分组框3.
#pragma once

#include <span>

#include "app/control_spec.h"

class QWidget;

namespace tessaril {

// 透明标签29 (the clock), 分组框3 and everything inside it. 选择夹1 is built
// apart from the table.
std::span<const ControlSpec> windowTable();

// Click handler of 按钮2 "退出": asks the window to close once the click has been
// handled; the window is then destroyed.
void closeMainWindow(QWidget& window);

}  // namespace tessaril
