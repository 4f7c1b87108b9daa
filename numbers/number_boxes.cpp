#include "numbers/number_boxes.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <limits>

#include "app/look.h"
#include "numbers/numbers.h"
#include "numbers/reading.h"

namespace tessaril {
namespace {

// Settings both kinds of number box share.
void setUpNumberBox(QLineEdit& box, QColor background) {
    box.setFont(songFont(20, true));
    box.setAlignment(Qt::AlignCenter);
    box.setFrame(true);
    box.setMaxLength(std::numeric_limits<int>::max());
    box.setFocusPolicy(Qt::StrongFocus);
    QPalette colours = box.palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, Qt::black);
    box.setPalette(colours);
}

// A typed character passes when it is a control character or part of a decimal.
bool passesDecimalFilter(QChar c) {
    return !c.isPrint() || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
}

bool passesDecimalFilter(const QString& typed) {
    return std::ranges::all_of(typed, [](QChar c) { return passesDecimalFilter(c); });
}

QString keepDecimalCharacters(const QString& typed) {
    QString kept;
    std::ranges::copy_if(typed, std::back_inserter(kept),
                         [](QChar c) { return passesDecimalFilter(c); });
    return kept;
}

std::string boxText(const QLineEdit& box) { return box.text().toStdString(); }

}  // namespace

InputBox::InputBox(QWidget* parent) : QLineEdit(parent) { setUpNumberBox(*this, Qt::white); }

void InputBox::keyPressEvent(QKeyEvent* event) {
    // Ctrl shortcuts (copy, cut, paste, undo) type nothing themselves.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool shortcut =
        mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if (!shortcut && !passesDecimalFilter(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent* event) {
    if (passesDecimalFilter(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(keepDecimalCharacters(event->commitString()),
                             event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    setUpNumberBox(*this, QColor(0xEC, 0xEC, 0xEC));
    setReadOnly(true);
    connect(this, &QLineEdit::cursorPositionChanged, this, &ResultBox::restartCaretBlink);
    connect(this, &QLineEdit::selectionChanged, this, &ResultBox::restartCaretBlink);
}

void ResultBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!caretShown_) return;
    const QRect around = cursorRect();
    QPainter painter(this);
    painter.fillRect(QRect(around.center().x(), around.top(), 1, around.height()),
                     palette().color(QPalette::Text));
}

void ResultBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    restartCaretBlink();
}

void ResultBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    caretBlink_.stop();
    caretShown_ = false;
    update();
}

void ResultBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != caretBlink_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    update();
}

void ResultBox::restartCaretBlink() {
    if (!hasFocus()) return;
    caretShown_ = true;
    const int flashTime = QApplication::cursorFlashTime();
    if (flashTime > 0) {
        caretBlink_.start(flashTime / 2, this);
    } else {
        caretBlink_.stop();
    }
    update();
}

double readBoxNumber(const QLineEdit& box) { return textToNumber(boxText(box)); }

std::optional<double> readBoxReading(const QLineEdit& box) { return textToReading(boxText(box)); }

void writeBoxText(QLineEdit& box, std::string_view text) {
    box.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Show the start of a long text; the rest is reached by scrolling.
    box.setCursorPosition(0);
    box.repaint();
}

void writeBoxText(QLabel& label, std::string_view text) {
    label.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    label.repaint();
}

QLineEdit& boxNamed(const QWidget& root, const char* name) {
    auto* box = root.findChild<QLineEdit*>(QString::fromUtf8(name));
    if (box == nullptr) qFatal("No box named %s", name);
    return *box;
}

}  // namespace tessaril
