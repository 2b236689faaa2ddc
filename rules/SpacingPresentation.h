#pragma once
// How a computed spacing is shown: in the run's unit, truncated, grouped in
// the user's locale, and for the sensors on a rail as whole 3 mm steps.

#include <QLocale>
#include <QString>
#include <cstdint>

#include "calc/SpacingCalculation.h"

struct SpacingTexts {
    QString result1;  // the spacing
    QString result2;  // the rail steps; empty for the other sensors
};

// `spacing` must hold no failure. Throws CalcError when the spacing cannot
// be shown in the unit (an overflow).
SpacingTexts FncPresentSpacing(const SpacingOutcome& spacing, std::int16_t unitFlag,
                               const QLocale& locale);
