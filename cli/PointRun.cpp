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

PointOutcome Refusal(InputId input, std::int16_t textId) {
    PointOutcome outcome;
    outcome.run.outcome = SpacingRun::Outcome::Refused;
    outcome.run.refusedInput = input;
    outcome.run.messageTextId = textId;
    return outcome;
}

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

PointOutcome RunPoint(const TypedPoint& point, const ToolContext& context) {
    Entries entries;
    PointOutcome outcome;
    for (const InputDescriptor& input : Inputs()) {
        const std::size_t at = FocusPosition(input.id);
        const std::string_view value = point.values[at];
        if (input.kind == InputKind::Number) {
            entries[at].text = QString::fromUtf8(value.data(), qsizetype(value.size()));
            continue;
        }
        if (!point.given[at] || value.empty()) {
            entries[at].position = 0;
            continue;
        }
        const std::optional<int> position = context.names.Find(input.id, value);
        if (!position) {
            outcome = Refusal(input.id, kNotInListText);
            outcome.message = MessageOf(outcome.run, context);
            return outcome;
        }
        entries[at].position = *position;
    }
    outcome.run = FncRunSpacing(entries, context.startup.UnitFlag, context.startup.NumberLocale);
    outcome.message = MessageOf(outcome.run, context);
    return outcome;
}
