#pragma once
// Every sensor type, one row each, in the order the user picks them from: a
// row is the position of its entry in the sensor list. The row holds what
// the spacing reads (the wedge and the mounting offset), what describes the
// sensor to a reader, and how its spacing is given. Values are metric: m/s,
// mm, whole degrees, MHz.

#include <cstdint>
#include <span>

// The series or size class a sensor belongs to; its word is shown, not
// calculated with, so the words live with the other shown texts.
enum class SensorSeries : std::uint8_t { NVara, Small, Medium, Large, SmallBore, HighTemperature };

// What the spacing reads is the wedge (velocity, angle, run) and the mounting
// offset; the rest describes the sensor to a reader.
struct SensorSpec {
    const char* Name;         // model designation (UTF-8), the same in every language
    SensorSeries Series;      // series or size class
    double FreqMHz;           // nominal frequency
    std::int32_t WedgeSV;     // sound velocity in the wedge, m/s
    std::int16_t WedgeAngle;  // angle of incidence in the wedge, whole degrees
    double WedgePath;         // slant path of the beam through the wedge, mm
    double WedgeHeight;       // height of that path, mm
    double WedgeRun;          // horizontal run of the beam in the wedge, mm
    double MountOffset;       // from the beam's exit to the sensor's mounting mark, mm
    // Mounted on a rail with 3 mm steps: the spacing is also given as a whole
    // number of steps.
    bool RailSteps;
};

// Every row, in list order.
std::span<const SensorSpec> SensorTypes();

// The row for list position `row`; a row outside the table throws
// CalcError(SubscriptOutOfRange).
const SensorSpec& SensorTable(int row);

// Whether the sensor at `row` is mounted in 3 mm steps; no row is not.
bool HasThreeMillimetreSteps(int row);
