#pragma once
// The sensor spacing on numbers: lengths in millimetres, sound velocities in
// metres per second, a row of the sensor table. Reading what a user typed
// and presenting the result happen elsewhere.

#include <optional>

#include "calc/CalcError.h"

// V: both sensors on one side, the beam reflected at the far wall. Z: the
// sensors on opposite sides. None: no method chosen, nothing to mount.
enum class MountMethod { None, V, Z };

struct SpacingRequest {
    int sensorRow = -1;  // of SensorTable
    MountMethod method = MountMethod::None;
    double outerDiameter = 0.0;    // mm
    double wallThickness = 0.0;    // mm
    double liningThickness = 0.0;  // mm; 0 without a lining
    double pipeVelocity = 0.0;     // m/s
    double liningVelocity = 0.0;   // m/s; 0: no lining layer
    double fluidVelocity = 0.0;    // m/s
};

struct SpacingOutcome {
    std::optional<CalcErrorKind> failure;  // set: the spacing is 0 and means nothing
    double spacingMm = 0.0;                // 0 when no mounting method is chosen
};

// Refracts the beam from the sensor's wedge through wall, lining and fluid
// and adds up the advances. A failing step (no such sensor, a velocity beyond
// the critical angle, an overflow) or a negative spacing is a failure.
SpacingOutcome FncCalcSpacing(const SpacingRequest& request);
