// Picking an entry of a list that numbers depend on: the numbers are locked
// or unlocked and their marks follow. Texts stay as they are; a locked sound
// velocity is taken from the property table.
#include "window/frmCalc.h"

void frmCalc::ApplyLockRules(InputId list) {
    const Entries entries = GatherEntries();
    for (const InputDescriptor& input : Inputs()) {
        if (!input.lock || input.lock->list != list) continue;
        const bool locked = IsLocked(input, entries);
        SetFieldLocked(FieldOf(input), locked);
        ControlsOf(input.id).mark->setEnabled(!locked);
    }
}
