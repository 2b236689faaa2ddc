#pragma once
// The unit names and input limits of the two unit systems, as fixed texts.

#include <QString>
#include <array>
#include <cstdint>

// iFlag 0: metric; any other value: English units.
// Unit names: [0] length, [1] velocity.
std::array<QString, 2> FncUnitTexts(std::int16_t iFlag);
// Ten limits in five lower/upper pairs: outer diameter, sound velocity of
// pipe wall and lining, wall thickness, fluid sound velocity, lining
// thickness.
std::array<QString, 10> FncRangeTexts(std::int16_t iFlag);
