#pragma once
// A computed measuring point as its mounting sheet shows it. The window and
// the command-line tool both turn their points into pages here, so a sheet
// says the same whichever wrote it.

#include <QString>
#include <optional>

#include "rules/GivenValues.h"
#include "rules/InputDescriptors.h"
#include "rules/PipeSizes.h"
#include "rules/SpacingRun.h"
#include "settings/ModCommonProc.h"
#include "settings/NumberFormat.h"
#include "sheet/SheetPage.h"
#include "text/TextTable.h"

struct SheetPoint {
    // What the user entered; `run` is what the calculation read of it and
    // showed (Outcome::Shown).
    const Entries& entries;
    const SpacingRun& run;
    // The run's units, number locale and language: the window's or the tool's.
    const NumberFormat& format;
    Language language = Language::Japanese;
    // The measuring point's name; empty: the sheet is titled by the pipe,
    // method and sensor.
    QString tag = {};
    // The table's row that gave the outer diameter and the wall, if one did.
    std::optional<PipeSizePick> pipeSize = {};
    // The temperature of water that gave the fluid's sound velocity, if one
    // did, in the run's units (degrees Celsius, Fahrenheit in an inch run);
    // to be shown after the fluid's velocity with the temperature's caption.
    std::optional<double> waterTemperature = {};
};

// The point of a run of the window or the tool: its entries, as given with
// the pipe size and the temperature that gave some of them, and its result.
// (Inline: the tool builds points without linking the sheet, which it loads
// only to write one.)
inline SheetPoint FncSheetPointOf(const GivenEntries& given, const SpacingRun& run,
                                  const StartupValues& startup, const QString& tag = {}) {
    std::optional<double> temperature;
    if (given.water) temperature = given.water->temperature;
    return {.entries = given.entries,
            .run = run,
            .format = startup.format,
            .language = startup.language,
            .tag = tag,
            .pipeSize = given.pipeSize,
            .waterTemperature = temperature};
}

// The page: every entry as the calculation read it, with the window's
// captions, list texts and units; the result as the window shows it; the
// mounting as the method puts the sensors.
SheetPage FncSheetPage(const SheetPoint& point);

// A file name for the point's sheet, "114.3x6.0 V TB_01-TC_01.pdf": the
// pipe, the method and the sensor, in characters every file system takes.
QString FncSheetFileName(const SheetPoint& point);
