#include "rules/FieldRefusal.h"

#include "calc/CalcError.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"

namespace {

// Character test of a number field: 1 empty, -1 refused, 0 allowed.
std::int32_t FncChkNumText(const QString& text, std::int32_t length) {
    if (length <= 0) return 1;
    if (length == 1 && (text == u"," || text == u"." || text == u"-")) return -1;
    // By character code: full-width digits and every other digit of Unicode
    // are refused. Where signs and separators stand is left to the number
    // conversion.
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool allowed = (code >= u'0' && code <= u'9') || code == u',' || code == u'.' ||
                             code == u'-' || code == u'+';
        if (!allowed) return -1;
    }
    return 0;
}

FieldReading WithinLimits(const Range& range, double value) {
    FieldReading reading;
    reading.value = value;
    if (!(value >= range.lower.value && value <= range.upper.value))
        reading.refusal = Reason::OutOfRange;
    return reading;
}

}  // namespace

FieldReading FncReadField(const InputDescriptor& input, const QString& text,
                          const NumberFormat& format, EmptyText empty) {
    return FncReadNumber(RangeOf(input, format.units), text, format, empty);
}

FieldReading FncReadNumber(const Range& range, const QString& text, const NumberFormat& format,
                           EmptyText empty) {
    FieldReading reading;
    const std::int32_t check = FncChkNumText(text, static_cast<std::int32_t>(text.length()));
    if (check < 0) {
        reading.refusal = Reason::NotANumber;
        return reading;
    }
    // An empty field holds no value at all, so no value inside the range.
    if (check == 1) {
        if (empty == EmptyText::Refused) reading.refusal = Reason::OutOfRange;
        return reading;
    }

    // Allowed characters do not make a number ("1.2.3", "+", "--1"): such a
    // text is refused like a forbidden character rather than left for the
    // calculation to stumble over.
    double value = 0.0;
    try {
        value = FncTextToDouble(text, format.locale);
    } catch (const CalcError&) {
        reading.refusal = Reason::NotANumber;
        return reading;
    }
    return WithinLimits(range, value);
}

FieldReading FncCheckLimits(const InputDescriptor& input, double value, Units units) {
    return WithinLimits(RangeOf(input, units), value);
}

int FncMaxInputLength(const InputDescriptor& input, Units units) {
    return static_cast<int>(FncLimitText(RangeOf(input, units).upper).size());
}
