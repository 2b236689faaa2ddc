#pragma once
// The entries of the drop-down lists in a language, in list order: an entry's
// position is the row of its table. Beside them what is shown of an entry but
// never calculated with.

#include <QStringList>
#include <span>

#include "calc/SpacingCalculation.h"
#include "text/TextTable.h"

QStringList PipeNameList(Language language);
QStringList FluidNameList(Language language);
QStringList LiningNameList(Language language);
QStringList MountNameList(Language language);
// Model designations, the same in every language.
QStringList SensorNameList(Language language);

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
