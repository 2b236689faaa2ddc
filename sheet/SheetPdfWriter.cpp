#include "sheet/SheetPdfWriter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "sheet/SheetCanvas.h"
#include "sheet/SheetFonts.h"
#include "sheet/SheetSections.h"

namespace {

// The device's units per inch. Coordinates go into the PDF as real numbers,
// so lengths are exact at any resolution; a fine one keeps the font metrics
// the layout measures with fine too.
constexpr int kDotsPerInch = 1200;

}  // namespace

struct SheetPdfWriter::Private {
    SheetStyle style;
    QStringList fontFamilies;
    QRectF content;
    QSaveFile file;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter painter;
    bool anyPage = false;

    SheetCanvas NewPage() {
        if (anyPage) {
            pdf->newPage();
        } else {
            painter.begin(pdf.get());
            anyPage = true;
        }
        return SheetCanvas(painter, kDotsPerInch, fontFamilies);
    }
};

SheetPdfWriter::SheetPdfWriter(SheetStyle style) : d_(std::make_unique<Private>()) {
    d_->content = ContentArea(style.format.units);
    d_->fontFamilies = SheetFontFamilies(style.fontFamily);
    d_->style = std::move(style);
}

SheetPdfWriter::~SheetPdfWriter() {
    // Unfinished: the painter stops writing and the file is dropped with
    // the temporary copy, the target untouched.
    if (d_->painter.isActive()) d_->painter.end();
}

bool SheetPdfWriter::Open(const QString& path, QString* error) {
    d_->file.setFileName(path);
    if (!d_->file.open(QIODevice::WriteOnly)) {
        if (error != nullptr) *error = d_->file.errorString();
        return false;
    }
    d_->pdf = std::make_unique<QPdfWriter>(&d_->file);
    const bool metric = d_->style.format.units == Units::Metric;
    // No margins: the page's corner is the drawing's origin, so a
    // millimetre drawn is a millimetre printed at actual size.
    d_->pdf->setPageLayout(QPageLayout(QPageSize(metric ? QPageSize::A4 : QPageSize::Letter),
                                       QPageLayout::Portrait, QMarginsF()));
    d_->pdf->setResolution(kDotsPerInch);
    d_->pdf->setCreator(d_->style.programLine);
    d_->pdf->setTitle(d_->style.texts.heading);
    return true;
}

void SheetPdfWriter::AddSheet(const SheetPage& page) {
    const SheetStyle& style = d_->style;
    const QRectF& content = d_->content;
    SheetCanvas canvas = d_->NewPage();
    double y = DrawPageHeader(canvas, content, page.title, style);
    y = DrawEntriesAndResult(canvas, content, y, page, style);
    y = DrawMountingSection(canvas, content, y, page, style);
    y = DrawStripIntroduction(canvas, content, y, style);

    const RulerScale scale = RulerScaleOf(style.format.units);
    const auto pieces =
        SplitSpacing(page.geometry.spacingMm / scale.unitMm, LongestPiece(content.width(), scale));
    std::size_t drawn = DrawStrips(canvas, content, y, pieces, 0, page, style);
    while (drawn < pieces.size()) {
        SheetCanvas more = d_->NewPage();
        const QString title = page.title + QLatin1Char(' ') + style.texts.continued;
        y = DrawPageHeader(more, content, title, style);
        y = DrawSectionHeading(more, content, y, style.texts.stripHeading);
        drawn += DrawStrips(more, content, y, pieces, drawn, page, style);
    }
}

void SheetPdfWriter::AddRefusedRows(std::span<const RefusedRow> rows) {
    std::size_t drawn = 0;
    do {
        SheetCanvas canvas = d_->NewPage();
        QString title = d_->style.texts.refusedHeading;
        if (drawn > 0) title += QLatin1Char(' ') + d_->style.texts.continued;
        const double y = DrawPageHeader(canvas, d_->content, title, d_->style);
        drawn += DrawRefusedRows(canvas, d_->content, y, rows, drawn, d_->style);
    } while (drawn < rows.size());
}

bool SheetPdfWriter::Finish(QString* error) {
    if (d_->pdf == nullptr) {
        if (error != nullptr) *error = d_->file.errorString();
        return false;
    }
    if (!d_->anyPage) AddRefusedRows({});
    d_->painter.end();
    if (!d_->file.commit()) {
        if (error != nullptr) *error = d_->file.errorString();
        return false;
    }
    return true;
}

bool WriteSheetPdf(const QString& path, std::span<const SheetPage> pages,
                   std::span<const RefusedRow> refused, const SheetStyle& style, QString* error) {
    SheetPdfWriter writer(style);
    if (!writer.Open(path, error)) return false;
    for (const SheetPage& page : pages) writer.AddSheet(page);
    if (!refused.empty()) writer.AddRefusedRows(refused);
    return writer.Finish(error);
}
