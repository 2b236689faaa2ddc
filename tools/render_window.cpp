// velkara_render_window <out.png> <lang 0|1> <unit 0|1> [pipe-size-table]
// velkara_render_window <out.pdf> <lang 0|1> <unit 0|1> sheet
//
// Builds the calculator window with the given language and unit system on
// the offscreen platform and saves its client area as a PNG; with
// "pipe-size-table", the pipe size dialog of that window, on SGP 100A; with
// "sheet", the mounting sheet of the worked example (TB_01/TC_01, V method,
// 114.3 x 6.0 carbon steel, water) as the window saves it, made at a fixed
// time, as a PDF.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string_view>
#include <vector>

#include "rules/NameLists.h"
#include "settings/ModCommonProc.h"
#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetPoint.h"
#include "sheet/SheetTextsOf.h"
#include "window/PipeSizeDialog.h"
#include "window/frmCalc.h"

namespace {

int WriteWorkedExampleSheet(const QString& outPath, const StartupValues& startup) {
    Entries entries;
    for (Entry& entry : entries) entry.position = 0;
    entries[FocusPosition(InputId::OuterDiameter)].text = QStringLiteral("114.3");
    entries[FocusPosition(InputId::WallThickness)].text = QStringLiteral("6.0");
    entries[FocusPosition(InputId::SensorType)].position =
        int(SensorNameList(startup.language).indexOf(QStringLiteral("TB_01/TC_01")));
    const SpacingRun run = FncRunSpacing(entries, startup.format);
    const SheetPage page = FncSheetPage(
        {.entries = entries, .run = run, .format = startup.format, .language = startup.language});
    const SheetStyle style =
        FncSheetStyle(startup, QDateTime(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC));
    QString error;
    if (WriteSheetPdf(outPath, {&page, 1}, {}, style, &error)) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 5 ? argv[4] : "";
    const bool dialog = mode == "pipe-size-table";
    if (argc != 4 && !dialog && mode != "sheet") {
        std::fprintf(stderr,
                     "usage: %s <out.png> <lang 0|1> <unit 0|1> [pipe-size-table]\n"
                     "       %s <out.pdf> <lang 0|1> <unit 0|1> sheet\n",
                     argv[0], argv[0]);
        return 2;
    }
    const QString outPath = QString::fromLocal8Bit(argv[1]);
    bool langOk = false;
    bool unitOk = false;
    const int lang = QString::fromLatin1(argv[2]).toInt(&langOk);
    const int unit = QString::fromLatin1(argv[3]).toInt(&unitOk);
    if (!langOk || !unitOk) {
        std::fprintf(stderr, "lang and unit must be numbers (0 or 1)\n");
        return 2;
    }

    // No display needed: always render on the offscreen platform.
    std::vector<char*> qtArgs = {argv[0], const_cast<char*>("-platform"),
                                 const_cast<char*>("offscreen")};
    int qtArgc = static_cast<int>(qtArgs.size());
    QApplication app(qtArgc, qtArgs.data());

    StartupValues startup = ModCommonProc::FncStartupValues(static_cast<std::int16_t>(unit),
                                                            static_cast<std::int16_t>(lang));
    if (mode == "sheet") {
        // The same numbers on every machine.
        startup.format.locale = QLocale::c();
        return WriteWorkedExampleSheet(outPath, startup);
    }
    frmCalc window(startup);
    window.show();
    QApplication::processEvents();
    QPixmap image = window.grab();
    if (dialog) {
        const std::size_t sgp = FncFindPipeSchedule(u"SGP").value_or(0);
        const std::size_t size = FncFindPipeSize(PipeSchedules()[sgp], u"100A").value_or(0);
        PipeSizeDialog sizes(startup, PipeSizePick{sgp, size}, &window);
        sizes.show();
        QApplication::processEvents();
        image = sizes.grab();
    }
    if (!image.save(outPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
