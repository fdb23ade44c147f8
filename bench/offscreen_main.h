#pragma once

// main() of the window benchmarks: a QApplication on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>

#define MORVANE_OFFSCREEN_BENCHMARK_MAIN()                                                                             \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
