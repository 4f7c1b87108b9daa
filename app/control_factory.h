// Makes the widget for one layout-table row, of the row's kind, in parent.
#pragma once

#include "app/control_spec.h"

class QWidget;

namespace tessaril {

// The new control carries the row's text, font and look; placement and naming
// are left to the caller.
QWidget* createControl(const ControlSpec& row, QWidget& parent);

}  // namespace tessaril
