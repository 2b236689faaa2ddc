#pragma once
// Every reason to refuse a value or to give up a calculation, each declared
// once: its text in the text table, which the window, a list of points and
// the tool's JSON show in the run's language, and for a value given as a
// command-line option the tool's own sentence, in English as every option.
// A new reason is an enumerator here and a row of Reasons.cpp.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

#include "calc/CalcError.h"
#include "text/TextTable.h"

enum class Reason : std::uint8_t {
    // A number input's own check.
    NotANumber,
    OutOfRange,
    // A value given by name outside the window (a command-line option, a
    // column of a list of points).
    NotInList,           // the field names no entry of its list
    NotReadWith,         // the field is not read with the entry the other field gives
    Needs,               // the field is read only once the other field is given
    EitherOr,            // the field and the other give the same value: one or the other
    NoSuchSize,          // the schedule (quoted 0) has no size (quoted 1)
    DiffersFromTable,    // the field is not the table's (quoted 0) for (quoted 1)
    NoTemperatureModel,  // a temperature with a fluid that has no model; quoted 0 those that do
    // A line of a list of points that is no well-formed record.
    MalformedRecord,
    // The calculation's failures, one per CalcErrorKind.
    InvalidArgument,
    DivisionByZero,
    Overflow,
    ConversionFailure,
    SubscriptOutOfRange,
    NegativeSpacing,
};
// How many reasons there are: one more with each new reason.
inline constexpr std::size_t kReasonCount = 16;

// What a reason's sentence may name, each as its placeholder: the window and
// a list of points name fields by caption, the command line by option.
struct ReasonSubjects {
    QString field;                  // %1: the field refused
    QString other;                  // %2: the field it depends on
    std::array<QString, 2> quoted;  // %3, %4: what the reason quotes
    std::array<QString, 2> given;   // %5, %6: the two fields' values as given
};

// The reason's text in `language`, its placeholders filled from `subjects`.
QString FncReasonText(Reason reason, Language language, const ReasonSubjects& subjects = {});

// The sentence by which the command line refuses an option for `reason`,
// fields named by option; empty for a reason that is no option's fault.
QString FncReasonOptionText(Reason reason, const ReasonSubjects& subjects);

// The reason of a failed calculation.
Reason FncFailureReason(CalcErrorKind kind);
