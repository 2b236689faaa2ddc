#include "rules/FieldRefusal.h"

#include "calc/CalcError.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"
#include "settings/ModCommonProc.h"

namespace {

// The limit texts as numbers, read once per unit system. The limits are
// fixed texts written with a point, whatever the locale.
const std::array<double, 10>& LimitValues(std::int16_t unitFlag) {
    static const auto read = [](std::int16_t flag) {
        std::array<double, 10> values{};
        const std::array<QString, 10> texts = FncRangeTexts(flag);
        for (std::size_t i = 0; i < texts.size(); ++i) values[i] = FncLimitTextToDouble(texts[i]);
        return values;
    };
    static const std::array<double, 10> metric = read(0), english = read(1);
    return unitFlag == 0 ? metric : english;
}

}  // namespace

FieldReading FncReadField(const InputDescriptor& input, const QString& text, std::int16_t unitFlag,
                          const QLocale& locale, EmptyText empty) {
    FieldReading reading;
    const std::int32_t check =
        ModCommonProc::FncChkNumText(text, static_cast<std::int32_t>(text.length()));
    if (check < 0) {
        reading.refusal = kNotANumberText;
        return reading;
    }
    // An empty field holds no value at all, so no value inside the range.
    if (check == 1) {
        if (empty == EmptyText::Refused) reading.refusal = kOutOfRangeText;
        return reading;
    }

    // Allowed characters do not make a number ("1.2.3", "+", "--1"): such a
    // text is refused like a forbidden character rather than left for the
    // calculation to stumble over.
    try {
        reading.value = FncTextToDouble(text, locale);
    } catch (const CalcError&) {
        reading.refusal = kNotANumberText;
        return reading;
    }
    const std::array<double, 10>& limits = LimitValues(unitFlag);
    const double lower = limits[input.lowerLimitSlot];
    const double upper = limits[input.lowerLimitSlot + 1];
    if (!(reading.value >= lower && reading.value <= upper)) reading.refusal = kOutOfRangeText;
    return reading;
}

int FncMaxInputLength(const InputDescriptor& input, std::int16_t unitFlag) {
    return static_cast<int>(FncRangeTexts(unitFlag)[input.lowerLimitSlot + 1].size());
}
