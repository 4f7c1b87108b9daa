#include "app/about_box.h"

#include "app/look.h"

namespace tessaril {

AboutBox::AboutBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFont(songFont(12));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, faceColour());
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

}  // namespace tessaril
