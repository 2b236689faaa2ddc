#include "rules/NameLists.h"

#include <array>

#include "text/TextTable.h"

namespace {

// Text ids of the entries, looked up in the run's language.
constexpr std::array<std::int16_t, 13> kPipeNameTextIds = {2760, 2770, 2780, 2790, 2800, 2810, 2820,
                                                           2830, 2840, 2850, 2860, 2861, 2050};
constexpr std::array<std::int16_t, 18> kFluidNameTextIds = {2950, 2960, 2970, 2980, 2990, 3000,
                                                            3010, 3020, 3030, 3040, 3050, 3060,
                                                            3070, 3080, 3090, 3100, 3101, 2200};
constexpr std::array<std::int16_t, 8> kLiningNameTextIds = {2890, 2900, 2910, 2920,
                                                            2930, 2940, 4460, 1100};

struct MountEntry {
    std::int16_t textId;
    MountMethod method;
};
constexpr std::array<MountEntry, 2> kMountEntries = {{
    {3140, MountMethod::V},
    {3150, MountMethod::Z},
}};

constexpr SensorDescription kSensors[] = {
    // Name, SeriesLabel, FreqMHz, WedgePath, WedgeHeight
    {"RESERVE", "N-Vara", 4, 8.854263, 6.58},    {"RESERVE", "N-Vara", 4, 8.854263, 6.58},
    {"TA_01", "N-Vara", 2, 8.854263, 6.58},      {"TA_02", "N-Vara", 2, 8.854263, 6.58},
    {"TB_01/TC_01", "小型", 1, 13.456327, 10},   {"TB_02/TC_02", "小型", 2, 6.728164, 5},
    {"TB_03/TC_03", "中型", 1, 13.456327, 10},   {"TB_04/TC_04", "大型", 0.5, 24.490516, 18.2},
    {"TB_05/TC_05", "大型", 1, 24.490516, 18.2}, {"TD_01", "小型", 2, 8.342923, 6.2},
    {"TD_02", "小口径", 2, 8.342923, 6.2},       {"TD_03", "高温用", 2, 12.194025, 8},
};

QStringList NamesOf(std::span<const std::int16_t> textIds, std::int16_t langOffset) {
    QStringList names;
    names.reserve(qsizetype(textIds.size()));
    for (const std::int16_t id : textIds) names.append(FncGetText(id, langOffset));
    return names;
}

}  // namespace

QStringList PipeNameList(std::int16_t langOffset) {
    return NamesOf(kPipeNameTextIds, langOffset);
}

QStringList FluidNameList(std::int16_t langOffset) {
    return NamesOf(kFluidNameTextIds, langOffset);
}

QStringList LiningNameList(std::int16_t langOffset) {
    return NamesOf(kLiningNameTextIds, langOffset);
}

QStringList MountNameList(std::int16_t langOffset) {
    QStringList names;
    for (const MountEntry& entry : kMountEntries)
        names.append(FncGetText(entry.textId, langOffset));
    return names;
}

QStringList SensorNameList(std::int16_t) {
    QStringList names;
    for (const SensorDescription& sensor : kSensors) names.append(QString::fromLatin1(sensor.Name));
    return names;
}

MountMethod MountMethodAt(int position) {
    if (position < 0 || position >= int(kMountEntries.size())) return MountMethod::None;
    return kMountEntries[std::size_t(position)].method;
}

std::span<const SensorDescription> SensorDescriptions() {
    return kSensors;
}
