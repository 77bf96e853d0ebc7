// The main of a benchmark that runs Qt widgets: the application object must
// exist before the first benchmark makes a window.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#define ZEF_QT_BENCHMARK_MAIN()               \
    int main(int argc, char* argv[])          \
    {                                         \
        QApplication application(argc, argv); \
        benchmark::Initialize(&argc, argv);   \
        benchmark::RunSpecifiedBenchmarks();  \
        benchmark::Shutdown();                \
        return 0;                             \
    }
