#pragma once
// The sound velocities of pipe walls, linings and fluids, in m/s: what the
// calculation reads of each. A row of a table is the position of its entry in
// the list the user picks from. (The sensors have a table of their own.)

#include <cstdint>

// The rows of each table. The lining and fluid tables end in a row for
// their lists' typed-value entry, which is never read; the pipe table has
// none for its list's.
inline constexpr int kPipeSVRows = 12;
inline constexpr int kLiningSVRows = 8;
inline constexpr int kFluidSVRows = 18;

// Table rows; a row outside the table throws CalcError(SubscriptOutOfRange).
std::int32_t PipeSVTable(int row);
std::int32_t LiningSVTable(int row);
double FluidSVTable(int row);
