#include "cli/PointOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <utility>
#include <vector>

#include "rules/UnitTexts.h"

namespace {

// One value as QJsonDocument writes it, escapes and all. It writes whole
// arrays and objects only: the value is the inside of an array of one.
std::string JsonText(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2).toStdString();
}

// A result text is written with a point and no grouping, which makes it a
// JSON number, and it is kept as written: 55.40 keeps the zero that gives
// the result's precision, which a double written by QJsonDocument drops.
std::string JsonNumber(const QString& resultText) {
    return resultText.isEmpty() ? JsonText(QJsonValue::Null) : resultText.toStdString();
}

std::string JsonObject(const std::vector<JsonMember>& members) {
    std::string json = "{";
    for (const auto& [name, value] : members) {
        if (json.size() > 1) json += ", ";
        json += JsonText(QString::fromStdString(name)) + ": " + value;
    }
    return json + "}";
}

}  // namespace

std::string PointAsText(const PointOutcome& outcome, const StartupValues& startup) {
    if (outcome.run.outcome != SpacingRun::Outcome::Shown) return {};
    const SpacingTexts& texts = outcome.run.texts;
    std::string text = (ComposedMountSizeCaption(1, startup.language) + QStringLiteral(": ") +
                        FncWithUnit(texts.result1, Quantity::Length, startup.format.units) + u'\n')
                           .toStdString();
    if (!texts.result2.isEmpty()) {
        text += ComposedMountSizeCaption(2, startup.language).toStdString() + ": " +
                texts.result2.toStdString() + '\n';
    }
    if (outcome.resolved.water) {
        // Which velocity the spacing took, and where it came from.
        text +=
            (startup.Text(Describe(InputId::FluidVelocity).captionTextId) + QStringLiteral(": ") +
             FncWaterVelocityCaption(*outcome.resolved.water, startup.format) +
             QStringLiteral(" (") +
             FncWaterOriginText(*outcome.resolved.water, startup.language, startup.format) +
             QStringLiteral(")\n"))
                .toStdString();
    }
    return text;
}

std::string JsonString(const QString& text) {
    return JsonText(text);
}

std::string RunAsJson(const SpacingRun& run, const StartupValues& startup,
                      const std::vector<JsonMember>& first, const char* refusedField,
                      const std::vector<JsonMember>& last) {
    const bool shown = run.outcome == SpacingRun::Outcome::Shown;
    const bool refused = run.outcome == SpacingRun::Outcome::Refused;
    const std::string null = JsonText(QJsonValue::Null);
    if (!refusedField) refusedField = Describe(run.refusedInput).optionName;
    // The members in the order printed, which a QJsonObject would sort by
    // name. The message alone: "field" names what it refuses.
    std::vector<JsonMember> members = first;
    members.insert(
        members.end(),
        {{"spacing", shown ? JsonNumber(run.texts.result1) : null},
         {"unit", JsonText(FncUnitText(Quantity::Length, startup.format.units))},
         {"steps", shown ? JsonNumber(run.texts.result2) : null},
         {"message", shown ? null : JsonText(FncReasonText(run.reason, startup.language))},
         {"field", refused ? JsonText(QString::fromLatin1(refusedField)) : null}});
    members.insert(members.end(), last.begin(), last.end());
    return JsonObject(members);
}

std::string PointAsJson(const PointOutcome& outcome, const StartupValues& startup) {
    // Only a point given a temperature says which velocity it came to.
    std::vector<JsonMember> water;
    if (outcome.resolved.water) {
        water = {
            {Describe(InputId::FluidVelocity).optionName,
             JsonText(outcome.resolved.water->velocity)},
            {WaterTemperatureInput().optionName, JsonText(outcome.resolved.water->temperature)}};
    }
    return RunAsJson(outcome.run, startup, {}, GivenFields()[outcome.refusedField].optionName,
                     water) +
           '\n';
}
