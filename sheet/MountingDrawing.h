#pragma once
// The drawing of a mounting: the pipe cut along its axis (walls, lining),
// the two sensors on one side or on opposite sides, the beam crossing the
// fluid as many times as the method has traverses, and the spacing
// dimensioned. It is a diagram, not to scale; the strip is what is to scale.

#include <QRectF>
#include <QString>

#include "sheet/SheetCanvas.h"
#include "sheet/SheetPage.h"

// The height the drawing takes on the page.
inline constexpr double kMountingDrawingHeightMm = 52.0;

// Draws within `area` (kMountingDrawingHeightMm high); `spacingLabel` is
// written on the dimension.
void DrawMounting(SheetCanvas& canvas, const QRectF& area, const SheetGeometry& geometry,
                  const QString& spacingLabel);
