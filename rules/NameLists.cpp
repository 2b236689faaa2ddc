#include "rules/NameLists.h"

#include <array>
#include <span>

#include "rules/ListPositions.h"
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

// The typed-value entry closes each list of materials and fluids.
static_assert(kPipeNameTextIds.size() == kPipeTypedVelocityEntry + 1);
static_assert(kFluidNameTextIds.size() == kFluidTypedVelocityEntry + 1);
static_assert(kLiningNameTextIds.size() == kLiningTypedVelocityEntry + 1);

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
    for (const SensorSpec& sensor : SensorTypes()) names.append(QString::fromUtf8(sensor.Name));
    return names;
}

MountMethod MountMethodAt(int position) {
    if (position < 0 || position >= int(kMountEntries.size())) return MountMethod::None;
    return kMountEntries[std::size_t(position)].method;
}

QString SensorSeriesLabel(SensorSeries series) {
    switch (series) {
        case SensorSeries::NVara:
            return QStringLiteral("N-Vara");
        case SensorSeries::Small:
            return QStringLiteral("小型");
        case SensorSeries::Medium:
            return QStringLiteral("中型");
        case SensorSeries::Large:
            return QStringLiteral("大型");
        case SensorSeries::SmallBore:
            return QStringLiteral("小口径");
        case SensorSeries::HighTemperature:
            return QStringLiteral("高温用");
    }
    return {};
}

QStringList RailSensorNames() {
    QStringList names;
    for (const SensorSpec& sensor : SensorTypes()) {
        if (sensor.RailSteps) names.append(QString::fromUtf8(sensor.Name));
    }
    return names;
}
