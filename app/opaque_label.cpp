#include "app/opaque_label.h"

#include "app/look.h"

namespace tessaril {

Qt::Alignment horizontalAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Centre:
            return Qt::AlignHCenter;
        case TextAlign::Right:
            return Qt::AlignRight;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

OpaqueLabel::OpaqueLabel(const QString& text, TextAlign align, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setAlignment(horizontalAlignment(align) | Qt::AlignVCenter);
    fillWithFaceColour(*this);
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace tessaril
