// Runs that must stop with a failure instead of a result, and which failure
// wins when several inputs are wrong.
#include <gtest/gtest.h>

#include <QLocale>
#include <optional>

#include "calc/CalcError.h"
#include "support/SpacingTestInputs.h"
#include "support/TestSupport.h"

namespace {

using K = CalcErrorKind;
using In = SpacingInputs;

SpacingInputs Typical() {
    return Pipe(kTB01, kV, "114.3", "6");
}

SpacingInputs WithPipeVelocity(int sensor, const char* text) {
    SpacingInputs in = Typical();
    in.sensorPosition = sensor;
    in.pipeSoundVelocityLocked = false;
    in.pipeSoundVelocityText = QString::fromUtf8(text);
    return in;
}

// The kind of the failure, or nothing when the run gave a result.
std::optional<K> FailureOf(const SpacingInputs& in) {
    try {
        FncCalcSpacing(in, QLocale(QLocale::English, QLocale::UnitedStates));
    } catch (const CalcError& e) {
        return e.kind();
    }
    return std::nullopt;
}

TEST(SpacingFailures, EachKindAndTheFirstInReadingOrder) {
    const struct {
        const char* name;
        void (*change)(In&);
        K expected;
    } cases[] = {
        {"wall not a number", [](In& i) { i.wallThicknessText = "6mm"; }, K::ConversionFailure},
        {"diameter inf", [](In& i) { i.outerDiameterText = "inf"; }, K::ConversionFailure},
        {"diameter blanks only", [](In& i) { i.outerDiameterText = "  "; }, K::ConversionFailure},
        {"lining thickness read with a lining",
         [](In& i) { i.liningPosition = 1, i.liningThicknessText = "nan"; }, K::ConversionFailure},
        {"typed fluid velocity not a number",
         [](In& i) { i.fluidSoundVelocityLocked = false, i.fluidSoundVelocityText = "1.2.3"; },
         K::ConversionFailure},
        {"no sensor", [](In& i) { i.sensorPosition = -1; }, K::SubscriptOutOfRange},
        {"sensor past the table", [](In& i) { i.sensorPosition = 12; }, K::SubscriptOutOfRange},
        {"no pipe while locked", [](In& i) { i.pipePosition = -1; }, K::SubscriptOutOfRange},
        {"typed-value pipe entry while locked", [](In& i) { i.pipePosition = 12; },
         K::SubscriptOutOfRange},
        {"no lining while locked", [](In& i) { i.liningPosition = -1; }, K::SubscriptOutOfRange},
        {"no fluid while locked", [](In& i) { i.fluidPosition = -1; }, K::SubscriptOutOfRange},
        {"fluid past the table", [](In& i) { i.fluidPosition = 18; }, K::SubscriptOutOfRange},
        {"pipe velocity beyond critical", [](In& i) { i = WithPipeVelocity(kTB01, "4000"); },
         K::InvalidArgument},
        {"pipe velocity exactly critical",
         [](In& i) { i = WithPipeVelocity(kTA01, "3736.1913746615214"); }, K::DivisionByZero},
        {"diameter overflows", [](In& i) { i.outerDiameterText = "1.7e308"; }, K::Overflow},
        {"inch diameter overflows on conversion",
         [](In& i) { i.unitFlag = 1, i.outerDiameterText = "1e307"; }, K::Overflow},
        // The fields are read before any table row is looked up.
        {"wall text before pipe row", [](In& i) { i.wallThicknessText = "x", i.pipePosition = -1; },
         K::ConversionFailure},
        {"lining thickness before lining row",
         [](In& i) { i.liningPosition = -1, i.liningThicknessText = "x"; }, K::ConversionFailure},
        {"pipe row before typed fluid velocity",
         [](In& i) {
             i.pipePosition = -1;
             i.fluidSoundVelocityLocked = false, i.fluidSoundVelocityText = "x";
         },
         K::SubscriptOutOfRange},
        {"fields before the sensor row",
         [](In& i) { i.sensorPosition = -1, i.outerDiameterText = "x"; }, K::ConversionFailure},
        {"sensor row before the refraction", [](In& i) { i = WithPipeVelocity(-1, "5000"); },
         K::SubscriptOutOfRange},
        // Without a mounting method the spacing is 0, but the layers are
        // still refracted and can still fail.
        {"critical velocity without a method",
         [](In& i) { i = WithPipeVelocity(kTB01, "5000"), i.mountPosition = -1; },
         K::InvalidArgument},
    };
    for (const auto& c : cases) {
        SpacingInputs in = Typical();
        c.change(in);
        EXPECT_EQ(FailureOf(in), c.expected) << c.name;
    }
}

TEST(SpacingFailures, CriticalVelocityDependsOnTheWedge) {
    // Critical: 3736.19 m/s (2500 m/s, 42 deg), 3743.66 (2505, 42), 3749.79 (2830, 49).
    const struct {
        int sensor;
        const char* lastWorking;
        const char* firstFailing;
    } cases[] = {
        {kTA01, "3736.19", "3736.2"}, {kTB01, "3743.66", "3743.67"}, {kTD03, "3749.78", "3749.79"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastWorking);
        EXPECT_EQ(FailureOf(WithPipeVelocity(c.sensor, c.lastWorking)), std::nullopt);
        EXPECT_EQ(FailureOf(WithPipeVelocity(c.sensor, c.firstFailing)), K::InvalidArgument);
    }
}

}  // namespace
