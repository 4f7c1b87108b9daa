#include "app/picture_box.h"

#include <QPixmap>

#include "app/look.h"

namespace tessaril {

PictureBox::PictureBox(const QString& picturePath, QWidget* parent) : QLabel(parent) {
    setPixmap(QPixmap(picturePath));
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setMargin(0);
    fillWithFaceColour(*this);
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace tessaril
