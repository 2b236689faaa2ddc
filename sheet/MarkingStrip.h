#pragma once
// The true-scale marking strip: a ruler in the run's length unit with red
// marks exactly the spacing apart. A spacing longer than a strip goes on over
// several strips, each ending and the next beginning at the same numbered
// mark, so that the pieces add up to the spacing.

#include <QColor>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

#include "settings/NumberFormat.h"
#include "sheet/SheetCanvas.h"

// How a ruler counts: its unit and where its ticks go, in that unit.
struct RulerScale {
    double unitMm;      // 1 mm, or 25.4 mm for an inch
    double minorStep;   // between the shortest ticks
    int mediumEvery;    // minor steps to a longer tick
    int majorEvery;     // minor steps to a numbered tick
    double pieceRound;  // a strip's piece is a whole number of these
    double checkBar;    // the length of the bar that proves the print's scale
};

RulerScale RulerScaleOf(Units units);

// One strip's share of the spacing, from and to, in the ruler's unit,
// counted from the first sensor's mark.
struct StripPiece {
    double from = 0;
    double to = 0;
};

// The longest piece, in the ruler's unit, that a strip of `widthMm` holds
// with room for the ruler to go on a little beyond both marks.
double LongestPiece(double widthMm, const RulerScale& scale);

// The spacing cut into pieces of `longest` and a last one of the rest.
std::vector<StripPiece> SplitSpacing(double spacing, double longest);

inline constexpr double kStripHeightMm = 13.0;
// The marks are the sheet's only red: on paper they are what one marks by.
inline const QColor kMarkColor(0xd0, 0x00, 0x00);

// One strip, `widthMm` wide with its top left corner at `topLeft`, its
// marks labelled `startLabel` and `endLabel`.
void DrawMarkingStrip(SheetCanvas& canvas, QPointF topLeft, double widthMm, const StripPiece& piece,
                      const RulerScale& scale, const QString& startLabel, const QString& endLabel);

// The bar of `scale.checkBar` units with its length written beside it, by
// which a printout shows it kept the scale.
void DrawCheckBar(SheetCanvas& canvas, QPointF topLeft, const RulerScale& scale,
                  const QString& label);
