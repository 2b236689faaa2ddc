#pragma once
// One measuring point given as text (the tool's options, a list's record):
// the values given become entries by the rules every such point follows,
// then the point goes through exactly the checks and the calculation of the
// window's Execute button.

#include <QString>
#include <array>
#include <optional>

#include "rules/GivenValues.h"
#include "rules/ListNames.h"
#include "rules/SpacingComparison.h"
#include "rules/SpacingRun.h"
#include "settings/ModCommonProc.h"

// What such points are run with, in the tool and for a list in the window:
// the language, the unit system and its number format (a decimal point, no
// grouping, whatever the user's locale), and the list names to look entries
// up by.
struct PointContext {
    explicit PointContext(const StartupValues& values);
    StartupValues startup;
    ListNames names;

    // The texts a point may need in the run's language, looked up once per
    // run: an input's caption, and a reason that names nothing.
    const QString& Caption(InputId input) const { return captions_[FocusPosition(input)]; }
    const QString& ReasonText(Reason reason) const {
        return reasons_[static_cast<std::size_t>(reason)];
    }

private:
    std::array<QString, kInputCount> captions_;
    std::array<QString, kReasonCount> reasons_;
};

// The number format of points given as text: the same on every machine.
QLocale PointNumberLocale();

struct PointOutcome {
    // The entries the values given became (when none was refused), the pipe
    // size table's row that gave the outer diameter and wall, and the
    // temperature that gave the fluid velocity.
    GivenEntries resolved;
    SpacingRun run;
    // A value given that cannot be used as given; the run is then Refused.
    // (A value refused by its own check is not: it is refused as typed.)
    std::optional<GivenRefusal> given;
    // Refused: the given field refused (GivenFields()), also one past the
    // inputs, which run.refusedInput cannot name.
    std::size_t refusedField = 0;
    // Refused or failed: the window's message, after the caption of the
    // field it refuses ("WALL THICKNESS: The value is outside of range").
    QString message;
};

PointOutcome RunPoint(const GivenPoint& point, const PointContext& context);

// Every sensor and method on a point's entries. Entries that one point would
// refuse are refused the same way, before any comparison: `refused` is then
// that point's outcome.
struct ComparisonOutcome {
    std::optional<PointOutcome> refused;
    SpacingComparison comparison;
};

ComparisonOutcome RunComparison(const GivenPoint& point, const PointContext& context);
