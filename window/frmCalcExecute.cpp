// The Execute button: runs the spacing on what the window shows and writes
// the result, or says why it could not.

#include <exception>

#include "rules/SpacingRun.h"
#include "window/FieldValidator.h"
#include "window/MessageBox.h"
#include "window/frmCalc.h"

void frmCalc::ExecuteCalc() {
    // A failed or refused run writes nothing, so the previous result stays
    // readable.
    try {
        const SpacingRun run =
            FncRunSpacing(GatherEntries(), startup_.UnitFlag, startup_.NumberLocale);
        switch (run.outcome) {
            case SpacingRun::Outcome::Shown:
                txtResult2Text->setText(run.texts.result2);
                txtResult1Text->setText(run.texts.result1);
                break;
            case SpacingRun::Outcome::Refused:
                // As on leaving the field: its text selected, the message, the
                // focus back in it.
                fieldValidator_->RefuseField(
                    static_cast<QLineEdit*>(ControlsOf(run.refusedInput).entry),
                    startup_.Text(run.messageTextId));
                break;
            case SpacingRun::Outcome::Failed:
                SubShowMessage(this, startup_.Text(run.messageTextId));
                break;
        }
    } catch (const std::exception& failure) {
        // Not a failure the calculation expects; reporting it beats letting
        // it end the program from inside the button's handler.
        SubShowMessage(this, QString::fromLocal8Bit(failure.what()));
    }
}
