#pragma once
// How one point is written: as text lines in the run's language, or as one
// JSON object.

#include <string>
#include <utility>
#include <vector>

#include "list/PointRun.h"

// "SENSOR SPACING1: 65.47 mm", and "SENSOR SPACING2: 17" for the rail steps;
// last, for a fluid velocity from a temperature of water, "FLUID S.V.: 1482
// m/s (WATER at 20 °C)". Empty for a point that was not computed (its
// message goes to stderr).
std::string PointAsText(const PointOutcome& outcome, const StartupValues& startup);

// {"spacing": 65.47, "unit": "mm", "steps": null, "message": null,
//  "field": null}, ending with a line end; given a temperature of water,
// "fluid-velocity": 1482, "water-temperature": 20 follow.
std::string PointAsJson(const PointOutcome& outcome, const StartupValues& startup);

// A member of a JSON object: its name, and its value as JSON text.
using JsonMember = std::pair<std::string, std::string>;

// The JSON text of a string.
std::string JsonString(const QString& text);

// The object of PointAsJson for `run`, without a line end: the members
// `first`, the run's, then `last`. "field" names `refusedField` when given,
// else the input the run refuses.
std::string RunAsJson(const SpacingRun& run, const StartupValues& startup,
                      const std::vector<JsonMember>& first = {}, const char* refusedField = nullptr,
                      const std::vector<JsonMember>& last = {});
