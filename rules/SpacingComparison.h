#pragma once
// Every sensor type with every mounting method on the entries of one point:
// which of them fit this pipe, and at what spacing. Each cell is the press of
// Execute with that sensor and method chosen, and the entries are checked
// once, as Execute checks them, before any cell.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "rules/SpacingRun.h"
#include "text/TextTable.h"

struct SpacingComparison {
    // Set when Execute would refuse the entries: then there are no cells.
    std::optional<SpacingRun> refusal;
    int sensorCount = 0;
    int methodCount = 0;
    // Shown, or Failed where the sensor cannot be mounted so (and why); by
    // sensor row, then method position, both in list order.
    std::vector<SpacingRun> cells;

    const SpacingRun& Cell(int sensorRow, int methodPosition) const {
        return cells[std::size_t(sensorRow * methodCount + methodPosition)];
    }
};

// The sensor type and mounting method the entries choose are not read.
SpacingComparison FncCompareSpacings(const Entries& entries, const NumberFormat& format);

// The comparison as a user reads it, in a language and the run's units; the
// window's dialog and the tool show these same texts.
struct ComparisonTexts {
    QString caption;  // what the cells hold, and in which unit: "取付け寸法 [mm]"
    // The sensor type, its series and frequency, then each method.
    QStringList heads;
    // Per sensor: its name, series word and frequency, then each cell.
    std::vector<QStringList> rows;
};
// The columns that describe a sensor, before the methods'.
inline constexpr int kSensorColumns = 3;

ComparisonTexts FncComparisonTexts(const SpacingComparison& comparison, Language language,
                                   const NumberFormat& format);

// A cell as the result field would show the spacing, the rail steps after it
// in brackets ("51 (17)"); "-" where the sensor cannot be mounted so.
QString FncComparisonCellText(const SpacingRun& cell);
// A cell that can be mounted with the spacing's unit: "51 mm (17)".
QString FncComparisonCellWithUnit(const SpacingRun& cell, Units units);
