#pragma once
// How one point is written: as text lines in the run's language, or as one
// JSON object.

#include <string>

#include "cli/PointRun.h"

// "SENSOR SPACING1: 65.47 mm", and "SENSOR SPACING2: 17" for the rail steps;
// last, for a fluid velocity from a temperature of water, "FLUID S.V.: 1482
// m/s (WATER at 20 °C)". Empty for a point that was not computed (its
// message goes to stderr).
std::string PointAsText(const PointOutcome& outcome, const StartupValues& startup);

// {"spacing": 65.47, "unit": "mm", "steps": null, "message": null,
//  "field": null}, ending with a line end; given a temperature of water,
// "fluid-velocity": 1482, "water-temperature": 20 follow.
std::string PointAsJson(const PointOutcome& outcome, const StartupValues& startup);

// The unit of lengths in the run: "mm" or "inch".
std::string LengthUnit(const StartupValues& startup);
