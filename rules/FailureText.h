#pragma once
// What the message box says about a failed calculation, and about the
// entries of a list of requests that never reach one.

#include <array>
#include <cstdint>

#include "calc/CalcError.h"

// A name that is not an entry of its list, where names are typed rather than
// picked (the window's lists offer only their own).
inline constexpr std::int16_t kNotInListText = 3940;
// A line of a list of requests that is not a well-formed record.
inline constexpr std::int16_t kMalformedRecordText = 3941;

struct FailureText {
    CalcErrorKind kind;
    std::int16_t textId;
};

// Every kind of failure with the text id of its message.
inline constexpr std::array<FailureText, 6> kFailureTexts = {{
    {CalcErrorKind::InvalidArgument, 3930},
    {CalcErrorKind::DivisionByZero, 3931},
    {CalcErrorKind::Overflow, 3932},
    {CalcErrorKind::ConversionFailure, 3933},
    {CalcErrorKind::SubscriptOutOfRange, 3934},
    {CalcErrorKind::NegativeSpacing, 3923},
}};

constexpr std::int16_t FncFailureTextId(CalcErrorKind kind) {
    for (const FailureText& row : kFailureTexts) {
        if (row.kind == kind) return row.textId;
    }
    return kFailureTexts[0].textId;
}
