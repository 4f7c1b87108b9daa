// A picture at its natural size from the top-left corner, cut off at the
// box's edges, on the face colour and without a border.
#pragma once

#include <QLabel>

namespace tessaril {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    // picturePath: a file or Qt resource path of the picture.
    PictureBox(const QString& picturePath, QWidget* parent);
};

}  // namespace tessaril
