#pragma once
#include "calc/PropertyTables.h"
#include "calc/SpacingCalculation.h"

// A sensor's list position, found by the name the list shows.
inline int SensorEntry(const char* name) {
    return static_cast<int>(BuildSensorNameList().indexOf(QString::fromLatin1(name))) - 1;
}
