#pragma once
// The entries of the drop-down lists in the language that `langOffset`
// selects, in list order: an entry's position is the row of its table.

#include <QStringList>
#include <cstdint>

QStringList PipeNameList(std::int16_t langOffset);
QStringList FluidNameList(std::int16_t langOffset);
QStringList LiningNameList(std::int16_t langOffset);
QStringList MountNameList(std::int16_t langOffset);
// Model designations, the same in every language.
QStringList SensorNameList(std::int16_t langOffset);
