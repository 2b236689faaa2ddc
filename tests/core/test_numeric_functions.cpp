// Rounding, arc sine and unit conversions with their exact constants, and the
// failures that must reach the caller instead of a NaN or infinite number.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "calc/CalcError.h"
#include "calc/NumericFunctions.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

struct RoundCase {
    double value;
    std::int16_t digits;
    double expected;
};

TEST(NumericFunctionsTest, PiIsTheDoubleNearestPi) {
    EXPECT_EQ(FncPi(), 3.141592653589793);
}

TEST(NumericFunctionsTest, ArcSine) {
    const struct {
        double x;
        double expected;
    } cases[] = {
        {0.5, 0.5235987755982989}, {-0.5, -0.5235987755982989},     {0.0, 0.0},
        {0.9, std::asin(0.9)},     {-0.99999, std::asin(-0.99999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(FncASin(c.x), c.expected, 1e-15);
    }
}

TEST(NumericFunctionsTest, RoundDownTruncatesAfterRemovingRepresentationError) {
    const RoundCase cases[] = {
        {0.29, 2, 0.29},       {1.15, 2, 1.15},    {65.474551106, 2, 65.47},
        {2.675, 2, 2.67},      {-1.239, 2, -1.23}, {123.456, -1, 120},
        {0.0, 2, 0.0},         {9.999, 0, 9},      {-9.999, 0, -9},
        {1.0005, 3, 1.0},      {4.35, 2, 4.35},    {65.47, 2, 65.47},
        {1.2345678, 3, 1.234}, {0.001, 3, 0.001},  {1e20, 2, 1e20},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " digits " + std::to_string(c.digits));
        EXPECT_DOUBLE_EQ(FncRoundDown(c.value, c.digits), c.expected);
    }
}

TEST(NumericFunctionsTest, RoundDownOfATinyNegativeIsPlainZero) {
    const double r = FncRoundDown(-0.001, 2);
    EXPECT_EQ(r, 0.0);
    EXPECT_FALSE(std::signbit(r));
}

// The text step must not depend on the C locale's decimal separator.
TEST(NumericFunctionsTest, RoundDownIgnoresTheCLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            switched = true;
            break;
        }
    }
    const double truncated = FncRoundDown(1.15, 2);
    const double other = FncRoundDown(65.474551106, 2);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_DOUBLE_EQ(truncated, 1.15);
    EXPECT_DOUBLE_EQ(other, 65.47);
}

TEST(NumericFunctionsTest, HalfAdjustRoundsHalfAwayFromZero) {
    const RoundCase cases[] = {
        {2.5, 0, 3},      {-2.5, 0, -3},      {1.234, 2, 1.23}, {-0.4, 0, 0}, {125, -1, 130},
        {0, 2, 0},        {0.5, 0, 1},        {-0.5, 0, -1},    {1.5, 0, 2},  {-1.5, 0, -2},
        {1.236, 2, 1.24}, {-1.236, 2, -1.24}, {-124, -1, -120}, {0.4, 0, 0},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " digits " + std::to_string(c.digits));
        EXPECT_DOUBLE_EQ(FncHalfAdjust(c.value, c.digits), c.expected);
    }
}

TEST(NumericFunctionsTest, ConversionsUseTheirOwnConstantsNotTheExactFactors) {
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);
    EXPECT_NEAR(FncInchToMm(1), 25.400000025908, 1e-12);
    EXPECT_NE(FncInchToMm(1), 25.4);
    EXPECT_EQ(FncMmToInch(25.4), 25.4 * 0.0393700787);
    EXPECT_NEAR(FncMmToInch(25.4), 0.99999999898, 1e-14);
    EXPECT_DOUBLE_EQ(FncFtToM(1), 0.30480000046573436);
    EXPECT_NE(FncFtToM(1), 0.3048);
    EXPECT_DOUBLE_EQ(FncMToFt(1000), 3280.83989);
    EXPECT_EQ(FncMToFt(0), 0.0);
    EXPECT_EQ(FncInchToMm(-2), -2 / 0.0393700787);
}

TEST(NumericFunctionsTest, ConversionRoundTripsReturnWithinOneBit) {
    for (const double x : {1.0, 0.001, 123.456, 6200.0, -3.5}) {
        SCOPED_TRACE(x);
        EXPECT_DOUBLE_EQ(FncMmToInch(FncInchToMm(x)), x);
        EXPECT_DOUBLE_EQ(FncMToFt(FncFtToM(x)), x);
    }
}

struct FailureCase {
    const char* what;
    std::function<double()> call;
    CalcErrorKind kind;
};

void ExpectFailure(const FailureCase& c) {
    SCOPED_TRACE(c.what);
    try {
        const double r = c.call();
        ADD_FAILURE() << "returned " << r << " instead of failing";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), c.kind);
    }
}

TEST(NumericFunctionsTest, FailuresAreReportedNeverReturnedAsNumbers) {
    using K = CalcErrorKind;
    const FailureCase cases[] = {
        {"asin 1", [] { return FncASin(1); }, K::DivisionByZero},
        {"asin -1", [] { return FncASin(-1); }, K::DivisionByZero},
        {"asin 1.0001", [] { return FncASin(1.0001); }, K::InvalidArgument},
        {"asin -1.0001", [] { return FncASin(-1.0001); }, K::InvalidArgument},
        {"asin NaN", [] { return FncASin(kNaN); }, K::InvalidArgument},
        {"asin inf", [] { return FncASin(kInf); }, K::InvalidArgument},
        {"asin 1e200", [] { return FncASin(1e200); }, K::Overflow},
        {"half adjust 10^400", [] { return FncHalfAdjust(1, 400); }, K::Overflow},
        {"half adjust product", [] { return FncHalfAdjust(1e300, 10); }, K::Overflow},
        {"half adjust NaN", [] { return FncHalfAdjust(kNaN, 2); }, K::InvalidArgument},
        {"half adjust 10^-400", [] { return FncHalfAdjust(1, -400); }, K::DivisionByZero},
        {"round down 10^400", [] { return FncRoundDown(1, 400); }, K::Overflow},
        {"round down product", [] { return FncRoundDown(-1e300, 10); }, K::Overflow},
        {"round down text step", [] { return FncRoundDown(kMax, 0); }, K::Overflow},
        {"round down NaN", [] { return FncRoundDown(kNaN, 2); }, K::InvalidArgument},
        {"round down -inf", [] { return FncRoundDown(-kInf, 2); }, K::InvalidArgument},
        {"round down 10^-400", [] { return FncRoundDown(1, -400); }, K::DivisionByZero},
        {"inch to mm NaN", [] { return FncInchToMm(kNaN); }, K::InvalidArgument},
        {"inch to mm max", [] { return FncInchToMm(kMax); }, K::Overflow},
        {"inch to mm -max", [] { return FncInchToMm(-kMax); }, K::Overflow},
        {"ft to m NaN", [] { return FncFtToM(kNaN); }, K::InvalidArgument},
        {"mm to inch inf", [] { return FncMmToInch(kInf); }, K::InvalidArgument},
        {"m to ft max", [] { return FncMToFt(kMax); }, K::Overflow},
        {"m to ft NaN", [] { return FncMToFt(kNaN); }, K::InvalidArgument},
    };
    for (const FailureCase& c : cases) ExpectFailure(c);
}

TEST(CheckedArithmeticTest, Failures) {
    using K = CalcErrorKind;
    const FailureCase cases[] = {
        {"1/0", [] { return CheckedDiv(1, 0); }, K::DivisionByZero},
        {"-1/0", [] { return CheckedDiv(-1, 0); }, K::DivisionByZero},
        {"0/0", [] { return CheckedDiv(0, 0); }, K::DivisionByZero},
        {"1/-0", [] { return CheckedDiv(1, -0.0); }, K::DivisionByZero},
        {"NaN/1", [] { return CheckedDiv(kNaN, 1); }, K::InvalidArgument},
        {"1/inf", [] { return CheckedDiv(1, kInf); }, K::InvalidArgument},
        {"max/0.5", [] { return CheckedDiv(kMax, 0.5); }, K::Overflow},
        {"inf*0", [] { return CheckedMul(kInf, 0); }, K::InvalidArgument},
        {"max*2", [] { return CheckedMul(kMax, 2); }, K::Overflow},
        {"NaN*1", [] { return CheckedMul(1, kNaN); }, K::InvalidArgument},
        {"max+max", [] { return CheckedAdd(kMax, kMax); }, K::Overflow},
        {"inf+1", [] { return CheckedAdd(kInf, 1); }, K::InvalidArgument},
        {"-max-max", [] { return CheckedSub(-kMax, kMax); }, K::Overflow},
        {"inf-inf", [] { return CheckedSub(kInf, kInf); }, K::InvalidArgument},
    };
    for (const FailureCase& c : cases) ExpectFailure(c);
}

TEST(CheckedArithmeticTest, OrdinaryResultsAndUnderflowPassThrough) {
    EXPECT_EQ(CheckedDiv(1, 4), 0.25);
    EXPECT_EQ(CheckedMul(-3, 0.5), -1.5);
    EXPECT_EQ(CheckedAdd(0.1, 0.2), 0.1 + 0.2);
    EXPECT_EQ(CheckedSub(1, 3), -2);
    EXPECT_EQ(CheckedDiv(1e-300, 1e300), 0.0);
}

}  // namespace
