#pragma once
// How the comparison of every sensor and method is written: as a table in
// the run's language and units, or as a JSON array.

#include <string>

#include "rules/SpacingComparison.h"
#include "settings/ModCommonProc.h"

// What the cells hold, a head naming the methods, one line per sensor in
// the list's order ("TA_01  N-Vara  2 MHz  51 (17)  27 (9)"), "-" where it
// cannot be mounted, and after a blank line why not, each reason once.
std::string ComparisonAsText(const SpacingComparison& comparison, const StartupValues& startup);

// One object per sensor and method, in the order of the table: "sensor" and
// "method", then the members of one point's JSON.
std::string ComparisonAsJson(const SpacingComparison& comparison, const StartupValues& startup);
