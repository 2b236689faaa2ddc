// Rounding, arc sine and unit conversions with their exact constants, and the
// failures that must reach the caller instead of a NaN or infinite number.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
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

void ExpectRounding(double (*round)(double, std::int16_t), std::initializer_list<RoundCase> cases) {
    for (const RoundCase& c : cases) {
        EXPECT_DOUBLE_EQ(round(c.value, c.digits), c.expected) << c.value << " digits " << c.digits;
    }
}

TEST(NumericFunctionsTest, PiAndArcSine) {
    EXPECT_EQ(FncPi(), 3.141592653589793);
    EXPECT_NEAR(FncASin(0.5), 0.5235987755982989, 1e-15);
    EXPECT_NEAR(FncASin(-0.5), -0.5235987755982989, 1e-15);
    EXPECT_EQ(FncASin(0.0), 0.0);
    EXPECT_NEAR(FncASin(-0.99999), std::asin(-0.99999), 1e-15);
}

TEST(NumericFunctionsTest, RoundDownTruncatesAfterRemovingRepresentationError) {
    ExpectRounding(FncRoundDown, {{0.29, 2, 0.29},
                                  {1.15, 2, 1.15},
                                  {65.474551106, 2, 65.47},
                                  {2.675, 2, 2.67},
                                  {-1.239, 2, -1.23},
                                  {123.456, -1, 120},
                                  {0.0, 2, 0.0},
                                  {9.999, 0, 9},
                                  {-9.999, 0, -9},
                                  {1.0005, 3, 1.0},
                                  {4.35, 2, 4.35},
                                  {1.2345678, 3, 1.234},
                                  {0.001, 3, 0.001},
                                  {1e20, 2, 1e20}});
    const double tinyNegative = FncRoundDown(-0.001, 2);  // plain zero, not -0
    EXPECT_EQ(tinyNegative, 0.0);
    EXPECT_FALSE(std::signbit(tinyNegative));
}

// The text step must not depend on the C locale's decimal separator.
TEST(NumericFunctionsTest, RoundDownIgnoresTheCLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (!switched) switched = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    const double truncated = FncRoundDown(1.15, 2);
    const double other = FncRoundDown(65.474551106, 2);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_DOUBLE_EQ(truncated, 1.15);
    EXPECT_DOUBLE_EQ(other, 65.47);
}

TEST(NumericFunctionsTest, HalfAdjustRoundsHalfAwayFromZero) {
    ExpectRounding(FncHalfAdjust, {{2.5, 0, 3},
                                   {-2.5, 0, -3},
                                   {1.234, 2, 1.23},
                                   {-0.4, 0, 0},
                                   {125, -1, 130},
                                   {0, 2, 0},
                                   {-0.5, 0, -1},
                                   {1.5, 0, 2},
                                   {1.236, 2, 1.24},
                                   {-1.236, 2, -1.24},
                                   {-124, -1, -120}});
}

TEST(NumericFunctionsTest, ConversionsUseTheirOwnConstantsNotTheExactFactors) {
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);
    EXPECT_NEAR(FncInchToMm(1), 25.400000025908, 1e-12);
    EXPECT_EQ(FncMmToInch(25.4), 25.4 * 0.0393700787);
    EXPECT_DOUBLE_EQ(FncFtToM(1), 0.30480000046573436);
    EXPECT_DOUBLE_EQ(FncMToFt(1000), 3280.83989);
    EXPECT_EQ(FncInchToMm(-2), -2 / 0.0393700787);
    for (const double x : {1.0, 0.001, 123.456, 6200.0, -3.5}) {
        EXPECT_DOUBLE_EQ(FncMmToInch(FncInchToMm(x)), x) << x;
        EXPECT_DOUBLE_EQ(FncMToFt(FncFtToM(x)), x) << x;
    }
}

template <typename Function, typename... Args>
void ExpectFailure(CalcErrorKind kind, Function f, Args... args) {
    try {
        const double r = f(args...);
        ADD_FAILURE() << "returned " << r << " instead of failing";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), kind);
    }
}

TEST(NumericFunctionsTest, FailuresAreReportedNeverReturnedAsNumbers) {
    using K = CalcErrorKind;
    const struct {
        double (*f)(double);
        double x;
        K kind;
    } unary[] = {{FncASin, 1, K::DivisionByZero},         {FncASin, -1, K::DivisionByZero},
                 {FncASin, 1.0001, K::InvalidArgument},   {FncASin, -1.0001, K::InvalidArgument},
                 {FncASin, kNaN, K::InvalidArgument},     {FncASin, kInf, K::InvalidArgument},
                 {FncASin, 1e200, K::Overflow},           {FncInchToMm, kNaN, K::InvalidArgument},
                 {FncInchToMm, -kMax, K::Overflow},       {FncFtToM, kNaN, K::InvalidArgument},
                 {FncMmToInch, kInf, K::InvalidArgument}, {FncMToFt, kMax, K::Overflow}};
    for (const auto& c : unary) {
        SCOPED_TRACE(::testing::Message() << "unary row " << &c - unary);
        ExpectFailure(c.kind, c.f, c.x);
    }
    const struct {
        double (*f)(double, std::int16_t);
        double x;
        std::int16_t digits;
        K kind;
    } rounding[] = {
        {FncHalfAdjust, 1, 400, K::Overflow},         {FncHalfAdjust, 1e300, 10, K::Overflow},
        {FncHalfAdjust, kNaN, 2, K::InvalidArgument}, {FncHalfAdjust, 1, -400, K::DivisionByZero},
        {FncRoundDown, 1, 400, K::Overflow},          {FncRoundDown, -1e300, 10, K::Overflow},
        {FncRoundDown, kMax, 0, K::Overflow},  // in the text step
        {FncRoundDown, kNaN, 2, K::InvalidArgument},  {FncRoundDown, -kInf, 2, K::InvalidArgument},
        {FncRoundDown, 1, -400, K::DivisionByZero}};
    for (const auto& c : rounding) {
        SCOPED_TRACE(::testing::Message() << "rounding row " << &c - rounding);
        ExpectFailure(c.kind, c.f, c.x, c.digits);
    }
    const struct {
        double (*f)(double, double);
        double a, b;
        K kind;
    } checked[] = {
        {CheckedDiv, 1, 0, K::DivisionByZero},     {CheckedDiv, 0, 0, K::DivisionByZero},
        {CheckedDiv, 1, -0.0, K::DivisionByZero},  {CheckedDiv, kNaN, 1, K::InvalidArgument},
        {CheckedDiv, 1, kInf, K::InvalidArgument}, {CheckedDiv, kMax, 0.5, K::Overflow},
        {CheckedMul, kInf, 0, K::InvalidArgument}, {CheckedMul, kMax, 2, K::Overflow},
        {CheckedAdd, kMax, kMax, K::Overflow},     {CheckedAdd, kInf, 1, K::InvalidArgument},
        {CheckedSub, -kMax, kMax, K::Overflow},    {CheckedSub, kInf, kInf, K::InvalidArgument}};
    for (const auto& c : checked) {
        SCOPED_TRACE(::testing::Message() << "checked row " << &c - checked);
        ExpectFailure(c.kind, c.f, c.a, c.b);
    }
}

// A result too small for a double is 0, not a failure.
TEST(CheckedArithmeticTest, UnderflowPassesThrough) {
    EXPECT_EQ(CheckedDiv(1e-300, 1e300), 0.0);
    EXPECT_EQ(CheckedMul(1e-300, 1e-300), 0.0);
}

}  // namespace
