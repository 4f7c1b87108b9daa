#include "app/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <array>

#include "app/clock_panel.h"
#include "app/look.h"
#include "app/page_tabs.h"
#include "app/table_builder.h"
#include "app/window_table.h"

// Qt resources in a static library are registered by hand.
static void registerLogo() {
    static const int registered = [] {
        Q_INIT_RESOURCE(logo);
        return 0;
    }();
    Q_UNUSED(registered);
}

namespace tessaril {
namespace {

QLabel& labelNamed(const QWidget& root, const char* name) {
    auto* label = root.findChild<QLabel*>(QString::fromUtf8(name));
    if (label == nullptr) qFatal("No label named %s", name);
    return *label;
}

QPoint centredOnPrimaryScreen(QSize outer) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return screen.topLeft() +
           QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    registerLogo();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tessaril"));
    setFont(guiFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, faceColour());
    setPalette(colours);
    setFixedSize(kOuterWidth, kOuterHeight);
    move(centredOnPrimaryScreen(QSize(kOuterWidth, kOuterHeight)));

    buildTable(windowTable(), *this, *this);
    const std::array<const PageSpec*, 5> pages{&repeatabilityPage(), &indicationErrorPage(),
                                               &zeroSpanDriftPage(), &averagePage(),
                                               &commonFunctionsPage()};
    tabs_ = new PageTabs(pages, *this, this);
    tabs_->setObjectName(QStringLiteral("选择夹1"));
    tabs_->setGeometry(0, 8, 592, 376);
    tabs_->lower();
    raiseTransparentLabels(*this);

    new ClockPanel(labelNamed(*this, "透明标签29"), labelNamed(*this, "透明标签32"), this);

    focusCycle_ = std::make_unique<FocusCycle>(*this);
    if (QWidget* first = focusCycle_->first()) first->setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        return handleKey(static_cast<const QKeyEvent&>(*event));
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleKey(const QKeyEvent& key) {
    const bool plain =
        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!plain) return false;
            focusNextPrevChild(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F1:
            return true;
        default:
            return false;
    }
}

bool MainWindow::focusNextPrevChild(bool next) {
    if (!focusCycle_) return QWidget::focusNextPrevChild(next);
    if (QWidget* control = focusCycle_->step(focusWidget(), next)) {
        control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    if (QWidget* first = focusCycle_->first()) first->setFocus(Qt::OtherFocusReason);
    activateWindow();
    // The frame is known only once the window system has placed the window.
    QTimer::singleShot(0, this, &MainWindow::fitFrame);
}

bool MainWindow::event(QEvent* event) {
    // The frame becomes known some time after the window is shown, and the
    // window is moved or activated then.
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) fitFrame();
    return QWidget::event(event);
}

void MainWindow::fitFrame() {
    const QWindow* handle = windowHandle();
    if (handle == nullptr || !isVisible() || handle->frameMargins() == fittedFrame_) return;
    fittedFrame_ = handle->frameMargins();
    const QSize outer(kOuterWidth, kOuterHeight);
    setFixedSize(outer.shrunkBy(fittedFrame_));
    move(centredOnPrimaryScreen(outer));
}

}  // namespace tessaril
