#pragma once
// The speed of sound in pure water at atmospheric pressure from its
// temperature: what a flow meter's fluid velocity is when the fluid is water
// and the installer knows how warm it is.

// Temperatures the velocity is known for, in degrees Celsius (ITS-90).
inline constexpr double kWaterCelsiusMin = 0.0;
inline constexpr double kWaterCelsiusMax = 100.0;

// Metres per second at `celsius`. A temperature outside kWaterCelsiusMin to
// kWaterCelsiusMax, or not a number, throws CalcError(InvalidArgument): the
// fit says nothing there, and water at 1 atm is ice below or steam above.
double FncWaterSoundVelocity(double celsius);
