// The Execute button: checks the fields the calculation will read, gathers
// what the window shows, runs the calculation and writes the result, or says
// why it could not.

#include <exception>

#include "app/settings/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/SpacingCalculation.h"
#include "window/FailureText.h"
#include "window/MessageBox.h"
#include "window/UserNumberLocale.h"
#include "window/frmCalc.h"

void frmCalc::ExecuteCalc() {
    // A field the calculation cannot use is refused as on leaving it; the
    // results keep what they showed.
    if (!FncFieldsUsable()) return;

    SpacingInputs inputs;
    inputs.sensorPosition = SENSOR_TYPECombo->currentIndex();
    inputs.pipePosition = PIPE_MATERIALCombo->currentIndex();
    inputs.liningPosition = LINING_MATERIALCombo->currentIndex();
    inputs.fluidPosition = KIND_OF_FLUIDCombo->currentIndex();
    inputs.mountPosition = SENSOR_MOUNTCombo->currentIndex();

    inputs.wallThicknessText = WALL_THICKNESSText->text();
    inputs.liningThicknessText = LINING_THICKNESSText->text();
    inputs.outerDiameterText = OUTER_DIAMETERText->text();
    inputs.pipeSoundVelocityText = TRANS_FREQUENCYText->text();
    inputs.liningSoundVelocityText = LINING_S_VText->text();
    inputs.fluidSoundVelocityText = FLUID_S_VText->text();

    inputs.pipeSoundVelocityLocked = IsFieldLocked(TRANS_FREQUENCYText);
    inputs.liningSoundVelocityLocked = IsFieldLocked(LINING_S_VText);
    inputs.fluidSoundVelocityLocked = IsFieldLocked(FLUID_S_VText);

    inputs.unitFlag = ModCommonProc::UnitFlag;

    // A failed run writes nothing, so the previous result stays readable.
    try {
        const SpacingResult result = FncCalcSpacing(inputs, UserNumberLocale());
        txtResult2Text->setText(result.result2Text);
        txtResult1Text->setText(result.result1Text);
    } catch (const CalcError& failure) {
        SubShowMessage(this, ModCommonProc::FncGetText(FncFailureTextId(failure.kind())));
    } catch (const std::exception& failure) {
        // Not a failure the calculation expects; reporting it beats letting
        // it end the program from inside the button's handler.
        SubShowMessage(this, QString::fromLocal8Bit(failure.what()));
    }
}
