#pragma once
// Drawing on a page in millimetres from its top left corner, whatever the
// device's resolution: a length drawn is that length on paper. Text is laid
// out in the device's own units, so fonts keep their point sizes.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class SheetCanvas {
public:
    // `painter` is active on a device of `dotsPerInch` whose origin is the
    // page's corner.
    SheetCanvas(QPainter& painter, double dotsPerInch, const QStringList& fontFamilies);

    QFont Font(double points, bool bold = false) const;
    double TextWidth(const QString& text, const QFont& font) const;
    // `text` in `box`, aligned by Qt alignment `flags`. A single line too
    // long for the box is elided; with Qt::TextWordWrap it wraps instead.
    void Text(const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& color = Qt::black);
    // The height `text` takes when wrapped within `width`.
    double WrappedHeight(double width, const QString& text, const QFont& font) const;

    void Line(QPointF from, QPointF to, double widthMm, const QColor& color = Qt::black,
              Qt::PenStyle style = Qt::SolidLine);
    void Box(const QRectF& box, double widthMm, const QColor& color,
             const QBrush& fill = Qt::NoBrush);
    // For shapes of their own: the painter draws in millimetres.
    QPainter& Painter() { return painter_; }

private:
    QFontMetricsF Metrics(const QFont& font) const;
    QRectF ToDevice(const QRectF& box) const;

    QPainter& painter_;
    double dotsPerMm_;
    QStringList families_;
};
