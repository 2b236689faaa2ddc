#pragma once
// The pipe materials, linings and fluids to choose from, one table per list,
// as the sensors have theirs: a row stands at the position of its entry in
// the list and holds the entry's text and the sound velocity the calculation
// reads, in m/s. The last row of each is the entry by which the user types
// the velocity instead: it is named as the velocity's caption and its
// velocity is never read.

#include <span>

#include "rules/TemperatureModels.h"
#include "text/TextTable.h"

// The velocity of an entry that reads a typed one, or of no lining, is 0.
struct MaterialRow {
    TextId name;
    double velocity = 0;
};

struct FluidRow {
    TextId name;
    double velocity = 0;
    // The model that gives its velocity at a temperature; none for a fluid
    // whose velocity is known at one temperature only.
    const TemperatureModel* temperature = nullptr;
};

// The rows of each table, the typed-value entry's included.
inline constexpr int kPipeMaterialRows = 13;
inline constexpr int kLiningMaterialRows = 8;
inline constexpr int kFluidRows = 18;

std::span<const MaterialRow, kPipeMaterialRows> PipeMaterials();
std::span<const MaterialRow, kLiningMaterialRows> LiningMaterials();
std::span<const FluidRow, kFluidRows> Fluids();

// The velocity of the row at `position`; a position outside the table throws
// CalcError(SubscriptOutOfRange).
double PipeVelocityAt(int position);
double LiningVelocityAt(int position);
double FluidVelocityAt(int position);

// The model that gives the fluid velocity from a temperature with the fluid
// at `position`: the fluid's own, pure water's for the typed-velocity entry
// (the entry a temperature chooses when no fluid is given), none for any
// other fluid or a position that is no entry.
const TemperatureModel* FncTemperatureModelOf(int position);

// Whether a temperature may go with the fluid at `position`.
bool FncFluidTakesTemperature(int position);
