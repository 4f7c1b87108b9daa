#include "app/look.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace tessaril {

QFont songFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                      QStringLiteral("AR PL UKai CN")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont guiFont() { return songFont(12); }

QFont fontFor(FontSpec font) {
    return font.guiFont ? guiFont() : songFont(font.pixelSize, font.bold);
}

QColor faceColour() { return QApplication::palette().color(QPalette::Button); }

void fillWithFaceColour(QWidget& control) {
    QPalette colours = control.palette();
    colours.setColor(QPalette::Window, faceColour());
    colours.setColor(QPalette::WindowText, Qt::black);
    control.setPalette(colours);
    control.setAutoFillBackground(true);
}

QString displayText(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace tessaril
