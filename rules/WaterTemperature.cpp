#include "rules/WaterTemperature.h"

#include "calc/NumericFunctions.h"
#include "calc/WaterSoundVelocity.h"
#include "rules/FieldRefusal.h"
#include "rules/ListPositions.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"

namespace {

// Water's range of the velocity formula; in Fahrenheit the same range, both
// limits exact.
constexpr Range kCelsius{{kWaterCelsiusMin, 0}, {kWaterCelsiusMax, 0}};
constexpr Range kFahrenheit{{32, 0}, {212, 0}};
static_assert((kFahrenheit.lower.value - 32) * 5 / 9 == kWaterCelsiusMin &&
                  (kFahrenheit.upper.value - 32) * 5 / 9 == kWaterCelsiusMax,
              "the Fahrenheit limits are water's range of the formula");

const WaterTemperatureDescriptor kWaterTemperature{"water-temperature", TextId::WaterTemperature,
                                                   kCelsius, kFahrenheit};

QString UnitText(Quantity quantity, Units units) {
    return FncUnitTexts(units)[static_cast<std::size_t>(quantity)];
}

}  // namespace

const WaterTemperatureDescriptor& WaterTemperatureInput() {
    return kWaterTemperature;
}

const Range& FncWaterTemperatureRange(Units units) {
    return units == Units::Metric ? kWaterTemperature.metric : kWaterTemperature.inch;
}

QString FncWaterTemperatureRangeCaption(Units units) {
    return FncRangeCaption(FncWaterTemperatureRange(units), Quantity::Temperature, units);
}

WaterReading FncReadWaterTemperature(const QString& text, const NumberFormat& format) {
    const FieldReading field =
        FncReadNumber(FncWaterTemperatureRange(format.units), text, format, EmptyText::Refused);
    WaterReading reading;
    reading.refusal = field.refusal;
    if (reading.refusal) return reading;
    reading.temperature = field.value;
    reading.velocity = FncWaterVelocity(field.value, format.units);
    reading.velocityText = FncPlainNumberText(reading.velocity, format.locale);
    return reading;
}

double FncWaterVelocity(double temperature, Units units) {
    const double celsius =
        units == Units::Metric ? temperature : FncFahrenheitToCelsius(temperature);
    const double metresPerSecond = FncWaterSoundVelocity(celsius);
    return FncHalfAdjust(units == Units::Metric ? metresPerSecond : FncMToFt(metresPerSecond), 0);
}

QString FncWaterVelocityCaption(const WaterReading& reading, const NumberFormat& format) {
    return reading.velocityText + QLatin1Char(' ') + UnitText(Quantity::Velocity, format.units);
}

QString FncWaterOriginText(const WaterReading& reading, Language language,
                           const NumberFormat& format) {
    const QString temperature = FncPlainNumberText(reading.temperature, format.locale) +
                                QLatin1Char(' ') + UnitText(Quantity::Temperature, format.units);
    return FncGetText(TextId::WaterAtTemperature, language).arg(temperature);
}

bool FncFluidTakesWaterTemperature(int position) {
    return position == kWaterEntry || position == kDistilledWaterEntry ||
           position == kFluidTypedVelocityEntry;
}
