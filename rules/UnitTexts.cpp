#include "rules/UnitTexts.h"

#include <charconv>

namespace {

// Temperatures go with the unit system: degrees Celsius with millimetres,
// Fahrenheit with inches.
const std::array<QString, 3> kMetricUnits = {QStringLiteral("mm"), QStringLiteral("m/s"),
                                             QStringLiteral("°C")};
const std::array<QString, 3> kInchUnits = {QStringLiteral("inch"), QStringLiteral("ft/s"),
                                           QStringLiteral("°F")};

}  // namespace

std::array<QString, 3> FncUnitTexts(Units units) {
    return units == Units::Metric ? kMetricUnits : kInchUnits;
}

QString FncLimitText(const Limit& limit) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, limit.value,
                                       std::chars_format::fixed, limit.decimals);
    return QString::fromLatin1(text, written.ptr - text);
}

QString FncUnitCaption(Quantity quantity, Units units) {
    return QLatin1Char('[') + FncUnitTexts(units)[static_cast<std::size_t>(quantity)] +
           QLatin1Char(']');
}

QString FncRangeCaption(const InputDescriptor& input, Units units) {
    return FncRangeCaption(RangeOf(input, units), input.quantity, units);
}

QString FncRangeCaption(const Range& range, Quantity quantity, Units units) {
    return FncLimitText(range.lower) + QLatin1Char('-') + FncLimitText(range.upper) +
           FncUnitTexts(units)[static_cast<std::size_t>(quantity)];
}
