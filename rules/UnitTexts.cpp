// Unit names and input limits of the two unit systems. The English limits
// are the metric ones converted, lower limits rounded down and upper limits
// rounded up at the precision written, so no metric value is shut out.
#include "rules/UnitTexts.h"

namespace {

const std::array<QString, 2> kMetricUnits = {QStringLiteral("mm"), QStringLiteral("m/s")};
const std::array<QString, 2> kEnglishUnits = {QStringLiteral("inch"), QStringLiteral("ft/s")};

const std::array<QString, 10> kMetricRanges = {
    QStringLiteral("6.00"),   QStringLiteral("6200.00"), QStringLiteral("1000"),
    QStringLiteral("3700"),   QStringLiteral("0.10"),    QStringLiteral("100.00"),
    QStringLiteral("300"),    QStringLiteral("2500"),    QStringLiteral("0.01"),
    QStringLiteral("100.00"),
};
const std::array<QString, 10> kEnglishRanges = {
    QStringLiteral("0.2362"), QStringLiteral("244.100"), QStringLiteral("3280"),
    QStringLiteral("12140"),  QStringLiteral("0.0039"),  QStringLiteral("3.9380"),
    QStringLiteral("984"),    QStringLiteral("8203"),    QStringLiteral("0.0003"),
    QStringLiteral("3.9380"),
};

}  // namespace

std::array<QString, 2> FncUnitTexts(std::int16_t iFlag) {
    return iFlag == 0 ? kMetricUnits : kEnglishUnits;
}

std::array<QString, 10> FncRangeTexts(std::int16_t iFlag) {
    return iFlag == 0 ? kMetricRanges : kEnglishRanges;
}

QString FncUnitCaption(Quantity quantity, std::int16_t unitFlag) {
    return QLatin1Char('[') + FncUnitTexts(unitFlag)[static_cast<std::size_t>(quantity)] +
           QLatin1Char(']');
}

QString FncRangeCaption(const InputDescriptor& input, std::int16_t unitFlag) {
    const std::array<QString, 10> limits = FncRangeTexts(unitFlag);
    return limits[input.lowerLimitSlot] + QLatin1Char('-') + limits[input.lowerLimitSlot + 1] +
           FncUnitTexts(unitFlag)[static_cast<std::size_t>(input.quantity)];
}
