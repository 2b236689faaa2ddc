#include "rules/LiquidTemperature.h"

#include <QStringList>
#include <array>
#include <cmath>

#include "calc/NumericFunctions.h"
#include "rules/FieldRefusal.h"
#include "rules/ListPositions.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"

namespace {

using L = LiquidModel;

// The fluid list's entries with a model, by position.
constexpr std::array<std::optional<LiquidModel>, kFluidTypedVelocityEntry> kModels{
    L::Water,     L::Seawater,  L::Water,     L::Ammonia,   std::nullopt, L::Benzene,
    std::nullopt, L::Ethanol,   L::Glycol,    std::nullopt, std::nullopt, std::nullopt,
    L::Toluene,   std::nullopt, std::nullopt, std::nullopt, L::R410A};

// A limit in Celsius as Fahrenheit, with the decimals it needs (42.8 for
// benzene's 6 °C).
Limit Fahrenheit(double celsius) {
    const double fahrenheit = celsius * 9 / 5 + 32;
    return {fahrenheit, fahrenheit == std::round(fahrenheit) ? 0 : 1};
}

Limit Celsius(double celsius) {
    return {celsius, 0};
}

QString UnitText(Quantity quantity, Units units) {
    return FncUnitTexts(units)[static_cast<std::size_t>(quantity)];
}

QString WithUnit(const QString& number, Quantity quantity, Units units) {
    return number + QLatin1Char(' ') + UnitText(quantity, units);
}

}  // namespace

std::optional<LiquidModel> FncLiquidModelAt(int position) {
    if (position < 0 || position >= int(kModels.size())) return std::nullopt;
    return kModels[std::size_t(position)];
}

const std::vector<int>& FncLiquidEntries() {
    static const std::vector<int> entries = [] {
        std::vector<int> found;
        for (int position = 0; position < int(kModels.size()); ++position)
            if (kModels[std::size_t(position)]) found.push_back(position);
        return found;
    }();
    return entries;
}

Range FncLiquidTemperatureRange(LiquidModel model, Units units) {
    const LiquidModelFacts& facts = FncLiquidModelFacts(model);
    if (units == Units::Metric) return {Celsius(facts.celsiusMin), Celsius(facts.celsiusMax)};
    return {Fahrenheit(facts.celsiusMin), Fahrenheit(facts.celsiusMax)};
}

QString FncLiquidRangeCaption(LiquidModel model, Units units) {
    return FncRangeCaption(FncLiquidTemperatureRange(model, units), Quantity::Temperature, units);
}

Range FncSalinityRange() {
    return {{kSalinityMin, 0}, {kSalinityMax, 0}};
}

LiquidReading FncReadLiquid(LiquidModel model, const QString& temperature, const QString& salinity,
                            const NumberFormat& format) {
    LiquidReading reading;
    const FieldReading field = FncReadNumber(FncLiquidTemperatureRange(model, format.units),
                                             temperature, format, EmptyText::Refused);
    reading.refusal = field.refusal;
    if (reading.refusal) return reading;
    reading.temperature = field.value;
    if (FncLiquidModelFacts(model).takesSalinity && !salinity.trimmed().isEmpty()) {
        const FieldReading given =
            FncReadNumber(FncSalinityRange(), salinity, format, EmptyText::Refused);
        reading.refusal = given.refusal;
        reading.salinityRefused = given.refusal.has_value();
        if (reading.refusal) return reading;
        reading.salinity = given.value;
    }
    // The Fahrenheit limits are the Celsius ones to the rounding of their
    // decimals; the calculation is given the limit itself there.
    const LiquidModelFacts& facts = FncLiquidModelFacts(model);
    const double celsius = format.units == Units::Metric
                               ? reading.temperature
                               : std::clamp(FncFahrenheitToCelsius(reading.temperature),
                                            facts.celsiusMin, facts.celsiusMax);
    const double metresPerSecond = FncLiquidSoundVelocity(model, celsius, reading.salinity);
    reading.velocity = FncHalfAdjust(
        format.units == Units::Metric ? metresPerSecond : FncMToFt(metresPerSecond), 0);
    reading.velocityText = FncPlainNumberText(reading.velocity, format.locale);
    return reading;
}

QString FncLiquidVelocityCaption(const LiquidReading& reading, Units units) {
    return WithUnit(reading.velocityText, Quantity::Velocity, units);
}

QString FncLiquidSourceCaption(LiquidModel model, Language language, Units units) {
    return FncGetText(TextId::LiquidSource, language)
        .arg(QString::fromUtf8(FncLiquidModelFacts(model).source),
             FncLiquidRangeCaption(model, units));
}

QString FncLiquidSaturatedNote(LiquidModel model, const LiquidReading& reading, Language language,
                               Units units) {
    const LiquidModelFacts& facts = FncLiquidModelFacts(model);
    if (!facts.saturated) return {};
    const double celsius = units == Units::Metric
                               ? reading.temperature
                               : std::clamp(FncFahrenheitToCelsius(reading.temperature),
                                            facts.celsiusMin, facts.celsiusMax);
    double perBar = FncLiquidVelocityPerBar(model, celsius);
    if (units == Units::Inch) perBar = FncMToFt(perBar);
    return FncGetText(TextId::LiquidSaturated, language)
        .arg(WithUnit(QString::number(perBar, 'f', 1), Quantity::Velocity, units));
}

QString FncLiquidOriginText(LiquidModel model, const LiquidReading& reading, Language language,
                            const NumberFormat& format) {
    int position = 0;
    while (FncLiquidModelAt(position) != model) ++position;
    QString text = FncGetText(TextId::LiquidAtTemperature, language)
                       .arg(FluidNameList(language)[position],
                            WithUnit(FncPlainNumberText(reading.temperature, format.locale),
                                     Quantity::Temperature, format.units));
    if (FncLiquidModelFacts(model).takesSalinity)
        text += FncGetText(TextId::LiquidAtSalinity, language)
                    .arg(FncPlainNumberText(reading.salinity, format.locale));
    return text;
}

QString FncLiquidNamesText(Language language) {
    const QStringList names = FluidNameList(language);
    QStringList taking;
    for (const int position : FncLiquidEntries()) taking << names[position];
    return taking.join(language == Language::Japanese ? QStringLiteral("、")
                                                      : QStringLiteral(", "));
}
