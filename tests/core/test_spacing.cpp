// The calculation on numbers: worked spacings, and the runs that must fail
// instead of giving a number; the velocity of water from its temperature.
// (The typical, large, lined and method-less requests are worked in the rules
// tests, from the texts a user types.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#if defined(__x86_64__) && defined(__GNUC__)
#include <cpuid.h>
#endif

#include "calc/NumericFunctions.h"
#include "calc/SensorTable.h"
#include "calc/SpacingCalculation.h"
#include "calc/WaterSoundVelocity.h"
#include "rules/NameLists.h"
#include "support/TestSupport.h"

namespace {

using K = CalcErrorKind;
constexpr MountMethod kV = MountMethod::V, kZ = MountMethod::Z;

// A sensor's row, found by its name.
int Row(std::string_view name) {
    const auto sensors = SensorTypes();
    return int(std::ranges::find(sensors, name, &SensorSpec::Name) - sensors.begin());
}
const int kTA01 = Row("TA_01"), kTB01 = Row("TB_01/TC_01"), kTB05 = Row("TB_05/TC_05"),
          kTD03 = Row("TD_03");

// Carbon steel (3000 m/s), no lining, water (1440 m/s) unless changed.
SpacingRequest Pipe(int sensor, MountMethod method, double diameter, double wall,
                    double pipe = 3000, double fluid = 1440, double lining = 0,
                    double liningVelocity = 0) {
    return {sensor, method, diameter, wall, lining, pipe, liningVelocity, fluid};
}

TEST(Spacing, WorkedExamplesAndFailures) {
    const struct {
        const char* name;
        SpacingRequest in;
        double shown;  // the spacing truncated to 0.01 mm
        std::optional<K> failure = std::nullopt;
    } rows[] = {
        // clang-format off
        {"lining of velocity 0 is no layer", Pipe(kTB05, kZ, 508, 10, 3000, 1440, 5, 0), 225.98},
        // Critical velocities: a wedge of 2500 m/s at 42 degrees, 2830 m/s at 49.
        {"TA_01 below critical", Pipe(kTA01, kV, 60.5, 3, 3736.19), 7038.88},
        {"TD_03 below critical", Pipe(kTD03, kV, 60, 3, 3749.78), 3180.15},
        {"TA_01 beyond", Pipe(kTA01, kV, 60.5, 3, 3736.2), 0, K::InvalidArgument},
        {"TA_01 critical", Pipe(kTA01, kV, 60.5, 3, 3736.1913746615214), 0, K::DivisionByZero},
        {"TD_03 beyond", Pipe(kTD03, kV, 60, 3, 3749.79), 0, K::InvalidArgument},
        {"no sensor", Pipe(-1, kV, 114.3, 6), 0, K::SubscriptOutOfRange},
        {"no such sensor", Pipe(int(SensorTypes().size()), kV, 114.3, 6), 0, K::SubscriptOutOfRange},
        {"overflow", Pipe(kTB01, kV, 114.3, 1e308), 0, K::Overflow},
        {"not a number", Pipe(kTB01, kV, NAN, 6), 0, K::InvalidArgument},
        {"walls fill the pipe", Pipe(kTB01, kV, 10, 6), 0, K::NegativeSpacing},
        {"TB_05's run and offset are equal: 0, not a failure", Pipe(kTB05, kV, 0, 0), 0},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const SpacingOutcome out = FncCalcSpacing(r.in);
        EXPECT_EQ(out.failure, r.failure);
        EXPECT_DOUBLE_EQ(FncRoundDown(out.spacingMm, 2), r.shown);
    }
}

// The same pipes with every method of the mounting list: the beam crossing
// the fluid twice (V), once (Z), three (N) and four times (W); -1: the
// spacing would be negative.
TEST(Spacing, EveryMethodOnTheSamePipe) {
    const struct {
        const char* name;
        SpacingRequest in;
        double shown[4];  // in list order, truncated to 0.01 mm
    } rows[] = {
        // clang-format off
        {"TB_01 on 114.3 x 6", Pipe(kTB01, {}, 114.3, 6), {65.47, 22.84, 108.10, 150.73}},
        {"TB_05 on 508 x 10, tar epoxy 5", Pipe(kTB05, {}, 508, 10, 3000, 1440, 5, 2505), {434.17, 234.98, 633.35, 832.54}},
        {"TB_01 on 32 x 3.1 PVC", Pipe(kTB01, {}, 32, 3.1, 2307), {-1, -1, 1.24, 11.99}},
        // clang-format on
    };
    ASSERT_EQ(MountEntryCount(), int(std::size(rows[0].shown)));  // a column per entry
    for (const auto& r : rows) {
        for (int m = 0; m < MountEntryCount(); ++m) {
            SCOPED_TRACE(testing::Message()
                         << r.name << ", " << MountNameList(Language::English)[m]);
            SpacingRequest in = r.in;
            in.method = MountMethodAt(m);
            const SpacingOutcome out = FncCalcSpacing(in);
            EXPECT_EQ(out.failure,
                      r.shown[m] < 0 ? std::optional(K::NegativeSpacing) : std::nullopt);
            EXPECT_DOUBLE_EQ(FncRoundDown(out.spacingMm, 2), std::max(r.shown[m], 0.0));
        }
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// Upper halves of the vector registers left set before (Qt's string hash does
// so) made every sine and tangent switch the processor's state twice: the
// calculation clears them first. XINUSE (xgetbv 1) tells whether they are set.
TEST(Spacing, StartsWithUpperVectorHalvesClear) {
    unsigned a = 0, b, c, d;
    if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xd, 1, &a, &b, &c, &d) || !(a & 4))
        GTEST_SKIP() << "no AVX, or its state cannot be read";
    const auto upperHalvesSet = [] {
        unsigned low, high;
        __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
        return (low & 4) != 0;
    };
    __asm__ volatile("vpcmpeqd %%ymm5, %%ymm5, %%ymm5" ::: "xmm5");
    ASSERT_TRUE(upperHalvesSet());
    FncCalcSpacing(Pipe(kTB01, kV, 114.3, 6));
    EXPECT_FALSE(upperHalvesSet());
}
#endif

TEST(Numbers, RoundingAndUnits) {
    EXPECT_DOUBLE_EQ(FncRoundDown(1.15, 2), 1.15);  // 1.15 * 100 is 114.99999999999999
    EXPECT_DOUBLE_EQ(FncRoundDown(8.2, 2), 8.2);    // 819.9999999999999: 16 digits keep the error
    EXPECT_DOUBLE_EQ(FncRoundDown(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(FncRoundDown(1.1234567891, 9), 1.123456789);  // past the exact powers
    EXPECT_FALSE(std::signbit(FncRoundDown(-0.001, 2))) << "a plain 0, never -0";
    EXPECT_THROW(FncRoundDown(std::numeric_limits<double>::max(), 0), CalcError);
    EXPECT_DOUBLE_EQ(FncHalfAdjust(0.125, 2), 0.13);  // half away from zero
    EXPECT_DOUBLE_EQ(FncHalfAdjust(-0.125, 2), -0.13);
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);  // its own constant, not 25.4
    EXPECT_EQ(FncMToFt(FncFtToM(3.5)), 3.5);
    EXPECT_EQ(FncFahrenheitToCelsius(68), 20);    // exactly: the water at 20 °C
    EXPECT_EQ(FncFahrenheitToCelsius(212), 100);  // exactly: still within water's range
}

// Against a second source: the fit of W. Marczak (J. Acoust. Soc. Am. 102,
// 2776-2779, 1997; 0-95 °C), made from three sets of measurements, and the
// check value the IAPWS-95 formulation publishes for 300 K and 0.0992 MPa.
// Both agree with ours within 0.025 m/s; 0.05 m/s allows that and still
// catches a mistyped coefficient long before it could move the whole m/s a
// user is shown.
TEST(WaterSoundVelocity, AgreesWithASecondSource) {
    const struct {
        const char* name;
        double celsius, metresPerSecond;
    } rows[] = {
        {"Marczak 0", 0, 1402.385},   {"Marczak 10", 10, 1447.289},
        {"Marczak 20", 20, 1482.380}, {"Marczak 40", 40, 1528.894},
        {"Marczak 60", 60, 1550.986}, {"Marczak 80", 80, 1554.486},
        {"Marczak 95", 95, 1547.168}, {"IAPWS-95 300 K", 26.85, 1501.519},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(FncWaterSoundVelocity(r.celsius), r.metresPerSecond, 0.05);
    }
    EXPECT_NO_THROW(FncWaterSoundVelocity(100));
    for (const double beyond : {-0.001, 100.001, double(NAN)}) {
        SCOPED_TRACE(beyond);
        EXPECT_THROW(FncWaterSoundVelocity(beyond), CalcError);
    }
}

}  // namespace
