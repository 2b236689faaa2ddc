#pragma once
// The speed of sound in the liquids of the fluid list that have a published
// model of it: from the temperature (and, for seawater, the salinity), at
// atmospheric pressure, or as saturated liquid for the refrigerants. Liquids
// whose make-up varies (alcohol of unknown strength, oils, milk, petrol) have
// none, and nothing here pretends otherwise.

#include <array>
#include <cstddef>

#include "calc/LiquidVelocityFits.h"
#include "calc/WaterSoundVelocity.h"

enum class LiquidModel { Water, Seawater, Glycol, Ethanol, Benzene, Toluene, Ammonia, R410A };
inline constexpr std::size_t kLiquidModelCount = 8;

struct LiquidModelFacts {
    // The temperatures the model holds for, degrees Celsius (ITS-90): within
    // the liquid state and the data its source was fitted to.
    double celsiusMin;
    double celsiusMax;
    // A refrigerant in a pipe is liquid only at or above its saturation
    // pressure; the velocity is the saturated liquid's.
    bool saturated;
    // Only seawater's velocity depends on a salinity.
    bool takesSalinity;
    // The model's source as a user may look it up: authors and year.
    const char* source;
};

// Ordered as LiquidModel; the ranges of the fitted ones are their fits'.
inline constexpr std::array<LiquidModelFacts, kLiquidModelCount> kLiquidModels{{
    {kWaterCelsiusMin, kWaterCelsiusMax, false, false, "Bilaniuk & Wong (1993)"},
    {0, 40, false, true, "Chen & Millero (1977), Wong & Zhu (1995)"},
    {kGlycolFit.celsiusMin, kGlycolFit.celsiusMax, false, false, "Huber et al. (2022)"},
    {kEthanolFit.celsiusMin, kEthanolFit.celsiusMax, false, false, "Schroeder et al. (2014)"},
    {kBenzeneFit.celsiusMin, kBenzeneFit.celsiusMax, false, false, "Thol et al. (2012)"},
    {kTolueneFit.celsiusMin, kTolueneFit.celsiusMax, false, false, "Lemmon & Span (2006)"},
    {kAmmoniaFit.celsiusMin, kAmmoniaFit.celsiusMax, true, false, "Tillner-Roth et al. (1993)"},
    {kR410AFit.celsiusMin, kR410AFit.celsiusMax, true, false, "Lemmon (2003)"},
}};

constexpr const LiquidModelFacts& FncLiquidModelFacts(LiquidModel model) {
    return kLiquidModels[static_cast<std::size_t>(model)];
}

// Practical salinity (PSS-78), which seawater's formula holds for.
inline constexpr double kSalinityMin = 0.0;
inline constexpr double kSalinityMax = 40.0;
inline constexpr double kSalinityDefault = 35.0;

// Metres per second at `celsius` (and `salinity` for seawater; ignored for
// the others). A temperature or salinity outside the model's range, or not a
// number, throws CalcError(InvalidArgument).
double FncLiquidSoundVelocity(LiquidModel model, double celsius,
                              double salinity = kSalinityDefault);

// For a saturated liquid, how much faster sound travels in it for each bar
// its pressure stands above saturation, m/s per bar at `celsius`; 0 for the
// others. Throws as FncLiquidSoundVelocity does.
double FncLiquidVelocityPerBar(LiquidModel model, double celsius);
