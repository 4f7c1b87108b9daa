#include "app/hyperlink.h"

#include <QDesktopServices>
#include <QMouseEvent>

#include "app/look.h"

namespace tessaril {

Hyperlink::Hyperlink(const QString& text, const QString& address, QWidget* parent)
    : QLabel(parent), address_(address, QUrl::StrictMode) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setAlignment(Qt::AlignCenter);
    setFont(guiFont());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    updateColour();
}

void Hyperlink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    if (address_.isEmpty()) return;
    if (QDesktopServices::openUrl(address_)) {
        visited_ = true;
        updateColour();
    }
}

void Hyperlink::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    updateColour();
    QLabel::enterEvent(event);
}

void Hyperlink::leaveEvent(QEvent* event) {
    hovered_ = false;
    updateColour();
    QLabel::leaveEvent(event);
}

void Hyperlink::updateColour() {
    QColor text(0x00, 0x00, 0xFF);
    if (hovered_) {
        text = QColor(0x69, 0x8A, 0x55);
    } else if (visited_) {
        text = QColor(0x80, 0x00, 0x00);
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Window, faceColour());
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
}

}  // namespace tessaril
