// Worked spacings as shown, and the runs that must fail instead of showing one.
#include <gtest/gtest.h>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "support/SpacingTestInputs.h"
#include "support/TestSupport.h"

namespace {

using In = SpacingInputs;
using K = CalcErrorKind;
constexpr int kV = kVMethodEntry, kZ = kZMethodEntry;

// Carbon steel pipe, no lining, water: every sound velocity from the tables.
In Pipe(
    const char* sensor, int mount, const char* diameter, const char* wall, short unitFlag = 0,
    void (*change)(In&) = [](In&) {}) {
    In in;
    in.sensorPosition = SensorEntry(sensor), in.mountPosition = mount;
    in.pipePosition = in.liningPosition = in.fluidPosition = 0;
    in.outerDiameterText = diameter, in.wallThicknessText = wall, in.unitFlag = unitFlag;
    change(in);
    return in;
}

In Typed(In in, const char* pipe, const char* fluid = "1440") {
    in.pipeSoundVelocityLocked = in.fluidSoundVelocityLocked = false;
    in.pipeSoundVelocityText = pipe, in.fluidSoundVelocityText = fluid;
    return in;
}

QString Fails(K kind) {
    return "fails " + QString::number(static_cast<int>(kind));
}

const In kTB01 = Pipe("TB_01/TC_01", kV, "114.3", "6.0"), kTA01 = Pipe("TA_01", kV, "60.5", "3.0");

TEST(Spacing, WorkedExamplesAndFailures) {
    const struct {
        const char* name;
        In in;
        QString expected;  // both result texts, or the failure
        const QLocale& locale = kUs;
    } rows[] = {
        // clang-format off
        {"TB_01 V", kTB01, "65.47"},
        {"truncated, not rounded", Pipe("TB_01/TC_01", kZ, "114.3", "6"), "22.84"},
        {"3 mm steps", kTA01, "51 17"},
        {"grouped", Pipe("TB_04/TC_04", kV, "2,000", "20"), "1,687.09"},
        {"lined", Pipe("TB_05/TC_05", kZ, "508", "10", 0, [](In& i) { i.liningPosition = 1, i.liningThicknessText = "5"; }), "234.98"},
        {"inch", Pipe("TB_01/TC_01", kV, "4.5", "0.25", -3), "2.591"},
        {"inch steps", Pipe("TA_01", kV, "2.375", "0.125", 1), "2.007 17"},
        {"typed ft/s", Typed(Pipe("TB_01/TC_01", kV, "4.5", "0.25", 1), "9842.5197", "4724.4094"), "2.591"},
        {"locked or absent fields unread", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.pipeSoundVelocityText = i.liningThicknessText = "x"; }), "65.47"},
        {"no method", Pipe("TA_01", -1, "60.5", "3"), "0 0"},
        {"decimal comma", Pipe("TB_04/TC_04", kV, "2000", "20,0"), "1.687,09", kGerman},
        {"decimal comma steps", Pipe("TA_01", kV, "2,375", "0,125", 1), "2,007 17", kGerman},
        {"lining read", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.liningPosition = 1, i.liningThicknessText = "x"; }), Fails(K::ConversionFailure)},
        {"no sensor", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.sensorPosition = -1; }), Fails(K::SubscriptOutOfRange)},
        {"typed entry locked", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.pipePosition = kPipeTypedVelocityEntry; }), Fails(K::SubscriptOutOfRange)},
        {"fields before table rows", Typed(Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.sensorPosition = -1; }), "x"), Fails(K::ConversionFailure)},
        // Critical velocities: wedges of 2500 and 2505 m/s at 42 degrees, 2830 m/s at 49.
        {"TA_01 below critical", Typed(kTA01, "3736.19"), "7038 2346"},
        {"TA_01 beyond", Typed(kTA01, "3736.2"), Fails(K::InvalidArgument)},
        {"TA_01 critical", Typed(kTA01, "3736.1913746615214"), Fails(K::DivisionByZero)},
        {"TB_01 beyond", Typed(kTB01, "3743.67"), Fails(K::InvalidArgument)},
        {"TD_03 below", Typed(Pipe("TD_03", kV, "60", "3"), "3749.78"), "3,180.15"},
        {"TD_03 beyond", Typed(Pipe("TD_03", kV, "60", "3"), "3749.79"), Fails(K::InvalidArgument)},
        {"overflow", Pipe("TB_01/TC_01", kV, "1.7e308", "6"), Fails(K::Overflow)},
        {"inch overflow", Pipe("TB_01/TC_01", kV, "1e307", "6", 1), Fails(K::Overflow)},
        // No mounting exists where the spacing would be negative.
        {"walls fill the pipe", Pipe("TB_01/TC_01", kV, "10", "6"), Fails(K::NegativeSpacing)},
        {"offset beyond the run", Pipe("TB_01/TC_01", kV, "6", "0.1"), Fails(K::NegativeSpacing)},
        {"no velocities", Typed(kTB01, "", ""), Fails(K::NegativeSpacing)},
        // clang-format on
    };
    for (const auto& r : rows) {
        QString outcome;
        try {
            const SpacingResult result = FncCalcSpacing(r.in, r.locale);
            outcome = (result.result1Text + ' ' + result.result2Text).trimmed();
        } catch (const CalcError& e) {
            outcome = Fails(e.kind());
        }
        EXPECT_EQ(outcome, r.expected) << r.name;
    }
}

}  // namespace
