#include "rules/UnitTexts.h"

#include <charconv>

namespace {

const std::array<QString, 2> kMetricUnits = {QStringLiteral("mm"), QStringLiteral("m/s")};
const std::array<QString, 2> kEnglishUnits = {QStringLiteral("inch"), QStringLiteral("ft/s")};

}  // namespace

std::array<QString, 2> FncUnitTexts(std::int16_t iFlag) {
    return iFlag == 0 ? kMetricUnits : kEnglishUnits;
}

QString FncLimitText(const Limit& limit) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, limit.value,
                                       std::chars_format::fixed, limit.decimals);
    return QString::fromLatin1(text, written.ptr - text);
}

QString FncUnitCaption(Quantity quantity, std::int16_t unitFlag) {
    return QLatin1Char('[') + FncUnitTexts(unitFlag)[static_cast<std::size_t>(quantity)] +
           QLatin1Char(']');
}

QString FncRangeCaption(const InputDescriptor& input, std::int16_t unitFlag) {
    const Range& range = RangeOf(input, unitFlag);
    return FncLimitText(range.lower) + QLatin1Char('-') + FncLimitText(range.upper) +
           FncUnitTexts(unitFlag)[static_cast<std::size_t>(input.quantity)];
}
