#include "app/control_factory.h"

#include "app/about_box.h"
#include "app/group_box.h"
#include "app/hyperlink.h"
#include "app/look.h"
#include "app/opaque_label.h"
#include "app/picture_box.h"
#include "app/push_button.h"
#include "app/transparent_label.h"
#include "numbers/number_boxes.h"

namespace tessaril {
namespace {

QString addressOf(const ControlSpec& row) {
    return QString::fromUtf8(row.address != nullptr ? row.address : "");
}

}  // namespace

QWidget* createControl(const ControlSpec& row, QWidget& parent) {
    const QString text = displayText(row.text);
    QWidget* control = nullptr;
    switch (row.kind) {
        case ControlKind::GroupBox:
            return new GroupBox(text, &parent);
        case ControlKind::Label:
            control = new OpaqueLabel(text, row.align, &parent);
            break;
        case ControlKind::TransparentLabel:
            control = new TransparentLabel(text, row.align, row.wrap, row.grey, &parent);
            break;
        case ControlKind::Button:
            control = new PushButton(text, &parent);
            break;
        case ControlKind::InputBox:
            return new InputBox(&parent);
        case ControlKind::ResultBox:
            return new ResultBox(&parent);
        case ControlKind::AboutBox:
            return new AboutBox(text, &parent);
        case ControlKind::PictureBox:
            return new PictureBox(addressOf(row), &parent);
        case ControlKind::Hyperlink:
            return new Hyperlink(text, addressOf(row), &parent);
    }
    // Labels and buttons take the font their row names.
    control->setFont(fontFor(row.font));
    return control;
}

}  // namespace tessaril
