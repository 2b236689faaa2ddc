#include "cli/PointOutput.h"

#include "rules/UnitTexts.h"

namespace {

std::string JsonString(const QString& text) {
    std::string json = "\"";
    for (const char c : text.toStdString()) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static const char hex[] = "0123456789abcdef";
                    json += "\\u00";
                    json += hex[(c >> 4) & 0xF];
                    json += hex[c & 0xF];
                } else {
                    json += c;
                }
        }
    }
    return json + '"';
}

}  // namespace

std::string LengthUnit(const StartupValues& startup) {
    return FncUnitTexts(startup.format.units)[0].toStdString();
}

std::string PointAsText(const PointOutcome& outcome, const StartupValues& startup) {
    if (outcome.run.outcome != SpacingRun::Outcome::Shown) return {};
    const SpacingTexts& texts = outcome.run.texts;
    std::string text = ComposedMountSizeCaption(1, startup.language).toStdString() + ": " +
                       texts.result1.toStdString() + ' ' + LengthUnit(startup) + '\n';
    if (!texts.result2.isEmpty()) {
        text += ComposedMountSizeCaption(2, startup.language).toStdString() + ": " +
                texts.result2.toStdString() + '\n';
    }
    return text;
}

std::string PointAsJson(const PointOutcome& outcome, const StartupValues& startup) {
    const SpacingRun& run = outcome.run;
    const bool shown = run.outcome == SpacingRun::Outcome::Shown;
    // The result texts are written with a point and no grouping: JSON numbers.
    const auto number = [](const QString& text) {
        return text.isEmpty() ? std::string("null") : text.toStdString();
    };
    std::string json = "{\"spacing\": " + (shown ? number(run.texts.result1) : "null");
    json += ", \"unit\": \"" + LengthUnit(startup) + '"';
    json += ", \"steps\": " + (shown ? number(run.texts.result2) : "null");
    // The message alone: "field" names what it refuses.
    json += ", \"message\": " +
            (shown ? std::string("null") : JsonString(FncReasonText(run.reason, startup.language)));
    const bool refused = run.outcome == SpacingRun::Outcome::Refused;
    json +=
        ", \"field\": " + (refused ? '"' + std::string(Describe(run.refusedInput).optionName) + '"'
                                   : std::string("null"));
    return json + "}\n";
}
