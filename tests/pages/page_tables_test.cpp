// The five page tables: consistent among themselves, and built into the main
// window as listed, each page showing only its own controls.
#include "pages/page_tables.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <array>
#include <set>
#include <string_view>

#include "app/main_window.h"
#include "numbers/number_boxes.h"
#include "page_driver.h"

namespace tessaril {

namespace {

const std::array<const PageSpec*, 5>& pages() {
    static const std::array<const PageSpec*, 5> all{&repeatabilityPage(), &indicationErrorPage(),
                                                    &zeroSpanDriftPage(), &averagePage(),
                                                    &commonFunctionsPage()};
    return all;
}

bool isBox(const ControlSpec& row) {
    return row.kind == ControlKind::InputBox || row.kind == ControlKind::ResultBox;
}

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class PageTablesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageDriver> driver_;

private slots:
    void initTestCase() { driver_ = std::make_unique<PageDriver>(); }
    void cleanupTestCase() { driver_.reset(); }

    void namesAreUniqueAcrossPages() {
        QSet<QString> names;
        for (const PageSpec* page : pages()) {
            for (const ControlSpec& row : page->controls) {
                QVERIFY2(!names.contains(text(row.name)), row.name);
                names.insert(text(row.name));
            }
        }
    }

    void parentsAreEarlierGroupBoxesOfThePage() {
        for (const PageSpec* page : pages()) {
            QSet<QString> groupBoxes;
            for (const ControlSpec& row : page->controls) {
                if (row.parent != nullptr)
                    QVERIFY2(groupBoxes.contains(text(row.parent)), row.name);
                if (row.kind == ControlKind::GroupBox) {
                    QVERIFY2(row.parent == nullptr, row.name);
                    groupBoxes.insert(text(row.name));
                }
            }
        }
    }

    // Only the 计算 buttons have a handler, each a different one.
    void everyButtonHasItsOwnHandler() {
        std::set<ClickHandler> handlers;
        for (const PageSpec* page : pages()) {
            for (const ControlSpec& row : page->controls) {
                const bool button = row.kind == ControlKind::Button;
                QCOMPARE(row.onClick != nullptr, button);
                if (!button) continue;
                QCOMPARE(text(row.text), QStringLiteral("计算"));
                QVERIFY2(handlers.insert(row.onClick).second, row.name);
            }
        }
        QCOMPARE(handlers.size(), std::size_t{9});
    }

    void boxesAreNamedForScreenReaders() {
        int inputBoxes = 0;
        int resultBoxes = 0;
        for (const PageSpec* page : pages()) {
            for (const ControlSpec& row : page->controls) {
                if (!isBox(row)) continue;
                QVERIFY2(row.accessibleName != nullptr && *row.accessibleName != '\0', row.name);
                QCOMPARE(row.font.pixelSize, 20);
                QVERIFY(row.font.bold);
                ++(row.kind == ControlKind::InputBox ? inputBoxes : resultBoxes);
            }
        }
        QCOMPARE(inputBoxes, 33);
        QCOMPARE(resultBoxes, 13);
    }

    void pagesAreBuiltAsListed_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tabText");
        QTest::newRow("page 0") << 0 << "测量重复性";
        QTest::newRow("page 1") << 1 << "示值误差";
        QTest::newRow("page 2") << 2 << "零点/量程飘移";
        QTest::newRow("page 3") << 3 << "平均值计算";
        QTest::newRow("page 4") << 4 << "常用函数计算";
    }
    void pagesAreBuiltAsListed() {
        QFETCH(int, index);
        QFETCH(QString, tabText);
        QCOMPARE(text(pages()[index]->tabText), tabText);

        driver_->openPage(index);
        QCOMPARE(driver_->tabBar().tabText(index), tabText);

        const MainWindow& window = driver_->window();
        for (int other = 0; other < int(pages().size()); ++other) {
            for (const ControlSpec& row : pages()[other]->controls) {
                const auto* widget = window.findChild<QWidget*>(text(row.name));
                QVERIFY2(widget != nullptr, row.name);
                QVERIFY2(widget->isVisible() == (other == index), row.name);
            }
        }

        for (const ControlSpec& row : pages()[index]->controls) {
            const auto& widget = *window.findChild<QWidget*>(text(row.name));
            if (row.parent != nullptr) {
                QCOMPARE(widget.parentWidget()->objectName(), text(row.parent));
                QCOMPARE(widget.geometry(), QRect(row.left, row.top, row.width, row.height));
            }
            switch (row.kind) {
                case ControlKind::InputBox:
                    QVERIFY2(qobject_cast<const InputBox*>(&widget) != nullptr, row.name);
                    QCOMPARE(widget.accessibleName(), text(row.accessibleName));
                    break;
                case ControlKind::ResultBox:
                    QVERIFY2(qobject_cast<const ResultBox*>(&widget) != nullptr, row.name);
                    QVERIFY(qobject_cast<const QLineEdit*>(&widget)->isReadOnly());
                    QCOMPARE(widget.accessibleName(), text(row.accessibleName));
                    break;
                case ControlKind::Button:
                    QCOMPARE(qobject_cast<const QAbstractButton*>(&widget)->text(), text(row.text));
                    break;
                default:
                    break;
            }
        }
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::PageTablesTest)
#include "page_tables_test.moc"
