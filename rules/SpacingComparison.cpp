#include "rules/SpacingComparison.h"

#include "calc/SensorTable.h"
#include "rules/NameLists.h"
#include "rules/UnitTexts.h"

SpacingComparison FncCompareSpacings(const Entries& entries, const NumberFormat& format) {
    SpacingComparison comparison;
    const auto checked = FncCheckEntries(entries, format);
    if (const auto* refused = std::get_if<SpacingRun>(&checked)) {
        comparison.refusal = *refused;
        return comparison;
    }
    comparison.sensorCount = int(SensorTypes().size());
    comparison.methodCount = MountEntryCount();
    comparison.cells.reserve(std::size_t(comparison.sensorCount * comparison.methodCount));
    for (int sensor = 0; sensor < comparison.sensorCount; ++sensor) {
        for (int method = 0; method < comparison.methodCount; ++method) {
            comparison.cells.push_back(
                FncSpacingOf(std::get<CheckedEntries>(checked), sensor, method, format));
        }
    }
    return comparison;
}

ComparisonTexts FncComparisonTexts(const SpacingComparison& comparison, Language language,
                                   const NumberFormat& format) {
    ComparisonTexts texts;
    texts.caption = FncGetText(TextId::CaptionSensorSpacing, language) + u' ' +
                    FncUnitCaption(Quantity::Length, format.units);
    texts.heads << FncGetText(TextId::CaptionSensorType, language)
                << FncGetText(TextId::CompareSeries, language)
                << FncGetText(TextId::CompareFrequency, language) << MountNameList(language);
    const std::span<const SensorSpec> sensors = SensorTypes();
    for (int sensor = 0; sensor < comparison.sensorCount; ++sensor) {
        const SensorWords words = FncSensorWords(sensors[std::size_t(sensor)], format.locale);
        QStringList row = {words.name, words.series, words.frequency};
        for (int method = 0; method < comparison.methodCount; ++method)
            row << FncComparisonCellText(comparison.Cell(sensor, method));
        texts.rows.push_back(row);
    }
    return texts;
}

namespace {

// The spacing as `spacing` writes it, the rail steps after it in brackets.
QString WithSteps(const QString& spacing, const SpacingRun& cell) {
    if (cell.texts.result2.isEmpty()) return spacing;
    return spacing + QStringLiteral(" (") + cell.texts.result2 + u')';
}

}  // namespace

QString FncComparisonCellText(const SpacingRun& cell) {
    if (cell.outcome != SpacingRun::Outcome::Shown) return QStringLiteral("-");
    return WithSteps(cell.texts.result1, cell);
}

QString FncComparisonCellWithUnit(const SpacingRun& cell, Units units) {
    return WithSteps(FncWithUnit(cell.texts.result1, Quantity::Length, units), cell);
}
