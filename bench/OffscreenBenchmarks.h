#pragma once

#include <QGuiApplication>

#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside an offscreen GUI application: the
// pictures they draw print text, and fonts need one.
inline int runBenchmarksOffscreen(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
