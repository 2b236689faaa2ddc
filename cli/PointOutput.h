#pragma once
// How one point is written: as text lines in the run's language, or as one
// JSON object.

#include <string>
#include <utility>
#include <vector>

#include "cli/PointRun.h"

// "SENSOR SPACING1: 65.47 mm", and "SENSOR SPACING2: 17" for the rail steps.
// Empty for a point that was not computed (its message goes to stderr).
std::string PointAsText(const PointOutcome& outcome, const StartupValues& startup);

// {"spacing": 65.47, "unit": "mm", "steps": null, "message": null,
//  "field": null}, ending with a line end.
std::string PointAsJson(const PointOutcome& outcome, const StartupValues& startup);

// A member of a JSON object: its name, and its value as JSON text.
using JsonMember = std::pair<std::string, std::string>;

// The JSON text of a string.
std::string JsonString(const QString& text);

// The object of PointAsJson for `run`, without a line end, after the
// members `first`.
std::string RunAsJson(const SpacingRun& run, const StartupValues& startup,
                      const std::vector<JsonMember>& first = {});

// The unit of lengths in the run: "mm" or "inch".
std::string LengthUnit(const StartupValues& startup);
