// The entry point of benchmarks that draw: fonts and painting need a GUI
// application, which runs offscreen so that no display is needed.
#pragma once

#include <QApplication>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#define PLX_GUI_BENCHMARK_MAIN()                                                                                      \
    int main(int argc, char **argv)                                                                                   \
    {                                                                                                                 \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                      \
        QGuiApplication app(argc, argv);                                                                              \
        benchmark::Initialize(&argc, argv);                                                                           \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                       \
            return 1;                                                                                                 \
        benchmark::RunSpecifiedBenchmarks();                                                                          \
        benchmark::Shutdown();                                                                                        \
        return 0;                                                                                                     \
    }

// The same for benchmarks of widgets; `atEnd` runs while the application still lives.
#define PLX_WIDGET_BENCHMARK_MAIN(atEnd)                                                                              \
    int main(int argc, char **argv)                                                                                   \
    {                                                                                                                 \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                      \
        QApplication app(argc, argv);                                                                                 \
        benchmark::Initialize(&argc, argv);                                                                           \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                       \
            return 1;                                                                                                 \
        benchmark::RunSpecifiedBenchmarks();                                                                          \
        benchmark::Shutdown();                                                                                        \
        atEnd;                                                                                                        \
        return 0;                                                                                                     \
    }
