#pragma once
// The fluid's sound velocity from the temperature of a liquid with a
// published model (rules/TemperatureModels.h): typed in the window's dialog,
// or given to the tool as an option or a column, with seawater's salinity.
// The temperature is read by the rule of a number input, between its model's
// limits, so it is refused for the same reasons. The velocity it gives is the
// whole number the fluid velocity field holds once it is typed there, so the
// window and the tool compute the same spacing from the same temperature.
// Beside it what the window, the tool and the sheet say of such a velocity:
// the model's source and range, and for a refrigerant that it is the
// saturated liquid's.

#include <QString>
#include <optional>
#include <vector>

#include "rules/Reasons.h"
#include "rules/TemperatureModels.h"
#include "settings/NumberFormat.h"

// The fluid list's entries that have a model, in list order.
const std::vector<int>& FncLiquidEntries();

// "-20-100°C", "-4-212°F": the model's range label.
QString FncLiquidRangeCaption(const TemperatureModel& model, Units units);

// Seawater's practical salinity, the same in either unit system.
Range FncSalinityRange();

struct LiquidReading {
    // Why the temperature (or, with it accepted, the salinity) is refused:
    // NotANumber, or OutOfRange for an empty text too; unset when accepted.
    std::optional<Reason> refusal;
    bool salinityRefused = false;
    // Accepted: the temperature and salinity as typed, in the run's units,
    // and the velocity at them in the run's units, whole: in ft/s from the
    // unrounded m/s, so it is the nearest whole ft/s.
    double temperature = 0.0;
    double salinity = kSalinityDefault;
    double velocity = 0.0;
    // The velocity as the fluid velocity field takes it ("1490").
    QString velocityText;
};

// Where a fluid velocity came from: the liquid, its entry of the fluid list,
// and what was typed for it.
struct LiquidOrigin {
    LiquidModel model = LiquidModel::Water;
    int fluid = 0;
    LiquidReading reading;
};

// A typed temperature (and salinity, read only for seawater; an empty one is
// the default) in the format's units and locale, with the velocity.
LiquidReading FncReadLiquid(const TemperatureModel& model, const QString& temperature,
                            const QString& salinity, const NumberFormat& format);

// "1490 m/s": an accepted reading's velocity with its unit.
QString FncLiquidVelocityCaption(const LiquidReading& reading, Units units);

// "Source: Lemmon & Span (2006) (-20-100°C)".
QString FncLiquidSourceCaption(const TemperatureModel& model, Language language, Units units);

// For a refrigerant, that the velocity is the saturated liquid's and how much
// faster sound travels for each bar above saturation at the reading's
// temperature; empty for the others.
QString FncLiquidSaturatedNote(const TemperatureModel& model, const LiquidReading& reading,
                               Language language, Units units);

// "TOLUOL at 60 °C", "海水 液温 10 °C、塩分 35", water as it always was
// ("水温 20 °C"): where a velocity came from.
QString FncLiquidOriginText(const LiquidOrigin& origin, Language language,
                            const NumberFormat& format);

// "WATER, SEAWATER, ...": the fluids that take a temperature, for a refusal.
QString FncLiquidNamesText(Language language);
