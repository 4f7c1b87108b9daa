#include "app/transparent_label.h"

#include "app/opaque_label.h"

namespace tessaril {

TransparentLabel::TransparentLabel(const QString& text, TextAlign align, bool wrap, bool grey,
                                   QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setWordWrap(wrap);
    setAlignment(horizontalAlignment(align) | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, grey ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
    setPalette(colours);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace tessaril
