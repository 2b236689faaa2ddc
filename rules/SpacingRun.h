#pragma once
// One press of Execute without the window: check what the calculation will
// read, turn it into a request of metric numbers, calculate and present.

#include "calc/SpacingCalculation.h"
#include "rules/InputDescriptors.h"
#include "rules/Reasons.h"
#include "rules/SpacingPresentation.h"
#include "settings/NumberFormat.h"

struct SpacingRun {
    enum class Outcome { Shown, Refused, Failed };
    Outcome outcome = Outcome::Failed;
    // Refused: the input the user has to correct.
    InputId refusedInput = InputId::OuterDiameter;
    // Refused and Failed: why.
    Reason reason = Reason::InvalidArgument;
    // Shown: the result texts, and what the calculation read (millimetres,
    // m/s), for whatever shows the entries beside the result.
    SpacingTexts texts;
    SpacingRequest request;

    // The run refused at `input` for `reason`.
    static SpacingRun Refused(InputId input, Reason reason);
};

// Checks every unlocked number in focus order as on leaving it, an empty
// text refused too; then that the walls leave room for the fluid. The first
// refusal ends the run. Otherwise each text is read once, in the run's
// units, and locked numbers take their list entry's value.
SpacingRun FncRunSpacing(const Entries& entries, const NumberFormat& format);
