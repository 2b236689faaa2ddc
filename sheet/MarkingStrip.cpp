#include "sheet/MarkingStrip.h"

#include <algorithm>
#include <cmath>

namespace {

// Room kept between a strip's edge and its marks, so the ruler is seen to
// go on past them.
constexpr double kLeadMm = 6.0;
const QColor kCutLineColor(0x90, 0x90, 0x90);

}  // namespace

RulerScale RulerScaleOf(Units units) {
    if (units == Units::Metric) return {1.0, 1.0, 5, 10, 10.0, 100.0};
    return {25.4, 0.1, 5, 10, 0.5, 4.0};
}

double LongestPiece(double widthMm, const RulerScale& scale) {
    const double room = (widthMm - 2 * kLeadMm) / scale.unitMm;
    return std::max(scale.pieceRound, std::floor(room / scale.pieceRound) * scale.pieceRound);
}

std::vector<StripPiece> SplitSpacing(double spacing, double longest) {
    // What is not a length gets the two marks on one spot, not endless strips.
    if (!std::isfinite(spacing)) spacing = 0;
    std::vector<StripPiece> pieces;
    double from = 0;
    // Whole pieces while more than one is left; the last takes the rest
    // exactly, so the pieces add up to the spacing.
    while (spacing - from > longest) {
        pieces.push_back({from, from + longest});
        from += longest;
    }
    pieces.push_back({from, std::max(from, spacing)});
    return pieces;
}

void DrawMarkingStrip(SheetCanvas& canvas, QPointF topLeft, double widthMm, const StripPiece& piece,
                      const RulerScale& scale, const QString& startLabel, const QString& endLabel) {
    const double top = topLeft.y();
    const double left = topLeft.x();
    const double right = left + widthMm;
    const double bottom = top + kStripHeightMm;
    // The paper's edge to cut along; its top edge is the ruler's edge.
    canvas.Box(QRectF(left, top, widthMm, kStripHeightMm), 0.15, kCutLineColor);
    canvas.Line({left, top}, {right, top}, 0.25);

    const double origin = left + kLeadMm;  // where piece.from lies
    auto xOf = [&](double value) { return origin + (value - piece.from) * scale.unitMm; };
    const double startX = xOf(piece.from);
    const double endX = xOf(piece.to);
    // A number a mark would cross is left out.
    auto clear = [&](double x) { return std::abs(x - startX) > 2.0 && std::abs(x - endX) > 2.0; };
    const QFont numbers = canvas.Font(6.5);
    const long first =
        std::lround(std::ceil((piece.from - kLeadMm / scale.unitMm) / scale.minorStep));
    for (long step = first;; ++step) {
        const double value = static_cast<double>(step) * scale.minorStep;
        const double x = xOf(value);
        if (x > right - 0.3) break;
        if (x < left + 0.3) continue;
        const bool major = step % scale.majorEvery == 0;
        const bool medium = step % scale.mediumEvery == 0;
        canvas.Line({x, top}, {x, top + (major ? 4.2 : medium ? 3.0 : 1.8)}, major ? 0.18 : 0.12);
        if (major && step >= 0 && clear(x)) {
            const long label = std::lround(value);
            canvas.Text(QRectF(x - 6, top + 4.4, 12, 3.2), Qt::AlignHCenter | Qt::AlignTop,
                        QString::number(label), numbers);
        }
    }

    canvas.Line({startX, top}, {startX, bottom}, 0.3, kMarkColor);
    canvas.Line({endX, top}, {endX, bottom}, 0.3, kMarkColor);

    const QFont labels = canvas.Font(7, true);
    const double labelTop = bottom - 4.0;
    const double startWidth = canvas.TextWidth(startLabel, labels) + 0.5;
    const double endWidth = canvas.TextWidth(endLabel, labels) + 0.5;
    canvas.Text(QRectF(startX + 1.0, labelTop, startWidth, 3.6), Qt::AlignLeft | Qt::AlignVCenter,
                startLabel, labels);
    // A short piece has no room between its marks for both labels: the end
    // label then goes beyond its mark.
    const bool endInside = endX - startX > startWidth + endWidth + 4.0;
    const QRectF endBox = endInside ? QRectF(endX - 1.0 - endWidth, labelTop, endWidth, 3.6)
                                    : QRectF(endX + 1.0, labelTop, endWidth, 3.6);
    canvas.Text(endBox, (endInside ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, endLabel,
                labels);
}

void DrawCheckBar(SheetCanvas& canvas, QPointF topLeft, const RulerScale& scale,
                  const QString& label) {
    const double length = scale.checkBar * scale.unitMm;
    const double middle = topLeft.y() + 1.5;
    canvas.Line({topLeft.x(), middle}, {topLeft.x() + length, middle}, 0.8);
    canvas.Line({topLeft.x(), topLeft.y()}, {topLeft.x(), topLeft.y() + 3.0}, 0.2);
    canvas.Line({topLeft.x() + length, topLeft.y()}, {topLeft.x() + length, topLeft.y() + 3.0},
                0.2);
    canvas.Text(QRectF(topLeft.x() + length + 3.0, topLeft.y() - 0.5, 80, 4.0),
                Qt::AlignLeft | Qt::AlignVCenter, label, canvas.Font(8));
}
