// Start-up to the first shown main window, offscreen.
#include "mainwindow.h"
#include "offscreen_main.h"

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

MORVANE_OFFSCREEN_BENCHMARK_MAIN()
