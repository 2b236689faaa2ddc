#include "cli/PointRun.h"

#include <vector>

#include "rules/FailureText.h"
#include "rules/FieldRefusal.h"

ToolContext::ToolContext(const StartupValues& values) : startup(values) {
    startup.NumberLocale = ToolNumberLocale();
    std::vector<std::int16_t> ids = {kNotANumberText, kOutOfRangeText, kNotInListText,
                                     kMalformedRecordText};
    for (const InputDescriptor& input : Inputs()) ids.push_back(input.captionTextId);
    for (const FailureText& failure : kFailureTexts) ids.push_back(failure.textId);
    for (const std::int16_t id : ids) texts_.emplace(id, startup.Text(id));
}

QString ToolContext::Text(std::int16_t id) const {
    const auto found = texts_.find(id);
    return found != texts_.end() ? found->second : startup.Text(id);
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
            return context.Text(Describe(run.refusedInput).captionTextId) + QStringLiteral(": ") +
                   context.Text(run.messageTextId);
        case SpacingRun::Outcome::Failed:
            break;
    }
    return context.Text(run.messageTextId);
}

}  // namespace

PointOutcome RunPoint(const GivenPoint& point, const ToolContext& context) {
    PointOutcome outcome;
    const auto resolved = FncResolveGiven(point, context.names, context.startup.UnitFlag,
                                          context.startup.NumberLocale);
    if (const auto* refusal = std::get_if<GivenRefusal>(&resolved)) {
        // A value past the inputs (a pipe size) stands for the outer diameter.
        const InputId input =
            refusal->field < kInputCount ? InputId(refusal->field) : InputId::OuterDiameter;
        outcome.run = SpacingRun::Refused(input, FncGivenRefusalTextId(refusal->reason));
        outcome.given = *refusal;
        outcome.message = FncGivenRefusalText(*refusal, context.startup);
        return outcome;
    }
    outcome.run = FncRunSpacing(std::get<Entries>(resolved), context.startup.UnitFlag,
                                context.startup.NumberLocale);
    outcome.message = MessageOf(outcome.run, context);
    return outcome;
}
