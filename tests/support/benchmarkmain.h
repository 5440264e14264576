#pragma once

// The main() of the widget benchmarks: an offscreen QApplication (unless a platform was
// chosen), the German locale the windows are measured in, then Google Benchmark.

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#define TAVIX_WIDGET_BENCHMARK_MAIN()                                                                  \
    int main(int argc, char **argv)                                                                    \
    {                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                                  \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));                               \
        benchmark::Initialize(&argc, argv);                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                           \
        benchmark::Shutdown();                                                                         \
        return 0;                                                                                      \
    }
