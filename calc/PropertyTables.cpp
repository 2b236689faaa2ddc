// Fixed material, fluid and sensor data. The order of every list is the order
// of the drop-down lists, and a row of a table belongs to the list entry at the
// same position; the typed-value entries are always last.

#include "calc/PropertyTables.h"

#include "calc/CalcError.h"

namespace {

void RequireRow(int row, int rows) {
    if (row < 0 || row >= rows) throw CalcError(CalcErrorKind::SubscriptOutOfRange);
}

constexpr std::int32_t kPipeSV[kPipeSVRows] = {3000, 3141, 2307, 2260, 2604, 3080,
                                               2505, 3000, 2307, 2307, 2644, 2307};

// "NO LINING" has velocity 0, which makes the calculation skip the lining
// layer; the last row is the typed-value entry.
constexpr std::int32_t kLiningSV[kLiningSVRows] = {0, 2505, 3000, 1510, 1240, 3280, 2307, 0};

// The last row is the typed-value entry.
constexpr double kFluidSV[kFluidSVRows] = {1440, 1522, 1487, 1376, 1180, 1327, 904,  1230, 1668,
                                           1338, 1497, 1122, 1325, 1530, 1250, 1390, 414,  0};

}  // namespace

std::int32_t PipeSVTable(int row) {
    RequireRow(row, kPipeSVRows);
    return kPipeSV[row];
}

std::int32_t LiningSVTable(int row) {
    RequireRow(row, kLiningSVRows);
    return kLiningSV[row];
}

double FluidSVTable(int row) {
    RequireRow(row, kFluidSVRows);
    return kFluidSV[row];
}

const SensorSpec& SensorTable(int row) {
    RequireRow(row, kSensorRows);
    // Built on first use so that no QString is constructed before main().
    // The size words of SeriesLabel are Japanese in both languages.
    static const SensorSpec kSensors[kSensorRows] = {
        // SeriesLabel, FreqMHz, WedgeSV, WedgeAngle, WedgePath, WedgeHeight, WedgeRun,
        // MountOffset
        {QStringLiteral("N-Vara"), 4, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
        {QStringLiteral("N-Vara"), 4, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
        {QStringLiteral("N-Vara"), 2, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
        {QStringLiteral("N-Vara"), 2, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
        {QStringLiteral("小型"), 1, 2505, 42, 13.456327, 10, 9.07, 27},
        {QStringLiteral("小型"), 2, 2505, 42, 6.728164, 5, 4.5, 13.5},
        {QStringLiteral("中型"), 1, 2505, 42, 13.456327, 10, 9.07, 27},
        {QStringLiteral("大型"), 0.5, 2505, 42, 24.490516, 18.2, 16.4, 16.4},
        {QStringLiteral("大型"), 1, 2505, 42, 24.490516, 18.2, 16.4, 16.4},
        {QStringLiteral("小型"), 2, 2500, 42, 8.342923, 6.2, 5.58, 16.4},
        {QStringLiteral("小口径"), 2, 2500, 42, 8.342923, 6.2, 5.58, 13.9},
        {QStringLiteral("高温用"), 2, 2830, 49, 12.194025, 8, 9.2, 20.2},
    };
    return kSensors[row];
}
