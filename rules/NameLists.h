#pragma once
// The entries of the drop-down lists in the language that `langOffset`
// selects, in list order: an entry's position is the row of its table. Beside
// them what is shown of an entry but never calculated with.

#include <QStringList>
#include <cstdint>
#include <span>

#include "calc/SpacingCalculation.h"

QStringList PipeNameList(std::int16_t langOffset);
QStringList FluidNameList(std::int16_t langOffset);
QStringList LiningNameList(std::int16_t langOffset);
QStringList MountNameList(std::int16_t langOffset);
// Model designations, the same in every language.
QStringList SensorNameList(std::int16_t langOffset);

// The method an entry of the mounting list stands for; None for a position
// that is no entry (-1: nothing chosen).
MountMethod MountMethodAt(int position);

// A sensor as its data sheet describes it. The size word of SeriesLabel is
// Japanese in both languages.
struct SensorDescription {
    const char* Name;
    const char* SeriesLabel;  // UTF-8
    double FreqMHz;
    double WedgePath;    // mm
    double WedgeHeight;  // mm
};

// In the order of SensorNameList.
std::span<const SensorDescription> SensorDescriptions();
