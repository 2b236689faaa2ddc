#include "rules/NumberText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
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
    if (!text.startsWith(zero)) return false;
    while (text.startsWith(zero)) text = text.sliced(zero.size());
    return text.startsWith(group);
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

// The C locale's symbols are fixed; asking any locale for one builds a
// string each time, which lists (read and written in the C locale) would pay
// for every number.
bool IsCLocale(const QLocale& locale) {
    return locale.language() == QLocale::C;
}

QString DecimalPointOf(const QLocale& locale) {
    static const QString kPoint = QStringLiteral(".");
    return IsCLocale(locale) ? kPoint : locale.decimalPoint();
}

// The decimal separator when the locale writes ASCII digits and a
// one-character separator, else none: only then is its text plain digits.
std::optional<QChar> PlainDigitsPoint(const QLocale& locale) {
    const QString point = DecimalPointOf(locale);
    if (point.size() != 1) return std::nullopt;
    if (!IsCLocale(locale) && locale.zeroDigit() != QLatin1String("0")) return std::nullopt;
    return point[0];
}

// Correctly rounded as from_chars reads it: up to 15 digits are exact in a
// double, and so is a power of ten up to 1e15, so their one quotient is the
// correctly rounded value. Longer texts are left to from_chars.
bool ReadShortDecimal(std::string_view digits, std::size_t decimals, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (digits.size() > 15) return false;  // the point counts: at most 15 digits
    std::uint64_t mantissa = 0;
    for (const char c : digits) {
        if (c != '.') mantissa = mantissa * 10 + std::uint64_t(c - '0');
    }
    value = double(mantissa) / kPowers[decimals];
    return true;
}

// Texts are built from ASCII digits and then given the locale's separators,
// so that a locale with native digits or other grouping sizes still shows the
// same digits in groups of three. The characters gather in a buffer on the
// stack and become a string once.
QString WithLocaleSeparators(std::string_view asciiDigits, const QString& groupSeparator,
                             const QLocale& locale) {
    const std::size_t point = std::min(asciiDigits.find('.'), asciiDigits.size());
    const std::string_view integerPart = asciiDigits.substr(0, point);
    QVarLengthArray<QChar, 64> text;
    const auto append = [&](std::string_view digits) {
        for (const char digit : digits) text.append(QLatin1Char(digit));
    };
    // The first group takes what the groups of three leave over.
    std::size_t groupEnd =
        groupSeparator.isEmpty() ? integerPart.size() : (integerPart.size() + 2) % 3 + 1;
    for (std::size_t at = 0; at < integerPart.size(); groupEnd += 3) {
        if (at > 0) text.append(groupSeparator.constData(), groupSeparator.size());
        append(integerPart.substr(at, groupEnd - at));
        at = groupEnd;
    }
    if (point < asciiDigits.size()) {
        const QString decimalPoint = DecimalPointOf(locale);
        text.append(decimalPoint.constData(), decimalPoint.size());
        append(asciiDigits.substr(point + 1));
    }
    return QString(text.constData(), text.size());
}

bool ShowsZero(std::string_view asciiDigits) {
    return asciiDigits.find_first_of("123456789") == std::string_view::npos;
}

// A finite value rounded to a number of significant digits: value =
// 0.digits x 10^pointPosition, without trailing zeros; zero is "0".
struct RoundedDigits {
    bool negative = false;
    std::string digits;
    int pointPosition{};
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
std::string FixedNotation(const RoundedDigits& rounded) {
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
    return text;
}

// `magnitude` (not negative) in fixed notation with `decimals` decimals,
// rounded correctly, as to_chars writes it, into `buffer`. Most values are
// far enough from halfway between two results that their scaled value,
// rounded to a whole number, gives the digits at once.
std::string_view FixedDigits(double magnitude, int decimals, std::span<char, 400> buffer) {
    static constexpr double kSmallPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals < int(std::size(kSmallPowers))) {
        // Exact up to half a unit in the last place, which the margin covers
        // many times over.
        const double scaled = magnitude * kSmallPowers[decimals];
        const double whole = std::floor(scaled);
        if (scaled < 1e15 && std::fabs(scaled - whole - 0.5) > scaled * 1e-15) {
            std::uint64_t units = std::uint64_t(whole) + (scaled - whole > 0.5 ? 1 : 0);
            // Written from the last digit back: the decimals, the point, and
            // at least one integer digit.
            char* out = buffer.data() + buffer.size();
            for (int i = 0; i < decimals; ++i, units /= 10) *--out = char('0' + units % 10);
            if (decimals > 0) *--out = '.';
            do {
                *--out = char('0' + units % 10);
                units /= 10;
            } while (units > 0);
            return {out, std::size_t(buffer.data() + buffer.size() - out)};
        }
    }
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::fixed, decimals);
    if (written.ec != std::errc{}) throw CalcError(CalcErrorKind::Overflow);
    return {buffer.data(), std::size_t(written.ptr - buffer.data())};
}

}  // namespace

bool FncReadPlainDigits(QStringView text, const QLocale& locale, double& value) {
    char buffer[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof buffer)) return false;
    if (locale.numberOptions() & QLocale::RejectTrailingZeroesAfterDot) return false;
    const std::optional<QChar> point = PlainDigitsPoint(locale);
    if (!point) return false;
    qsizetype pointAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            buffer[i] = static_cast<char>(c.unicode());
        } else if (c == *point && pointAt < 0 && i > 0 && i + 1 < text.size()) {
            pointAt = i;
            buffer[i] = '.';
        } else {
            return false;
        }
    }
    const std::string_view digits(buffer, std::size_t(text.size()));
    const std::size_t decimals = pointAt < 0 ? 0 : std::size_t(text.size() - pointAt - 1);
    if (ReadShortDecimal(digits, decimals, value)) return true;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc{} && end == digits.data() + digits.size();
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
    // Rounded correctly, as QString::number does, without the locale
    // machinery.
    char buffer[400];
    const std::string_view digits = FixedDigits(std::fabs(value), decimals, buffer);
    // A locale told to omit grouping writes none.
    const QString group =
        locale.numberOptions() & QLocale::OmitGroupSeparator ? QString() : locale.groupSeparator();
    const QString text = WithLocaleSeparators(digits, group, locale);
    // A value that shows as zero carries no sign.
    return value < 0.0 && !ShowsZero(digits) ? locale.negativeSign() + text : text;
}
