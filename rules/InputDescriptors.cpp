#include "rules/InputDescriptors.h"

#include "rules/ListPositions.h"
#include "rules/Materials.h"
#include "rules/NameLists.h"
#include "rules/TemperatureModels.h"

namespace {

using enum InputId;
using enum TextId;
using K = InputKind;
using Q = Quantity;

// The entries that stand for a typed sound velocity unlock its field; any
// other entry gives the table's value. A lining, whatever it is made of, has
// a thickness; "NO LINING" has none.
const LockRule kPipeVelocityLock{PipeMaterial, [](int p) { return p == kPipeTypedVelocityEntry; },
                                 PipeVelocityAt};
const LockRule kLiningVelocityLock{
    LiningMaterial, [](int p) { return p == kLiningTypedVelocityEntry; }, LiningVelocityAt};
const LockRule kLiningThicknessLock{LiningMaterial, [](int p) { return p != kNoLiningEntry; },
                                    [](int) { return 0.0; }};
const LockRule kFluidVelocityLock{Fluid, [](int p) { return p == kFluidTypedVelocityEntry; },
                                  FluidVelocityAt};
// A temperature is read with a fluid that has a model for it; it has no
// value of a table.
const LockRule kFluidTemperatureLock{Fluid, FncFluidTakesTemperature, nullptr};

// The inch limits are the metric ones converted, lower limits rounded
// down and upper limits rounded up at the precision written, so no metric
// value is shut out.
constexpr Range kDiameterMm{{6, 2}, {6200, 2}}, kDiameterInch{{0.2362, 4}, {244.1, 3}};
// The lining's sound velocity shares the pipe wall's limits.
constexpr Range kWallVelocityMs{{1000, 0}, {3700, 0}}, kWallVelocityFts{{3280, 0}, {12140, 0}};
constexpr Range kWallMm{{0.1, 2}, {100, 2}}, kWallInch{{0.0039, 4}, {3.938, 4}};
constexpr Range kFluidVelocityMs{{300, 0}, {2500, 0}}, kFluidVelocityFts{{984, 0}, {8203, 0}};
constexpr Range kLiningMm{{0.01, 2}, {100, 2}}, kLiningInch{{0.0003, 4}, {3.938, 4}};

InputDescriptor Number(InputId id, const char* optionName, TextId caption, Quantity quantity,
                       Range metric, Range inch, std::optional<LockRule> lock = {}) {
    return {id, optionName, K::Number, caption, quantity, metric, inch, lock};
}

InputDescriptor List(InputId id, const char* optionName, TextId caption,
                     QStringList (*entryNames)(Language)) {
    InputDescriptor list;
    list.id = id;
    list.optionName = optionName;
    list.kind = K::List;
    list.captionTextId = caption;
    list.entryNames = entryNames;
    return list;
}

// clang-format off
const std::array<InputDescriptor, kDescribedCount> kInputs = {{
    Number(OuterDiameter, "outer-diameter", CaptionOuterDiameter, Q::Length, kDiameterMm, kDiameterInch),
    List(PipeMaterial, "pipe", CaptionPipeMaterial, PipeNameList),
    Number(PipeVelocity, "pipe-velocity", CaptionPipeVelocity, Q::Velocity, kWallVelocityMs, kWallVelocityFts, kPipeVelocityLock),
    Number(WallThickness, "wall", CaptionWallThickness, Q::Length, kWallMm, kWallInch),
    List(MountingMethod, "method", CaptionMountingMethod, MountNameList),
    List(SensorType, "sensor", CaptionSensorType, SensorNameList),
    List(LiningMaterial, "lining", CaptionLiningMaterial, LiningNameList),
    Number(LiningVelocity, "lining-velocity", CaptionLiningVelocity, Q::Velocity, kWallVelocityMs, kWallVelocityFts, kLiningVelocityLock),
    Number(LiningThickness, "lining-thickness", CaptionLiningThickness, Q::Length, kLiningMm, kLiningInch, kLiningThicknessLock),
    List(Fluid, "fluid", CaptionFluid, FluidNameList),
    Number(FluidVelocity, "fluid-velocity", CaptionFluidVelocity, Q::Velocity, kFluidVelocityMs, kFluidVelocityFts, kFluidVelocityLock),
    // Its limits are the default model's, pure water's; the fluid's own
    // model holds it.
    Number(FluidTemperature, "water-temperature", TextId::WaterTemperature, Q::Temperature, kPureWaterModel.celsius, kPureWaterModel.fahrenheit, kFluidTemperatureLock),
}};
// clang-format on

}  // namespace

std::span<const InputDescriptor, kInputCount> Inputs() {
    return std::span(kInputs).first<kInputCount>();
}

const InputDescriptor& Describe(InputId id) {
    return kInputs[FocusPosition(id)];
}

const Range& RangeOf(const InputDescriptor& input, Units units) {
    return units == Units::Metric ? input.metric : input.inch;
}

bool IsLocked(const InputDescriptor& input, const Entries& entries) {
    if (!input.lock) return false;
    return !input.lock->unlockedAt(entries[FocusPosition(input.lock->list)].position);
}
