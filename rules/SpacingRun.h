#pragma once
// One press of Execute without the window: check what the calculation will
// read, turn it into a request of metric numbers, calculate and present.

#include <QLocale>
#include <cstdint>

#include "rules/InputDescriptors.h"
#include "rules/SpacingPresentation.h"

struct SpacingRun {
    enum class Outcome { Shown, Refused, Failed };
    Outcome outcome = Outcome::Failed;
    // Refused: the input the user has to correct.
    InputId refusedInput = InputId::OuterDiameter;
    // Refused and Failed: the text id of the message.
    std::int16_t messageTextId = 0;
    // Shown: the result texts.
    SpacingTexts texts;

    // The run refused at `input`, with the message `textId`.
    static SpacingRun Refused(InputId input, std::int16_t textId);
};

// Checks every unlocked number in focus order as on leaving it, an empty
// text refused too; then that the walls leave room for the fluid. The first
// refusal ends the run. Otherwise each text is read once, in the run's
// units, and locked numbers take their list entry's value.
SpacingRun FncRunSpacing(const Entries& entries, std::int16_t unitFlag, const QLocale& locale);
