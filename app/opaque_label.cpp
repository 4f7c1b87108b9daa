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
    QPalette colours = palette();
    colours.setColor(QPalette::Window, faceColour());
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace tessaril
