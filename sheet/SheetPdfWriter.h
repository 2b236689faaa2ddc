#pragma once
// Writes mounting sheets into one PDF, page by page as they come, so a list
// of any length takes the same memory. The file appears only when it is
// complete: it is written beside its final name and renamed at the end, and
// a failed or abandoned writer leaves nothing behind.

#include <QString>
#include <memory>
#include <span>

#include "sheet/SheetPage.h"
#include "sheet/SheetStyle.h"

class SheetPdfWriter {
public:
    explicit SheetPdfWriter(SheetStyle style);
    ~SheetPdfWriter();
    SheetPdfWriter(const SheetPdfWriter&) = delete;
    SheetPdfWriter& operator=(const SheetPdfWriter&) = delete;

    // False with the system's reason when the file cannot be made.
    bool Open(const QString& path, QString* error);
    // Pages are added only after Open succeeded.
    // One measuring point's sheet; a strip too long for its page goes on
    // over as many following pages as it needs.
    void AddSheet(const SheetPage& page);
    // The rows of a list that got no sheet, on pages of their own.
    void AddRefusedRows(std::span<const RefusedRow> rows);
    // Completes the file under its name; false with the system's reason when
    // it could not be written. A document without a sheet gets the refused
    // rows' page, empty, so that it is still a PDF to open.
    bool Finish(QString* error);

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

// The sheets, then the refused rows if there are any, in one go.
bool WriteSheetPdf(const QString& path, std::span<const SheetPage> pages,
                   std::span<const RefusedRow> refused, const SheetStyle& style, QString* error);
