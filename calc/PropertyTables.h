#pragma once
// The property tables of pipes, linings, fluids and sensors: what the
// calculation reads of each. A row of a table is the position of its entry in
// the list the user picks from. Values are metric: m/s, mm, whole degrees.

#include <cstdint>

// What the spacing needs of a sensor: its wedge and how far the beam runs in
// it, and the offset of the beam's exit from the sensor's mounting mark.
struct SensorSpec {
    std::int32_t WedgeSV;
    std::int16_t WedgeAngle;
    double WedgeRun;
    double MountOffset;
};

// Table rows; a row outside the table throws CalcError(SubscriptOutOfRange).
std::int32_t PipeSVTable(int row);       // rows 0..11
std::int32_t LiningSVTable(int row);     // rows 0..7 (row 7 is the typed-value entry)
double FluidSVTable(int row);            // rows 0..17 (row 17 is the typed-value entry)
const SensorSpec& SensorTable(int row);  // rows 0..11
