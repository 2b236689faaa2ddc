#pragma once
// The fluid's sound velocity from the temperature of a liquid with a
// published model of it (rules over calc/LiquidSoundVelocity.h): which
// entries of the fluid list have one, the temperature's limits in either
// unit system, seawater's salinity, and what the window, the tool and the
// sheet say of a velocity that came so: the velocity, the model's source and
// range, and for a refrigerant that it is the saturated liquid's.

#include <QString>
#include <optional>
#include <vector>

#include "calc/LiquidSoundVelocity.h"
#include "rules/InputDescriptors.h"
#include "rules/Reasons.h"
#include "settings/NumberFormat.h"

// The model of the fluid at `position`; none for a fluid whose make-up
// varies, the typed-velocity entry or a position that is no entry.
std::optional<LiquidModel> FncLiquidModelAt(int position);

// The fluid list's entries that have a model, in list order.
const std::vector<int>& FncLiquidEntries();

// The temperature's limits in `units` (degrees Celsius, or Fahrenheit in an
// inch run, both exact) and their label, "-20-100°C".
Range FncLiquidTemperatureRange(LiquidModel model, Units units);
QString FncLiquidRangeCaption(LiquidModel model, Units units);

// Seawater's practical salinity, the same in either unit system.
Range FncSalinityRange();

struct LiquidReading {
    // Why the temperature (or, with it accepted, the salinity) is refused:
    // NotANumber, or OutOfRange for an empty text too; unset when accepted.
    std::optional<Reason> refusal;
    bool salinityRefused = false;
    // Accepted: the temperature and salinity as typed, in the run's units,
    // and the velocity at them in the run's units, whole: in ft/s from the
    // unrounded m/s.
    double temperature = 0.0;
    double salinity = kSalinityDefault;
    double velocity = 0.0;
    // The velocity as the fluid velocity field takes it ("1490").
    QString velocityText;
};

// Where a fluid velocity came from: the liquid and what was typed for it.
struct LiquidOrigin {
    LiquidModel model = LiquidModel::Water;
    LiquidReading reading;
};

// A typed temperature (and salinity, read only for seawater; an empty one is
// the default) in the format's units and locale, with the velocity.
LiquidReading FncReadLiquid(LiquidModel model, const QString& temperature, const QString& salinity,
                            const NumberFormat& format);

// "1490 m/s": an accepted reading's velocity with its unit.
QString FncLiquidVelocityCaption(const LiquidReading& reading, Units units);

// "Source: Lemmon & Span (2006) (-20-100°C)".
QString FncLiquidSourceCaption(LiquidModel model, Language language, Units units);

// For a refrigerant, that the velocity is the saturated liquid's and how much
// faster sound travels for each bar above saturation at the reading's
// temperature; empty for the others.
QString FncLiquidSaturatedNote(LiquidModel model, const LiquidReading& reading, Language language,
                               Units units);

// "TOLUOL at 60 °C", "海水 液温 10 °C 塩分 35": where a velocity came from.
QString FncLiquidOriginText(LiquidModel model, const LiquidReading& reading, Language language,
                            const NumberFormat& format);

// "WATER, SEAWATER, ...": the fluids that take a temperature, for a refusal.
QString FncLiquidNamesText(Language language);
