#pragma once
// Name lists and property tables of pipes, linings, fluids, mounting methods
// and sensors. The position of an entry in a drop-down list (from 0) is the
// row of its table. Values are metric: m/s, mm, whole degrees.

#include <QString>
#include <QStringList>
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

// Name lists: element 0 is the entry count as decimal text, elements 1..n the
// entries. The first four are looked up in the run's language when built.
QStringList BuildPipeNameList();
QStringList BuildFluidNameList();
QStringList BuildLiningNameList();
QStringList BuildMountNameList();
QStringList BuildSensorNameList();

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
