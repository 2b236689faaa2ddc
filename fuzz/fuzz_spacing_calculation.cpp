// The spacing calculation on arbitrary list positions, field texts, lock
// states and unit systems. Whatever reaches it, it either shows a well-formed,
// finite, non-negative spacing or fails with CalcError; it never shows "nan",
// "inf" or a negative number.
#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/CalcError.h"
#include "calc/SpacingCalculation.h"
#include "fuzz/FuzzLocales.h"

namespace {

void Require(bool condition, const char* what, const QString& detail = QString()) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s [%s]\n", what, qPrintable(detail));
        std::abort();
    }
}

// Mostly numbers as a user would type them, sometimes anything at all.
QString FieldText(FuzzedDataProvider& in, const QLocale& locale) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return QString();
        case 1:
            return QString::fromStdString(in.ConsumeRandomLengthString(24));
        case 2:
            return locale.toString(in.ConsumeIntegralInRange(-100000, 100000));
        default:
            return locale.toString(in.ConsumeFloatingPoint<double>(), 'g', 17);
    }
}

SpacingInputs Inputs(FuzzedDataProvider& in, const QLocale& locale) {
    SpacingInputs inputs;
    inputs.sensorPosition = in.ConsumeIntegralInRange(-2, 14);
    inputs.pipePosition = in.ConsumeIntegralInRange(-2, 14);
    inputs.liningPosition = in.ConsumeIntegralInRange(-2, 10);
    inputs.fluidPosition = in.ConsumeIntegralInRange(-2, 20);
    inputs.mountPosition = in.ConsumeIntegralInRange(-2, 3);
    inputs.pipeSoundVelocityLocked = in.ConsumeBool();
    inputs.liningSoundVelocityLocked = in.ConsumeBool();
    inputs.fluidSoundVelocityLocked = in.ConsumeBool();
    inputs.unitFlag = in.ConsumeIntegral<std::int16_t>();
    inputs.wallThicknessText = FieldText(in, locale);
    inputs.liningThicknessText = FieldText(in, locale);
    inputs.outerDiameterText = FieldText(in, locale);
    inputs.pipeSoundVelocityText = FieldText(in, locale);
    inputs.liningSoundVelocityText = FieldText(in, locale);
    inputs.fluidSoundVelocityText = FieldText(in, locale);
    return inputs;
}

QString Escaped(const QString& separator) {
    return QRegularExpression::escape(separator);
}

// "#,##0.00" / "#,##0.000" with the locale's separators and ASCII digits.
bool IsGrouped(const QString& text, int decimals, const QLocale& locale) {
    const QRegularExpression pattern(
        QStringLiteral("^[0-9]{1,3}(%1[0-9]{3})*%2[0-9]{%3}$")
            .arg(Escaped(locale.groupSeparator()), Escaped(locale.decimalPoint()))
            .arg(decimals));
    return pattern.match(text).hasMatch();
}

// Plain number text of a non-negative value: digits, maybe a decimal part.
bool IsPlain(const QString& text, const QLocale& locale) {
    const QRegularExpression pattern(
        QStringLiteral("^[0-9]+(%1[0-9]+)?$").arg(Escaped(locale.decimalPoint())));
    return pattern.match(text).hasMatch();
}

double Read(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    Require(ok, "a result reads as a number", text);
    return value;
}

void CheckResult(const SpacingInputs& inputs, const SpacingResult& result, const QLocale& locale) {
    const bool english = inputs.unitFlag != 0;
    const bool threeMillimetreSteps = inputs.sensorPosition == 2 || inputs.sensorPosition == 3;
    const QString& r1 = result.result1Text;
    const QString& r2 = result.result2Text;
    if (threeMillimetreSteps) {
        Require(IsPlain(r2, locale) && !r2.contains(locale.decimalPoint()),
                "the step count is a whole number", r2);
        Require(IsPlain(r1, locale), "the spacing is plain number text", r1);
        const double steps = Read(r2, locale);
        const double spacing = Read(r1, locale);
        Require(std::isfinite(steps) && std::isfinite(spacing), "finite results", r1 + ' ' + r2);
        if (!english)
            Require(std::fabs(spacing - steps * 3) <= steps * 3 * 1e-14,
                    "the spacing is the steps times 3 mm", r1 + ' ' + r2);
    } else {
        Require(r2.isEmpty(), "no step count for this sensor", r2);
        Require(IsGrouped(r1, english ? 3 : 2, locale), "the spacing is grouped number text", r1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const QLocale& locale = FuzzLocale(in.ConsumeIntegral<std::uint8_t>());
    const SpacingInputs inputs = Inputs(in, locale);

    SpacingResult first;
    try {
        first = FncCalcSpacing(inputs, locale);
    } catch (const CalcError& error) {
        Require(!error.description().isEmpty(), "a failure has a description");
        return 0;
    }
    CheckResult(inputs, first, locale);

    // No state is kept between runs: the same inputs give the same texts.
    const SpacingResult second = FncCalcSpacing(inputs, locale);
    Require(first.result1Text == second.result1Text && first.result2Text == second.result2Text,
            "the same inputs give the same result");
    return 0;
}
