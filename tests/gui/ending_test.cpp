// The three ways to end: the exit button, Esc and the close box each destroy
// the main window, and the event loop then returns 0.
#include <QAbstractButton>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "numbers/float_state.h"

namespace tessaril {

class EndingTest : public QObject {
    Q_OBJECT

    enum class Ending { ExitButton, Escape, EscapeFromAboutBox, CloseBox };

private slots:
    void initTestCase() { setCalculationFloatState(); }

    void endsWithCodeZero_data() {
        QTest::addColumn<int>("ending");
        QTest::newRow("退出") << int(Ending::ExitButton);
        QTest::newRow("Esc in the first box") << int(Ending::Escape);
        QTest::newRow("Esc in the about box") << int(Ending::EscapeFromAboutBox);
        QTest::newRow("close box") << int(Ending::CloseBox);
    }
    void endsWithCodeZero() {
        QFETCH(int, ending);
        QPointer<MainWindow> window = new MainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QTimer::singleShot(0, window, [window, ending] {
            switch (Ending(ending)) {
                case Ending::ExitButton: {
                    auto* exit = window->findChild<QAbstractButton*>("按钮2");
                    QTest::mouseClick(exit, Qt::LeftButton);
                    // The close is posted: the window outlives the click.
                    QVERIFY(!window.isNull());
                    break;
                }
                case Ending::Escape:
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                    break;
                case Ending::EscapeFromAboutBox: {
                    auto* about = window->findChild<QWidget*>("编辑框18");
                    about->setFocus();
                    QTest::keyClick(about, Qt::Key_Escape);
                    break;
                }
                case Ending::CloseBox:
                    window->close();
                    break;
            }
        });
        // Ends a loop that would otherwise never return, so the failure shows.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(60'000);

        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(window.isNull());
    }
};

}  // namespace tessaril

QTEST_MAIN(tessaril::EndingTest)
#include "ending_test.moc"
