// Drives the main window as a user does: picks a page by clicking its tab,
// types into input boxes, presses buttons and reads what the boxes show.
#pragma once

#include <QStringList>
#include <memory>
#include <span>

class QAbstractButton;
class QLineEdit;
class QTabBar;

namespace tessaril {

class MainWindow;

using BoxList = std::span<const char* const>;

class PageDriver {
public:
    PageDriver();
    ~PageDriver();

    // Shows the window and clicks the tab of the given page; reports through QtTest.
    void openPage(int index);

    QLineEdit& box(const char* name) const;
    QAbstractButton& button(const char* name) const;
    QTabBar& tabBar() const;
    MainWindow& window() const { return *window_; }

    // Empties the boxes, then types each text into its box key by key; boxes past
    // the end of texts stay empty.
    void type(BoxList boxes, const QStringList& texts) const;
    void clear(BoxList boxes) const;
    QStringList texts(BoxList boxes) const;
    void press(const char* buttonName) const;

    // Types the inputs, empties the results, presses the button twice and checks
    // that the results show the expected texts after each press; reports through QtTest.
    void checkComputation(BoxList inputs, const QStringList& inputTexts, const char* buttonName,
                          BoxList results, const QStringList& expected) const;

private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tessaril
