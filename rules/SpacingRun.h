#pragma once
// One press of Execute without the window: check what the calculation will
// read, turn it into a request of metric numbers, calculate and present.

#include <array>
#include <variant>

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

// Entries that passed Execute's checks, each number read once; indexed by
// focus position.
struct CheckedEntries {
    // Each number as typed, in the run's units; NaN while locked.
    std::array<double, kInputCount> typed{};
    // Each list's position.
    std::array<int, kInputCount> positions{};
};

// Execute's checks, which read neither the sensor nor the method: every
// unlocked number in focus order as on leaving it, an empty text refused too;
// then that the walls leave room for the fluid. The first refusal (a
// SpacingRun that is Refused) ends them.
std::variant<CheckedEntries, SpacingRun> FncCheckEntries(const Entries& entries,
                                                         const NumberFormat& format);

// The spacing of checked entries with the sensor type and mounting method
// at these list positions; a locked number takes its list entry's value.
SpacingRun FncSpacingOf(const CheckedEntries& checked, int sensorRow, int methodPosition,
                        const NumberFormat& format);

// One press of Execute: the checks, then the spacing with the sensor and
// method the entries choose.
SpacingRun FncRunSpacing(const Entries& entries, const NumberFormat& format);
