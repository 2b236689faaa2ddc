// Selection handlers of the pipe-material, lining and fluid lists. They only
// lock or unlock the dependent fields and set the marks; the texts stay as
// they are, and a locked sound velocity is taken from the property table.
#include "calc/ListPositions.h"
#include "window/frmCalc.h"

namespace {

// Marks beside the dependent fields.
constexpr std::size_t kPipeVelocityMark = 2;
constexpr std::size_t kLiningVelocityMark = 7;
constexpr std::size_t kLiningThicknessMark = 8;
constexpr std::size_t kFluidVelocityMark = 10;

}  // namespace

void frmCalc::PIPE_MATERIALCombo_Click() {
    const bool typed = PIPE_MATERIALCombo->currentIndex() == kPipeTypedVelocityEntry;
    SetFieldLocked(TRANS_FREQUENCYText, !typed);
    lblRequired[kPipeVelocityMark]->setEnabled(typed);
}

void frmCalc::LINING_MATERIALCombo_Click() {
    bool velocityTyped = false;
    bool thicknessTyped = false;
    if (LINING_MATERIALCombo->currentIndex() != kNoLiningEntry) {
        // A lining has a thickness; its velocity is typed only for the
        // entry that stands for a typed value.
        velocityTyped = LINING_MATERIALCombo->currentIndex() == kLiningTypedVelocityEntry;
        thicknessTyped = true;
    }
    SetFieldLocked(LINING_S_VText, !velocityTyped);
    SetFieldLocked(LINING_THICKNESSText, !thicknessTyped);
    lblRequired[kLiningVelocityMark]->setEnabled(velocityTyped);
    lblRequired[kLiningThicknessMark]->setEnabled(thicknessTyped);
}

void frmCalc::KIND_OF_FLUIDCombo_Click() {
    const bool typed = KIND_OF_FLUIDCombo->currentIndex() == kFluidTypedVelocityEntry;
    SetFieldLocked(FLUID_S_VText, !typed);
    lblRequired[kFluidVelocityMark]->setEnabled(typed);
}
