#include "calc/SpacingCalculation.h"

#include <cmath>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "calc/NumberText.h"
#include "calc/NumericFunctions.h"
#include "calc/PropertyTables.h"

namespace {

constexpr double kStepMm = 3.0;

bool IsEnglish(const SpacingInputs& in) {
    return in.unitFlag != 0;
}

// A typed value in metric units: English lengths and velocities are
// converted when read. Empty text reads as 0, which converts to 0.
double ReadTyped(const QString& text, bool english, double (*toMetric)(double),
                 const QLocale& locale) {
    const double value = FncTextToDouble(text, locale);
    return english ? toMetric(value) : value;
}

double ReadLengthMm(const QString& text, bool english, const QLocale& locale) {
    return ReadTyped(text, english, FncInchToMm, locale);
}

double ReadTypedVelocity(const QString& text, bool english, const QLocale& locale) {
    return ReadTyped(text, english, FncFtToM, locale);
}

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

// The spacing in millimetres before presentation, 0 when no mounting method
// is selected. A spacing that would be negative (or is not a number) throws
// CalcError(NegativeSpacing).
double FncSpacingMm(const SpacingInputs& in, const QLocale& locale) {
    const bool english = IsEnglish(in);

    // Inputs are read in a fixed order, so the first unreadable one is the
    // failure reported. Table values are metric already and never converted.
    const double tw = ReadLengthMm(in.wallThicknessText, english, locale);
    // Without a lining the thickness field is left unread, whatever it holds.
    const double tl = in.liningPosition != kNoLiningEntry
                          ? ReadLengthMm(in.liningThicknessText, english, locale)
                          : 0.0;
    const double d = ReadLengthMm(in.outerDiameterText, english, locale);
    const double cp = in.pipeSoundVelocityLocked
                          ? PipeSVTable(in.pipePosition)
                          : ReadTypedVelocity(in.pipeSoundVelocityText, english, locale);
    const double cl = in.liningSoundVelocityLocked
                          ? LiningSVTable(in.liningPosition)
                          : ReadTypedVelocity(in.liningSoundVelocityText, english, locale);
    const double cf = in.fluidSoundVelocityLocked
                          ? FluidSVTable(in.fluidPosition)
                          : ReadTypedVelocity(in.fluidSoundVelocityText, english, locale);

    // The sensor row is first needed here, after every field has been read.
    const SensorSpec& sensor = SensorTable(in.sensorPosition);
    const double cs = sensor.WedgeSV;
    const double thetaW = CheckedMul(CheckedDiv(sensor.WedgeAngle, 180.0), FncPi());
    const double sinThetaW = CheckedResult(std::sin(thetaW));

    const double thetaP = LayerAngle(cp, cs, sinThetaW);
    const double aw = CheckedMul(CheckedResult(std::tan(thetaP)), tw);

    const double thetaL = LayerAngle(cl, cs, sinThetaW);
    const double al = CheckedMul(CheckedResult(std::tan(thetaL)), tl);

    const double thetaF = LayerAngle(cf, cs, sinThetaW);
    const double innerDiameter = CheckedSub(d, CheckedMul(CheckedAdd(tl, tw), 2.0));
    const double af = CheckedMul(innerDiameter, CheckedResult(std::tan(thetaF)));

    const double offsets = CheckedMul(sensor.MountOffset, 2.0);
    double s = 0.0;
    if (in.mountPosition == kVMethodEntry) {
        // Down and back up again: the fluid is crossed twice.
        s = CheckedSub(CheckedMul(CheckedAdd(Sum(aw, sensor.WedgeRun, al), af), 2.0), offsets);
    } else if (in.mountPosition == kZMethodEntry) {
        s = CheckedSub(CheckedAdd(CheckedMul(Sum(aw, sensor.WedgeRun, al), 2.0), af), offsets);
    } else {
        // No mounting method chosen: nothing to mount, and nothing a user
        // can reach through the window.
        return 0.0;
    }

    // The sensors would have to overlap: no such mounting exists, and a 0
    // shown instead would be mounted as if it did. Written so that a NaN
    // fails the same way.
    if (!(s >= 0.0)) throw CalcError(CalcErrorKind::NegativeSpacing);
    return s;
}

}  // namespace

SpacingResult FncCalcSpacing(const SpacingInputs& in, const QLocale& locale) {
    double s = FncSpacingMm(in, locale);
    const bool english = IsEnglish(in);

    SpacingResult result;
    if (HasThreeMillimetreSteps(in.sensorPosition)) {
        const double steps = std::trunc(CheckedDiv(s, kStepMm));
        result.result2Text = FncPlainNumberText(steps, locale);
        s = CheckedMul(steps, kStepMm);
        result.result1Text = english ? FncPlainNumberText(FncRoundDown(FncMmToInch(s), 3), locale)
                                     : FncPlainNumberText(s, locale);
    } else {
        result.result1Text = english ? FncFormatGrouped(FncRoundDown(FncMmToInch(s), 3), 3, locale)
                                     : FncFormatGrouped(FncRoundDown(s, 2), 2, locale);
    }
    return result;
}
