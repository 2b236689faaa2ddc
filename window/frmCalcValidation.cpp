// The checks run when the user leaves one of the six numeric fields: only
// digits, signs and separators, a number the locale can read, and within the
// field's range.

#include <array>
#include <cstdint>
#include <optional>

#include "app/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "text/TextTable.h"
#include "window/FieldValidator.h"
#include "window/UserNumberLocale.h"
#include "window/frmCalc.h"

namespace {

constexpr std::int16_t kNotANumberText = 3920;
constexpr std::int16_t kOutOfRangeText = 3921;

// The text id of the message that refuses `text`, or nothing when it is
// accepted. Empty text is always accepted.
std::optional<std::int16_t> FncRefusalOf(const QString& text, const QString& lowerText,
                                         const QString& upperText, const QLocale& locale) {
    const std::int32_t check =
        ModCommonProc::FncChkNumText(text, static_cast<std::int32_t>(text.length()));
    if (check < 0) return kNotANumberText;
    if (check == 1) return std::nullopt;

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

}  // namespace

void frmCalc::SetUpValidators() {
    // Each field with the even slot of RangeText that holds its lower limit;
    // the lining's sound velocity shares the pipe wall's pair.
    const std::array<std::pair<QLineEdit*, std::size_t>, 6> fields{{
        {OUTER_DIAMETERText, 0},
        {TRANS_FREQUENCYText, 2},
        {WALL_THICKNESSText, 4},
        {LINING_S_VText, 2},
        {LINING_THICKNESSText, 8},
        {FLUID_S_VText, 6},
    }};

    auto* validator = new FieldValidator(this);
    for (const auto& [field, lowerSlot] : fields) {
        validator->Watch(
            field, [this, lowerSlot = lowerSlot](const QString& text) -> std::optional<QString> {
                const std::optional<std::int16_t> refusal = FncRefusalOf(
                    text, RangeText[lowerSlot], RangeText[lowerSlot + 1], UserNumberLocale());
                if (!refusal) return std::nullopt;
                return FncGetText(*refusal);
            });
    }
}
