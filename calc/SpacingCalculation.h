#pragma once
// The sensor spacing on numbers: lengths in millimetres, sound velocities in
// metres per second, rows of the property tables. Reading what a user typed
// and presenting the result happen elsewhere.

#include <optional>

#include "calc/CalcError.h"

struct SpacingRequest {
    int sensorRow = -1;            // of SensorTable
    int mountingMethod = -1;       // kVMethodEntry or kZMethodEntry; any other: none chosen
    double outerDiameter = 0.0;    // mm
    double wallThickness = 0.0;    // mm
    double liningThickness = 0.0;  // mm; 0 without a lining
    double pipeVelocity = 0.0;     // m/s
    double liningVelocity = 0.0;   // m/s; 0: no lining layer
    double fluidVelocity = 0.0;    // m/s
};

// The sensors mounted on a rail move in steps of this many millimetres.
inline constexpr double kRailStepMm = 3.0;

struct SpacingOutcome {
    std::optional<CalcErrorKind> failure;  // set: nothing else holds
    double spacingMm = 0.0;                // 0 when no mounting method is chosen
    // For the sensors on a rail (HasThreeMillimetreSteps): whole steps that
    // fit in the spacing.
    std::optional<double> railSteps;
};

// Refracts the beam from the sensor's wedge through wall, lining and fluid
// and adds up the advances. A failing step (no such sensor, a velocity beyond
// the critical angle, an overflow) or a negative spacing is a failure.
SpacingOutcome FncCalcSpacing(const SpacingRequest& request);
