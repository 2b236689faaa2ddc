#pragma once
// How a computed spacing is shown: in the run's unit, truncated, grouped in
// the user's locale, and for the sensors on a rail as whole 3 mm steps.

#include <QString>

#include "settings/NumberFormat.h"

struct SpacingTexts {
    QString result1;  // the spacing
    QString result2;  // the rail steps; empty for the other sensors
    // The spacing result1 shows, in millimetres: truncated, or the whole
    // steps; what a mark on the pipe is to be.
    double shownMm = 0.0;
};

// The sensors mounted on a rail move in steps of this many millimetres.
inline constexpr double kRailStepMm = 3.0;

// Throws CalcError when the spacing cannot be shown in the unit (an
// overflow).
SpacingTexts FncPresentSpacing(double spacingMm, bool onRail, const NumberFormat& format);
