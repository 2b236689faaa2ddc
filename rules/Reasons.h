#pragma once
// Every reason to refuse a value or to give up a calculation, each declared
// once: its text in the text table, which the window, a list of points and
// the tool's JSON show in the run's language, and for a value given as a
// command-line option the tool's own sentence, in English as every option.
// A new reason is an enumerator here and a row of Reasons.cpp; a new failure
// of the calculation is a kind of calc/CalcError.h and its text.

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
    NotInList,         // the field names no entry of its list
    NotReadWith,       // the field is not read with the entry the other field gives
    Needs,             // the field is read only once the other field is given
    EitherOr,          // the field and the other give the same value: one or the other
    NoSuchSize,        // the schedule (quoted 0) has no size (quoted 1)
    DiffersFromTable,  // the field is not the table's (quoted 0) for (quoted 1)
    // A line of a list of points that is no well-formed record.
    MalformedRecord,
// The calculation's failures, one per CalcErrorKind, in its order and
// by its names.
#define VELKARA_ENUMERATOR(name) name,
    VELKARA_CALC_ERROR_KINDS(VELKARA_ENUMERATOR)
#undef VELKARA_ENUMERATOR
};
inline constexpr std::size_t kFirstFailureReason = std::size_t(Reason::MalformedRecord) + 1;
// How many reasons there are.
inline constexpr std::size_t kReasonCount = kFirstFailureReason + kCalcErrorKindCount;

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

// "WALL THICKNESS: The value is outside of range": a reason after the
// caption of the field it refuses, as a list of points and the tool say it.
QString FncCaptionedReason(const QString& caption, const QString& reasonText);

// The sentence by which the command line refuses an option for `reason`,
// fields named by option; empty for a reason that is no option's fault.
QString FncReasonOptionText(Reason reason, const ReasonSubjects& subjects);

// The reason of a failed calculation.
constexpr Reason FncFailureReason(CalcErrorKind kind) {
    return Reason(kFirstFailureReason + std::size_t(kind));
}
