#pragma once
// The main of a benchmark program that needs a Qt application object of the
// kind `Application` (QGuiApplication to paint, QApplication for widgets).
#include <benchmark/benchmark.h>

#include <QtGlobal>

template <class Application>
int OffscreenBenchmarkMain(int argc, char** argv) {
    // A measuring tool, not the program: headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
