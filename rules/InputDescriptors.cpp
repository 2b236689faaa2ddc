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

// The lining's sound velocity shares the pipe wall's limits.
const std::array<InputDescriptor, kInputCount> kInputs = {{
    {OuterDiameter, "outer-diameter", K::Number, 1240, Q::Length, 0, {}},
    {PipeMaterial, "pipe", K::List, 2060, {}, 0, {}, PipeNameList},
    {PipeVelocity, "pipe-velocity", K::Number, 2050, Q::Velocity, 2, kPipeVelocityLock},
    {WallThickness, "wall", K::Number, 2880, Q::Length, 4, {}},
    {MountingMethod, "method", K::List, 790, {}, 0, {}, MountNameList},
    {SensorType, "sensor", K::List, 800, {}, 0, {}, SensorNameList},
    {LiningMaterial, "lining", K::List, 1120, {}, 0, {}, LiningNameList},
    {LiningVelocity, "lining-velocity", K::Number, 1100, Q::Velocity, 2, kLiningVelocityLock},
    {LiningThickness, "lining-thickness", K::Number, 1110, Q::Length, 8, kLiningThicknessLock},
    {Fluid, "fluid", K::List, 2210, {}, 0, {}, FluidNameList},
    {FluidVelocity, "fluid-velocity", K::Number, 2200, Q::Velocity, 6, kFluidVelocityLock},
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
