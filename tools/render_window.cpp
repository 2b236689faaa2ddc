// velkara_render_window <out.png> <lang 0|1> <unit 0|1>
//                       [pipe-size-table|liquid-temperature|comparison|list]
// velkara_render_window <out.pdf> <lang 0|1> <unit 0|1> sheet
//
// Builds the calculator window with the given language and unit system on
// the offscreen platform and saves its client area as a PNG; with
// "pipe-size-table", the pipe size dialog of that window, on SGP 100A; with
// "liquid-temperature", the liquid dialog on SEAWATER with 10 typed; with
// "comparison", the comparison of every sensor and method on 114.3 x 6.0
// (0.25 inch: 4.5 x 0.25) and the window's other defaults, on TB_01/TC_01
// with the V method; with "list", the list window on the list of
// docs/command-line.md (in UTF-8: it shows the same); with "sheet", the mounting sheet of the
// TB_01/TC_01 with the V method on 114.3 x 8.6 carbon steel (100A Sch 80: its wall drawn thicker
// than the thinnest) with a 0.5 mm tar epoxy lining and water, as the window saves it, made at a
// fixed time, as a PDF.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>
#include <vector>

#include "rules/NameLists.h"
#include "settings/ModCommonProc.h"
#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetPoint.h"
#include "sheet/SheetTextsOf.h"
#include "window/ComparisonDialog.h"
#include "window/LiquidTemperatureDialog.h"
#include "window/ListWindow.h"
#include "window/PipeSizeDialog.h"
#include "window/frmCalc.h"

namespace {

QPixmap Shown(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

int WriteWorkedExampleSheet(const QString& outPath, const StartupValues& startup) {
    Entries entries;
    for (Entry& entry : entries) entry.position = 0;
    entries[FocusPosition(InputId::OuterDiameter)].text = QStringLiteral("114.3");
    entries[FocusPosition(InputId::WallThickness)].text = QStringLiteral("8.6");
    entries[FocusPosition(InputId::SensorType)].position =
        int(SensorNameList(startup.language).indexOf(QStringLiteral("TB_01/TC_01")));
    // A thin lining, drawn at its least width, so that the picture shows both layers.
    entries[FocusPosition(InputId::LiningMaterial)].position =
        int(LiningNameList(Language::English).indexOf(QStringLiteral("TAR EPOXY")));
    entries[FocusPosition(InputId::LiningThickness)].text = QStringLiteral("0.5");
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
    const std::string_view dialog = argc == 5 ? argv[4] : "";
    if ((argc != 4 && argc != 5) ||
        (argc == 5 && dialog != "pipe-size-table" && dialog != "liquid-temperature" &&
         dialog != "comparison" && dialog != "list" && dialog != "sheet")) {
        std::fprintf(stderr,
                     "usage: %s <out.png> <lang 0|1> <unit 0|1> "
                     "[pipe-size-table|liquid-temperature|comparison|list]\n"
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

    StartupValues startup =
        ModCommonProc::FncStartupValues(ModCommonProc::FncUnitsOfFlag(std::int16_t(unit)),
                                        ModCommonProc::FncLanguageOfFlag(std::int16_t(lang)));
    // Numbers as on most machines, whatever this one's locale.
    startup.format.locale = QLocale::c();
    if (dialog == "sheet") return WriteWorkedExampleSheet(outPath, startup);
    frmCalc window(startup);
    QPixmap image = Shown(window);
    if (dialog == "pipe-size-table") {
        const std::size_t sgp = FncFindPipeSchedule(u"SGP").value_or(0);
        const std::size_t size = FncFindPipeSize(PipeSchedules()[sgp], u"100A").value_or(0);
        PipeSizeDialog sizes(startup, PipeSizePick{sgp, size}, &window);
        image = Shown(sizes);
    } else if (dialog == "liquid-temperature") {
        constexpr int kSeawater = 1;  // the fluid list's SEAWATER
        LiquidTemperatureDialog liquid(startup, kSeawater, &window);
        Shown(liquid);
        liquid.findChild<QLineEdit*>(QStringLiteral("temperature"))->insert(QStringLiteral("10"));
        image = Shown(liquid);
    } else if (dialog == "comparison") {
        Entries entries;
        for (Entry& entry : entries) entry.position = 0;
        const bool inch = startup.format.units == Units::Inch;
        entries[FocusPosition(InputId::OuterDiameter)].text = inch ? "4.5" : "114.3";
        entries[FocusPosition(InputId::WallThickness)].text = inch ? "0.25" : "6.0";
        const int sensor = int(SensorNameList(startup.language).indexOf("TB_01/TC_01"));
        ComparisonDialog comparison(startup, FncCompareSpacings(entries, startup.format),
                                    {sensor, 0}, &window);
        comparison.show();
        QApplication::processEvents();
        image = comparison.grab();
    } else if (dialog == "list") {
        const QTemporaryDir folder;
        QFile list(folder.filePath(QStringLiteral("plan.csv")));
        if (!list.open(QIODevice::WriteOnly)) return 1;
        list.write(
            "tag,外径寸法,配管厚さ,配管材質,ｾﾝｻ種類\r\n計画-1,114.3,6,鋼管,TB_01/TC_01\r\n"
            "計画-2,114.3,60,鋼管,TB_01/TC_01\r\n");
        list.close();
        window.OpenList(list.fileName());
        auto* shown = window.findChild<ListWindow*>();
        shown->resize(760, 260);
        image = Shown(*shown);
    }
    if (!image.save(outPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
