#include "sheet/MountingDrawing.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

const QColor kOutline(0x20, 0x20, 0x20);
const QColor kHatch(0x70, 0x70, 0x70);
const QColor kLiningFill(0xd9, 0xc7, 0x9e);
const QColor kFluidFill(0xe6, 0xf0, 0xfa);
const QColor kSensorFill(0xf0, 0xf0, 0xf0);
const QColor kBeam(0x1f, 0x5f, 0xbf);
const QColor kDimension(0x40, 0x40, 0x40);

constexpr double kPipeHeight = 26.0;  // the outer diameter as drawn
constexpr double kSensorWidth = 18.0;
constexpr double kSensorHeight = 7.0;
// Where a sensor sends its beam into the wall, behind its front face.
constexpr double kBeamExitBehindFront = 4.0;
// Slopes of the beam as drawn, run per depth: steeper in the fluid than in
// the wall, as refraction makes them.
constexpr double kWallSlope = 1.2;
constexpr double kFluidSlope = 0.8;

// A wall cut along the axis: its outline and 45° hatching.
void DrawCutWall(SheetCanvas& canvas, const QRectF& wall) {
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setClipRect(wall);
    painter.setPen(QPen(kHatch, 0.12));
    for (double x = wall.left() - wall.height(); x < wall.right(); x += 1.2) {
        painter.drawLine(QPointF(x, wall.bottom()), QPointF(x + wall.height(), wall.top()));
    }
    painter.restore();
    canvas.Box(wall, 0.25, kOutline);
}

// A sensor standing on the pipe at `surfaceY`, its front face at `frontX`
// turned towards `towards` (+1 right, -1 left); `below` hangs it under the
// pipe.
void DrawSensor(SheetCanvas& canvas, double frontX, double surfaceY, int towards, bool below,
                const QString& name) {
    const double back = frontX - towards * kSensorWidth;
    const double outer = surfaceY + (below ? kSensorHeight : -kSensorHeight);
    // The wedge: its face towards the other sensor slants like the beam.
    const QPolygonF shape({QPointF(back, surfaceY), QPointF(frontX, surfaceY),
                           QPointF(frontX - towards * 3.0, outer), QPointF(back, outer)});
    QPainter& painter = canvas.Painter();
    painter.setPen(QPen(kOutline, 0.3));
    painter.setBrush(kSensorFill);
    painter.drawPolygon(shape);
    painter.setBrush(Qt::NoBrush);
    // The cable leaves at the back.
    canvas.Line({back, (surfaceY + outer) / 2}, {back - towards * 4.0, (surfaceY + outer) / 2}, 0.5,
                kOutline);
    const QRectF label(std::min(back, frontX), std::min(surfaceY, outer), kSensorWidth,
                       kSensorHeight);
    canvas.Text(label, Qt::AlignCenter, name, canvas.Font(9, true));
}

void DrawArrowHead(SheetCanvas& canvas, QPointF tip, QPointF from, const QColor& color) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPolygonF head({tip, tip - u * 2.0 + n * 0.6, tip - u * 2.0 - n * 0.6});
    QPainter& painter = canvas.Painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

void DrawMounting(SheetCanvas& canvas, const QRectF& area, const SheetGeometry& geometry,
                  const QString& spacingLabel) {
    const int traverses = std::max(1, geometry.traverses);
    const double diameter = std::max(geometry.outerDiameterMm, 1e-9);
    // Walls and lining in proportion to the pipe, yet never too thin to see.
    const double wall = std::clamp(kPipeHeight * geometry.wallMm / diameter, 1.4, 5.0);
    const double lining = geometry.liningMm > 0
                              ? std::clamp(kPipeHeight * geometry.liningMm / diameter, 0.9, 3.0)
                              : 0.0;
    const double dimensionY = area.top() + 5.0;
    const double pipeTop = dimensionY + 4.0 + kSensorHeight;
    const double pipeBottom = pipeTop + kPipeHeight;
    const double innerTop = pipeTop + wall + lining;
    const double innerBottom = pipeBottom - wall - lining;
    const double pipeLeft = area.left() + 2.0;
    const double pipeRight = area.right() - 2.0;

    // The beam's run from the first sensor to the second, centred.
    const double wallRun = (wall + lining) * kWallSlope;
    const double traverseRun = (innerBottom - innerTop) * kFluidSlope;
    const double beamRun = 2 * wallRun + traverses * traverseRun;
    const double exit1 = area.center().x() - beamRun / 2;
    const double front1 = exit1 + kBeamExitBehindFront;
    const double front2 = exit1 + beamRun - kBeamExitBehindFront;

    canvas.Box(QRectF(QPointF(pipeLeft, innerTop), QPointF(pipeRight, innerBottom)), 0, Qt::black,
               kFluidFill);
    if (lining > 0) {
        for (double y : {pipeTop + wall, innerBottom}) {
            canvas.Box(QRectF(pipeLeft, y, pipeRight - pipeLeft, lining), 0.15, kOutline,
                       kLiningFill);
        }
    }
    DrawCutWall(canvas, QRectF(pipeLeft, pipeTop, pipeRight - pipeLeft, wall));
    DrawCutWall(canvas, QRectF(pipeLeft, pipeBottom - wall, pipeRight - pipeLeft, wall));
    const double axis = (pipeTop + pipeBottom) / 2;
    canvas.Line({pipeLeft - 1.5, axis}, {pipeRight + 1.5, axis}, 0.15, kDimension, Qt::DashDotLine);

    // The beam: through wall and lining, across the fluid, back out.
    QPolygonF beam;
    beam << QPointF(exit1, pipeTop) << QPointF(exit1 + wallRun, innerTop);
    for (int t = 1; t <= traverses; ++t) {
        beam << QPointF(exit1 + wallRun + t * traverseRun, t % 2 == 1 ? innerBottom : innerTop);
    }
    const bool endsBelow = traverses % 2 == 1;
    beam << QPointF(exit1 + beamRun, endsBelow ? pipeBottom : pipeTop);
    canvas.Painter().setPen(QPen(kBeam, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.Painter().drawPolyline(beam);
    DrawArrowHead(canvas, beam[beam.size() - 1], beam[beam.size() - 2], kBeam);

    const bool secondBelow = !geometry.sameSide;
    DrawSensor(canvas, front1, pipeTop, +1, false, QStringLiteral("1"));
    DrawSensor(canvas, front2, secondBelow ? pipeBottom : pipeTop, -1, secondBelow,
               QStringLiteral("2"));

    // The spacing between the sensors' front faces, above the pipe; a
    // sensor below reaches it with an extension line through the pipe.
    const double sensorTop = pipeTop - kSensorHeight;
    canvas.Line({front1, sensorTop - 0.8}, {front1, dimensionY - 1.5}, 0.15, kDimension);
    const double secondFrom = secondBelow ? pipeBottom - 0.8 : sensorTop - 0.8;
    canvas.Line({front2, secondFrom}, {front2, dimensionY - 1.5}, 0.15, kDimension,
                secondBelow ? Qt::DashLine : Qt::SolidLine);
    canvas.Line({front1, dimensionY}, {front2, dimensionY}, 0.2, kDimension);
    DrawArrowHead(canvas, {front1, dimensionY}, {front2, dimensionY}, kDimension);
    DrawArrowHead(canvas, {front2, dimensionY}, {front1, dimensionY}, kDimension);
    canvas.Text(QRectF(front1 - 30, area.top() - 1.0, front2 - front1 + 60, 5.0),
                Qt::AlignHCenter | Qt::AlignBottom, spacingLabel, canvas.Font(9, true));
}
