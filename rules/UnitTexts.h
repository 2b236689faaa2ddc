#pragma once
// The unit names of the two unit systems and the captions the user reads
// beside a number: its unit and its range.

#include <QString>
#include <array>

#include "rules/InputDescriptors.h"

// Unit names by Quantity: [0] length, [1] velocity, [2] temperature.
std::array<QString, 3> FncUnitTexts(Units units);

// "6.00", "244.100": a limit as written, with a point whatever the locale.
QString FncLimitText(const Limit& limit);

// "[mm]", "[ft/s]": the unit label of a quantity.
QString FncUnitCaption(Quantity quantity, Units units);
// "6.00-6200.00mm": the range label of a number input.
QString FncRangeCaption(const InputDescriptor& input, Units units);
// The same of a number that is no input of the window ("0-100°C").
QString FncRangeCaption(const Range& range, Quantity quantity, Units units);
