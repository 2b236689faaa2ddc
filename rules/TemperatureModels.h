#pragma once
// The liquids whose sound velocity follows from their temperature by a
// published model (calc/LiquidSoundVelocity.h): the model and the
// temperatures it holds for, in either unit system. A fluid's row of the
// fluid table points to its model (rules/Materials.h), so a further liquid
// with a model is a model in calc, a row here and that pointer.

#include <array>

#include "calc/LiquidSoundVelocity.h"
#include "rules/InputDescriptors.h"

struct TemperatureModel {
    LiquidModel liquid;
    Range celsius;
    // The same range in degrees Fahrenheit, both limits exact (42.8 °F for
    // benzene's 6 °C).
    Range fahrenheit;
};

namespace temperature_models {

constexpr Limit Fahrenheit(double celsius) {
    const double fahrenheit = celsius * 9 / 5 + 32;
    return {fahrenheit, fahrenheit == double(static_cast<long long>(fahrenheit)) ? 0 : 1};
}

constexpr TemperatureModel Of(LiquidModel liquid) {
    const LiquidModelFacts& facts = FncLiquidModelFacts(liquid);
    return {liquid,
            {{facts.celsiusMin, 0}, {facts.celsiusMax, 0}},
            {Fahrenheit(facts.celsiusMin), Fahrenheit(facts.celsiusMax)}};
}

}  // namespace temperature_models

// Every model, ordered as LiquidModel.
inline constexpr std::array<TemperatureModel, kLiquidModelCount> kTemperatureModels = [] {
    std::array<TemperatureModel, kLiquidModelCount> made{};
    for (std::size_t i = 0; i < kLiquidModelCount; ++i)
        made[i] = temperature_models::Of(LiquidModel(i));
    return made;
}();

constexpr const TemperatureModel& ModelOf(LiquidModel liquid) {
    return kTemperatureModels[static_cast<std::size_t>(liquid)];
}

// Pure water at atmospheric pressure, distilled or not.
inline constexpr const TemperatureModel& kPureWaterModel = ModelOf(LiquidModel::Water);
static_assert(kPureWaterModel.fahrenheit.lower.value == 32 &&
                  kPureWaterModel.fahrenheit.upper.value == 212,
              "the Fahrenheit limits are water's range of the formula");

// The model's limits in `units`.
constexpr const Range& RangeOf(const TemperatureModel& model, Units units) {
    return units == Units::Metric ? model.celsius : model.fahrenheit;
}
