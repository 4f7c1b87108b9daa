#include "app/group_box.h"

#include <QPainter>

#include "app/look.h"

namespace tessaril {

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setAlignment(Qt::AlignLeft);
    setFont(guiFont());
    fillWithFaceColour(*this);
    setFocusPolicy(Qt::NoFocus);
}

void GroupBox::paintEvent(QPaintEvent*) {
    constexpr int kTitleLeft = 8;
    constexpr int kTitleGap = 2;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const QRect text(kTitleLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(text.adjusted(-kTitleGap, 0, kTitleGap, 0), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

}  // namespace tessaril
