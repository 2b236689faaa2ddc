// Reading typed numbers and writing result numbers in a given locale.
#include <gtest/gtest.h>

#include <QLocale>
#include <limits>
#include <string>

#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "support/TestSupport.h"

namespace {

struct TextCase {
    const char* text;
    double expected;
    const QLocale& locale = kUs;
};

TEST(NumberTextRead, ReadsNumbersOfTheLocale) {
    const TextCase cases[] = {{"", 0.0},
                              {"114.3", 114.3},
                              {"1,500", 1500.0},
                              {"+12", 12.0},
                              {"-5", -5.0},
                              {".5", 0.5},
                              {" 6.5 ", 6.5},
                              {"0.0039", 0.0039},
                              {"", 0.0, kGerman},
                              {"114,3", 114.3, kGerman},
                              {"2.000", 2000.0, kGerman}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(FncTextToDouble(QString::fromUtf8(c.text), c.locale), c.expected)
            << c.text;
    }
}

TEST(NumberTextRead, RefusesWhatIsNotAFiniteNumber) {
    for (const char* text : {"inf", "-inf", "nan", "Infinity", "1e400", "1.2.3", "+", "--1", "1-2",
                             "abc", "   ", ".", "\xef\xbc\x91" /* "１" */}) {
        try {
            FncTextToDouble(QString::fromUtf8(text), kUs);
            ADD_FAILURE() << text << " read as a number";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcErrorKind::ConversionFailure) << text;
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
        EXPECT_DOUBLE_EQ(FncLimitTextToDouble(QString::fromUtf8(c.text)), c.expected) << c.text;
    }
    QLocale::setDefault(saved);
    EXPECT_THROW(FncLimitTextToDouble(QStringLiteral("inf")), CalcError);
    EXPECT_THROW(FncLimitTextToDouble(QStringLiteral("6,00x")), CalcError);
}

// Fifteen significant digits, laid out in fixed notation: no exponent, no
// trailing zeros, and no digits of the binary value beyond the fifteenth.
// Only the locale's decimal separator is used, never its digits or grouping.
TEST(NumberTextWrite, PlainNumberText) {
    const struct {
        double value;
        std::string expected;
        const QLocale& locale;
    } cases[] = {{51.0, "51", kUs},
                 {2.007, "2.007", kUs},
                 {0.1 + 0.2, "0.3", kUs},
                 {1e-7, "0.0000001", kUs},
                 {83537848281048992.0, "83537848281049000", kUs},
                 {-0.0, "0", kUs},
                 {0.0, "0", kUs},
                 {123456789012345678901.0, "123456789012346000000", kUs},
                 {1234567.0, "1234567", kUs},
                 {114.99999999999999, "115", kUs},
                 {999999999999999.9, "1000000000000000", kUs},
                 {-83537848281048992.0, "-83537848281049000", kUs},
                 {0.000123456789012345678, "0.000123456789012346", kUs},
                 {1e-300, "0." + std::string(299, '0') + "1", kUs},
                 {2.007, "2,007", kGerman},
                 {1234.5, "1234,5", kGerman},
                 {-1.5, "-1,5", kGerman},
                 {-0.0, "0", kGerman},
                 {83537848281048992.0, "83537848281049000", kGerman}};
    for (const auto& c : cases) {
        EXPECT_EQ(FncPlainNumberText(c.value, c.locale), QString::fromStdString(c.expected));
    }
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(FncPlainNumberText(2.5, arabic), QStringLiteral("2") + arabic.decimalPoint() + "5");
}

TEST(NumberTextWrite, GroupedKeepsTheTruncatedDigits) {
    const QLocale hindi(QLocale::Hindi, QLocale::India);
    const struct {
        double value;
        int decimals;
        const char* expected;
        const QLocale& locale = kUs;
    } cases[] = {{65.47, 2, "65.47"},
                 {1687.09, 2, "1,687.09"},
                 {0.29, 2, "0.29"},
                 {2.591, 3, "2.591"},
                 {-0.0, 2, "0.00"},
                 {0.0, 3, "0.000"},
                 {100000.0, 2, "100,000.00"},
                 {1234567.5, 2, "1,234,567.50"},
                 {-1234.5, 2, "-1,234.50"},
                 {-0.001, 2, "0.00"},
                 {1687.09, 2, "1.687,09", kGerman},
                 {65.47, 2, "65,47", kGerman},
                 // The pattern groups by three even where the locale itself would not.
                 {1234567.5, 2, "1,234,567.50", hindi}};
    for (const auto& c : cases) {
        EXPECT_EQ(FncFormatGrouped(c.value, c.decimals, c.locale), QString::fromUtf8(c.expected));
    }
}

TEST(NumberTextWrite, NonFiniteValuesAreFailuresNotTexts) {
    for (const double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(FncPlainNumberText(v, kUs), CalcError);
        EXPECT_THROW(FncFormatGrouped(v, 2, kUs), CalcError);
    }
}

}  // namespace
