#pragma once
// Pure numeric helpers: pi, arc sine, decimal rounding and unit conversions.
// Every step is checked; an invalid operation, a division by zero or an
// overflow throws CalcError instead of producing NaN or infinity.

#include <cstdint>

double FncPi();
double FncASin(double x);
double FncHalfAdjust(double value, std::int16_t digits);
double FncRoundDown(double value, std::int16_t digits);

double FncInchToMm(double x);  // x / 0.0393700787
double FncFtToM(double x);     // x / 3.28083989
double FncMmToInch(double x);  // x * 0.0393700787
double FncMToFt(double x);     // x * 3.28083989

// Checked arithmetic shared by the calculation: each throws CalcError
// (InvalidArgument, DivisionByZero or Overflow) where the IEEE result would be
// NaN or infinite.
double CheckedMul(double a, double b);
double CheckedDiv(double a, double b);
double CheckedAdd(double a, double b);
double CheckedSub(double a, double b);
// The result of any other step (sin, tan, a value about to be shown): NaN
// throws InvalidArgument, infinity Overflow; a finite value passes through.
double CheckedResult(double r);
