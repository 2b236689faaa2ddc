// Fixed material, fluid and sensor data. The order of every list is the order
// of the drop-down lists, and a row of a table belongs to the list entry at the
// same position; the typed-value entries are always last.

#include "calc/PropertyTables.h"

#include <initializer_list>

#include "calc/CalcError.h"
#include "text/TextTable.h"

namespace {

// Element 0 carries the entry count, as the window expects when filling lists.
QStringList NameListOf(const QStringList& entries) {
    QStringList list;
    list.reserve(entries.size() + 1);
    list.append(QString::number(entries.size()));
    list.append(entries);
    return list;
}

QStringList TextsOf(std::initializer_list<std::int16_t> baseIds) {
    QStringList texts;
    for (const std::int16_t id : baseIds) texts.append(FncGetText(id));
    return texts;
}

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

QStringList BuildPipeNameList() {
    return NameListOf(
        TextsOf({2760, 2770, 2780, 2790, 2800, 2810, 2820, 2830, 2840, 2850, 2860, 2861, 2050}));
}

QStringList BuildFluidNameList() {
    return NameListOf(TextsOf({2950, 2960, 2970, 2980, 2990, 3000, 3010, 3020, 3030, 3040, 3050,
                               3060, 3070, 3080, 3090, 3100, 3101, 2200}));
}

QStringList BuildLiningNameList() {
    return NameListOf(TextsOf({2890, 2900, 2910, 2920, 2930, 2940, 4460, 1100}));
}

QStringList BuildMountNameList() {
    return NameListOf(TextsOf({3140, 3150}));
}

// Sensor names are model designations, the same in every language.
QStringList BuildSensorNameList() {
    return NameListOf({QStringLiteral("RESERVE"), QStringLiteral("RESERVE"),
                       QStringLiteral("TA_01"), QStringLiteral("TA_02"),
                       QStringLiteral("TB_01/TC_01"), QStringLiteral("TB_02/TC_02"),
                       QStringLiteral("TB_03/TC_03"), QStringLiteral("TB_04/TC_04"),
                       QStringLiteral("TB_05/TC_05"), QStringLiteral("TD_01"),
                       QStringLiteral("TD_02"), QStringLiteral("TD_03")});
}

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
