#pragma once
// The unit names and input limits of the two unit systems, as fixed texts,
// and the captions the user reads beside a number.

#include <QString>
#include <array>
#include <cstdint>

#include "rules/InputDescriptors.h"

// iFlag 0: metric; any other value: English units.
// Unit names: [0] length, [1] velocity.
std::array<QString, 2> FncUnitTexts(std::int16_t iFlag);
// Ten limits in five lower/upper pairs: outer diameter, sound velocity of
// pipe wall and lining, wall thickness, fluid sound velocity, lining
// thickness.
std::array<QString, 10> FncRangeTexts(std::int16_t iFlag);

// "[mm]", "[ft/s]": the unit label of a quantity.
QString FncUnitCaption(Quantity quantity, std::int16_t unitFlag);
// "6.00-6200.00mm": the range label of a number input.
QString FncRangeCaption(const InputDescriptor& input, std::int16_t unitFlag);
