#pragma once
// The sensor spacing on numbers: lengths in millimetres, sound velocities in
// metres per second, a row of the sensor table. Reading what a user typed
// and presenting the result happen elsewhere.

#include <optional>

#include "calc/CalcError.h"

// How the beam gets from one sensor to the other: it crosses the fluid once
// (Z), twice (V), three times (N) or four times (W), reflected at the pipe's
// wall between crossings. None: no method chosen, nothing to mount.
enum class MountMethod { None, V, Z, N, W };

// The number of times the beam crosses the fluid; 0 for None.
constexpr int Traverses(MountMethod method) {
    switch (method) {
        case MountMethod::Z:
            return 1;
        case MountMethod::V:
            return 2;
        case MountMethod::N:
            return 3;
        case MountMethod::W:
            return 4;
        case MountMethod::None:
            break;
    }
    return 0;
}

// An even number of crossings brings the beam back to the side it left:
// V and W put both sensors on one side, Z and N on opposite sides.
constexpr bool SensorsOnSameSide(MountMethod method) {
    const int traverses = Traverses(method);
    return traverses > 0 && traverses % 2 == 0;
}

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
