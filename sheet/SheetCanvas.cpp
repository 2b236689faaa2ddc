#include "sheet/SheetCanvas.h"

#include <QPen>
#include <utility>

namespace {

// A Japanese face (MS Gothic, IPAGothic) draws the degree sign a full em
// wide, so "20 °C" would show as "20 ° C". Japanese writes the unit as one
// sign, ℃ or ℉, which a reader reads back as itself (a search that folds
// Unicode's compatibility forms finds it as "°C"). Taken only
// where a font draws the sign; IPAGothic has ℃ but not ℉, which then comes
// from the platform's fallback font.
QString DegreesAsOneSign(QString text, const QFontMetricsF& metrics) {
    if (!text.contains(u'°') || metrics.horizontalAdvance(u'°') < metrics.horizontalAdvance(u'国'))
        return text;
    for (const auto& [unit, sign] : {std::pair{u"°C", u'\u2103'}, std::pair{u"°F", u'\u2109'}}) {
        if (metrics.inFont(sign)) text.replace(QString::fromUtf16(unit), QChar(sign));
    }
    return text;
}

}  // namespace

SheetCanvas::SheetCanvas(QPainter& painter, double dotsPerInch, const QStringList& fontFamilies)
    : painter_(painter), dotsPerMm_(dotsPerInch / 25.4), families_(fontFamilies) {
    painter_.resetTransform();
    painter_.scale(dotsPerMm_, dotsPerMm_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

QFont SheetCanvas::Font(double points, bool bold) const {
    QFont font;
    font.setFamilies(families_);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Shaping may swap a glyph for a variant the font's character map does
    // not lead to (Noto Sans CJK does so for digits after Latin letters);
    // the PDF then cannot tell which character it shows, and the text is
    // lost to copying and searching. Latin and Japanese need no shaping.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFontMetricsF SheetCanvas::Metrics(const QFont& font) const {
    return QFontMetricsF(font, painter_.device());
}

QRectF SheetCanvas::ToDevice(const QRectF& box) const {
    return {box.topLeft() * dotsPerMm_, box.size() * dotsPerMm_};
}

double SheetCanvas::TextWidth(const QString& text, const QFont& font) const {
    return Metrics(font).horizontalAdvance(text) / dotsPerMm_;
}

void SheetCanvas::Text(const QRectF& box, int flags, const QString& text, const QFont& font,
                       const QColor& color) {
    const QRectF device = ToDevice(box);
    const QFontMetricsF metrics = Metrics(font);
    const QString drawn = DegreesAsOneSign(text, metrics);
    const QString shown = (flags & Qt::TextWordWrap) != 0
                              ? drawn
                              : metrics.elidedText(drawn, Qt::ElideRight, device.width());
    painter_.save();
    painter_.resetTransform();
    painter_.setFont(font);
    painter_.setPen(color);
    painter_.drawText(device, flags, shown);
    painter_.restore();
}

double SheetCanvas::WrappedHeight(double width, const QString& text, const QFont& font) const {
    const QRectF room(0, 0, width * dotsPerMm_, 1e6);
    return Metrics(font).boundingRect(room, Qt::TextWordWrap, text).height() / dotsPerMm_;
}

void SheetCanvas::Line(QPointF from, QPointF to, double widthMm, const QColor& color,
                       Qt::PenStyle style) {
    painter_.setPen(QPen(color, widthMm, style, Qt::FlatCap));
    painter_.drawLine(from, to);
}

void SheetCanvas::Box(const QRectF& box, double widthMm, const QColor& color, const QBrush& fill) {
    painter_.setPen(widthMm > 0 ? QPen(color, widthMm) : QPen(Qt::NoPen));
    painter_.setBrush(fill);
    painter_.drawRect(box);
    painter_.setBrush(Qt::NoBrush);
}
