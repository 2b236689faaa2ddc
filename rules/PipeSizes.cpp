#include "rules/PipeSizes.h"

#include <cmath>

#include "calc/CalcError.h"
#include "calc/NumericFunctions.h"
#include "rules/ListPositions.h"
#include "rules/NumberText.h"

namespace {

// The key a name is compared by: no letter case and none of `ignored`.
QString Key(QStringView name, QStringView ignored) {
    QString key;
    for (const QChar c : name) {
        if (!c.isSpace() && !ignored.contains(c)) key += c;
    }
    return key.toCaseFolded();
}

QString Key(std::string_view name, QStringView ignored) {
    return Key(QString::fromLatin1(name.data(), qsizetype(name.size())), ignored);
}

std::optional<double> NumberOf(const QString& text, const QLocale& locale) {
    if (text.trimmed().isEmpty()) return std::nullopt;
    try {
        return FncTextToDouble(text, locale);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

}  // namespace

const PipeSchedule& ScheduleOf(const PipeSizePick& pick) {
    return PipeSchedules()[pick.schedule];
}

const PipeSize& SizeOf(const PipeSizePick& pick) {
    return ScheduleOf(pick).sizes[pick.size];
}

std::optional<std::size_t> FncFindPipeSchedule(QStringView name) {
    const QString key = Key(name, {});
    if (key.isEmpty()) return std::nullopt;
    const std::span<const PipeSchedule> schedules = PipeSchedules();
    std::optional<std::size_t> start;
    int starts = 0;
    for (std::size_t i = 0; i < schedules.size(); ++i) {
        const QString candidate = Key(schedules[i].name, {});
        if (candidate == key) return i;
        if (candidate.startsWith(key)) {
            start = i;
            ++starts;
        }
    }
    if (starts != 1) return std::nullopt;
    return start;
}

std::optional<std::size_t> FncFindPipeSize(const PipeSchedule& schedule, QStringView size) {
    const QStringView ignored = u"-";
    const QString key = Key(size, ignored);
    for (std::size_t i = 0; i < schedule.sizes.size(); ++i) {
        if (Key(schedule.sizes[i].name, ignored) == key) return i;
    }
    return std::nullopt;
}

PipeSizeNumbers FncPipeSizeNumbers(const PipeSize& size, Units units) {
    if (units == Units::Metric) return {size.outerDiameterMm, size.wallMm};
    // The inches rounded to three decimals, the double a text of three
    // decimals reads back as: a whole number of thousandths divided by 1000.
    // Rounding the product with 1000 finds the same whole number as rounding
    // the exact value would: the ASME inches have three decimals, and the
    // others, millimetres of at most two decimals (k hundredths), are
    // k * 50/127 thousandths, whole 127ths that are never near a half.
    const auto inches = [](double exact, double mm) {
        return std::round((exact > 0 ? exact : FncMmToInch(mm)) * 1000) / 1000;
    };
    return {inches(size.outerDiameterInch, size.outerDiameterMm),
            inches(size.wallInch, size.wallMm)};
}

QString FncPipeSizeNumberText(double value, const NumberFormat& format) {
    const QLocale& locale = format.locale;
    if (format.units == Units::Inch) return FncFormatGrouped(value, 3, locale);
    // As the tables write them: 34.0, not 34.
    const QString text = FncPlainNumberText(value, locale);
    return text.contains(locale.decimalPoint()) ? text : text + locale.decimalPoint() + u'0';
}

PipeSizeTexts FncPipeSizeTexts(const PipeSize& size, const NumberFormat& format) {
    const PipeSizeNumbers numbers = FncPipeSizeNumbers(size, format.units);
    return {FncPipeSizeNumberText(numbers.outerDiameter, format),
            FncPipeSizeNumberText(numbers.wall, format)};
}

bool FncDiffersFromTable(const QString& typed, double table, const QLocale& locale) {
    const std::optional<double> number = NumberOf(typed, locale);
    return number && *number != table;
}

int FncImpliedPipeEntry(const PipeSchedule& schedule) {
    switch (schedule.material) {
        case PipeMaterialKind::CarbonSteel:
            return kCarbonSteelEntry;
        case PipeMaterialKind::StainlessSteel:
            return kStainlessSteelEntry;
        case PipeMaterialKind::Pvc:
            return kPvcEntry;
    }
    return kCarbonSteelEntry;
}

std::optional<PipeSizePick> FncPipeSizeOfTexts(const QString& outerDiameter, const QString& wall,
                                               int pipeEntry, const NumberFormat& format) {
    const std::optional<double> od = NumberOf(outerDiameter, format.locale);
    const std::optional<double> t = NumberOf(wall, format.locale);
    if (!od || !t) return std::nullopt;
    std::optional<PipeSizePick> found;
    const std::span<const PipeSchedule> schedules = PipeSchedules();
    for (PipeSizePick pick; pick.schedule < schedules.size(); ++pick.schedule) {
        const PipeSchedule& schedule = schedules[pick.schedule];
        if (found && FncImpliedPipeEntry(schedule) != pipeEntry) continue;
        for (pick.size = 0; pick.size < schedule.sizes.size(); ++pick.size) {
            const PipeSizeNumbers numbers = FncPipeSizeNumbers(SizeOf(pick), format.units);
            if (numbers.outerDiameter != *od || numbers.wall != *t) continue;
            if (FncImpliedPipeEntry(schedule) == pipeEntry) return pick;
            if (!found) found = pick;
            break;
        }
    }
    return found;
}
