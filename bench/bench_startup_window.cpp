// Start-up to the first shown main window, offscreen.
#include "mainwindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void StartupToShownMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        MainWindow window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(StartupToShownMainWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
