// How long the window takes to build and show: the whole start-up after the
// application object exists (every control of the five pages and the panel).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"

namespace {

void buildAndShowMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new tessaril::MainWindow;
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(buildAndShowMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
