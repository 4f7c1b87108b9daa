// The number boxes inside the real main window: what typing lets through,
// pastes, very long pastes, and the read-only result boxes.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "numbers/float_state.h"
#include "numbers/number_boxes.h"

namespace tessaril {

class NumberBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;

    QLineEdit& box(const char* name) const { return boxNamed(*window_, name); }

    // Ctrl+V into the box, as the user pastes.
    static void paste(QLineEdit& into, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&into, Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void initTestCase() {
        setCalculationFloatState();
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanupTestCase() { window_.reset(); }
    void init() {
        box("编辑框3").clear();
        box("编辑框3").setFocus();
    }

    void typing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "0123456789"
                                << "0123456789";
        QTest::newRow("signs and points in any order") << "--1.2.3"
                                                       << "--1.2.3";
        QTest::newRow("letters dropped") << "1e5abcXYZ"
                                         << "15";
        QTest::newRow("plus, comma and space dropped") << "+1,234 5"
                                                       << "12345";
        QTest::newRow("other symbols dropped") << "1/2*3=#%()"
                                               << "123";
    }
    void typing() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QTest::keyClicks(&box("编辑框3"), typed);
        QCOMPARE(box("编辑框3").text(), shown);
    }

    void typedNonAsciiCharactersAreDropped_data() {
        QTest::addColumn<QString>("character");
        QTest::newRow("full-width digit") << QStringLiteral("５");
        QTest::newRow("ideograph") << QStringLiteral("中");
        QTest::newRow("ideographic space") << QStringLiteral("\u3000");
    }
    void typedNonAsciiCharactersAreDropped() {
        QFETCH(QString, character);
        QTest::keyClicks(&box("编辑框3"), "1");
        QTest::sendKeyEvent(QTest::Press, &box("编辑框3"), Qt::Key_unknown, character, {});
        QCOMPARE(box("编辑框3").text(), "1");
    }

    void controlKeysStillWork() {
        QLineEdit& input = box("编辑框3");
        QTest::keyClicks(&input, "123");
        QTest::keyClick(&input, Qt::Key_Backspace);
        QCOMPARE(input.text(), "12");
        QTest::keyClick(&input, Qt::Key_Left);
        QTest::keyClick(&input, Qt::Key_Delete);
        QCOMPARE(input.text(), "1");
        QTest::keyClick(&input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&input, "7");
        QCOMPARE(input.text(), "7");
        QTest::keyClick(&input, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input.text(), "1");
    }

    void pastedTextIsNotFiltered() {
        paste(box("编辑框3"), "1e5");
        QCOMPARE(box("编辑框3").text(), "1e5");
        QCOMPARE(readBoxNumber(box("编辑框3")), 100000.0);
    }

    void longPasteReadsAsItsNumberPrefix_data() {
        QTest::addColumn<QString>("tail");
        constexpr qsizetype kMegabyte = 1 << 20;
        QTest::newRow("letters and digits") << QString("x9y8").repeated(kMegabyte / 4);
        QTest::newRow("zeros") << QString(kMegabyte, u'0');
    }
    void longPasteReadsAsItsNumberPrefix() {
        QFETCH(QString, tail);
        const QString text = "1234.5" + tail;
        paste(box("编辑框3"), text);
        QCOMPARE(box("编辑框3").text().size(), text.size());
        QCOMPARE(readBoxNumber(box("编辑框3")), 1234.5);
        box("编辑框3").repaint();
    }

    void resultBoxIsReadOnlyButSelectable() {
        QLineEdit& result = box("编辑框1");
        writeBoxText(result, "-1.#IND");
        result.setFocus();
        QVERIFY(result.hasFocus());
        QTest::keyClicks(&result, "12");
        QTest::keyClick(&result, Qt::Key_Backspace);
        paste(result, "99");
        QCOMPARE(result.text(), "-1.#IND");
        QTest::keyClick(&result, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(result.selectedText(), "-1.#IND");
        QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "-1.#IND");
    }

    // A read-only line edit hides its caret; the result box draws one.
    void resultBoxShowsItsCaret() {
        QApplication::setCursorFlashTime(0);  // a steady caret
        QLineEdit& result = box("编辑框2");
        result.clear();
        const auto caretDrawn = [&result] {
            const QImage image = result.grab().toImage();
            const int middle = image.height() / 2;
            for (int x = image.width() / 2 - 3; x <= image.width() / 2 + 3; ++x) {
                if (image.pixelColor(x, middle) == Qt::black) return true;
            }
            return false;
        };
        QVERIFY(!caretDrawn());
        result.setFocus();
        QVERIFY(caretDrawn());
        box("编辑框3").setFocus();
        QVERIFY(!caretDrawn());
    }

    void writtenTextShowsFromItsStart() {
        QLineEdit& result = box("编辑框36");
        writeBoxText(result, "1.797693134862e+308");
        QCOMPARE(result.text(), "1.797693134862e+308");
        QCOMPARE(result.cursorPosition(), 0);
    }

    void readingLeavesTheBoxAsItWas() {
        QTest::keyClicks(&box("编辑框3"), "-.5");
        QCOMPARE(readBoxNumber(box("编辑框3")), -0.5);
        QCOMPARE(box("编辑框3").text(), "-.5");
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::NumberBoxTest)
#include "number_box_test.moc"
