#include "rules/InputDescriptors.h"

#include "calc/ListPositions.h"
#include "calc/PropertyTables.h"
#include "rules/NameLists.h"

namespace {

using enum InputId;
using K = InputKind;
using Q = Quantity;

// The entries that stand for a typed sound velocity unlock its field; any
// other entry gives the table's value. A lining, whatever it is made of, has
// a thickness; "NO LINING" has none.
const LockRule kPipeVelocityLock{PipeMaterial, [](int p) { return p == kPipeTypedVelocityEntry; },
                                 [](int p) { return double(PipeSVTable(p)); }};
const LockRule kLiningVelocityLock{LiningMaterial,
                                   [](int p) { return p == kLiningTypedVelocityEntry; },
                                   [](int p) { return double(LiningSVTable(p)); }};
const LockRule kLiningThicknessLock{LiningMaterial, [](int p) { return p != kNoLiningEntry; },
                                    [](int) { return 0.0; }};
const LockRule kFluidVelocityLock{Fluid, [](int p) { return p == kFluidTypedVelocityEntry; },
                                  FluidSVTable};

InputDescriptor Number(InputId id, const char* optionName, std::int16_t caption, Quantity quantity,
                       std::size_t lowerLimitSlot, std::optional<LockRule> lock = {}) {
    return {id, optionName, K::Number, caption, quantity, lowerLimitSlot, lock};
}

InputDescriptor List(InputId id, const char* optionName, std::int16_t caption,
                     QStringList (*entryNames)(std::int16_t)) {
    InputDescriptor list;
    list.id = id;
    list.optionName = optionName;
    list.kind = K::List;
    list.captionTextId = caption;
    list.entryNames = entryNames;
    return list;
}

// The lining's sound velocity shares the pipe wall's limits.
const std::array<InputDescriptor, kInputCount> kInputs = {{
    Number(OuterDiameter, "outer-diameter", 1240, Q::Length, 0),
    List(PipeMaterial, "pipe", 2060, PipeNameList),
    Number(PipeVelocity, "pipe-velocity", 2050, Q::Velocity, 2, kPipeVelocityLock),
    Number(WallThickness, "wall", 2880, Q::Length, 4),
    List(MountingMethod, "method", 790, MountNameList),
    List(SensorType, "sensor", 800, SensorNameList),
    List(LiningMaterial, "lining", 1120, LiningNameList),
    Number(LiningVelocity, "lining-velocity", 1100, Q::Velocity, 2, kLiningVelocityLock),
    Number(LiningThickness, "lining-thickness", 1110, Q::Length, 8, kLiningThicknessLock),
    List(Fluid, "fluid", 2210, FluidNameList),
    Number(FluidVelocity, "fluid-velocity", 2200, Q::Velocity, 6, kFluidVelocityLock),
}};

}  // namespace

std::span<const InputDescriptor, kInputCount> Inputs() {
    return kInputs;
}

const InputDescriptor& Describe(InputId id) {
    return kInputs[FocusPosition(id)];
}

bool IsLocked(const InputDescriptor& input, const Entries& entries) {
    if (!input.lock) return false;
    return !input.lock->unlockedAt(entries[FocusPosition(input.lock->list)].position);
}
