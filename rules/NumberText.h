#pragma once
// Conversions between numbers and text.

#include <QLocale>
#include <QString>

// Typed text to a double in `locale`. Empty text is 0; blanks around a number
// are ignored, but blanks alone are not a number. Anything the locale
// cannot read, and anything that is not finite ("inf", "nan"), throws
// CalcError(ConversionFailure).
double FncTextToDouble(const QString& text, const QLocale& locale);

// The common case of typed text, ASCII digits with at most one decimal
// separator between digits, read without the locale's general parser (which
// compares every character with each of the locale's symbols); the value is
// the same. False for anything else (signs, groups, exponents, other digits),
// which the locale then reads.
bool FncReadPlainDigits(QStringView text, const QLocale& locale, double& value);

// Plain number text: rounded to 15 significant digits, no trailing zeros, the
// locale's decimal separator, no grouping, never an exponent; "-0" prints "0".
// Both writers use ASCII digits and only the separators of `locale`.
QString FncPlainNumberText(double value, const QLocale& locale);

// "#,##0.00"-style text: the locale's group separator between groups of three
// integer digits, at least one integer digit, exactly `decimals` decimals.
// The value is expected already truncated to `decimals`; a value that shows as
// zero carries no sign. NaN or infinity throws CalcError.
QString FncFormatGrouped(double value, int decimals, const QLocale& locale);
