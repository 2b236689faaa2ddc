#pragma once
// The list positions (from 0) that the rules treat apart from the rest. A
// position is also the row of its list's table (rules/Materials.h), so these
// stay beside the tables and are the only place that spells them out.

#include "rules/Materials.h"

// The entries by which the user types a sound velocity instead of taking the
// table's, each its list's last.
inline constexpr int kPipeTypedVelocityEntry = kPipeMaterialRows - 1;
inline constexpr int kLiningTypedVelocityEntry = kLiningMaterialRows - 1;
inline constexpr int kFluidTypedVelocityEntry = kFluidRows - 1;

// The pipe materials the pipe size tables imply.
inline constexpr int kCarbonSteelEntry = 0;
inline constexpr int kStainlessSteelEntry = 1;
inline constexpr int kPvcEntry = 2;

// "NO LINING": no lining thickness is read and the lining layer is absent.
inline constexpr int kNoLiningEntry = 0;
