#pragma once
// The temperature of water, from which the fluid's sound velocity follows:
// typed in the window's dialog, or given to the tool as an option or a
// column. It is described as a number input is (a name outside the window, a
// caption, limits in either unit system) and read by the same rule, so it is
// refused for the same reasons. The velocity it gives is the whole number
// the fluid velocity field holds once it is typed there, so the window and
// the tool compute the same spacing from the same temperature.

#include <QString>
#include <optional>

#include "rules/InputDescriptors.h"
#include "rules/Reasons.h"
#include "rules/TemperatureModels.h"
#include "settings/NumberFormat.h"

// The temperature's row of the input descriptors.
const InputDescriptor& WaterTemperatureInput();

// "0-100°C", "32-212°F": the range label.
QString FncWaterTemperatureRangeCaption(Units units);

struct WaterReading {
    // Why the text is refused (NotANumber, or OutOfRange for an empty text
    // too); unset when accepted.
    std::optional<Reason> refusal;
    // Accepted: the temperature as typed, in the run's units, and the
    // velocity at it in the run's units, whole.
    double temperature = 0.0;
    double velocity = 0.0;
    // The velocity as the fluid velocity field takes it, in the format's
    // locale ("1482").
    QString velocityText;
};

// A typed temperature in the format's units and locale, with the velocity
// `model` gives at it.
WaterReading FncReadTemperature(const QString& text, const TemperatureModel& model,
                                const NumberFormat& format);
// The same of pure water.
WaterReading FncReadWaterTemperature(const QString& text, const NumberFormat& format);

// The sound velocity `model` gives at `temperature` (degrees Celsius, or
// Fahrenheit in an inch run) in m/s or ft/s, rounded to a whole number: in
// ft/s from the unrounded m/s, so it is the nearest whole ft/s. Throws
// CalcError(InvalidArgument) outside the model's limits.
double FncTemperatureVelocity(const TemperatureModel& model, double temperature, Units units);

// "1482 m/s": an accepted reading's velocity with its unit.
QString FncWaterVelocityCaption(const WaterReading& reading, const NumberFormat& format);

// "WATER at 20 °C", "水温 20 °C": where a velocity came from, in `language`.
QString FncWaterOriginText(const WaterReading& reading, Language language,
                           const NumberFormat& format);
