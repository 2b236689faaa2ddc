#include "rules/UnitTexts.h"

#include <array>
#include <charconv>

#include "calc/NumericFunctions.h"
#include "rules/NumberText.h"

namespace {

// By Quantity. Temperatures go with the unit system: degrees Celsius with millimetres,
// Fahrenheit with inches.
const std::array<QString, 3> kMetricUnits = {QStringLiteral("mm"), QStringLiteral("m/s"),
                                             QStringLiteral("°C")};
const std::array<QString, 3> kInchUnits = {QStringLiteral("inch"), QStringLiteral("ft/s"),
                                           QStringLiteral("°F")};

}  // namespace

QString FncUnitText(Quantity quantity, Units units) {
    return (units == Units::Metric ? kMetricUnits : kInchUnits)[static_cast<std::size_t>(quantity)];
}

QString FncWithUnit(const QString& number, Quantity quantity, Units units) {
    return number + u' ' + FncUnitText(quantity, units);
}

QString FncVelocityText(double metresPerSecond, bool fromTable, const NumberFormat& format) {
    double shown = metresPerSecond;
    if (format.units == Units::Inch) {
        shown = FncMToFt(metresPerSecond);
        if (fromTable) shown = FncHalfAdjust(shown, 0);
    }
    return FncWithUnit(FncPlainNumberText(shown, format.locale), Quantity::Velocity, format.units);
}

QString FncLimitText(const Limit& limit) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, limit.value,
                                       std::chars_format::fixed, limit.decimals);
    return QString::fromLatin1(text, written.ptr - text);
}

QString FncUnitCaption(Quantity quantity, Units units) {
    return QLatin1Char('[') + FncUnitText(quantity, units) + QLatin1Char(']');
}

QString FncRangeCaption(const InputDescriptor& input, Units units) {
    return FncRangeCaption(RangeOf(input, units), input.quantity, units);
}

QString FncRangeCaption(const Range& range, Quantity quantity, Units units) {
    return FncLimitText(range.lower) + QLatin1Char('-') + FncLimitText(range.upper) +
           FncUnitText(quantity, units);
}
