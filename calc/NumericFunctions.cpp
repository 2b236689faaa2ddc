// Every arithmetic step goes through a checked operation so that an invalid
// operation, a division by zero or an overflow stops the calculation with a
// CalcError instead of leaking NaN or infinity into a displayed result.

#include "calc/NumericFunctions.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "calc/CalcError.h"

namespace {

constexpr double kInchPerMm = 0.0393700787;
constexpr double kFtPerM = 3.28083989;
// Significant digits kept when the representation error of a scaled value is
// removed before truncation (1.15 * 100 must truncate to 115, not 114).
constexpr int kSignificantDigits = 15;

void RequireOperand(double x) {
    if (!std::isfinite(x)) throw CalcError(CalcErrorKind::InvalidArgument);
}

double CheckedSqrt(double x) {
    RequireOperand(x);
    if (x < 0) throw CalcError(CalcErrorKind::InvalidArgument);
    return std::sqrt(x);
}

// 10 raised to digits; negative digits scale to tens, hundreds and so on.
double CheckedPowerOfTen(std::int16_t digits) {
    // The digits results are shown with are few; their powers are exact.
    static constexpr double kSmallPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (digits >= 0 && digits < std::int16_t(std::size(kSmallPowers))) return kSmallPowers[digits];
    return CheckedResult(std::pow(10.0, digits));
}

// Drops a negative sign from a zero so that a truncated tiny negative value
// is shown as 0, not -0.
double WithoutNegativeZero(double x) {
    return x + 0.0;
}

// Rounds to 15 significant digits through decimal text. to_chars/from_chars
// never consult the C locale, so the result is the same under any locale.
double RoundToSignificantDigits(double y) {
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, y, std::chars_format::general, kSignificantDigits);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    double back = 0;
    const auto read = std::from_chars(text, written.ptr, back);
    if (read.ec != std::errc{} || read.ptr != written.ptr) {
        throw CalcError(CalcErrorKind::Overflow);
    }
    return CheckedResult(back);
}

}  // namespace

double CheckedResult(double r) {
    if (std::isnan(r)) throw CalcError(CalcErrorKind::InvalidArgument);
    if (std::isinf(r)) throw CalcError(CalcErrorKind::Overflow);
    return r;
}

double CheckedMul(double a, double b) {
    RequireOperand(a);
    RequireOperand(b);
    return CheckedResult(a * b);
}

double CheckedDiv(double a, double b) {
    RequireOperand(a);
    RequireOperand(b);
    if (b == 0) throw CalcError(CalcErrorKind::DivisionByZero);
    return CheckedResult(a / b);
}

double CheckedAdd(double a, double b) {
    RequireOperand(a);
    RequireOperand(b);
    return CheckedResult(a + b);
}

double CheckedSub(double a, double b) {
    RequireOperand(a);
    RequireOperand(b);
    return CheckedResult(a - b);
}

double FncPi() {
    return 4.0 * std::atan(1.0);
}

double FncASin(double x) {
    // No special case for |x| = 1: the beam is then parallel to the boundary
    // and the division by zero is the failure the caller reports.
    const double q = CheckedAdd(CheckedMul(-x, x), 1.0);
    const double r = CheckedSqrt(q);
    return CheckedResult(std::atan(CheckedDiv(x, r)));
}

double FncHalfAdjust(double value, std::int16_t digits) {
    const double p = CheckedPowerOfTen(digits);
    double y = CheckedMul(value, p);
    if (value > 0) {
        y = std::floor(CheckedAdd(y, 0.5));
    } else {
        y = std::trunc(CheckedSub(y, 0.5));
    }
    return WithoutNegativeZero(CheckedDiv(y, p));
}

double FncRoundDown(double value, std::int16_t digits) {
    const double p = CheckedPowerOfTen(digits);
    const double y = RoundToSignificantDigits(CheckedMul(p, value));
    return WithoutNegativeZero(CheckedDiv(std::trunc(y), p));
}

double FncInchToMm(double x) {
    return CheckedDiv(x, kInchPerMm);
}

double FncFtToM(double x) {
    return CheckedDiv(x, kFtPerM);
}

double FncMmToInch(double x) {
    return CheckedMul(x, kInchPerMm);
}

double FncMToFt(double x) {
    return CheckedMul(x, kFtPerM);
}
