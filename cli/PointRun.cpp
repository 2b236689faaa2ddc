#include "cli/PointRun.h"

#include "rules/FailureText.h"

ToolContext::ToolContext(const StartupValues& values) : startup(values) {
    startup.NumberLocale = ToolNumberLocale();
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

QString MessageOf(const SpacingRun& run, const StartupValues& startup) {
    switch (run.outcome) {
        case SpacingRun::Outcome::Shown:
            return {};
        case SpacingRun::Outcome::Refused:
            return startup.Text(Describe(run.refusedInput).captionTextId) + QStringLiteral(": ") +
                   startup.Text(run.messageTextId);
        case SpacingRun::Outcome::Failed:
            break;
    }
    return startup.Text(run.messageTextId);
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
            outcome.message = MessageOf(outcome.run, context.startup);
            return outcome;
        }
        entries[at].position = *position;
    }
    outcome.run = FncRunSpacing(entries, context.startup.UnitFlag, context.startup.NumberLocale);
    outcome.message = MessageOf(outcome.run, context.startup);
    return outcome;
}
