#pragma once
// Pure numeric helpers: pi, arc sine, decimal rounding and unit conversions,
// and the checked number every calculation step goes through.

#include <cmath>
#include <cstdint>

// A finite double. Every value is checked when it is made, so an invalid
// operation, a division by zero or an overflow stops a calculation with a
// CalcError instead of leaking NaN or infinity into a displayed result: NaN
// throws InvalidArgument, infinity Overflow, a division by zero
// DivisionByZero. Arithmetic on Checked values reads as the formula it is.
class Checked {
public:
    // Not explicit: a plain number takes part in a formula as it is.
    Checked(double value) : value_(value) {
        if (!std::isfinite(value)) [[unlikely]]
            NotFinite(value);
    }

    double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b) { return a.value_ + b.value_; }
    friend Checked operator-(Checked a, Checked b) { return a.value_ - b.value_; }
    friend Checked operator*(Checked a, Checked b) { return a.value_ * b.value_; }
    friend Checked operator/(Checked a, Checked b) {
        if (b.value_ == 0) [[unlikely]]
            DivisionByZero();
        return a.value_ / b.value_;
    }
    friend Checked operator-(Checked a) { return -a.value_; }

private:
    [[noreturn]] static void NotFinite(double value);
    [[noreturn]] static void DivisionByZero();

    double value_;
};

Checked Sin(Checked x);
Checked Tan(Checked x);

double FncPi();
double FncASin(double x);
double FncHalfAdjust(double value, std::int16_t digits);
double FncRoundDown(double value, std::int16_t digits);

double FncInchToMm(double x);             // x / 0.0393700787
double FncFtToM(double x);                // x / 3.28083989
double FncMmToInch(double x);             // x * 0.0393700787
double FncMToFt(double x);                // x * 3.28083989
double FncFahrenheitToCelsius(double x);  // (x - 32) * 5 / 9
