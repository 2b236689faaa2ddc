#pragma once
// Name lists and property tables of pipes, linings, fluids, mounting methods
// and sensors. The position of an entry in a drop-down list (from 0) is the
// row of its table. Values are metric: m/s, mm, whole degrees.

#include <QString>
#include <array>
#include <cstdint>

struct SensorSpec {
    QString SeriesLabel;
    double FreqMHz;
    std::int32_t WedgeSV;
    std::int16_t WedgeAngle;
    double WedgePath;
    double WedgeHeight;
    double WedgeRun;
    double MountOffset;
};

// The entries of the drop-down lists, in list order: text ids that the
// window looks up in the run's language, and the sensors' model designations,
// which are the same in every language.
inline constexpr std::array<std::int16_t, 13> kPipeNameTextIds = {
    2760, 2770, 2780, 2790, 2800, 2810, 2820, 2830, 2840, 2850, 2860, 2861, 2050};
inline constexpr std::array<std::int16_t, 18> kFluidNameTextIds = {
    2950, 2960, 2970, 2980, 2990, 3000, 3010, 3020, 3030,
    3040, 3050, 3060, 3070, 3080, 3090, 3100, 3101, 2200};
inline constexpr std::array<std::int16_t, 8> kLiningNameTextIds = {2890, 2900, 2910, 2920,
                                                                   2930, 2940, 4460, 1100};
inline constexpr std::array<std::int16_t, 2> kMountNameTextIds = {3140, 3150};
inline constexpr std::array<const char*, 12> kSensorNames = {
    "RESERVE",     "RESERVE",     "TA_01",       "TA_02", "TB_01/TC_01", "TB_02/TC_02",
    "TB_03/TC_03", "TB_04/TC_04", "TB_05/TC_05", "TD_01", "TD_02",       "TD_03"};

// Table rows by list position; a position outside the rows throws
// CalcError(SubscriptOutOfRange).
std::int32_t PipeSVTable(int row);       // rows 0..11
std::int32_t LiningSVTable(int row);     // rows 0..7 (row 7 is the typed-value entry)
double FluidSVTable(int row);            // rows 0..17 (row 17 is the typed-value entry)
const SensorSpec& SensorTable(int row);  // rows 0..11

// Row counts, for the window and for tests.
inline constexpr int kPipeSVRows = 12;
inline constexpr int kLiningSVRows = 8;
inline constexpr int kFluidSVRows = 18;
inline constexpr int kSensorRows = 12;
