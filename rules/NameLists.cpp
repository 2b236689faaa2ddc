#include "rules/NameLists.h"

#include <array>

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
constexpr std::array<MountEntry, 2> kMountEntries = {{
    {MountV, MountMethod::V},
    {MountZ, MountMethod::Z},
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
