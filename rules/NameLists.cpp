#include "rules/NameLists.h"

#include <array>
#include <span>

#include "rules/ListPositions.h"

namespace {

using enum TextId;

// The entries' texts, looked up in the run's language. The last entry of a
// list with a typed sound velocity is named as the velocity's caption.
constexpr std::array kPipeNameTextIds = {
    PipeCarbonSteel,    PipeStainlessSteel, PipePvc,     PipeCopper,
    PipeCastIron,       PipeAluminum,       PipeFrp,     PipeDuctileIron,
    PipePeek,           PipePvdf,           PipeAcrylic, PipePp,
    CaptionPipeVelocity};
constexpr std::array kFluidNameTextIds = {
    FluidWater,   FluidSeawater,        FluidDistilledWater, FluidAmmonia, FluidAlcohol,
    FluidBenzene, FluidBromide,         FluidEthanol,        FluidGlycol,  FluidKerosene,
    FluidMilk,    FluidMethanol,        FluidToluol,         FluidLubeOil, FluidFuelOil,
    FluidPetrol,  FluidRefrigerantR410, CaptionFluidVelocity};
constexpr std::array kLiningNameTextIds = {LiningNone,   LiningTarEpoxy,       LiningMortar,
                                           LiningRubber, LiningTeflon,         LiningPyrexGlass,
                                           LiningPvc,    CaptionLiningVelocity};

struct MountEntry {
    TextId textId;
    MountMethod method;
};
constexpr std::array<MountEntry, 4> kMountEntries = {{
    {MountV, MountMethod::V},
    {MountZ, MountMethod::Z},
    {MountN, MountMethod::N},
    {MountW, MountMethod::W},
}};

// The typed-value entry closes each list of materials and fluids.
static_assert(kPipeNameTextIds.size() == kPipeTypedVelocityEntry + 1);
static_assert(kFluidNameTextIds.size() == kFluidTypedVelocityEntry + 1);
static_assert(kLiningNameTextIds.size() == kLiningTypedVelocityEntry + 1);
static_assert(kFluidNameTextIds[kWaterEntry] == FluidWater &&
              kFluidNameTextIds[kDistilledWaterEntry] == FluidDistilledWater);

QStringList NamesOf(std::span<const TextId> textIds, Language language) {
    QStringList names;
    names.reserve(qsizetype(textIds.size()));
    for (const TextId id : textIds) names.append(FncGetText(id, language));
    return names;
}

}  // namespace

QStringList PipeNameList(Language language) {
    return NamesOf(kPipeNameTextIds, language);
}

QStringList FluidNameList(Language language) {
    return NamesOf(kFluidNameTextIds, language);
}

QStringList LiningNameList(Language language) {
    return NamesOf(kLiningNameTextIds, language);
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
