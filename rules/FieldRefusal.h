#pragma once
// Reading a number input's text, or the reason to refuse it: the rule
// applied on leaving a field and again before a calculation.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

#include "rules/InputDescriptors.h"

// Text ids of the two refusal messages.
inline constexpr std::int16_t kNotANumberText = 3920;
inline constexpr std::int16_t kOutOfRangeText = 3921;

// Leaving a field accepts an empty text; the calculation cannot use one.
enum class EmptyText { Accepted, Refused };

struct FieldReading {
    // The text id of the message that refuses the text; unset when accepted.
    std::optional<std::int16_t> refusal;
    // The number as typed, in the run's units (0 for an accepted empty text).
    double value = 0.0;
};

// Accepts only digits, signs and separators that make a number `locale` can
// read, between the input's limits in the run's units, both included.
FieldReading FncReadField(const InputDescriptor& input, const QString& text, std::int16_t unitFlag,
                          const QLocale& locale, EmptyText empty);

// A number that was never text (a pipe size from the tables): only its
// limits are checked.
FieldReading FncCheckLimits(const InputDescriptor& input, double value, std::int16_t unitFlag);

// As many characters as the input's upper limit has.
int FncMaxInputLength(const InputDescriptor& input, std::int16_t unitFlag);
