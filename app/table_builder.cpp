#include "app/table_builder.h"

#include <QAbstractButton>
#include <QWidget>
#include <string_view>
#include <unordered_map>

#include "app/control_factory.h"
#include "app/transparent_label.h"

namespace tessaril {

void buildTable(std::span<const ControlSpec> table, QWidget& page, QWidget& window) {
    std::unordered_map<std::string_view, QWidget*> built;
    for (const ControlSpec& row : table) {
        QWidget* parent = &page;
        if (row.parent != nullptr) {
            const auto found = built.find(row.parent);
            Q_ASSERT_X(found != built.end(), row.name, "parent must come before its children");
            if (found != built.end()) parent = found->second;
        }
        QWidget* control = createControl(row, *parent);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.accessibleName != nullptr) {
            control->setAccessibleName(QString::fromUtf8(row.accessibleName));
        }
        if (row.onClick != nullptr) {
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QObject::connect(button, &QAbstractButton::clicked, &window,
                                 [handler = row.onClick, &window] { handler(window); });
            }
        }
        built.emplace(row.name, control);
    }
}

void raiseTransparentLabels(QWidget& root) {
    for (TransparentLabel* label : root.findChildren<TransparentLabel*>()) label->raise();
}

}  // namespace tessaril
