#pragma once
// The list positions (from 0) that the rules treat apart from the rest. A
// position is also the row of its property table, so these stay beside the
// name lists and are the only place that spells them out.

#include "calc/PropertyTables.h"

// The entries by which the user types a sound velocity instead of taking the
// table's, each its list's last. The pipe's lies one past the pipe table,
// which has no row for it; the others are their tables' last rows.
inline constexpr int kPipeTypedVelocityEntry = kPipeSVRows;
inline constexpr int kLiningTypedVelocityEntry = kLiningSVRows - 1;
inline constexpr int kFluidTypedVelocityEntry = kFluidSVRows - 1;

// The pipe materials the pipe size tables imply.
inline constexpr int kCarbonSteelEntry = 0;
inline constexpr int kStainlessSteelEntry = 1;
inline constexpr int kPvcEntry = 2;

// The fluids that are pure water, whose velocity may come from a temperature.
inline constexpr int kWaterEntry = 0;
inline constexpr int kDistilledWaterEntry = 2;

// "NO LINING": no lining thickness is read and the lining layer is absent.
inline constexpr int kNoLiningEntry = 0;
