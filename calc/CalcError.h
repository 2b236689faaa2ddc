#pragma once
// The one failure type of the calculation core. It carries the kind of the
// failure and the description the user sees, in the run's language.

#include <QString>
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
    // The description is taken in the language chosen at start-up.
    explicit CalcError(CalcErrorKind kind);

    CalcErrorKind kind() const noexcept { return kind_; }
    // What the message box shows.
    QString description() const { return description_; }

    // The description of a kind in Japanese (english == false) or English.
    static QString DescriptionOf(CalcErrorKind kind, bool english);

private:
    CalcErrorKind kind_;
    QString description_;
};
