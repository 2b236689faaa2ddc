#pragma once
// The unit names of the two unit systems and the captions the user reads
// beside a number: its unit and its range.

#include <QString>
#include <array>
#include <cstdint>

#include "rules/InputDescriptors.h"

// iFlag 0: metric; any other value: English units.
// Unit names: [0] length, [1] velocity.
std::array<QString, 2> FncUnitTexts(std::int16_t iFlag);

// "6.00", "244.100": a limit as written, with a point whatever the locale.
QString FncLimitText(const Limit& limit);

// "[mm]", "[ft/s]": the unit label of a quantity.
QString FncUnitCaption(Quantity quantity, std::int16_t unitFlag);
// "6.00-6200.00mm": the range label of a number input.
QString FncRangeCaption(const InputDescriptor& input, std::int16_t unitFlag);
