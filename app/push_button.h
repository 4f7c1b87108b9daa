// A push button that is never a default button: Enter does not press it; a
// mouse click or Space while it has the focus does.
#pragma once

#include <QPushButton>

namespace tessaril {

class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(const QString& caption, QWidget* parent);

protected:
    // Arrow keys do not move the focus away from a button.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessaril
