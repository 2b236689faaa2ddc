// Truncation, reading typed numbers and writing results in the user's
// locale, and the failures that must never come back as numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "calc/NumericFunctions.h"
#include "support/TestSupport.h"

namespace {

TEST(Numbers, TruncatesAndFails) {
    EXPECT_DOUBLE_EQ(FncRoundDown(1.15, 2), 1.15);  // 1.15 * 100 is 114.99999999999999
    EXPECT_DOUBLE_EQ(FncRoundDown(-2.5, 0), -2);
    EXPECT_FALSE(std::signbit(FncRoundDown(-0.001, 2))) << "a plain 0, never -0";
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);  // its own constant, not 25.4
    EXPECT_THROW(FncRoundDown(std::numeric_limits<double>::max(), 0), CalcError);
    EXPECT_THROW(CheckedDiv(1, -0.0), CalcError);
}

TEST(Numbers, ReadsOnlyFiniteNumbers) {
    // NaN: refused. Separators and the decimal comma are in the field-refusal table.
    const std::pair<const char*, double> rows[] = {{"", 0},      {" 6.5 ", 6.5}, {"   ", NAN},
                                                   {"inf", NAN}, {"1e400", NAN}, {"１", NAN}};
    for (const auto& [text, expected] : rows) {
        double value = NAN;
        try {
            value = FncTextToDouble(QString::fromUtf8(text), kUs);
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcErrorKind::ConversionFailure);
        }
        EXPECT_TRUE(value == expected || (std::isnan(value) && std::isnan(expected))) << text;
    }
    const QLocale saved;
    QLocale::setDefault(kGerman);  // limits are written with a point, whatever the locale
    EXPECT_EQ(FncLimitTextToDouble("3.9380"), 3.938);
    QLocale::setDefault(saved);
}

TEST(Numbers, WritesPlainAndGroupedTexts) {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(FncPlainNumberText(0.1 + 0.2, kUs), "0.3");  // 15 significant digits
    EXPECT_EQ(FncPlainNumberText(83537848281048992.0, kUs), "83537848281049000");
    EXPECT_EQ(FncPlainNumberText(1e-7, kUs), "0.0000001");
    EXPECT_EQ(FncPlainNumberText(-0.0, kGerman), "0");
    EXPECT_EQ(FncPlainNumberText(2.5, arabic), "2" + arabic.decimalPoint() + "5");
    EXPECT_EQ(FncFormatGrouped(-0.0, 2, kUs), "0.00");
    EXPECT_EQ(FncFormatGrouped(1234567.5, 2, kGerman), "1.234.567,50");
    EXPECT_THROW(FncPlainNumberText(NAN, kUs), CalcError);
}

}  // namespace
