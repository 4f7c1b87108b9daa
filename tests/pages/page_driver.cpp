#include "page_driver.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "app/main_window.h"
#include "numbers/float_state.h"

namespace tessaril {

namespace {

// A missing control makes every later step meaningless, so it ends the run.
template <typename Widget>
Widget& childNamed(const QWidget& root, const char* name) {
    auto* child = root.findChild<Widget*>(QString::fromUtf8(name));
    if (child == nullptr) qFatal("no control named %s", name);
    return *child;
}

}  // namespace

PageDriver::PageDriver() {
    setCalculationFloatState();
    window_ = std::make_unique<MainWindow>();
}

PageDriver::~PageDriver() = default;

void PageDriver::openPage(int index) {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTabBar& tabs = tabBar();
    QVERIFY(index < tabs.count());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    QCOMPARE(tabs.currentIndex(), index);
}

QLineEdit& PageDriver::box(const char* name) const { return childNamed<QLineEdit>(*window_, name); }

QAbstractButton& PageDriver::button(const char* name) const {
    return childNamed<QAbstractButton>(*window_, name);
}

QTabBar& PageDriver::tabBar() const {
    auto* tabs = window_->findChild<QTabBar*>();
    if (tabs == nullptr) qFatal("the window has no tab bar");
    return *tabs;
}

void PageDriver::type(BoxList boxes, const QStringList& texts) const {
    clear(boxes);
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(boxes.size()); ++i) {
        QTest::keyClicks(&box(boxes[i]), texts[i]);
    }
}

void PageDriver::clear(BoxList boxes) const {
    for (const char* name : boxes) box(name).clear();
}

QStringList PageDriver::texts(BoxList boxes) const {
    QStringList result;
    for (const char* name : boxes) result << box(name).text();
    return result;
}

void PageDriver::press(const char* buttonName) const {
    QTest::mouseClick(&button(buttonName), Qt::LeftButton);
}

void PageDriver::checkComputation(BoxList inputs, const QStringList& inputTexts,
                                  const char* buttonName, BoxList results,
                                  const QStringList& expected) const {
    type(inputs, inputTexts);
    QStringList typed = inputTexts;
    while (typed.size() < qsizetype(inputs.size())) typed << QString();
    QCOMPARE(texts(inputs), typed);  // every typed key got through the input filter

    clear(results);
    press(buttonName);
    QCOMPARE(texts(results), expected);
    // Nothing from the first press is used by the second.
    press(buttonName);
    QCOMPARE(texts(results), expected);
    QCOMPARE(texts(inputs), typed);  // reading a box leaves it as it was
}

}  // namespace tessaril
