// The program's one window: five calculation pages above the bottom panel.
#pragma once

#include <QWidget>
#include <memory>

#include "app/focus_cycle.h"

namespace tessaril {

class PageTabs;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Outer size including the frame, and where it sits on the primary screen.
    static constexpr int kOuterWidth = 594;
    static constexpr int kOuterHeight = 518;

    // Builds every control, hidden until shown; closing the window destroys it.
    explicit MainWindow(QWidget* parent = nullptr);

    PageTabs& tabs() const { return *tabs_; }

protected:
    // Sees key presses for this window's widgets before they do.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    // Every move of the focus by Tab, Shift+Tab or Qt itself follows the focus cycle.
    bool focusNextPrevChild(bool next) override;

private:
    bool handleKey(const QKeyEvent& key);
    // Once the window system has framed the window, makes the frame, not the
    // client area, 594 × 518 and centres it again.
    void fitFrame();

    PageTabs* tabs_;
    std::unique_ptr<FocusCycle> focusCycle_;
    bool shownBefore_ = false;
    QMargins fittedFrame_;
};

}  // namespace tessaril
