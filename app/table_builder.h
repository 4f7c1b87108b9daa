// The one builder of layout tables: every row becomes a control in its parent.
#pragma once

#include <span>

#include "app/control_spec.h"

class QWidget;

namespace tessaril {

// Creates the rows of table in order, each in the group box its row names or
// else in page, placed, sized and named as the row says. Buttons call their
// row's handler with window when clicked.
void buildTable(std::span<const ControlSpec> table, QWidget& page, QWidget& window);

// Puts every transparent label below root above its siblings, so marks laid
// over group-box titles and other controls are drawn on top.
void raiseTransparentLabels(QWidget& root);

}  // namespace tessaril
