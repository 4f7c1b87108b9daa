// Tessaril: an exact desktop calculator for instrument verification.
#include <QApplication>

#include "app/main_window.h"
#include "numbers/float_state.h"

int main(int argc, char* argv[]) {
    tessaril::setCalculationFloatState();
    QApplication app(argc, argv);
    auto* window = new tessaril::MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
