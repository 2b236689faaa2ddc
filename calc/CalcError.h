#pragma once
// The one failure type of the calculation core. It carries the kind of the
// failure only; what the user reads about it is chosen by the layers above.

#include <cstddef>
#include <stdexcept>

// Every kind of failure, each once, as X(name): the enumerators below, and
// above the reasons of rules/Reasons.h with their texts (text id Reason<name>).
#define VELKARA_CALC_ERROR_KINDS(X)                                        \
    X(InvalidArgument)                                                     \
    X(DivisionByZero)                                                      \
    X(Overflow)                                                            \
    X(ConversionFailure)                                                   \
    X(SubscriptOutOfRange)                                                 \
    /* The sensors cannot be mounted so: the spacing would be negative. */ \
    X(NegativeSpacing)

#define VELKARA_ENUMERATOR(name) name,
enum class CalcErrorKind { VELKARA_CALC_ERROR_KINDS(VELKARA_ENUMERATOR) };
#undef VELKARA_ENUMERATOR

#define VELKARA_ONE(name) +1
inline constexpr std::size_t kCalcErrorKindCount = 0 VELKARA_CALC_ERROR_KINDS(VELKARA_ONE);
#undef VELKARA_ONE

class CalcError : public std::runtime_error {
public:
    explicit CalcError(CalcErrorKind kind)
        : std::runtime_error("calculation failed"), kind_(kind) {}

    CalcErrorKind kind() const noexcept { return kind_; }

private:
    CalcErrorKind kind_;
};
