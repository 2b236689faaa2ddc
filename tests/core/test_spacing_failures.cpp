// Runs that must stop with a failure instead of a result, and which failure
// wins when several inputs are wrong.
#include <gtest/gtest.h>

#include <QLocale>
#include <optional>

#include "calc/CalcError.h"
#include "calc/SpacingCalculation.h"
#include "support/TestSupport.h"

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

enum Sensor { kTA01 = 2, kTB01 = 4, kTD03 = 11 };

SpacingInputs Typical(int sensor = kTB01) {
    SpacingInputs in;
    in.sensorPosition = sensor;
    in.pipePosition = 0;
    in.liningPosition = 0;
    in.fluidPosition = 0;
    in.mountPosition = 0;
    in.outerDiameterText = QStringLiteral("114.3");
    in.wallThicknessText = QStringLiteral("6");
    return in;
}

SpacingInputs WithPipeVelocity(int sensor, const char* text) {
    SpacingInputs in = Typical(sensor);
    in.pipeSoundVelocityLocked = false;
    in.pipeSoundVelocityText = QString::fromUtf8(text);
    return in;
}

// The kind of the failure, or nothing when the run gave a result.
std::optional<CalcErrorKind> FailureOf(const SpacingInputs& in) {
    try {
        FncCalcSpacing(in, kUs);
    } catch (const CalcError& e) {
        return e.kind();
    }
    return std::nullopt;
}

struct FailureCase {
    const char* name;
    SpacingInputs inputs;
    CalcErrorKind expected;
};

TEST(SpacingFailures, EachKindOfFailure) {
    auto with = [](auto change) {
        SpacingInputs in = Typical();
        change(in);
        return in;
    };
    const FailureCase cases[] = {
        {"wall not a number", with([](auto& in) { in.wallThicknessText = "6mm"; }),
         CalcErrorKind::ConversionFailure},
        {"diameter inf", with([](auto& in) { in.outerDiameterText = "inf"; }),
         CalcErrorKind::ConversionFailure},
        {"diameter blanks only", with([](auto& in) { in.outerDiameterText = "  "; }),
         CalcErrorKind::ConversionFailure},
        {"lining thickness read with a lining", with([](auto& in) {
             in.liningPosition = 1;
             in.liningThicknessText = "nan";
         }),
         CalcErrorKind::ConversionFailure},
        {"typed fluid velocity not a number", with([](auto& in) {
             in.fluidSoundVelocityLocked = false;
             in.fluidSoundVelocityText = "1.2.3";
         }),
         CalcErrorKind::ConversionFailure},
        {"no sensor", with([](auto& in) { in.sensorPosition = -1; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"sensor past the table", with([](auto& in) { in.sensorPosition = 12; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"no pipe while locked", with([](auto& in) { in.pipePosition = -1; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"typed-value pipe entry while locked", with([](auto& in) { in.pipePosition = 12; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"no lining while locked", with([](auto& in) { in.liningPosition = -1; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"no fluid while locked", with([](auto& in) { in.fluidPosition = -1; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"fluid past the table", with([](auto& in) { in.fluidPosition = 18; }),
         CalcErrorKind::SubscriptOutOfRange},
        {"pipe velocity beyond critical", WithPipeVelocity(kTB01, "4000"),
         CalcErrorKind::InvalidArgument},
        {"pipe velocity exactly critical", WithPipeVelocity(kTA01, "3736.1913746615214"),
         CalcErrorKind::DivisionByZero},
        {"diameter overflows", with([](auto& in) { in.outerDiameterText = "1.7e308"; }),
         CalcErrorKind::Overflow},
        {"inch diameter overflows on conversion", with([](auto& in) {
             in.unitFlag = 1;
             in.outerDiameterText = "1e307";
         }),
         CalcErrorKind::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureOf(c.inputs), c.expected);
    }
}

TEST(SpacingFailures, FirstFailureInReadingOrderWins) {
    auto with = [](auto change) {
        SpacingInputs in = Typical();
        change(in);
        return in;
    };
    const FailureCase cases[] = {
        // The fields are read before any table row is looked up.
        {"wall text before pipe row", with([](auto& in) {
             in.wallThicknessText = "x";
             in.pipePosition = -1;
         }),
         CalcErrorKind::ConversionFailure},
        {"lining thickness before lining row", with([](auto& in) {
             in.liningPosition = -1;
             in.liningThicknessText = "x";
         }),
         CalcErrorKind::ConversionFailure},
        {"pipe row before typed fluid velocity", with([](auto& in) {
             in.pipePosition = -1;
             in.fluidSoundVelocityLocked = false;
             in.fluidSoundVelocityText = "x";
         }),
         CalcErrorKind::SubscriptOutOfRange},
        {"fields before the sensor row", with([](auto& in) {
             in.sensorPosition = -1;
             in.outerDiameterText = "x";
         }),
         CalcErrorKind::ConversionFailure},
        {"sensor row before the refraction", with([](auto& in) {
             in.sensorPosition = -1;
             in.pipeSoundVelocityLocked = false;
             in.pipeSoundVelocityText = "5000";
         }),
         CalcErrorKind::SubscriptOutOfRange},
        // Without a mounting method the spacing is 0, but the layers are
        // still refracted and can still fail.
        {"critical velocity without a method", with([](auto& in) {
             in.mountPosition = -1;
             in.pipeSoundVelocityLocked = false;
             in.pipeSoundVelocityText = "5000";
         }),
         CalcErrorKind::InvalidArgument},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureOf(c.inputs), c.expected);
    }
}

TEST(SpacingFailures, CriticalVelocityDependsOnTheWedge) {
    struct Case {
        int sensor;
        const char* lastWorking;
        const char* firstFailing;
    };
    // Critical: 3736.19 m/s (2500 m/s, 42 deg), 3743.66 (2505, 42), 3749.79 (2830, 49).
    const Case cases[] = {
        {kTA01, "3736.19", "3736.2"},
        {kTB01, "3743.66", "3743.67"},
        {kTD03, "3749.78", "3749.79"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastWorking);
        EXPECT_EQ(FailureOf(WithPipeVelocity(c.sensor, c.lastWorking)), std::nullopt);
        EXPECT_EQ(FailureOf(WithPipeVelocity(c.sensor, c.firstFailing)),
                  CalcErrorKind::InvalidArgument);
    }
    // 3740 m/s lies between the first two.
    EXPECT_EQ(FailureOf(WithPipeVelocity(kTB01, "3740")), std::nullopt);
    EXPECT_EQ(FailureOf(WithPipeVelocity(kTA01, "3740")), CalcErrorKind::InvalidArgument);
}

}  // namespace
