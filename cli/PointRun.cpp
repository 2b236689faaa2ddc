#include "cli/PointRun.h"

ToolContext::ToolContext(const StartupValues& values) : startup(values) {
    startup.format.locale = ToolNumberLocale();
    for (const InputDescriptor& input : Inputs())
        captions_[FocusPosition(input.id)] = startup.Text(input.captionTextId);
    for (std::size_t reason = 0; reason < kReasonCount; ++reason)
        reasons_[reason] = FncReasonText(Reason(reason), startup.language);
}

QLocale ToolNumberLocale() {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

namespace {

QString MessageOf(const SpacingRun& run, const ToolContext& context) {
    switch (run.outcome) {
        case SpacingRun::Outcome::Shown:
            return {};
        case SpacingRun::Outcome::Refused:
            return context.Caption(run.refusedInput) + QStringLiteral(": ") +
                   context.ReasonText(run.reason);
        case SpacingRun::Outcome::Failed:
            break;
    }
    return context.ReasonText(run.reason);
}

}  // namespace

PointOutcome RunPoint(const GivenPoint& point, const ToolContext& context) {
    PointOutcome outcome;
    auto resolved = FncResolveGiven(point, context.names, context.startup.format);
    if (const auto* refusal = std::get_if<GivenRefusal>(&resolved)) {
        // A value past the inputs (a pipe size) stands for the outer diameter.
        const InputId input =
            refusal->field < kInputCount ? InputId(refusal->field) : InputId::OuterDiameter;
        outcome.run = SpacingRun::Refused(input, refusal->reason);
        outcome.given = *refusal;
        outcome.message = FncGivenRefusalText(*refusal, context.startup.language);
        return outcome;
    }
    outcome.resolved = std::get<GivenEntries>(std::move(resolved));
    outcome.run = FncRunSpacing(outcome.resolved.entries, context.startup.format);
    outcome.message = MessageOf(outcome.run, context);
    return outcome;
}
