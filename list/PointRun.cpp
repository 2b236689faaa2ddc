#include "list/PointRun.h"

#include <utility>
#include <variant>

PointContext::PointContext(const StartupValues& values) : startup(values) {
    startup.format.locale = PointNumberLocale();
    for (const InputDescriptor& input : Inputs())
        captions_[FocusPosition(input.id)] = startup.Text(input.captionTextId);
    for (std::size_t reason = 0; reason < kReasonCount; ++reason)
        reasons_[reason] = FncReasonText(Reason(reason), startup.language);
}

QLocale PointNumberLocale() {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

namespace {

QString MessageOf(const SpacingRun& run, const PointContext& context) {
    switch (run.outcome) {
        case SpacingRun::Outcome::Shown:
            return {};
        case SpacingRun::Outcome::Refused:
            return FncCaptionedReason(context.Caption(run.refusedInput),
                                      context.ReasonText(run.reason));
        case SpacingRun::Outcome::Failed:
            break;
    }
    return context.ReasonText(run.reason);
}

// The entries of `point`, or the outcome that refuses a value given.
std::variant<GivenEntries, PointOutcome> Resolve(const GivenPoint& point,
                                                 const PointContext& context) {
    auto resolved = FncResolveGiven(point, context.names, context.startup.format);
    const auto* refusal = std::get_if<GivenRefusal>(&resolved);
    if (!refusal) return std::move(std::get<GivenEntries>(resolved));
    PointOutcome outcome;
    // A value past the inputs stands for the input it fills: a pipe size for
    // the outer diameter, a temperature for the fluid velocity.
    const InputId input = refusal->field < kInputCount               ? InputId(refusal->field)
                          : refusal->field == kWaterTemperatureField ? InputId::FluidVelocity
                                                                     : InputId::OuterDiameter;
    outcome.run = SpacingRun::Refused(input, refusal->reason);
    if (!FncRefusedByOwnCheck(*refusal)) outcome.given = *refusal;
    outcome.refusedField = refusal->field;
    outcome.message = FncGivenRefusalText(*refusal, context.startup.language);
    return outcome;
}

PointOutcome Outcome(SpacingRun run, const PointContext& context) {
    PointOutcome outcome;
    outcome.refusedField = FocusPosition(run.refusedInput);
    outcome.message = MessageOf(run, context);
    outcome.run = std::move(run);
    return outcome;
}

// The spacing run on the entries a point resolved to. One object returned
// on every path: it is built in the caller's place, not moved there.
PointOutcome Computed(GivenEntries& given, const PointContext& context) {
    PointOutcome outcome = Outcome(FncRunSpacing(given.entries, context.startup.format), context);
    outcome.resolved = std::move(given);
    return outcome;
}

}  // namespace

PointOutcome RunPoint(const GivenPoint& point, const PointContext& context) {
    auto resolved = Resolve(point, context);
    if (auto* refused = std::get_if<PointOutcome>(&resolved)) return std::move(*refused);
    return Computed(std::get<GivenEntries>(resolved), context);
}

ComparisonOutcome RunComparison(const GivenPoint& point, const PointContext& context) {
    auto resolved = Resolve(point, context);
    if (auto* refused = std::get_if<PointOutcome>(&resolved)) return {std::move(*refused), {}};
    ComparisonOutcome outcome;
    outcome.comparison =
        FncCompareSpacings(std::get<GivenEntries>(resolved).entries, context.startup.format);
    if (outcome.comparison.refusal) outcome.refused = Outcome(*outcome.comparison.refusal, context);
    return outcome;
}
