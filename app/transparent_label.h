// A label that draws only its text: no background, clicks pass through to what
// lies beneath. When its text changes the parent repaints beneath it first, so
// no trace of the old text stays.
#pragma once

#include <QLabel>

#include "app/control_spec.h"

namespace tessaril {

class TransparentLabel : public QLabel {
    Q_OBJECT
public:
    // wrap: several lines from the top, breaking at words and at line breaks;
    // otherwise one line, vertically centred.
    TransparentLabel(const QString& text, TextAlign align, bool wrap, bool grey, QWidget* parent);
};

}  // namespace tessaril
