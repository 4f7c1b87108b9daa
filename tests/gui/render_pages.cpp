// Shows the main window and saves a picture of each page as page0.png to
// page4.png in the working folder, for checking the layout by eye.
#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include "app/main_window.h"
#include "app/page_tabs.h"
#include "numbers/float_state.h"

int main(int argc, char* argv[]) {
    tessaril::setCalculationFloatState();
    QApplication app(argc, argv);
    tessaril::MainWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    // Let the clock tick once, so its labels show a time and a day.
    QEventLoop wait;
    QTimer::singleShot(1100, &wait, &QEventLoop::quit);
    wait.exec();
    for (int page = 0; page < 5; ++page) {
        window.tabs().setCurrentPage(page);
        QApplication::processEvents();
        const QString file = QStringLiteral("page%1.png").arg(page);
        if (!window.grab().save(file)) return 1;
    }
    return 0;
}
