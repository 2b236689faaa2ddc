#pragma once
// Picking a pipe from the tables of the standards: the names as a user writes
// them, the two numbers as the outer-diameter and wall fields take them, and
// the pipe material a table implies. A row's numbers are compared and applied
// as numbers; their texts are only for showing.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "calc/PipeSizeTables.h"
#include "settings/NumberFormat.h"

// A row of a table: a position in PipeSchedules() and one in its sizes.
struct PipeSizePick {
    std::size_t schedule = 0;
    std::size_t size = 0;
    bool operator==(const PipeSizePick&) const = default;
};

const PipeSchedule& ScheduleOf(const PipeSizePick& pick);
const PipeSize& SizeOf(const PipeSizePick& pick);

// The schedule a user names, as list entries are named: letter case and
// blanks do not count, and the start of one schedule's name is enough
// ("sus sch10" is "SUS Sch10S"). Nothing when none or several start so.
std::optional<std::size_t> FncFindPipeSchedule(QStringView name);

// The size of `schedule` that `size` names whole: letter case, blanks and
// hyphens do not count ("1 1/4" is "1-1/4", "100a" is "100A"); a start is not
// enough ("4" is not "40A").
std::optional<std::size_t> FncFindPipeSize(const PipeSchedule& schedule, QStringView size);

// The outer diameter and the wall in the run's units at the precision the
// tables are shown with: millimetres as the standard gives them, inches
// rounded to three decimals (the ASME sizes exact, the others converted).
struct PipeSizeNumbers {
    double outerDiameter;
    double wall;
};
PipeSizeNumbers FncPipeSizeNumbers(const PipeSize& size, Units units);

// A number of FncPipeSizeNumbers as the fields take it, with the locale's
// decimal separator: millimetres with at least one decimal ("34.0"), inches
// with three ("0.500").
QString FncPipeSizeNumberText(double value, const NumberFormat& format);

// Both numbers of a row so written.
struct PipeSizeTexts {
    QString outerDiameter;
    QString wall;
};
PipeSizeTexts FncPipeSizeTexts(const PipeSize& size, const NumberFormat& format);

// Whether a number typed for a field is another than the table's number (of
// FncPipeSizeNumbers). A text that is no number is not compared: the field's
// own check refuses it.
bool FncDiffersFromTable(const QString& typed, double table, const QLocale& locale);

// The position in the pipe-material list of what the schedule's pipes are
// made of.
int FncImpliedPipeEntry(const PipeSchedule& schedule);

// The row whose outer diameter and wall are the two texts' numbers, of a
// schedule of the pipe material `pipeEntry` if one has it.
std::optional<PipeSizePick> FncPipeSizeOfTexts(const QString& outerDiameter, const QString& wall,
                                               int pipeEntry, const NumberFormat& format);
