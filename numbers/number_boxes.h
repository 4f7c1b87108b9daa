// The two kinds of number box and the steps that read and write them.
#pragma once

#include <QBasicTimer>
#include <QLineEdit>
#include <optional>
#include <string_view>

class QLabel;

namespace tessaril {

// White, bold, centred edit box that lets through only digits, "-" and "."
// when typed (pasted text is not filtered).
class InputBox : public QLineEdit {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

// Read-only but focusable, selectable and scrollable; light grey background.
class ResultBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

protected:
    // A read-only line edit hides its caret; this box draws its own.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void restartCaretBlink();

    QBasicTimer caretBlink_;
    bool caretShown_ = false;
};

// The box's text read as a number (an empty box reads 0).
double readBoxNumber(const QLineEdit& box);
// The box's text as a reading; nothing when it holds no number.
std::optional<double> readBoxReading(const QLineEdit& box);

// Replace a result box's or a label's text (UTF-8).
void writeBoxText(QLineEdit& box, std::string_view text);
void writeBoxText(QLabel& label, std::string_view text);

// The box with this objectName below root; handlers find their boxes by name.
QLineEdit& boxNamed(const QWidget& root, const char* name);

}  // namespace tessaril
