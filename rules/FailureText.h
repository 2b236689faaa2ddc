#pragma once
// The text id of what the message box says about a failed calculation.

#include <cstdint>

#include "calc/CalcError.h"

// A name that is not an entry of its list, where names are typed rather than
// picked (the window's lists offer only their own).
inline constexpr std::int16_t kNotInListText = 3940;
// A line of a list of requests that is not a well-formed record.
inline constexpr std::int16_t kMalformedRecordText = 3941;

constexpr std::int16_t FncFailureTextId(CalcErrorKind kind) {
    switch (kind) {
        case CalcErrorKind::InvalidArgument:
            return 3930;
        case CalcErrorKind::DivisionByZero:
            return 3931;
        case CalcErrorKind::Overflow:
            return 3932;
        case CalcErrorKind::ConversionFailure:
            return 3933;
        case CalcErrorKind::SubscriptOutOfRange:
            return 3934;
        case CalcErrorKind::NegativeSpacing:
            return 3923;
    }
    return 3930;
}
