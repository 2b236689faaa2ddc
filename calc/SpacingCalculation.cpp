#include "calc/SpacingCalculation.h"

#include "calc/NumericFunctions.h"
#include "calc/SensorTable.h"
#include "calc/VectorState.h"

namespace {

// Snell's law straight from the wedge: sin(theta) / C is the same in every
// layer, so each layer's angle needs only its own velocity. A velocity of 0
// means the layer is absent and the beam crosses it without advancing.
Checked LayerAngle(Checked velocity, Checked wedgeVelocity, Checked sinWedgeAngle) {
    if (velocity.value() == 0.0) return 0.0;
    return FncASin((velocity / wedgeVelocity * sinWedgeAngle).value());
}

// Throws CalcError on the first failing step.
double SpacingMm(const SpacingRequest& in) {
    const SensorSpec& sensor = SensorTable(in.sensorRow);
    const Checked cs = sensor.WedgeSV;
    const Checked sinThetaW = Sin(Checked(sensor.WedgeAngle) / 180.0 * FncPi());
    const Checked tw = in.wallThickness, tl = in.liningThickness;

    const Checked aw = Tan(LayerAngle(in.pipeVelocity, cs, sinThetaW)) * tw;
    const Checked al = Tan(LayerAngle(in.liningVelocity, cs, sinThetaW)) * tl;
    const Checked thetaF = LayerAngle(in.fluidVelocity, cs, sinThetaW);
    const Checked af = (in.outerDiameter - (tl + tw) * 2.0) * Tan(thetaF);
    const Checked r = sensor.WedgeRun, o = sensor.MountOffset;

    Checked s = 0.0;
    switch (in.method) {
        case MountMethod::V:
            // Down and back up again: the fluid is crossed twice.
            s = (aw + r + al + af) * 2.0 - o * 2.0;
            break;
        case MountMethod::Z:
            s = (aw + r + al) * 2.0 + af - o * 2.0;
            break;
        case MountMethod::N:
        case MountMethod::W:
            // Wall, lining and wedge once at each sensor; the fluid once per
            // crossing. V and Z keep their own forms above, whose roundings
            // their results have always had.
            s = (aw + r + al) * 2.0 + Checked(Traverses(in.method)) * af - o * 2.0;
            break;
        case MountMethod::None:
            return 0.0;
    }

    // The sensors would have to overlap: no such mounting exists, and a 0
    // shown instead would be mounted as if it did.
    if (s.value() < 0.0) throw CalcError(CalcErrorKind::NegativeSpacing);
    return s.value();
}

}  // namespace

SpacingOutcome FncCalcSpacing(const SpacingRequest& request) {
    // Whatever ran before on this thread, the sines and tangents below then
    // cost what they should (see VectorState.h).
    ClearUpperVectorHalves();
    SpacingOutcome outcome;
    try {
        outcome.spacingMm = SpacingMm(request);
    } catch (const CalcError& failure) {
        outcome.failure = failure.kind();
    }
    return outcome;
}
