// Rounding and conversions, reading typed numbers and writing results in the
// user's locale, and the failures that must never come back as numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/CalcError.h"
#include "calc/NumberText.h"
#include "calc/NumericFunctions.h"
#include "support/TestSupport.h"

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

TEST(Numbers, RoundingConversionsAndFailures) {
    // value, digits, rounded down, rounded half away from zero
    const double rows[][4] = {{1.15, 2, 1.15, 1.15}, {-1.239, 2, -1.23, -1.24}, {-2.5, 0, -2, -3}};
    for (const auto& r : rows) {
        EXPECT_DOUBLE_EQ(FncRoundDown(r[0], static_cast<std::int16_t>(r[1])), r[2]) << r[0];
        EXPECT_DOUBLE_EQ(FncHalfAdjust(r[0], static_cast<std::int16_t>(r[1])), r[3]) << r[0];
    }
    EXPECT_FALSE(std::signbit(FncRoundDown(-0.001, 2))) << "a plain 0, never -0";
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);  // its own constant, not 25.4
    EXPECT_DOUBLE_EQ(FncMToFt(FncFtToM(1)), 1);
    for (double (*fails)() :
         {+[] { return FncASin(1); }, +[] { return FncASin(-1.0001); },
          +[] { return FncRoundDown(kMax, 0); }, +[] { return CheckedDiv(1, -0.0); }}) {
        EXPECT_THROW(fails(), CalcError);
    }
}

TEST(Numbers, ReadsOnlyFiniteNumbersOfTheLocale) {
    const struct {
        const char* text;
        double value;  // NaN: refused
        const QLocale& locale = kUs;
    } rows[] = {
        // clang-format off
        {"", 0}, {"1,500", 1500}, {" 6.5 ", 6.5}, {"114,3", 114.3, kGerman}, {"114.3", NAN, kGerman},
        {"inf", NAN}, {"1e400", NAN}, {"1.2.3", NAN}, {"   ", NAN}, {"１", NAN},
        // clang-format on
    };
    for (const auto& r : rows) {
        double value = NAN;
        try {
            value = FncTextToDouble(QString::fromUtf8(r.text), r.locale);
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcErrorKind::ConversionFailure);
        }
        EXPECT_TRUE(value == r.value || (std::isnan(value) && std::isnan(r.value))) << r.text;
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
