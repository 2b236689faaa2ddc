// The calculator window's mounting sheet: Ctrl+S and the results' context
// menu calculate as Execute does, then write the point's sheet as a PDF.

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>

#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetPoint.h"
#include "sheet/SheetTextsOf.h"
#include "window/ContextMenuEntries.h"
#include "window/MessageBox.h"
#include "window/frmCalc.h"

void frmCalc::SetUpSheet() {
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &frmCalc::SaveSheet);
    for (QLineEdit* result : results_)
        AddContextMenuEntry(result, startup_.Text(TextId::SheetMenuEntry), [this] { SaveSheet(); });
}

// A refused or failed run is told as by Execute and writes nothing; a file
// that cannot be written is told with the system's reason and changes
// nothing else.
void frmCalc::SaveSheet() {
    const GivenEntries given{GatherEntries(), PipeSizeOfFields(), WaterReadingOfFields()};
    const std::optional<SpacingRun> run = RunAndShow(given.entries);
    if (!run) return;
    const SheetPoint point = FncSheetPointOf(given, *run, startup_);
    const QString folder = sheetFolder_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : sheetFolder_;
    const QString path = QFileDialog::getSaveFileName(
        this, startup_.Text(TextId::SheetSaveTitle), QDir(folder).filePath(FncSheetFileName(point)),
        QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;

    const SheetPage page = FncSheetPage(point);
    QString error;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!WriteSheetPdf(path, {&page, 1}, {}, FncSheetStyle(startup_, QDateTime::currentDateTime()),
                       &error)) {
        SubShowMessage(this, startup_.Text(TextId::SheetNotSaved) + QStringLiteral("\n\n") +
                                 shownPath + u'\n' + error);
        return;
    }
    sheetFolder_ = QFileInfo(path).absolutePath();
    if (FncAskYesNo(this, startup_.Text(TextId::SheetSaved) + QStringLiteral("\n\n") + shownPath))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<PipeSizePick> frmCalc::PipeSizeOfFields() const {
    if (!pipeSizePick_) return std::nullopt;
    const PipeSizeNumbers table = FncPipeSizeNumbers(SizeOf(*pipeSizePick_), startup_.format.units);
    const QLocale& locale = startup_.format.locale;
    if (FncDiffersFromTable(FieldOf(Describe(InputId::OuterDiameter))->text(), table.outerDiameter,
                            locale) ||
        FncDiffersFromTable(FieldOf(Describe(InputId::WallThickness))->text(), table.wall, locale))
        return std::nullopt;
    return pipeSizePick_;
}

std::optional<WaterReading> frmCalc::WaterReadingOfFields() const {
    const InputDescriptor& velocity = Describe(InputId::FluidVelocity);
    if (!waterReading_ || IsLocked(velocity, GatherEntries()) ||
        FieldOf(velocity)->text() != waterReading_->velocityText)
        return std::nullopt;
    return waterReading_;
}
