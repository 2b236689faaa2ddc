#pragma once
// Carbon steel pipe, no lining, water, every sound velocity from the tables.
#include "calc/PropertyTables.h"
#include "calc/SpacingCalculation.h"

// A sensor's list position, found by the name the list shows.
inline int SensorEntry(const char* name) {
    return static_cast<int>(BuildSensorNameList().indexOf(QString::fromLatin1(name))) - 1;
}

inline SpacingInputs Pipe(const char* sensor, int mount, const char* diameter, const char* wall,
                          std::int16_t unitFlag = 0) {
    SpacingInputs in;
    in.sensorPosition = SensorEntry(sensor), in.mountPosition = mount;
    in.pipePosition = in.liningPosition = in.fluidPosition = 0;
    in.outerDiameterText = diameter, in.wallThicknessText = wall, in.unitFlag = unitFlag;
    return in;
}
