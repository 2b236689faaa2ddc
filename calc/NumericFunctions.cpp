#include "calc/NumericFunctions.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <system_error>

#include "calc/CalcError.h"

namespace {

constexpr double kInchPerMm = 0.0393700787;
constexpr double kFtPerM = 3.28083989;
// Significant digits kept when the representation error of a scaled value is
// removed before truncation (1.15 * 100 must truncate to 115, not 114).
constexpr int kSignificantDigits = 15;

// 10 raised to digits; negative digits scale to tens, hundreds and so on.
Checked PowerOfTen(std::int16_t digits) {
    // The digits results are shown with are few; their powers are exact.
    static constexpr double kSmallPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (digits >= 0 && digits < std::int16_t(std::size(kSmallPowers))) return kSmallPowers[digits];
    return std::pow(10.0, digits);
}

// Drops a negative sign from a zero so that a truncated tiny negative value
// is shown as 0, not -0.
double WithoutNegativeZero(Checked x) {
    return x.value() + 0.0;
}

// Rounds to 15 significant digits through decimal text. to_chars/from_chars
// never consult the C locale, so the result is the same under any locale.
Checked RoundToSignificantDigits(Checked y) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, y.value(),
                                       std::chars_format::general, kSignificantDigits);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    double back = 0;
    const auto read = std::from_chars(text, written.ptr, back);
    if (read.ec != std::errc{} || read.ptr != written.ptr) {
        throw CalcError(CalcErrorKind::Overflow);
    }
    return back;
}

}  // namespace

void Checked::NotFinite(double value) {
    throw CalcError(std::isnan(value) ? CalcErrorKind::InvalidArgument : CalcErrorKind::Overflow);
}

void Checked::DivisionByZero() {
    throw CalcError(CalcErrorKind::DivisionByZero);
}

Checked Sin(Checked x) {
    return std::sin(x.value());
}

Checked Tan(Checked x) {
    return std::tan(x.value());
}

double FncPi() {
    return 4.0 * std::atan(1.0);
}

double FncASin(double x) {
    // No special case for |x| = 1: the beam is then parallel to the boundary
    // and the division by zero is the failure the caller reports. Beyond it
    // the square root of a negative number is not a number.
    const Checked q = -Checked(x) * x + 1.0;
    const Checked r = std::sqrt(q.value());
    return std::atan((x / r).value());
}

double FncHalfAdjust(double value, std::int16_t digits) {
    const Checked p = PowerOfTen(digits);
    const Checked y = Checked(value) * p;
    const double whole = value > 0 ? std::floor((y + 0.5).value()) : std::trunc((y - 0.5).value());
    return WithoutNegativeZero(whole / p);
}

double FncRoundDown(double value, std::int16_t digits) {
    const Checked p = PowerOfTen(digits);
    const Checked y = RoundToSignificantDigits(p * value);
    return WithoutNegativeZero(std::trunc(y.value()) / p);
}

double FncInchToMm(double x) {
    return (x / Checked(kInchPerMm)).value();
}

double FncFtToM(double x) {
    return (x / Checked(kFtPerM)).value();
}

double FncMmToInch(double x) {
    return (x * Checked(kInchPerMm)).value();
}

double FncMToFt(double x) {
    return (x * Checked(kFtPerM)).value();
}

double FncFahrenheitToCelsius(double x) {
    return ((x - Checked(32)) * 5 / 9).value();
}
