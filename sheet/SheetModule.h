#pragma once
// The mounting sheet as velkara-spacing reaches it. The tool is a Qt Core
// program: linked with Qt's GUI library, it would load that library and the
// dozens it needs on every start, which more than doubles the start-up of a
// run that writes no sheet. So the sheet writer is built into a module of
// its own (sheet_module.cpp), which the tool loads from beside itself only
// when a sheet is asked for, and reaches through these declarations alone.

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <memory>
#include <span>

#include "settings/ModCommonProc.h"
#include "sheet/SheetPage.h"
#include "sheet/SheetPoint.h"

// Measuring points' sheets written into one PDF as they come (SheetPdfWriter).
class PointSheets {
public:
    virtual ~PointSheets() = default;
    // False with the system's reason when the file cannot be made.
    virtual bool Open(const QString& path, QString* error) = 0;
    // A computed point's sheet.
    virtual void AddPoint(const SheetPoint& point) = 0;
    virtual void AddRefusedRows(std::span<const RefusedRow> rows) = 0;
    // False with the system's reason when the file could not be written.
    virtual bool Finish(QString* error) = 0;
};

struct SheetModule {
    // The application object that painting pages needs, made in place of
    // the tool's Qt Core one (which must be gone by then) from the same
    // arguments.
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
    // Sheets in the run's language and units, made at `made`.
    std::unique_ptr<PointSheets> (*makeSheets)(const StartupValues& startup, const QDateTime& made);
};

// The module's one exported function, and its name.
using SheetModuleEntry = const SheetModule* (*)();
inline constexpr char kSheetModuleEntryName[] = "VelkaraSheetModule";
