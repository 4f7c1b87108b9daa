// A label that fills its rectangle with the face colour and draws one line of
// black text, vertically centred.
#pragma once

#include <QLabel>

#include "app/control_spec.h"

namespace tessaril {

class OpaqueLabel : public QLabel {
    Q_OBJECT
public:
    OpaqueLabel(const QString& text, TextAlign align, QWidget* parent);
};

Qt::Alignment horizontalAlignment(TextAlign align);

}  // namespace tessaril
