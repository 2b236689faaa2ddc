#include "calc/SpacingCalculation.h"

#include <cmath>

#include "calc/ListPositions.h"
#include "calc/NumericFunctions.h"
#include "calc/PropertyTables.h"

namespace {

// Snell's law straight from the wedge: sin(theta) / C is the same in every
// layer, so each layer's angle needs only its own velocity. A velocity of 0
// means the layer is absent and the beam crosses it without advancing.
double LayerAngle(double velocity, double wedgeVelocity, double sinWedgeAngle) {
    if (velocity == 0.0) return 0.0;
    return FncASin(CheckedMul(CheckedDiv(velocity, wedgeVelocity), sinWedgeAngle));
}

double Sum(double a, double b, double c) {
    return CheckedAdd(CheckedAdd(a, b), c);
}

// Throws CalcError on the first failing step.
double SpacingMm(const SpacingRequest& in) {
    const SensorSpec& sensor = SensorTable(in.sensorRow);
    const double cs = sensor.WedgeSV;
    const double thetaW = CheckedMul(CheckedDiv(sensor.WedgeAngle, 180.0), FncPi());
    const double sinThetaW = CheckedResult(std::sin(thetaW));

    const double thetaP = LayerAngle(in.pipeVelocity, cs, sinThetaW);
    const double aw = CheckedMul(CheckedResult(std::tan(thetaP)), in.wallThickness);

    const double thetaL = LayerAngle(in.liningVelocity, cs, sinThetaW);
    const double al = CheckedMul(CheckedResult(std::tan(thetaL)), in.liningThickness);

    const double thetaF = LayerAngle(in.fluidVelocity, cs, sinThetaW);
    const double innerDiameter = CheckedSub(
        in.outerDiameter, CheckedMul(CheckedAdd(in.liningThickness, in.wallThickness), 2.0));
    const double af = CheckedMul(innerDiameter, CheckedResult(std::tan(thetaF)));

    const double offsets = CheckedMul(sensor.MountOffset, 2.0);
    double s = 0.0;
    if (in.mountingMethod == kVMethodEntry) {
        // Down and back up again: the fluid is crossed twice.
        s = CheckedSub(CheckedMul(CheckedAdd(Sum(aw, sensor.WedgeRun, al), af), 2.0), offsets);
    } else if (in.mountingMethod == kZMethodEntry) {
        s = CheckedSub(CheckedAdd(CheckedMul(Sum(aw, sensor.WedgeRun, al), 2.0), af), offsets);
    } else {
        // No mounting method chosen: nothing to mount.
        return 0.0;
    }

    // The sensors would have to overlap: no such mounting exists, and a 0
    // shown instead would be mounted as if it did. Written so that a NaN
    // fails the same way.
    if (!(s >= 0.0)) throw CalcError(CalcErrorKind::NegativeSpacing);
    return s;
}

}  // namespace

SpacingOutcome FncCalcSpacing(const SpacingRequest& request) {
    SpacingOutcome outcome;
    try {
        outcome.spacingMm = SpacingMm(request);
        if (HasThreeMillimetreSteps(request.sensorRow)) {
            outcome.railSteps = std::trunc(CheckedDiv(outcome.spacingMm, kRailStepMm));
        }
    } catch (const CalcError& failure) {
        outcome = SpacingOutcome{};
        outcome.failure = failure.kind();
    }
    return outcome;
}
