#include "app/push_button.h"

namespace tessaril {

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

}  // namespace tessaril
