// One Execute press without the window: from the field texts to the two
// result texts.
#include <benchmark/benchmark.h>

#include <QLocale>

#include "calc/SpacingCalculation.h"

namespace {

SpacingInputs TypicalPipe() {
    SpacingInputs in;
    in.sensorPosition = 4;  // TB_01/TC_01
    in.pipePosition = 0;    // CARBON STEEL
    in.liningPosition = 0;  // NO LINING
    in.fluidPosition = 0;   // WATER
    in.mountPosition = 0;   // V METHOD
    in.outerDiameterText = QStringLiteral("114.3");
    in.wallThicknessText = QStringLiteral("6");
    return in;
}

void BM_SpacingFromTexts(benchmark::State& state) {
    const SpacingInputs in = TypicalPipe();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        SpacingResult result = FncCalcSpacing(in, locale);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SpacingFromTexts);

void BM_SpacingThreeMillimetreSteps(benchmark::State& state) {
    SpacingInputs in = TypicalPipe();
    in.sensorPosition = 2;  // TA_01
    in.outerDiameterText = QStringLiteral("60.5");
    in.wallThicknessText = QStringLiteral("3");
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        SpacingResult result = FncCalcSpacing(in, locale);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SpacingThreeMillimetreSteps);

}  // namespace

BENCHMARK_MAIN();
