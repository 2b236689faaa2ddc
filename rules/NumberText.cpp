#include "rules/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

#include "calc/CalcError.h"
#include "calc/NumericFunctions.h"

namespace {

// "0,006" typed where the decimal separator is a point is a decimal comma
// typed by habit, not six: a group of zeros before the first group separator
// is no digit group (the locale would read "0,006" as 6 and "0,114" as 114).
bool StartsWithZeroGroup(QStringView text, const QLocale& locale) {
    const QString group = locale.groupSeparator();
    if (group.isEmpty()) return false;
    for (const QString& sign :
         {locale.negativeSign(), locale.positiveSign(), QStringLiteral("-"), QStringLiteral("+")}) {
        if (!sign.isEmpty() && text.startsWith(sign)) {
            text = text.sliced(sign.size());
            break;
        }
    }
    const QString zero = locale.zeroDigit();
    qsizetype zeros = 0;
    while (text.startsWith(zero)) {
        text = text.sliced(zero.size());
        ++zeros;
    }
    return zeros > 0 && text.startsWith(group);
}

// A number text is read only if every character of it belongs to the number,
// apart from blanks around it, which the conversion has always tolerated.
// Only finite values count: a locale that spells out "inf" or "nan" must not
// turn a field into a result.
double ReadFinite(const QString& text, const QLocale& locale) {
    const QStringView trimmed = QStringView(text).trimmed();
    double value = 0.0;
    if (FncReadPlainDigits(trimmed, locale, value)) return value;
    if (StartsWithZeroGroup(trimmed, locale)) throw CalcError(CalcErrorKind::ConversionFailure);
    bool ok = false;
    value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) throw CalcError(CalcErrorKind::ConversionFailure);
    return value;
}

// Texts are built from ASCII digits and then given the locale's separators,
// so that a locale with native digits or other grouping sizes still shows the
// same digits in groups of three.
QString WithLocaleSeparators(QStringView asciiDigits, const QString& groupSeparator,
                             const QLocale& locale) {
    const qsizetype point = asciiDigits.indexOf(QLatin1Char('.'));
    const QStringView integerPart = point < 0 ? asciiDigits : asciiDigits.left(point);
    QString text;
    // One allocation: the separators are at most a few characters each.
    text.reserve(asciiDigits.size() + (integerPart.size() / 3 + 1) * 4);
    for (qsizetype i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0) text += groupSeparator;
        text += integerPart[i];
    }
    if (point >= 0) {
        text += locale.decimalPoint();
        text += asciiDigits.mid(point + 1);
    }
    return text;
}

bool ShowsZero(const QString& asciiDigits) {
    for (const QChar c : asciiDigits) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) return false;
    }
    return true;
}

// A finite value rounded to a number of significant digits: value =
// 0.digits x 10^pointPosition, without trailing zeros; zero is "0".
struct RoundedDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

RoundedDigits RoundToSignificantDigits(double value, int significantDigits) {
    // to_chars ignores the C locale and rounds correctly.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    // "-d.ddde+XX"
    RoundedDigits rounded;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        rounded.negative = true;
        ++pos;
    }
    const std::size_t exponentMark = text.find('e');
    for (; pos < exponentMark; ++pos) {
        if (text[pos] != '.') rounded.digits += text[pos];
    }
    int exponent = 0;
    const char* first = text.data() + exponentMark + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.data() + text.size(), exponent);
    const std::size_t last = rounded.digits.find_last_not_of('0');
    rounded.digits.erase(last == std::string::npos ? 1 : last + 1);
    rounded.pointPosition = exponent + 1;
    return rounded;
}

// Plain fixed notation with a point, never an exponent, no sign.
QString FixedNotation(const RoundedDigits& rounded) {
    const std::string& digits = rounded.digits;
    const int count = static_cast<int>(digits.size());
    std::string text;
    if (rounded.pointPosition <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-rounded.pointPosition), '0') + digits;
    } else if (rounded.pointPosition >= count) {
        text = digits + std::string(static_cast<std::size_t>(rounded.pointPosition - count), '0');
    } else {
        text = digits.substr(0, static_cast<std::size_t>(rounded.pointPosition)) + '.' +
               digits.substr(static_cast<std::size_t>(rounded.pointPosition));
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool FncReadPlainDigits(QStringView text, const QLocale& locale, double& value) {
    char buffer[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof buffer)) return false;
    if (locale.numberOptions() & QLocale::RejectTrailingZeroesAfterDot) return false;
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || locale.zeroDigit() != QLatin1String("0")) return false;
    qsizetype pointAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            buffer[i] = static_cast<char>(c.unicode());
        } else if (c == point[0] && pointAt < 0 && i > 0 && i + 1 < text.size()) {
            pointAt = i;
            buffer[i] = '.';
        } else {
            return false;
        }
    }
    const auto [end, ec] = std::from_chars(buffer, buffer + text.size(), value);
    return ec == std::errc{} && end == buffer + text.size();
}

double FncTextToDouble(const QString& text, const QLocale& locale) {
    // Only a field with no characters at all counts as 0; a field of blanks is
    // not a number.
    if (text.isEmpty()) return 0.0;
    return ReadFinite(text, locale);
}

QString FncPlainNumberText(double value, const QLocale& locale) {
    (void)Checked(value);  // NaN and infinity have no text
    // Fifteen significant digits hide the representation error of the
    // arithmetic. The text is laid out from those digits themselves: going
    // back through a double would bring the binary value's digits back
    // beyond the fifteenth (83537848281048992 must stay 83537848281049000).
    const RoundedDigits rounded = RoundToSignificantDigits(value, 15);
    if (rounded.digits == "0") return QStringLiteral("0");  // -0 prints "0"
    const QString text = WithLocaleSeparators(FixedNotation(rounded), QString(), locale);
    return rounded.negative ? locale.negativeSign() + text : text;
}

QString FncFormatGrouped(double value, int decimals, const QLocale& locale) {
    (void)Checked(value);  // NaN and infinity have no text
    if (decimals < 0) decimals = 0;
    // to_chars rounds correctly, as QString::number does, without the
    // locale machinery.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, decimals);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    const QString digits = QString::fromLatin1(buffer, written.ptr - buffer);
    // A locale told to omit grouping writes none.
    const QString group =
        locale.numberOptions() & QLocale::OmitGroupSeparator ? QString() : locale.groupSeparator();
    const QString text = WithLocaleSeparators(digits, group, locale);
    // A value that shows as zero carries no sign.
    return value < 0.0 && !ShowsZero(digits) ? locale.negativeSign() + text : text;
}
