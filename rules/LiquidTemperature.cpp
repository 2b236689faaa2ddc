#include "rules/LiquidTemperature.h"

#include <QStringList>
#include <algorithm>

#include "calc/NumericFunctions.h"
#include "rules/FieldRefusal.h"
#include "rules/ListPositions.h"
#include "rules/Materials.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"

namespace {

// Degrees Celsius for the calculation. A Fahrenheit limit is the Celsius one
// to the rounding of its decimal; the calculation is given the limit itself.
double CelsiusOf(const TemperatureModel& model, double temperature, Units units) {
    if (units == Units::Metric) return temperature;
    return std::clamp(FncFahrenheitToCelsius(temperature), model.celsius.lower.value,
                      model.celsius.upper.value);
}

}  // namespace

const std::vector<int>& FncLiquidEntries() {
    static const std::vector<int> entries = [] {
        std::vector<int> found;
        for (const FluidRow& fluid : Fluids())
            if (fluid.temperature) found.push_back(int(&fluid - Fluids().data()));
        return found;
    }();
    return entries;
}

QString FncLiquidRangeCaption(const TemperatureModel& model, Units units) {
    return FncRangeCaption(RangeOf(model, units), Quantity::Temperature, units);
}

Range FncSalinityRange() {
    return {{kSalinityMin, 0}, {kSalinityMax, 0}};
}

LiquidReading FncReadLiquid(const TemperatureModel& model, const QString& temperature,
                            const QString& salinity, const NumberFormat& format) {
    LiquidReading reading;
    const FieldReading field =
        FncReadNumber(RangeOf(model, format.units), temperature, format, EmptyText::Refused);
    reading.refusal = field.refusal;
    if (reading.refusal) return reading;
    reading.temperature = field.value;
    if (FncLiquidModelFacts(model.liquid).takesSalinity && !salinity.trimmed().isEmpty()) {
        const FieldReading given =
            FncReadNumber(FncSalinityRange(), salinity, format, EmptyText::Refused);
        reading.refusal = given.refusal;
        reading.salinityRefused = given.refusal.has_value();
        if (reading.refusal) return reading;
        reading.salinity = given.value;
    }
    const double metresPerSecond = FncLiquidSoundVelocity(
        model.liquid, CelsiusOf(model, reading.temperature, format.units), reading.salinity);
    reading.velocity = FncHalfAdjust(
        format.units == Units::Metric ? metresPerSecond : FncMToFt(metresPerSecond), 0);
    reading.velocityText = FncPlainNumberText(reading.velocity, format.locale);
    return reading;
}

QString FncLiquidVelocityCaption(const LiquidReading& reading, Units units) {
    return FncWithUnit(reading.velocityText, Quantity::Velocity, units);
}

QString FncLiquidSourceCaption(const TemperatureModel& model, Language language, Units units) {
    return FncGetText(TextId::LiquidSource, language)
        .arg(QString::fromUtf8(FncLiquidModelFacts(model.liquid).source),
             FncLiquidRangeCaption(model, units));
}

QString FncLiquidSaturatedNote(const TemperatureModel& model, const LiquidReading& reading,
                               Language language, Units units) {
    if (!FncLiquidModelFacts(model.liquid).saturated) return {};
    double perBar =
        FncLiquidVelocityPerBar(model.liquid, CelsiusOf(model, reading.temperature, units));
    if (units == Units::Inch) perBar = FncMToFt(perBar);
    return FncGetText(TextId::LiquidSaturated, language)
        .arg(FncWithUnit(QString::number(perBar, 'f', 1), Quantity::Velocity, units));
}

QString FncLiquidOriginText(const LiquidOrigin& origin, Language language,
                            const NumberFormat& format) {
    const QString temperature =
        FncWithUnit(FncPlainNumberText(origin.reading.temperature, format.locale),
                    Quantity::Temperature, format.units);
    if (origin.model == LiquidModel::Water)
        return FncGetText(TextId::WaterAtTemperature, language).arg(temperature);
    QString text = FncGetText(TextId::LiquidAtTemperature, language)
                       .arg(FluidNameList(language)[origin.fluid], temperature);
    if (FncLiquidModelFacts(origin.model).takesSalinity)
        text += FncGetText(TextId::LiquidAtSalinity, language)
                    .arg(FncPlainNumberText(origin.reading.salinity, format.locale));
    return text;
}

QString FncLiquidNamesText(Language language) {
    const QStringList names = FluidNameList(language);
    QStringList taking;
    for (const int position : FncLiquidEntries()) taking << names[position];
    return taking.join(language == Language::Japanese ? QStringLiteral("、")
                                                      : QStringLiteral(", "));
}
