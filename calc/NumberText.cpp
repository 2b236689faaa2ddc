#include "calc/NumberText.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "calc/CalcError.h"

namespace {

// A number text is read only if every character of it belongs to the number,
// apart from blanks around it, which the conversion has always tolerated.
// Only finite values count: a locale that spells out "inf" or "nan" must not
// turn a field into a result.
double ReadFinite(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) throw CalcError(CalcErrorKind::ConversionFailure);
    return value;
}

// Texts are built from ASCII digits and then given the locale's separators,
// so that a locale with native digits or other grouping sizes still shows the
// same digits in groups of three.
QString WithLocaleSeparators(const QString& asciiDigits, const QString& groupSeparator,
                             const QLocale& locale) {
    const qsizetype point = asciiDigits.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? asciiDigits : asciiDigits.left(point);
    QString text;
    text.reserve(asciiDigits.size() + integerPart.size() / 3 * groupSeparator.size() + 1);
    for (qsizetype i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0) text += groupSeparator;
        text += integerPart[i];
    }
    if (point >= 0) {
        text += locale.decimalPoint();
        text += QStringView(asciiDigits).mid(point + 1);
    }
    return text;
}

bool ShowsZero(const QString& asciiDigits) {
    for (const QChar c : asciiDigits) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) return false;
    }
    return true;
}

void RequireFinite(double value) {
    if (std::isnan(value)) throw CalcError(CalcErrorKind::InvalidArgument);
    if (std::isinf(value)) throw CalcError(CalcErrorKind::Overflow);
}

}  // namespace

double FncTextToDouble(const QString& text, const QLocale& locale) {
    // Only a field with no characters at all counts as 0; a field of blanks is
    // not a number.
    if (text.isEmpty()) return 0.0;
    return ReadFinite(text, locale);
}

double FncLimitTextToDouble(const QString& text) {
    return ReadFinite(text, QLocale::c());
}

QString FncPlainNumberText(double value, const QLocale& locale) {
    RequireFinite(value);
    // Fifteen significant digits hide the representation error of the
    // arithmetic; the shortest fixed notation of that value then drops
    // trailing zeros and never switches to an exponent. to_chars/from_chars
    // ignore the C locale, so only `locale` decides the separators.
    char buffer[400];  // the longest fixed notation of a double fits
    auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded), std::chars_format::fixed);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    const QString digits = QString::fromLatin1(buffer, written.ptr - buffer);
    const QString text = WithLocaleSeparators(digits, QString(), locale);
    // -0 is not below zero and so prints as "0".
    return rounded < 0.0 ? locale.negativeSign() + text : text;
}

QString FncFormatGrouped(double value, int decimals, const QLocale& locale) {
    RequireFinite(value);
    if (decimals < 0) decimals = 0;
    const QString digits = QString::number(std::fabs(value), 'f', decimals);
    const QString text = WithLocaleSeparators(digits, locale.groupSeparator(), locale);
    // A value that shows as zero carries no sign.
    return value < 0.0 && !ShowsZero(digits) ? locale.negativeSign() + text : text;
}
