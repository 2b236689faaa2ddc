#include "calc/CalcError.h"

namespace {

// For diagnostics only (what()); the user never sees these.
const char* NameOf(CalcErrorKind kind) {
    switch (kind) {
        case CalcErrorKind::InvalidArgument:
            return "invalid argument";
        case CalcErrorKind::DivisionByZero:
            return "division by zero";
        case CalcErrorKind::Overflow:
            return "overflow";
        case CalcErrorKind::ConversionFailure:
            return "not a number";
        case CalcErrorKind::SubscriptOutOfRange:
            return "subscript out of range";
        case CalcErrorKind::NegativeSpacing:
            return "negative sensor spacing";
    }
    return "calculation failed";
}

}  // namespace

CalcError::CalcError(CalcErrorKind kind) : std::runtime_error(NameOf(kind)), kind_(kind) {}
