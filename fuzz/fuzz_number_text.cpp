// The field-refusal rule and the number conversion on arbitrary text, as a
// user may type or paste it into a numeric field.
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

#include "calc/CalcError.h"
#include "fuzz/FuzzLocales.h"
#include "rules/FieldRefusal.h"
#include "rules/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QLocale& locale = FuzzLocale(data[0]);
    const auto text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size) - 1);
    // What the rule accepts holds only allowed characters, reads as a number
    // and lies within the limits.
    const InputDescriptor& diameter = Describe(InputId::OuterDiameter);  // 6.00 to 6200.00
    const FieldReading reading =
        FncReadField(diameter, text, {Units::Metric, locale}, EmptyText::Refused);
    const bool accepted = !reading.refusal;
    static const QRegularExpression kForeign("[^0-9,.+-]");
    if (accepted && text.contains(kForeign)) std::abort();
    double plain = 0;  // the shortcut for plain digits reads what the locale reads
    if (FncReadPlainDigits(text, locale, plain) && plain != locale.toDouble(text)) std::abort();
    double value = NAN;
    try {
        value = FncTextToDouble(text, locale);
    } catch (const CalcError& error) {
        if (accepted || error.kind() != CalcErrorKind::ConversionFailure) std::abort();
        return 0;
    }
    if (!std::isfinite(value) || (accepted && !(value >= 6 && value <= 6200))) std::abort();
    if (accepted && reading.value != value) std::abort();
    // What the program writes reads back as the same number.
    const double written = FncTextToDouble(FncPlainNumberText(std::fabs(value), locale), locale);
    if (std::fabs(written - std::fabs(value)) > std::fabs(value) * 1e-14) std::abort();
    return 0;
}
