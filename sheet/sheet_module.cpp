// The module velkara-spacing loads to write mounting sheets (SheetModule.h).
#include <QGuiApplication>

#include "sheet/SheetModule.h"
#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetTextsOf.h"

namespace {

class PdfSheets final : public PointSheets {
public:
    explicit PdfSheets(SheetStyle style) : writer_(std::move(style)) {}

    bool Open(const QString& path, QString* error) override { return writer_.Open(path, error); }
    void AddPoint(const SheetPoint& point) override { writer_.AddSheet(FncSheetPage(point)); }
    void AddRefusedRows(std::span<const RefusedRow> rows) override { writer_.AddRefusedRows(rows); }
    bool Finish(QString* error) override { return writer_.Finish(error); }

private:
    SheetPdfWriter writer_;
};

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
#if defined(Q_OS_LINUX)
    // A page needs fonts, not a screen: unless told otherwise, the tool looks
    // for no display and runs where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::unique_ptr<PointSheets> MakeSheets(const StartupValues& startup, const QDateTime& made) {
    return std::make_unique<PdfSheets>(FncSheetStyle(startup, made));
}

const SheetModule kModule{MakeApplication, MakeSheets};

}  // namespace

extern "C" Q_DECL_EXPORT const SheetModule* VelkaraSheetModule() {
    return &kModule;
}
