#pragma once
// The one failure type of the calculation core. It carries the kind of the
// failure only; what the user reads about it is chosen by the layers above.

#include <stdexcept>

enum class CalcErrorKind {
    InvalidArgument,
    DivisionByZero,
    Overflow,
    ConversionFailure,
    SubscriptOutOfRange,
    // The sensors cannot be mounted so: the spacing would be negative.
    NegativeSpacing,
};

class CalcError : public std::runtime_error {
public:
    explicit CalcError(CalcErrorKind kind)
        : std::runtime_error("calculation failed"), kind_(kind) {}

    CalcErrorKind kind() const noexcept { return kind_; }

private:
    CalcErrorKind kind_;
};
