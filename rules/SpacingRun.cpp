#include "rules/SpacingRun.h"

#include <cmath>
#include <limits>
#include <optional>

#include "calc/CalcError.h"
#include "calc/NumericFunctions.h"
#include "calc/SensorTable.h"
#include "calc/SpacingCalculation.h"
#include "rules/FieldRefusal.h"
#include "rules/NameLists.h"

SpacingRun SpacingRun::Refused(InputId input, Reason reason) {
    SpacingRun run;
    run.outcome = Outcome::Refused;
    run.refusedInput = input;
    run.reason = reason;
    return run;
}

namespace {

using enum InputId;

SpacingRun Failed(CalcErrorKind kind) {
    SpacingRun run;
    run.outcome = SpacingRun::Outcome::Failed;
    run.reason = FncFailureReason(kind);
    return run;
}

// As CheckedEntries::typed.
using TypedNumbers = std::array<double, kInputCount>;

// Every unlocked number checked as on leaving its field, an empty text
// refused too; the first refusal ends the reading.
std::optional<SpacingRun> ReadNumbers(const Entries& entries, const NumberFormat& format,
                                      TypedNumbers& typed) {
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number) continue;
        const std::size_t at = FocusPosition(input.id);
        if (IsLocked(input, entries)) {
            typed[at] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const Entry& entry = entries[at];
        const FieldReading reading =
            entry.number ? FncCheckLimits(input, *entry.number, format.units)
                         : FncReadField(input, entry.text, format, EmptyText::Refused);
        if (reading.refusal) return SpacingRun::Refused(input.id, *reading.refusal);
        typed[at] = reading.value;
    }
    return std::nullopt;
}

// The walls must leave room for the fluid: blame the wall, or the lining
// when the wall alone would fit. Both are lengths in the same unit, compared
// as typed.
std::optional<SpacingRun> CheckRoomForFluid(const TypedNumbers& typed) {
    const double diameter = typed[FocusPosition(OuterDiameter)];
    const double wall = typed[FocusPosition(WallThickness)];
    const double lining = std::isnan(typed[FocusPosition(LiningThickness)])
                              ? 0.0
                              : typed[FocusPosition(LiningThickness)];
    if (diameter > 2 * (wall + lining)) return std::nullopt;
    return SpacingRun::Refused(diameter > 2 * wall ? LiningThickness : WallThickness,
                               Reason::OutOfRange);
}

// Inch lengths and ft/s velocities are converted when read.
double ToMetric(double typed, Quantity quantity, Units units) {
    if (units == Units::Metric) return typed;
    return quantity == Quantity::Length ? FncInchToMm(typed) : FncFtToM(typed);
}

// The request in millimetres and m/s; a locked number takes its list entry's
// value. Throws CalcError.
SpacingRequest MetricRequest(const CheckedEntries& checked, Units units) {
    const auto metric = [&](InputId id) {
        const InputDescriptor& input = Describe(id);
        const double value = checked.typed[FocusPosition(id)];
        if (std::isnan(value))
            return input.lock->lockedValue(checked.positions[FocusPosition(input.lock->list)]);
        return ToMetric(value, input.quantity, units);
    };
    SpacingRequest request;
    request.outerDiameter = metric(OuterDiameter);
    request.wallThickness = metric(WallThickness);
    request.liningThickness = metric(LiningThickness);
    request.pipeVelocity = metric(PipeVelocity);
    request.liningVelocity = metric(LiningVelocity);
    request.fluidVelocity = metric(FluidVelocity);
    return request;
}

}  // namespace

std::variant<CheckedEntries, SpacingRun> FncCheckEntries(const Entries& entries,
                                                         const NumberFormat& format) {
    CheckedEntries checked;
    for (std::size_t at = 0; at < kInputCount; ++at) checked.positions[at] = entries[at].position;
    if (auto refused = ReadNumbers(entries, format, checked.typed)) return *refused;
    if (auto refused = CheckRoomForFluid(checked.typed)) return *refused;
    return checked;
}

SpacingRun FncSpacingOf(const CheckedEntries& checked, int sensorRow, int methodPosition,
                        const NumberFormat& format) {
    try {
        SpacingRequest request = MetricRequest(checked, format.units);
        request.sensorRow = sensorRow;
        request.method = MountMethodAt(methodPosition);
        const SpacingOutcome spacing = FncCalcSpacing(request);
        if (spacing.failure) return Failed(*spacing.failure);
        SpacingRun run;
        run.outcome = SpacingRun::Outcome::Shown;
        run.texts = FncPresentSpacing(spacing.spacingMm, HasThreeMillimetreSteps(request.sensorRow),
                                      format);
        run.request = request;
        return run;
    } catch (const CalcError& failure) {
        return Failed(failure.kind());
    }
}

SpacingRun FncRunSpacing(const Entries& entries, const NumberFormat& format) {
    const auto checked = FncCheckEntries(entries, format);
    if (const auto* refused = std::get_if<SpacingRun>(&checked)) return *refused;
    const CheckedEntries& read = std::get<CheckedEntries>(checked);
    return FncSpacingOf(read, read.positions[FocusPosition(SensorType)],
                        read.positions[FocusPosition(MountingMethod)], format);
}
