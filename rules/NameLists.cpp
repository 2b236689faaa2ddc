#include "rules/NameLists.h"

#include <array>
#include <span>

#include "rules/Materials.h"
#include "rules/NumberText.h"

namespace {

using enum TextId;

struct MountEntry {
    TextId textId;
    MountMethod method;
    char letter;
};
constexpr std::array<MountEntry, 4> kMountEntries = {{
    {MountV, MountMethod::V, 'V'},
    {MountZ, MountMethod::Z, 'Z'},
    {MountN, MountMethod::N, 'N'},
    {MountW, MountMethod::W, 'W'},
}};

// The entries' texts, looked up in the run's language.
template <typename Row>
QStringList NamesOf(std::span<const Row> rows, Language language) {
    QStringList names;
    names.reserve(qsizetype(rows.size()));
    for (const Row& row : rows) names.append(FncGetText(row.name, language));
    return names;
}

}  // namespace

QStringList PipeNameList(Language language) {
    return NamesOf<MaterialRow>(PipeMaterials(), language);
}

QStringList FluidNameList(Language language) {
    return NamesOf<FluidRow>(Fluids(), language);
}

QStringList LiningNameList(Language language) {
    return NamesOf<MaterialRow>(LiningMaterials(), language);
}

QStringList MountNameList(Language language) {
    QStringList names;
    for (const MountEntry& entry : kMountEntries) names.append(FncGetText(entry.textId, language));
    return names;
}

QStringList SensorNameList(Language) {
    QStringList names;
    for (const SensorSpec& sensor : SensorTypes()) names.append(QString::fromUtf8(sensor.Name));
    return names;
}

MountMethod MountMethodAt(int position) {
    if (position < 0 || position >= int(kMountEntries.size())) return MountMethod::None;
    return kMountEntries[std::size_t(position)].method;
}

int MountEntryCount() {
    return int(kMountEntries.size());
}

QString FncMethodLetter(MountMethod method) {
    for (const MountEntry& entry : kMountEntries) {
        if (entry.method == method) return QString(QLatin1Char(entry.letter));
    }
    return {};
}

SensorWords FncSensorWords(const SensorSpec& sensor, const QLocale& locale) {
    return {QString::fromUtf8(sensor.Name), SensorSeriesLabel(sensor.Series),
            FncPlainNumberText(sensor.FreqMHz, locale) + QStringLiteral(" MHz")};
}

QString FncSensorDescription(const SensorSpec& sensor, const QLocale& locale) {
    const SensorWords words = FncSensorWords(sensor, locale);
    return words.name + QStringLiteral(" (") + words.series + QStringLiteral(", ") +
           words.frequency + u')';
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
