#include "rules/WaterTemperature.h"

#include "calc/NumericFunctions.h"
#include "rules/FieldRefusal.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"

const InputDescriptor& WaterTemperatureInput() {
    return Describe(InputId::FluidTemperature);
}

QString FncWaterTemperatureRangeCaption(Units units) {
    return FncRangeCaption(WaterTemperatureInput(), units);
}

WaterReading FncReadTemperature(const QString& text, const TemperatureModel& model,
                                const NumberFormat& format) {
    const FieldReading field =
        FncReadNumber(RangeOf(model, format.units), text, format, EmptyText::Refused);
    WaterReading reading;
    reading.refusal = field.refusal;
    if (reading.refusal) return reading;
    reading.temperature = field.value;
    reading.velocity = FncTemperatureVelocity(model, field.value, format.units);
    reading.velocityText = FncPlainNumberText(reading.velocity, format.locale);
    return reading;
}

WaterReading FncReadWaterTemperature(const QString& text, const NumberFormat& format) {
    return FncReadTemperature(text, kPureWaterModel, format);
}

double FncTemperatureVelocity(const TemperatureModel& model, double temperature, Units units) {
    const double celsius =
        units == Units::Metric ? temperature : FncFahrenheitToCelsius(temperature);
    const double metresPerSecond = model.metresPerSecond(celsius);
    return FncHalfAdjust(units == Units::Metric ? metresPerSecond : FncMToFt(metresPerSecond), 0);
}

QString FncWaterVelocityCaption(const WaterReading& reading, const NumberFormat& format) {
    return FncWithUnit(reading.velocityText, Quantity::Velocity, format.units);
}

QString FncWaterOriginText(const WaterReading& reading, Language language,
                           const NumberFormat& format) {
    return FncGetText(TextId::WaterAtTemperature, language)
        .arg(FncWithUnit(FncPlainNumberText(reading.temperature, format.locale),
                         Quantity::Temperature, format.units));
}
