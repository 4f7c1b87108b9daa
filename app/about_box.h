// The multi-line about text of the bottom panel: read-only but selectable and
// copyable, in the Tab order, without scroll bars.
#pragma once

#include <QPlainTextEdit>

namespace tessaril {

class AboutBox : public QPlainTextEdit {
    Q_OBJECT
public:
    AboutBox(const QString& text, QWidget* parent);
};

}  // namespace tessaril
