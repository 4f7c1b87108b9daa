// A titled frame around a group of controls, filled with the face colour;
// never takes the focus. The etched frame runs through the middle of the title
// line and the title sits 8 px from the left, where the marks laid over titles
// expect it.
#pragma once

#include <QGroupBox>

namespace tessaril {

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessaril
