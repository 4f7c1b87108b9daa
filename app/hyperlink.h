// A link label: one centred line in blue, dark red once it has been opened,
// green-grey while the mouse is over it. Pressing the left mouse button hands
// its address to the desktop's open action; the release does not matter.
#pragma once

#include <QLabel>
#include <QUrl>

namespace tessaril {

class Hyperlink : public QLabel {
    Q_OBJECT
public:
    // An empty address makes a link that does nothing when pressed.
    Hyperlink(const QString& text, const QString& address, QWidget* parent);

    QUrl address() const { return address_; }
    bool visited() const { return visited_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void updateColour();

    QUrl address_;
    bool visited_ = false;
    bool hovered_ = false;
};

}  // namespace tessaril
