#pragma once
// The sensor spacing calculation, free of widgets: the window gathers the
// list positions, the raw field texts and their lock states, this computes
// the two result texts or throws CalcError.

#include <QLocale>
#include <QString>
#include <cstdint>

struct SpacingInputs {
    int sensorPosition = -1;  // SENSOR_TYPECombo, -1 for no selection
    int pipePosition = -1;    // PIPE_MATERIALCombo
    int liningPosition = -1;  // LINING_MATERIALCombo
    int fluidPosition = -1;   // KIND_OF_FLUIDCombo
    int mountPosition = -1;   // SENSOR_MOUNTCombo

    QString wallThicknessText;        // WALL_THICKNESSText
    QString liningThicknessText;      // LINING_THICKNESSText
    QString outerDiameterText;        // OUTER_DIAMETERText
    QString pipeSoundVelocityText;    // TRANS_FREQUENCYText
    QString liningSoundVelocityText;  // LINING_S_VText
    QString fluidSoundVelocityText;   // FLUID_S_VText

    // A locked (read-only) sound-velocity field means: take the table value.
    bool pipeSoundVelocityLocked = true;
    bool liningSoundVelocityLocked = true;
    bool fluidSoundVelocityLocked = true;

    std::int16_t unitFlag = 0;  // 0 metric, otherwise inch and ft/s
};

struct SpacingResult {
    QString result1Text;  // for txtResult1Text
    QString result2Text;  // for txtResult2Text (empty unless the sensor has 3 mm steps)
};

// Runs the whole calculation. Typed numbers are read with `locale`; results
// are written with its separators.
SpacingResult FncCalcSpacing(const SpacingInputs& inputs, const QLocale& locale);
