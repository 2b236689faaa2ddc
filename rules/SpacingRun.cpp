#include "rules/SpacingRun.h"

#include <cmath>
#include <limits>

#include "calc/CalcError.h"
#include "calc/NumericFunctions.h"
#include "calc/SpacingCalculation.h"
#include "rules/FailureText.h"
#include "rules/FieldRefusal.h"
#include "rules/ListPositions.h"
#include "rules/NameLists.h"

namespace {

SpacingRun Refused(InputId input, std::int16_t textId) {
    SpacingRun run;
    run.outcome = SpacingRun::Outcome::Refused;
    run.refusedInput = input;
    run.messageTextId = textId;
    return run;
}

SpacingRun Failed(CalcErrorKind kind) {
    SpacingRun run;
    run.outcome = SpacingRun::Outcome::Failed;
    run.messageTextId = FncFailureTextId(kind);
    return run;
}

// English lengths and velocities are converted when read.
double ToMetric(double typed, Quantity quantity, bool english) {
    if (!english) return typed;
    return quantity == Quantity::Length ? FncInchToMm(typed) : FncFtToM(typed);
}

}  // namespace

SpacingRun FncRunSpacing(const Entries& entries, std::int16_t unitFlag, const QLocale& locale) {
    using enum InputId;
    // Each number as typed (in the run's units), or NaN while locked.
    std::array<double, kInputCount> typed{};
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number) continue;
        const std::size_t at = FocusPosition(input.id);
        if (IsLocked(input, entries)) {
            typed[at] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const FieldReading reading =
            FncReadField(input, entries[at].text, unitFlag, locale, EmptyText::Refused);
        if (reading.refusal) return Refused(input.id, *reading.refusal);
        typed[at] = reading.value;
    }

    // The walls must leave room for the fluid: blame the wall, or the lining
    // when the wall alone would fit. Both are lengths in the same unit,
    // compared as typed.
    const double diameter = typed[FocusPosition(OuterDiameter)];
    const double wall = typed[FocusPosition(WallThickness)];
    const double lining = std::isnan(typed[FocusPosition(LiningThickness)])
                              ? 0.0
                              : typed[FocusPosition(LiningThickness)];
    if (!(diameter > 2 * (wall + lining))) {
        return Refused(diameter > 2 * wall ? LiningThickness : WallThickness, kOutOfRangeText);
    }

    try {
        const bool english = unitFlag != 0;
        const auto metric = [&](InputId id) {
            const InputDescriptor& input = Describe(id);
            const double value = typed[FocusPosition(id)];
            if (std::isnan(value))
                return input.lock->lockedValue(entries[FocusPosition(input.lock->list)].position);
            return ToMetric(value, input.quantity, english);
        };
        SpacingRequest request;
        const int sensor = entries[FocusPosition(SensorType)].position;
        request.sensorRow = sensor;
        request.method = MountMethodAt(entries[FocusPosition(MountingMethod)].position);
        request.outerDiameter = metric(OuterDiameter);
        request.wallThickness = metric(WallThickness);
        request.liningThickness = metric(LiningThickness);
        request.pipeVelocity = metric(PipeVelocity);
        request.liningVelocity = metric(LiningVelocity);
        request.fluidVelocity = metric(FluidVelocity);

        const SpacingOutcome spacing = FncCalcSpacing(request);
        if (spacing.failure) return Failed(*spacing.failure);
        SpacingRun run;
        run.outcome = SpacingRun::Outcome::Shown;
        run.texts =
            FncPresentSpacing(spacing.spacingMm, HasThreeMillimetreSteps(sensor), unitFlag, locale);
        return run;
    } catch (const CalcError& failure) {
        return Failed(failure.kind());
    }
}
