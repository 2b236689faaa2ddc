// Reading typed numbers and writing result numbers in a given locale.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>
#include <string>

#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "support/TestSupport.h"

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct TextCase {
    const char* text;
    double expected;
};

TEST(NumberTextRead, ReadsNumbersOfTheLocale) {
    const TextCase usCases[] = {
        {"", 0.0},    {"114.3", 114.3}, {"6", 6.0},     {"1,500", 1500.0},  {"+12", 12.0},
        {"-5", -5.0}, {".5", 0.5},      {" 6.5 ", 6.5}, {"0.0039", 0.0039},
    };
    for (const auto& c : usCases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(FncTextToDouble(QString::fromUtf8(c.text), kUs), c.expected);
    }
    const TextCase germanCases[] = {{"114,3", 114.3}, {"2.000", 2000.0}, {"", 0.0}};
    for (const auto& c : germanCases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(FncTextToDouble(QString::fromUtf8(c.text), kGerman), c.expected);
    }
}

TEST(NumberTextRead, RefusesWhatIsNotAFiniteNumber) {
    const char* texts[] = {"inf", "-inf", "nan", "Infinity", "1e400", "1.2.3",
                           "+",   "--1",  "1-2", "abc",      "   ",   "\xef\xbc\x91",  // "１"
                           "."};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        try {
            FncTextToDouble(QString::fromUtf8(text), kUs);
            ADD_FAILURE() << "read as a number";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcErrorKind::ConversionFailure);
        }
    }
    // The point is no decimal separator where the comma is.
    EXPECT_THROW(FncTextToDouble(QStringLiteral("114.3"), kGerman), CalcError);
}

TEST(NumberTextRead, LimitTextsReadTheSameUnderEveryLocale) {
    const TextCase cases[] = {{"6.00", 6.0},      {"6200.00", 6200.0}, {"3.9380", 3.938},
                              {"12140", 12140.0}, {"0.0003", 0.0003},  {"244.100", 244.1}};
    const QLocale saved;
    QLocale::setDefault(kGerman);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(FncLimitTextToDouble(QString::fromUtf8(c.text)), c.expected);
    }
    QLocale::setDefault(saved);
    EXPECT_THROW(FncLimitTextToDouble(QStringLiteral("inf")), CalcError);
    EXPECT_THROW(FncLimitTextToDouble(QStringLiteral("6,00x")), CalcError);
}

struct FormatCase {
    double value;
    std::string expected;
};

// Fifteen significant digits, laid out in fixed notation: no exponent, no
// trailing zeros, and no digits of the binary value beyond the fifteenth.
TEST(NumberTextWrite, PlainNumberText) {
    const FormatCase usCases[] = {
        {51.0, "51"},
        {17.0, "17"},
        {2.007, "2.007"},
        {0.1 + 0.2, "0.3"},
        {1e-7, "0.0000001"},
        {83537848281048992.0, "83537848281049000"},
        {-0.0, "0"},
        {0.0, "0"},
        {123456789012345678901.0, "123456789012346000000"},
        {1234567.0, "1234567"},
        {114.99999999999999, "115"},
        {999999999999999.9, "1000000000000000"},
        {1e20, "100000000000000000000"},
        {-1.5, "-1.5"},
        {-83537848281048992.0, "-83537848281049000"},
        {0.000123456789012345678, "0.000123456789012346"},
        {123.456, "123.456"},
        {1e-300, "0." + std::string(299, '0') + "1"},
    };
    for (const auto& c : usCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FncPlainNumberText(c.value, kUs), QString::fromStdString(c.expected));
    }
}

TEST(NumberTextWrite, PlainNumberTextTakesTheLocaleDecimalSeparatorOnly) {
    const FormatCase germanCases[] = {
        {2.007, "2,007"},
        {1234.5, "1234,5"},
        {0.1 + 0.2, "0,3"},
        {1e-7, "0,0000001"},
        {-1.5, "-1,5"},
        {-0.0, "0"},
        {83537848281048992.0, "83537848281049000"},
    };
    for (const auto& c : germanCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FncPlainNumberText(c.value, kGerman), QString::fromStdString(c.expected));
    }
    // Native digits of the locale are not used; its separator is.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(FncPlainNumberText(2.5, arabic), QStringLiteral("2") + arabic.decimalPoint() + "5");
}

TEST(NumberTextWrite, GroupedKeepsTheTruncatedDigits) {
    struct GroupedCase {
        double value;
        int decimals;
        const char* expected;
    };
    const GroupedCase usCases[] = {
        {65.47, 2, "65.47"},
        {22.84, 2, "22.84"},
        {1687.09, 2, "1,687.09"},
        {0.29, 2, "0.29"},
        {1.15, 2, "1.15"},
        {2.591, 3, "2.591"},
        {2.007, 3, "2.007"},
        {0.0, 2, "0.00"},
        {-0.0, 2, "0.00"},
        {0.0, 3, "0.000"},
        {999.99, 2, "999.99"},
        {100000.0, 2, "100,000.00"},
        {1234567.5, 2, "1,234,567.50"},
        {-1234.5, 2, "-1,234.50"},
        {-0.001, 2, "0.00"},
    };
    for (const auto& c : usCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FncFormatGrouped(c.value, c.decimals, kUs), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(FncFormatGrouped(1687.09, 2, kGerman), QStringLiteral("1.687,09"));
    EXPECT_EQ(FncFormatGrouped(65.47, 2, kGerman), QStringLiteral("65,47"));
    // The pattern groups by three even where the locale itself would not.
    EXPECT_EQ(FncFormatGrouped(1234567.5, 2, QLocale(QLocale::Hindi, QLocale::India)),
              QStringLiteral("1,234,567.50"));
}

TEST(NumberTextWrite, NonFiniteValuesAreFailuresNotTexts) {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (const double v : values) {
        EXPECT_THROW(FncPlainNumberText(v, kUs), CalcError);
        EXPECT_THROW(FncFormatGrouped(v, 2, kUs), CalcError);
    }
}

}  // namespace
