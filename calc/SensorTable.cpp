// The sensor types by list position, as their data sheets give them.

#include "calc/SensorTable.h"

#include <iterator>

#include "calc/CalcError.h"

namespace {

using S = SensorSeries;

// The wedge path is the wedge height along the beam, which leaves the wedge
// at the wedge angle: height / cos(angle), rounded to six decimals. The
// "RESERVE" rows are selectable entries that differ from the TA rows only in
// frequency; they are presented like every other sensor, without steps.
// clang-format off
constexpr SensorSpec kSensors[] = {
    // Name, Series, FreqMHz, WedgeSV, WedgeAngle, WedgePath, WedgeHeight, WedgeRun, MountOffset,
    // RailSteps
    {"RESERVE",      S::NVara,           4,   2500, 42,  8.854263,  6.58,  5.92,  6.46, false},
    {"RESERVE",      S::NVara,           4,   2500, 42,  8.854263,  6.58,  5.92,  6.46, false},
    {"TA_01",        S::NVara,           2,   2500, 42,  8.854263,  6.58,  5.92,  6.46, true},
    {"TA_02",        S::NVara,           2,   2500, 42,  8.854263,  6.58,  5.92,  6.46, true},
    {"TB_01/TC_01",  S::Small,           1,   2505, 42, 13.456327, 10,     9.07, 27,    false},
    {"TB_02/TC_02",  S::Small,           2,   2505, 42,  6.728164,  5,     4.5,  13.5,  false},
    {"TB_03/TC_03",  S::Medium,          1,   2505, 42, 13.456327, 10,     9.07, 27,    false},
    {"TB_04/TC_04",  S::Large,           0.5, 2505, 42, 24.490516, 18.2,  16.4,  16.4,  false},
    {"TB_05/TC_05",  S::Large,           1,   2505, 42, 24.490516, 18.2,  16.4,  16.4,  false},
    {"TD_01",        S::Small,           2,   2500, 42,  8.342923,  6.2,   5.58, 16.4,  false},
    {"TD_02",        S::SmallBore,       2,   2500, 42,  8.342923,  6.2,   5.58, 13.9,  false},
    {"TD_03",        S::HighTemperature, 2,   2830, 49, 12.194025,  8,     9.2,  20.2,  false},
};
// clang-format on

}  // namespace

std::span<const SensorSpec> SensorTypes() {
    return kSensors;
}

const SensorSpec& SensorTable(int row) {
    if (row < 0 || row >= int(std::size(kSensors)))
        throw CalcError(CalcErrorKind::SubscriptOutOfRange);
    return kSensors[row];
}

bool HasThreeMillimetreSteps(int row) {
    return row >= 0 && row < int(std::size(kSensors)) && kSensors[row].RailSteps;
}
