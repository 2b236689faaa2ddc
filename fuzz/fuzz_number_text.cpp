// The character test and the text-to-number conversion on arbitrary text, as
// a user may type or paste it into a numeric field.
#include <QLocale>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "fuzz/FuzzLocales.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool AllowedCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
           c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+');
}

void CheckCharacterTest(const QString& text) {
    const auto length = static_cast<std::int32_t>(text.size());
    const std::int32_t result = ModCommonProc::FncChkNumText(text, length);
    Require(result == -1 || result == 0 || result == 1, "character test result in {-1,0,1}");
    Require((result == 1) == text.isEmpty(), "1 exactly for the empty text");
    if (text.isEmpty()) return;
    bool allowed = true;
    for (const QChar c : text) allowed = allowed && AllowedCharacter(c);
    if (text == QLatin1String(",") || text == QLatin1String(".") || text == QLatin1String("-"))
        allowed = false;
    Require((result == 0) == allowed, "0 exactly when every character is allowed");
}

void CheckConversion(const QString& text, const QLocale& locale) {
    double value = 0.0;
    try {
        value = FncTextToDouble(text, locale);
    } catch (const CalcError& error) {
        Require(error.kind() == CalcErrorKind::ConversionFailure, "conversion fails as such");
        return;
    }
    Require(std::isfinite(value), "a converted number is finite");
    if (text.isEmpty()) Require(value == 0.0, "empty text is 0");

    // What the program writes must read back as the same number. It only
    // ever writes spacings, which are never negative.
    const double magnitude = std::fabs(value);
    const QString written = FncPlainNumberText(magnitude, locale);
    const double reread = FncTextToDouble(written, locale);
    Require(std::fabs(reread - magnitude) <= magnitude * 1e-14, "plain number text reads back");
    Require(!written.contains(QLatin1String("e"), Qt::CaseInsensitive), "no exponent");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QLocale& locale = FuzzLocale(data[0]);
    // UTF-8 gives the mutator easy access to ASCII and to full-width forms alike.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    CheckCharacterTest(text);
    CheckConversion(text, locale);
    return 0;
}
