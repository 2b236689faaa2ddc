#pragma once
// The list positions (from 0) that the rules treat apart from the rest. A
// position is also the row of its property table, so these stay beside the
// name lists and are the only place that spells them out.

// The entries by which the user types a sound velocity instead of taking the
// table's. The pipe's lies one past the pipe table, which has no row for it.
inline constexpr int kPipeTypedVelocityEntry = 12;
inline constexpr int kLiningTypedVelocityEntry = 7;
inline constexpr int kFluidTypedVelocityEntry = 17;

// The pipe materials the pipe size tables imply.
inline constexpr int kCarbonSteelEntry = 0;
inline constexpr int kStainlessSteelEntry = 1;
inline constexpr int kPvcEntry = 2;

// "NO LINING": no lining thickness is read and the lining layer is absent.
inline constexpr int kNoLiningEntry = 0;

// The sensors "TA_01" and "TA_02", mounted on a rail with 3 mm steps: their
// spacing is also given as a whole number of steps.
inline constexpr int kFirstStepSensorEntry = 2;
inline constexpr int kLastStepSensorEntry = 3;

constexpr bool HasThreeMillimetreSteps(int sensorEntry) {
    return sensorEntry >= kFirstStepSensorEntry && sensorEntry <= kLastStepSensorEntry;
}
