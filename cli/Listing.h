#pragma once
// The lists a user chooses from, with what the calculation takes from each
// entry, in the run's language and units.

#include <string>

#include "settings/ModCommonProc.h"

std::string ListingText(const StartupValues& startup);
