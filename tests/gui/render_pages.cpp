// Shows the main window and saves a picture of each page as page0.png to
// page4.png in the working folder, for checking the layout by eye.
#include <QApplication>
#include <QPixmap>

#include "app/main_window.h"
#include "app/page_tabs.h"
#include "numbers/float_state.h"

int main(int argc, char* argv[]) {
    tessaril::setCalculationFloatState();
    QApplication app(argc, argv);
    tessaril::MainWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QApplication::processEvents();
    for (int page = 0; page < 5; ++page) {
        window.tabs().setCurrentPage(page);
        QApplication::processEvents();
        const QString file = QStringLiteral("page%1.png").arg(page);
        if (!window.grab().save(file)) return 1;
    }
    return 0;
}
