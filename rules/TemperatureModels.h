#pragma once
// The liquids whose sound velocity follows from their temperature by a
// published model: the model and the temperatures it holds for, in either
// unit system. A fluid's row of the fluid table points to its model
// (rules/Materials.h), so a further liquid with a model is a model here and
// that pointer.

#include "calc/WaterSoundVelocity.h"
#include "rules/InputDescriptors.h"

struct TemperatureModel {
    // m/s from degrees Celsius within `celsius`.
    double (*metresPerSecond)(double celsius);
    Range celsius;
    // The same range in degrees Fahrenheit, both limits exact.
    Range fahrenheit;
};

// Pure water at atmospheric pressure, distilled or not.
inline constexpr TemperatureModel kPureWaterModel{
    FncWaterSoundVelocity, {{kWaterCelsiusMin, 0}, {kWaterCelsiusMax, 0}}, {{32, 0}, {212, 0}}};
static_assert((kPureWaterModel.fahrenheit.lower.value - 32) * 5 / 9 == kWaterCelsiusMin &&
                  (kPureWaterModel.fahrenheit.upper.value - 32) * 5 / 9 == kWaterCelsiusMax,
              "the Fahrenheit limits are water's range of the formula");

// The model's limits in `units`.
constexpr const Range& RangeOf(const TemperatureModel& model, Units units) {
    return units == Units::Metric ? model.celsius : model.fahrenheit;
}
