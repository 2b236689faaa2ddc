#pragma once
// The parts a page of the sheet is made of, each drawn from a top edge `y`
// across the page's `content` area, returning the y below it. All in
// millimetres from the page's corner.

#include <QRectF>
#include <QString>
#include <cstddef>
#include <span>

#include "sheet/MarkingStrip.h"
#include "sheet/SheetCanvas.h"
#include "sheet/SheetPage.h"
#include "sheet/SheetStyle.h"

// The paper of the run's unit system: A4 in a metric run, US Letter in an
// inch run, portrait; and the area within its margins.
QRectF ContentArea(Units units);

// The small heading, the title and, on the right, when and by what.
double DrawPageHeader(SheetCanvas& canvas, const QRectF& content, const QString& title,
                      const SheetStyle& style);
double DrawSectionHeading(SheetCanvas& canvas, const QRectF& content, double y,
                          const QString& text);
// The entries as a table on the left, the result in large type on the right.
double DrawEntriesAndResult(SheetCanvas& canvas, const QRectF& content, double y,
                            const SheetPage& page, const SheetStyle& style);
// The drawing of the mounting and the side of the pipe the sensors go on.
double DrawMountingSection(SheetCanvas& canvas, const QRectF& content, double y,
                           const SheetPage& page, const SheetStyle& style);
// How to print and use the strips, with the bar that proves the scale.
double DrawStripIntroduction(SheetCanvas& canvas, const QRectF& content, double y,
                             const SheetStyle& style);
// As many of `pieces` (from `first` on) as fit above `content`'s bottom,
// at least one; returns how many it drew.
std::size_t DrawStrips(SheetCanvas& canvas, const QRectF& content, double y,
                       std::span<const StripPiece> pieces, std::size_t first, const SheetPage& page,
                       const SheetStyle& style);
// The rows (from `first` on) that fit, as a table of tag and message, at
// least one; returns how many it drew.
std::size_t DrawRefusedRows(SheetCanvas& canvas, const QRectF& content, double y,
                            std::span<const RefusedRow> rows, std::size_t first,
                            const SheetStyle& style);
