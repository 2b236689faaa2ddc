#include "cli/ToolSheets.h"

#include <QCoreApplication>
#include <QLibrary>

std::variant<const SheetModule*, std::string> LoadSheetModule() {
    // Loaded for the rest of the run: a QLibrary does not unload on going.
    QLibrary library(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/" VELKARA_SHEET_MODULE));
    const auto entry = reinterpret_cast<SheetModuleEntry>(library.resolve(kSheetModuleEntryName));
    if (entry == nullptr)
        return "cannot write a mounting sheet: " + library.errorString().toStdString();
    return entry();
}
