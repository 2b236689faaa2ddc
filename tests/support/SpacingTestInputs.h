#pragma once
// Carbon steel pipe, no lining, water, every sound velocity from the tables.

#include "calc/SpacingCalculation.h"

enum TestSensor { kReserve = 0, kTA01 = 2, kTB01 = 4, kTB04 = 7, kTB05 = 8, kTD03 = 11 };
enum TestMount { kV = 0, kZ = 1 };

inline SpacingInputs Pipe(int sensor, int mount, const char* diameter, const char* wall,
                          std::int16_t unitFlag = 0) {
    SpacingInputs in;
    in.sensorPosition = sensor;
    in.pipePosition = in.liningPosition = in.fluidPosition = 0;
    in.mountPosition = mount;
    in.outerDiameterText = QString::fromUtf8(diameter);
    in.wallThicknessText = QString::fromUtf8(wall);
    in.unitFlag = unitFlag;
    return in;
}
