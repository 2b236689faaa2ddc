// One Execute press without the window: from the entries' texts to the two
// result texts, and the calculation on numbers alone.
#include <benchmark/benchmark.h>

#include <QLocale>

#include "calc/SpacingCalculation.h"
#include "rules/SpacingRun.h"

namespace {

// 114.3 x 6 carbon steel, no lining, water, V method, TB_01/TC_01.
Entries TypicalPipe() {
    Entries entries;
    for (Entry& entry : entries) entry.position = 0;
    entries[FocusPosition(InputId::SensorType)].position = 4;
    entries[FocusPosition(InputId::OuterDiameter)].text = QStringLiteral("114.3");
    entries[FocusPosition(InputId::WallThickness)].text = QStringLiteral("6");
    return entries;
}

void RunSpacing(benchmark::State& state, const Entries& entries) {
    const NumberFormat format{Units::Metric, QLocale(QLocale::English, QLocale::UnitedStates)};
    for (auto _ : state) {
        SpacingRun run = FncRunSpacing(entries, format);
        benchmark::DoNotOptimize(run);
    }
}

void BM_SpacingFromTexts(benchmark::State& state) {
    RunSpacing(state, TypicalPipe());
}
BENCHMARK(BM_SpacingFromTexts);

void BM_SpacingThreeMillimetreSteps(benchmark::State& state) {
    Entries entries = TypicalPipe();
    entries[FocusPosition(InputId::SensorType)].position = 2;  // TA_01
    entries[FocusPosition(InputId::OuterDiameter)].text = QStringLiteral("60.5");
    entries[FocusPosition(InputId::WallThickness)].text = QStringLiteral("3");
    RunSpacing(state, entries);
}
BENCHMARK(BM_SpacingThreeMillimetreSteps);

void BM_SpacingOnNumbers(benchmark::State& state) {
    SpacingRequest request;
    request.sensorRow = 4;
    request.method = MountMethod::V;
    request.outerDiameter = 114.3;
    request.wallThickness = 6;
    request.pipeVelocity = 3000;
    request.fluidVelocity = 1440;
    for (auto _ : state) {
        SpacingOutcome outcome = FncCalcSpacing(request);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SpacingOnNumbers);

}  // namespace

BENCHMARK_MAIN();
