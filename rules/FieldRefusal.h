#pragma once
// Reading a number input's text, or the reason to refuse it: the rule
// applied on leaving a field and again before a calculation.

#include <QString>
#include <optional>

#include "rules/InputDescriptors.h"
#include "rules/Reasons.h"
#include "settings/NumberFormat.h"

// Leaving a field accepts an empty text; the calculation cannot use one.
enum class EmptyText { Accepted, Refused };

struct FieldReading {
    // Why the text is refused (NotANumber or OutOfRange); unset when accepted.
    std::optional<Reason> refusal;
    // The number as typed, in the run's units (0 for an accepted empty text).
    double value = 0.0;
};

// Accepts only digits, signs and separators that make a number the format's
// locale can read, between the input's limits in its units, both included.
FieldReading FncReadField(const InputDescriptor& input, const QString& text,
                          const NumberFormat& format, EmptyText empty);
// The same rule for a number that is no input of the window (the water
// temperature), between `range`, both included.
FieldReading FncReadNumber(const Range& range, const QString& text, const NumberFormat& format,
                           EmptyText empty);

// A number that was never text (a pipe size from the tables, a velocity
// from a temperature): only its limits are checked.
FieldReading FncCheckLimits(const InputDescriptor& input, double value, Units units);

// As many characters as the input's upper limit has.
int FncMaxInputLength(const InputDescriptor& input, Units units);
