#include "sheet/SheetSections.h"

#include <QPageSize>
#include <algorithm>

#include "calc/NumericFunctions.h"
#include "rules/SpacingPresentation.h"
#include "rules/UnitTexts.h"
#include "sheet/MountingDrawing.h"

namespace {

constexpr double kMarginMm = 12.0;
const QColor kQuiet(0x50, 0x50, 0x50);
const QColor kRowRule(0xc8, 0xc8, 0xc8);
const QColor kResultFill(0xf3, 0xf3, 0xf3);
constexpr double kStripGapMm = 4.0;
constexpr double kResultBoxWidthMm = 66.0;
constexpr double kEntriesRowMm = 5.0;
// Room the entries take at most; more entries get lower rows.
constexpr double kEntriesHeightMm = 70.0;

// "65.47 mm": a length the sheet writes, with the run's unit.
QString WithLengthUnit(const QString& number, const SheetStyle& style) {
    return FncWithUnit(number, Quantity::Length, style.format.units);
}

}  // namespace

QRectF ContentArea(Units units) {
    const QSizeF paper = QPageSize(units == Units::Metric ? QPageSize::A4 : QPageSize::Letter)
                             .size(QPageSize::Millimeter);
    return {kMarginMm, kMarginMm, paper.width() - 2 * kMarginMm, paper.height() - 2 * kMarginMm};
}

double DrawPageHeader(SheetCanvas& canvas, const QRectF& content, const QString& title,
                      const SheetStyle& style) {
    const double y = content.top();
    const QFont small = canvas.Font(9);
    const QString made = style.made.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    canvas.Text(QRectF(content.left(), y, content.width() / 2, 4.5),
                Qt::AlignLeft | Qt::AlignVCenter, style.texts.heading, canvas.Font(9, true),
                kQuiet);
    canvas.Text(QRectF(content.center().x(), y, content.width() / 2, 4.5),
                Qt::AlignRight | Qt::AlignVCenter, made, small);
    canvas.Text(QRectF(content.left(), y + 4.5, content.width() - 45, 10),
                Qt::AlignLeft | Qt::AlignVCenter, title, canvas.Font(18, true));
    canvas.Text(QRectF(content.right() - 45, y + 4.5, 45, 10), Qt::AlignRight | Qt::AlignVCenter,
                style.programLine, small);
    canvas.Line({content.left(), y + 15.5}, {content.right(), y + 15.5}, 0.5);
    return y + 18.5;
}

double DrawSectionHeading(SheetCanvas& canvas, const QRectF& content, double y,
                          const QString& text) {
    canvas.Text(QRectF(content.left(), y, content.width(), 4.5), Qt::AlignLeft | Qt::AlignVCenter,
                text, canvas.Font(8.5, true), kQuiet);
    canvas.Line({content.left(), y + 5.0}, {content.right(), y + 5.0}, 0.2, kQuiet);
    return y + 6.5;
}

double DrawEntriesAndResult(SheetCanvas& canvas, const QRectF& content, double y,
                            const SheetPage& page, const SheetStyle& style) {
    const double tableWidth = content.width() - kResultBoxWidthMm - 6.0;
    const QRectF table(content.left(), y, tableWidth, content.height());
    const double top = DrawSectionHeading(canvas, table, y, style.texts.entriesHeading);
    const std::size_t count = std::max<std::size_t>(page.entries.size(), 1);
    const double row = std::min(kEntriesRowMm, kEntriesHeightMm / static_cast<double>(count));
    const QFont font = canvas.Font(std::min(9.0, row * 1.9));
    const double captionWidth = tableWidth * 0.45;
    double rowTop = top;
    for (const auto& [caption, value] : page.entries) {
        canvas.Text(QRectF(table.left() + 1.0, rowTop, captionWidth - 2.0, row),
                    Qt::AlignLeft | Qt::AlignVCenter, caption, font, kQuiet);
        canvas.Text(QRectF(table.left() + captionWidth, rowTop, tableWidth - captionWidth, row),
                    Qt::AlignLeft | Qt::AlignVCenter, value, font);
        rowTop += row;
        canvas.Line({table.left(), rowTop}, {table.right(), rowTop}, 0.1, kRowRule);
    }

    // The result, as large as the window's result field is prominent.
    const QRectF box(content.right() - kResultBoxWidthMm, top, kResultBoxWidthMm, 40.0);
    canvas.Box(box, 0.3, Qt::black, kResultFill);
    canvas.Text(QRectF(box.left() + 3, top + 2, box.width() - 6, 6),
                Qt::AlignLeft | Qt::AlignVCenter, page.resultCaption, canvas.Font(9, true), kQuiet);
    const QString result = WithLengthUnit(page.resultText, style);
    canvas.Text(QRectF(box.left() + 2, top + 9, box.width() - 4, 16), Qt::AlignCenter, result,
                canvas.Font(26, true));
    if (!page.stepsText.isEmpty()) {
        canvas.Text(QRectF(box.left() + 2, top + 27, box.width() - 4, 9), Qt::AlignCenter,
                    page.stepsCaption + QStringLiteral(": ") + page.stepsText,
                    canvas.Font(14, true));
    }
    return std::max(rowTop, box.bottom()) + 4.0;
}

double DrawMountingSection(SheetCanvas& canvas, const QRectF& content, double y,
                           const SheetPage& page, const SheetStyle& style) {
    y = DrawSectionHeading(canvas, content, y, style.texts.drawingHeading);
    const QRectF area(content.left(), y + 1.5, content.width(), kMountingDrawingHeightMm);
    DrawMounting(canvas, area, page.geometry, WithLengthUnit(page.resultText, style));
    QString note = style.texts.sameSide;
    if (!page.geometry.sameSide) {
        // The second sensor's mark is halfway round the pipe from the first.
        const double around = FncPi() * page.geometry.outerDiameterMm / 2;
        note = style.texts.oppositeSide.arg(
            WithLengthUnit(FncPresentSpacing(around, false, style.format).result1, style));
    }
    canvas.Text(QRectF(content.left(), area.bottom(), content.width(), 5.0),
                Qt::AlignLeft | Qt::AlignVCenter, note, canvas.Font(9));
    return area.bottom() + 7.0;
}

double DrawStripIntroduction(SheetCanvas& canvas, const QRectF& content, double y,
                             const SheetStyle& style) {
    y = DrawSectionHeading(canvas, content, y, style.texts.stripHeading);
    const QFont bold = canvas.Font(9, true);
    const double noteHeight = canvas.WrappedHeight(content.width(), style.texts.printNote, bold);
    canvas.Text(QRectF(content.left(), y, content.width(), noteHeight),
                Qt::AlignLeft | Qt::TextWordWrap, style.texts.printNote, bold);
    y += noteHeight + 2.0;
    const RulerScale scale = RulerScaleOf(style.format.units);
    DrawCheckBar(canvas, {content.left(), y}, scale,
                 style.texts.checkBar.arg(WithLengthUnit(QString::number(scale.checkBar), style)));
    y += 5.5;
    const QFont font = canvas.Font(8.5);
    const double usageHeight = canvas.WrappedHeight(content.width(), style.texts.stripUsage, font);
    canvas.Text(QRectF(content.left(), y, content.width(), usageHeight),
                Qt::AlignLeft | Qt::TextWordWrap, style.texts.stripUsage, font);
    return y + usageHeight + 3.0;
}

std::size_t DrawStrips(SheetCanvas& canvas, const QRectF& content, double y,
                       std::span<const StripPiece> pieces, std::size_t first, const SheetPage& page,
                       const SheetStyle& style) {
    const RulerScale scale = RulerScaleOf(style.format.units);
    const SheetTexts& texts = style.texts;
    const QString end =
        texts.secondSensor + QStringLiteral("  ") + WithLengthUnit(page.resultText, style);
    std::size_t i = first;
    do {
        const bool last = i + 1 == pieces.size();
        DrawMarkingStrip(canvas, {content.left(), y}, content.width(), pieces[i], scale,
                         i == 0 ? texts.firstSensor : texts.join.arg(i),
                         last ? end : texts.join.arg(i + 1));
        y += kStripHeightMm + kStripGapMm;
        ++i;
    } while (i < pieces.size() && y + kStripHeightMm <= content.bottom());
    return i - first;
}

std::size_t DrawRefusedRows(SheetCanvas& canvas, const QRectF& content, double y,
                            std::span<const RefusedRow> rows, std::size_t first,
                            const SheetStyle& style) {
    const QFont bold = canvas.Font(9, true);
    const QFont font = canvas.Font(9);
    const double tagWidth = 50.0;
    const double messageWidth = content.width() - tagWidth - 2.0;
    canvas.Text(QRectF(content.left() + 1, y, tagWidth - 2, 5), Qt::AlignLeft | Qt::AlignVCenter,
                style.texts.refusedTag, bold, kQuiet);
    canvas.Text(QRectF(content.left() + tagWidth, y, messageWidth, 5),
                Qt::AlignLeft | Qt::AlignVCenter, style.texts.refusedMessage, bold, kQuiet);
    y += 5.0;
    canvas.Line({content.left(), y}, {content.right(), y}, 0.2, kQuiet);
    std::size_t i = first;
    while (i < rows.size()) {
        const double height =
            std::max(5.0, canvas.WrappedHeight(messageWidth, rows[i].message, font) + 1.5);
        if (i > first && y + height > content.bottom()) break;
        canvas.Text(QRectF(content.left() + 1, y, tagWidth - 2, height),
                    Qt::AlignLeft | Qt::AlignVCenter, rows[i].tag, font);
        canvas.Text(QRectF(content.left() + tagWidth, y, messageWidth, height),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, rows[i].message, font);
        y += height;
        canvas.Line({content.left(), y}, {content.right(), y}, 0.1, kRowRule);
        ++i;
    }
    return i - first;
}
