// Building and initialising the calculator window, in both languages, and
// showing it up to its first complete paint. Runs headless.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "OffscreenBenchmarkMain.h"
#include "settings/ModCommonProc.h"
#include "window/frmCalc.h"

namespace {

// Start-up values as a program folder with the given settings file gives
// them; an empty text means no settings file.
StartupValues LoadStartupValues(const QByteArray& settings) {
    QTemporaryDir folder;
    if (!settings.isEmpty()) {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Velkara.ini")));
        if (file.open(QIODevice::WriteOnly)) file.write(settings);
    }
    return ModCommonProc::FncLoadStartupValues(folder.path());
}

const QByteArray kJapaneseMetric;
const QByteArray kEnglishInch = "[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n";

// Construction runs the whole initialisation: captions, lists, handlers.
void BM_ConstructWindow(benchmark::State& state, const QByteArray& settings) {
    const StartupValues startup = LoadStartupValues(settings);
    for (auto _ : state) {
        frmCalc window(startup);
        benchmark::DoNotOptimize(&window);
    }
}

// Construction, show and one full render of every control.
void BM_ConstructShowAndPaint(benchmark::State& state, const QByteArray& settings) {
    const StartupValues startup = LoadStartupValues(settings);
    for (auto _ : state) {
        frmCalc window(startup);
        window.show();
        QApplication::processEvents();
        QImage image = window.grab().toImage();
        benchmark::DoNotOptimize(image);
        window.close();
    }
}

// Painting an already shown window again (what a re-expose costs).
void BM_RepaintShownWindow(benchmark::State& state, const QByteArray& settings) {
    const StartupValues startup = LoadStartupValues(settings);
    frmCalc window(startup);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        QImage image = window.grab().toImage();
        benchmark::DoNotOptimize(image);
    }
}

BENCHMARK_CAPTURE(BM_ConstructWindow, japanese_metric, kJapaneseMetric)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConstructWindow, english_inch, kEnglishInch)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConstructShowAndPaint, japanese_metric, kJapaneseMetric)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConstructShowAndPaint, english_inch, kEnglishInch)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RepaintShownWindow, japanese_metric, kJapaneseMetric)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return OffscreenBenchmarkMain<QApplication>(argc, argv);
}
