// The main window as built from the layout tables: every control in place, the
// window's size and position, page switching, the focus cycle, Enter and
// Space on buttons, and the hyperlinks.
#include "app/main_window.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/about_box.h"
#include "app/group_box.h"
#include "app/hyperlink.h"
#include "app/look.h"
#include "app/opaque_label.h"
#include "app/page_tabs.h"
#include "app/picture_box.h"
#include "app/push_button.h"
#include "app/transparent_label.h"
#include "app/window_table.h"
#include "numbers/float_state.h"
#include "numbers/number_boxes.h"

namespace tessaril {
namespace {

// Table 0 is the window's own; tables 1 to 5 are pages 0 to 4.
constexpr int kTableCount = 6;

std::span<const ControlSpec> table(int index) {
    switch (index) {
        case 1:
            return repeatabilityPage().controls;
        case 2:
            return indicationErrorPage().controls;
        case 3:
            return zeroSpanDriftPage().controls;
        case 4:
            return averagePage().controls;
        case 5:
            return commonFunctionsPage().controls;
        default:
            return windowTable();
    }
}

bool isOfKind(const QWidget& control, ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
            return qobject_cast<const GroupBox*>(&control) != nullptr;
        case ControlKind::Label:
            return qobject_cast<const OpaqueLabel*>(&control) != nullptr;
        case ControlKind::TransparentLabel:
            return qobject_cast<const TransparentLabel*>(&control) != nullptr;
        case ControlKind::Button:
            return qobject_cast<const PushButton*>(&control) != nullptr;
        case ControlKind::InputBox:
            return qobject_cast<const InputBox*>(&control) != nullptr;
        case ControlKind::ResultBox:
            return qobject_cast<const ResultBox*>(&control) != nullptr;
        case ControlKind::AboutBox:
            return qobject_cast<const AboutBox*>(&control) != nullptr;
        case ControlKind::PictureBox:
            return qobject_cast<const PictureBox*>(&control) != nullptr;
        case ControlKind::Hyperlink:
            return qobject_cast<const Hyperlink*>(&control) != nullptr;
    }
    return false;
}

// What the control shows as its text, whatever its kind.
QString shownText(const QWidget& control) {
    if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(&control)) return box->text();
    if (auto* about = qobject_cast<const QPlainTextEdit*>(&control)) return about->toPlainText();
    return {};
}

}  // namespace

// Receives what the desktop's open action is asked to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;

    template <typename Widget = QWidget>
    Widget& control(const char* name) const {
        auto* found = window_->findChild<Widget*>(QString::fromUtf8(name));
        if (found == nullptr) qFatal("no control named %s", name);
        return *found;
    }
    QString focusName() const {
        QWidget* focused = QApplication::focusWidget();
        return focused == nullptr ? QStringLiteral("(none)") : focused->objectName();
    }
    void pressTab(bool forward) const {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
        if (forward) {
            QTest::keyClick(target, Qt::Key_Tab);
        } else {
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
        }
    }

private slots:
    void initTestCase() { setCalculationFloatState(); }

    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void everyControlIsBuiltAsItsTableSays_data() {
        QTest::addColumn<int>("tableIndex");
        QTest::addColumn<int>("rowIndex");
        for (int t = 0; t < kTableCount; ++t) {
            const auto rows = table(t);
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                QTest::newRow(rows[r].name) << t << r;
            }
        }
    }
    void everyControlIsBuiltAsItsTableSays() {
        QFETCH(int, tableIndex);
        QFETCH(int, rowIndex);
        const ControlSpec& row = table(tableIndex)[rowIndex];
        // A fresh window, checked before any event can change a text.
        MainWindow window;
        const auto named = window.findChildren<QWidget*>(QString::fromUtf8(row.name));
        QCOMPARE(named.size(), 1);
        const QWidget& control = *named.front();

        QVERIFY(isOfKind(control, row.kind));
        const QWidget* parent = control.parentWidget();
        if (row.parent != nullptr) {
            QCOMPARE(parent->objectName(), QString::fromUtf8(row.parent));
        } else if (tableIndex == 0) {
            QCOMPARE(parent, &window);
        } else {
            QCOMPARE(parent, &window.tabs().page(tableIndex - 1));
        }
        QCOMPARE(control.geometry(), QRect(row.left, row.top, row.width, row.height));
        if (row.kind != ControlKind::PictureBox)
            QCOMPARE(shownText(control), displayText(row.text));
        if (row.accessibleName != nullptr) {
            QCOMPARE(control.accessibleName(), QString::fromUtf8(row.accessibleName));
        }
        if (row.kind == ControlKind::InputBox || row.kind == ControlKind::ResultBox) {
            QCOMPARE(control.font().pixelSize(), 20);
            QVERIFY(control.font().bold());
        }
        if (row.kind == ControlKind::Label || row.kind == ControlKind::TransparentLabel ||
            row.kind == ControlKind::Button) {
            const QFont expected = fontFor(row.font);
            QCOMPARE(control.font().pixelSize(), expected.pixelSize());
            QCOMPARE(control.font().bold(), expected.bold());
        }
        if (row.kind == ControlKind::TransparentLabel) {
            // Drawn above every group box it may lie over.
            const QObjectList siblings = parent->children();
            const auto at = siblings.indexOf(&control);
            for (qsizetype i = at + 1; i < siblings.size(); ++i) {
                QVERIFY(qobject_cast<QGroupBox*>(siblings[i]) == nullptr);
            }
        }
    }

    void windowIsCentredWithItsOuterSize() {
        QCOMPARE(window_->frameGeometry().size(), QSize(594, 518));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred((screen.width() - 594) / 2, (screen.height() - 518) / 2);
        QCOMPARE(window_->frameGeometry().topLeft(), screen.topLeft() + centred);
        QCOMPARE(window_->windowTitle(), "Tessaril");
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
    }

    void tabControlHoldsTheFivePages() {
        QWidget& tabs = control("选择夹1");
        QCOMPARE(tabs.geometry(), QRect(0, 8, 592, 376));
        // Each page covers the whole tab control, so table places apply unchanged.
        for (int page = 0; page < 5; ++page) {
            QCOMPARE(window_->tabs().page(page).geometry(), tabs.rect());
        }
        QTabBar& bar = window_->tabs().tabBar();
        QCOMPARE(bar.focusPolicy(), Qt::NoFocus);
        const QStringList texts{"测量重复性", "示值误差", "零点/量程飘移", "平均值计算",
                                "常用函数计算"};
        QCOMPARE(bar.count(), texts.size());
        for (int i = 0; i < bar.count(); ++i) QCOMPARE(bar.tabText(i), texts[i]);
        QCOMPARE(bar.currentIndex(), 0);
    }

    void switchingPagesShowsOnlyTheSelectedPage() {
        QTest::keyClicks(&control<QLineEdit>("编辑框3"), "12.5");
        for (int selected : {4, 2, 0, 3, 1}) {
            QTabBar& bar = window_->tabs().tabBar();
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(selected).center());
            QCOMPARE(bar.currentIndex(), selected);
            for (int page = 0; page < 5; ++page) {
                for (const ControlSpec& row : table(page + 1)) {
                    QCOMPARE(control(row.name).isVisible(), page == selected);
                }
            }
            QVERIFY(control("按钮2").isVisible());
            QVERIFY(control("编辑框18").isVisible());
        }
        QCOMPARE(control<QLineEdit>("编辑框3").text(), "12.5");
    }

    void focusStartsInTheFirstBox() { QCOMPARE(focusName(), "编辑框3"); }

    void focusCycle_data() {
        QTest::addColumn<QList<int>>("pagesVisited");
        QTest::addColumn<QStringList>("cycle");
        const QStringList page0{"编辑框3", "编辑框4", "编辑框5", "编辑框6", "编辑框7", "编辑框8",
                                "编辑框1", "编辑框2", "按钮1",   "按钮2",   "编辑框18"};
        QTest::newRow("page 0 at start") << QList<int>{} << page0;
        QTest::newRow("page 0 after page 4") << QList<int>{4, 0} << page0;
        QTest::newRow("page 1") << QList<int>{1}
                                << QStringList{"按钮2",    "编辑框11", "编辑框12", "编辑框13",
                                               "编辑框14", "编辑框15", "编辑框9",  "按钮3",
                                               "编辑框10", "编辑框18"};
        QTest::newRow("page 2") << QList<int>{2}
                                << QStringList{"按钮2",    "编辑框23", "编辑框22", "编辑框21",
                                               "编辑框20", "编辑框19", "编辑框17", "编辑框16",
                                               "按钮4",    "编辑框18"};
        QTest::newRow("page 3") << QList<int>{3}
                                << QStringList{"按钮2",    "编辑框31", "编辑框30", "编辑框29",
                                               "编辑框28", "编辑框27", "编辑框26", "编辑框25",
                                               "按钮5",    "编辑框18", "编辑框24", "编辑框34",
                                               "编辑框33", "编辑框32", "编辑框35"};
        QTest::newRow("page 4") << QList<int>{4}
                                << QStringList{"按钮2",    "编辑框18", "编辑框36", "按钮6",
                                               "编辑框37", "编辑框38", "编辑框41", "按钮7",
                                               "编辑框40", "按钮8",    "编辑框39", "编辑框42",
                                               "编辑框44", "编辑框43", "按钮9",    "编辑框46",
                                               "编辑框45", "按钮10",   "编辑框47"};
    }
    void focusCycle() {
        QFETCH(QList<int>, pagesVisited);
        QFETCH(QStringList, cycle);
        for (int page : pagesVisited) window_->tabs().setCurrentPage(page);
        if (!pagesVisited.isEmpty()) {
            // The focus left with its page and rests on the window; Tab enters the cycle.
            QCOMPARE(QApplication::focusWidget(), window_.get());
            pressTab(true);
        }
        QCOMPARE(focusName(), cycle.front());
        for (qsizetype i = 1; i <= cycle.size(); ++i) {
            pressTab(true);
            QCOMPARE(focusName(), cycle[i % cycle.size()]);
        }
        for (qsizetype i = cycle.size() - 1; i >= 0; --i) {
            pressTab(false);
            QCOMPARE(focusName(), cycle[i]);
        }
    }

    void switchingPagesKeepsTheFocusOutsideThePages() {
        control("按钮2").setFocus();
        window_->tabs().setCurrentPage(3);
        QCOMPARE(focusName(), "按钮2");
        control("编辑框18").setFocus();
        window_->tabs().setCurrentPage(1);
        QCOMPARE(focusName(), "编辑框18");
    }

    void enterPressesNoButtonButSpaceDoes_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::newRow("按钮1") << 0 << "按钮1";
        QTest::newRow("按钮3") << 1 << "按钮3";
        QTest::newRow("按钮4") << 2 << "按钮4";
        QTest::newRow("按钮5") << 3 << "按钮5";
        for (const char* name : {"按钮6", "按钮7", "按钮8", "按钮9", "按钮10"}) {
            QTest::newRow(name) << 4 << name;
        }
    }
    void enterPressesNoButtonButSpaceDoes() {
        QFETCH(int, page);
        QFETCH(QString, button);
        window_->tabs().setCurrentPage(page);
        auto& pressed = control<QAbstractButton>(button.toUtf8().constData());
        pressed.setFocus();
        QSignalSpy clicks(&pressed, &QAbstractButton::clicked);
        QTest::keyClick(&pressed, Qt::Key_Return);
        QTest::keyClick(&pressed, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(focusName(), button);
        // Arrow keys stay inside the focused control.
        for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            QTest::keyClick(&pressed, arrow);
        }
        QCOMPARE(focusName(), button);
        QTest::keyClick(&pressed, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
    }

    void linkOpensOnPress_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("web address") << "超级链接框2" << QUrl("https://www.example.com");
        QTest::newRow("e-mail") << "超级链接框3" << QUrl("mailto:kf@example.com");
    }
    void linkOpensOnPress() {
        QFETCH(QString, link);
        QFETCH(QUrl, opened);
        OpenedUrls desktop;
        QDesktopServices::setUrlHandler("https", &desktop, "open");
        QDesktopServices::setUrlHandler("mailto", &desktop, "open");
        auto& label = control<QLabel>(link.toUtf8().constData());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), label.mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(&label, &enter);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x69, 0x8A, 0x55));
        // Pressed and never released, as when the mouse moves away before the release.
        QTest::mousePress(&label, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(desktop.urls, QList<QUrl>{opened});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00));
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    }

    // Read back what is on screen, not a fresh rendering, so leftovers would show.
    QImage onScreen(const QWidget& control) const {
        const QRect area(control.mapTo(window_.get(), QPoint(0, 0)), control.size());
        return window_->screen()
            ->grabWindow(window_->winId(), area.x(), area.y(), area.width(), area.height())
            .toImage();
    }

    void replacedLabelTextLeavesNoTrace() {
        auto& clock = control<QLabel>("透明标签29");
        writeBoxText(clock, "");
        const QImage empty = onScreen(clock);
        writeBoxText(clock, "2015年1月30日14时5分9秒");
        QVERIFY(onScreen(clock) != empty);
        writeBoxText(clock, "2015年1月30日");
        writeBoxText(clock, "");
        QCOMPARE(onScreen(clock), empty);
    }

    void linkWithoutAddressDoesNothing() {
        OpenedUrls desktop;
        QDesktopServices::setUrlHandler("https", &desktop, "open");
        Hyperlink link("https://www.example.com", QString(), window_.get());
        QTest::mousePress(&link, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QVERIFY(desktop.urls.isEmpty());
        QVERIFY(!link.visited());
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::MainWindowTest)
#include "main_window_test.moc"
