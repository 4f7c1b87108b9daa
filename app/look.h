// Fonts and colours shared by every control kind.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

#include "app/control_spec.h"

namespace tessaril {

// "宋体" at a pixel height, with CJK serif faces standing in where it is missing.
QFont songFont(int pixelSize, bool bold = false);
// The desktop GUI font the fixed layout is drawn for: "宋体" 9 pt, that is 12 px.
QFont guiFont();
QFont fontFor(FontSpec font);

// The desktop's face colour (button face), behind the window, labels and panels.
QColor faceColour();
// Fills the control's background with the face colour and draws its text in black.
void fillWithFaceColour(QWidget& control);

// A table text as shown on screen: "\r\n" breaks become Qt's "\n".
QString displayText(const char* text);

}  // namespace tessaril
