#include "rules/UnitTexts.h"

#include <charconv>

namespace {

const std::array<QString, 2> kMetricUnits = {QStringLiteral("mm"), QStringLiteral("m/s")};
const std::array<QString, 2> kInchUnits = {QStringLiteral("inch"), QStringLiteral("ft/s")};

}  // namespace

std::array<QString, 2> FncUnitTexts(Units units) {
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
    const Range& range = RangeOf(input, units);
    return FncLimitText(range.lower) + QLatin1Char('-') + FncLimitText(range.upper) +
           FncUnitTexts(units)[static_cast<std::size_t>(input.quantity)];
}
