// The spacing calculation on arbitrary list positions, field texts, lock
// states and unit systems: it fails with CalcError or shows a well-formed,
// non-negative spacing, the same each time. A negative spacing is a failure.
#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>
#include <cstdlib>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "calc/SpacingCalculation.h"
#include "fuzz/FuzzLocales.h"
#include "text/TextTable.h"
#include "window/FailureText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const QLocale& locale = FuzzLocale(in.ConsumeIntegral<std::uint8_t>());
    SpacingInputs s;
    for (int* position : {&s.sensorPosition, &s.pipePosition, &s.liningPosition, &s.fluidPosition,
                          &s.mountPosition}) {
        *position = in.ConsumeIntegralInRange(-2, 20);
    }
    s.pipeSoundVelocityLocked = in.ConsumeBool(), s.liningSoundVelocityLocked = in.ConsumeBool();
    s.fluidSoundVelocityLocked = in.ConsumeBool();
    s.unitFlag = in.ConsumeIntegral<std::int16_t>();
    for (QString* text :
         {&s.wallThicknessText, &s.liningThicknessText, &s.outerDiameterText,
          &s.pipeSoundVelocityText, &s.liningSoundVelocityText, &s.fluidSoundVelocityText}) {
        // Mostly numbers as a user would type them, sometimes anything at all.
        const int kind = in.ConsumeIntegralInRange(0, 2);
        *text = kind == 0   ? QString::fromStdString(in.ConsumeRandomLengthString(24))
                : kind == 1 ? locale.toString(in.ConsumeIntegralInRange(-1000, 700000) / 100.0)
                            : locale.toString(in.ConsumeFloatingPoint<double>(), 'g', 17);
    }
    SpacingResult r;
    try {
        r = FncCalcSpacing(s, locale);
    } catch (const CalcError& error) {
        if (TextTable(FncFailureTextId(error.kind())).isEmpty()) std::abort();
        return 0;
    }
    // Digits with the locale's separators only: no sign, no "nan", no exponent.
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QString pattern =
        HasThreeMillimetreSteps(s.sensorPosition)
            ? QString("[0-9]+(%1[0-9]+)? [0-9]+").arg(point)
            : QString("[0-9]{1,3}(%1[0-9]{3})*%2[0-9]{%3} ")
                  .arg(QRegularExpression::escape(locale.groupSeparator()), point)
                  .arg(s.unitFlag != 0 ? 3 : 2);
    const QString shown = r.result1Text + ' ' + r.result2Text;
    const SpacingResult again = FncCalcSpacing(s, locale);  // no state kept between runs
    if (!QRegularExpression("^" + pattern + "$").match(shown).hasMatch() ||
        again.result1Text + ' ' + again.result2Text != shown) {
        std::abort();
    }
    return 0;
}
