#include "window/FieldRefusal.h"

#include "app/settings/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/NumberText.h"

std::optional<std::int16_t> FncFieldRefusal(const QString& text, const QString& lowerText,
                                            const QString& upperText, const QLocale& locale,
                                            EmptyText empty) {
    const std::int32_t check =
        ModCommonProc::FncChkNumText(text, static_cast<std::int32_t>(text.length()));
    if (check < 0) return kNotANumberText;
    // An empty field holds no value at all, so no value inside the range.
    if (check == 1) {
        if (empty == EmptyText::Refused) return kOutOfRangeText;
        return std::nullopt;
    }

    // Allowed characters do not make a number ("1.2.3", "+", "--1"): such a
    // text is refused like a forbidden character rather than left for the
    // calculation to stumble over.
    double value = 0.0;
    try {
        value = FncTextToDouble(text, locale);
    } catch (const CalcError&) {
        return kNotANumberText;
    }
    // The limits are fixed texts written with a point, whatever the locale.
    const double lower = FncLimitTextToDouble(lowerText);
    const double upper = FncLimitTextToDouble(upperText);
    if (value >= lower && value <= upper) return std::nullopt;
    return kOutOfRangeText;
}
