// Worked spacings in both unit systems and the presentation of the results.
#include <gtest/gtest.h>

#include <QLocale>

#include "support/SpacingTestInputs.h"
#include "support/TestSupport.h"

namespace {

struct Example {
    const char* name;
    SpacingInputs inputs;
    double spacingMm;  // negative: not checked
    const char* result1;
    const char* result2;
    const QLocale& locale = kUs;
};

void ExpectExamples(std::initializer_list<Example> examples) {
    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        if (e.spacingMm >= 0) {
            EXPECT_NEAR(FncSpacingMm(e.inputs, e.locale), e.spacingMm, e.spacingMm == 0 ? 0 : 1e-3);
        }
        const SpacingResult r = FncCalcSpacing(e.inputs, e.locale);
        EXPECT_EQ(r.result1Text, QString::fromUtf8(e.result1));
        EXPECT_EQ(r.result2Text, QString::fromUtf8(e.result2));
    }
}

SpacingInputs Typed(SpacingInputs in, const char* pipe, const char* lining, const char* fluid) {
    if (pipe) in.pipeSoundVelocityLocked = false, in.pipeSoundVelocityText = pipe;
    if (lining) in.liningSoundVelocityLocked = false, in.liningSoundVelocityText = lining;
    if (fluid) in.fluidSoundVelocityLocked = false, in.fluidSoundVelocityText = fluid;
    return in;
}

TEST(SpacingExamples, BothUnitSystemsAndLocales) {
    SpacingInputs lined = Pipe(kTB05, kZ, "508", "10");
    lined.liningPosition = 1;  // TAR EPOXY
    lined.liningThicknessText = QStringLiteral("5");
    // A locked field takes the table value whatever text it holds.
    SpacingInputs locked = Pipe(kTB01, kV, "114.3", "6");
    locked.pipeSoundVelocityText = QStringLiteral("not read");
    locked.fluidSoundVelocityText = QStringLiteral("9999");

    ExpectExamples({
        {"TB_01 V", Pipe(kTB01, kV, "114.3", "6.0"), 65.4746, "65.47", ""},
        {"TB_01 Z", Pipe(kTB01, kZ, "114.3", "6.0"), 22.8451, "22.84", ""},
        {"TA_01 V", Pipe(kTA01, kV, "60.5", "3.0"), 52.531, "51", "17"},
        {"TB_04 V", Pipe(kTB04, kV, "2000", "20"), 1687.0907, "1,687.09", ""},
        {"TB_04 V grouped input", Pipe(kTB04, kV, "2,000", "20"), 1687.0907, "1,687.09", ""},
        {"TB_05 Z lined", lined, 234.984, "234.98", ""},
        {"RESERVE V", Pipe(kReserve, kV, "60.5", "3.0"), 52.531, "52.53", ""},
        {"TB_01 V inch", Pipe(kTB01, kV, "4.5", "0.25", 1), 65.8289, "2.591", ""},
        {"TA_01 V inch", Pipe(kTA01, kV, "2.375", "0.125", 1), 52.564, "2.007", "17"},
        {"any non-zero flag is English", Pipe(kTB01, kV, "4.5", "0.25", -3), 65.8289, "2.591", ""},
        {"locked fields", locked, -1, "65.47", ""},
        {"typed metric velocity", Typed(Pipe(kTB01, kV, "114.3", "6"), "3000", 0, 0), -1, "65.47",
         ""},
        // 3000 m/s and 1440 m/s typed in ft/s give the table's spacing.
        {"typed ft/s velocities",
         Typed(Pipe(kTB01, kV, "4.5", "0.25", 1), "9842.5197", 0, "4724.4094"), 65.8289, "2.591",
         ""},
        {"comma TB_01", Pipe(kTB01, kV, "114,3", "6"), -1, "65,47", "", kGerman},
        {"comma TB_04", Pipe(kTB04, kV, "2000", "20"), -1, "1.687,09", "", kGerman},
        {"comma TA_01 inch", Pipe(kTA01, kV, "2,375", "0,125", 1), -1, "2,007", "17", kGerman},
        {"comma TB_01 inch", Pipe(kTB01, kV, "4,5", "0,25", 1), -1, "2,591", "", kGerman},
    });
}

TEST(SpacingExamples, NoLiningLeavesTheThicknessUnread) {
    for (const char* t : {"", "garbage", "inf"}) {
        SpacingInputs in = Pipe(kTB01, kV, "114.3", "6");
        in.liningThicknessText = QString::fromUtf8(t);
        EXPECT_EQ(FncCalcSpacing(in, kUs).result1Text, QStringLiteral("65.47")) << t;
    }
}

TEST(SpacingExamples, SpacingThatWouldBeNegativeShowsZero) {
    // (R - O) x 2 is negative for every sensor.
    ExpectExamples({
        {"velocities typed 0", Typed(Pipe(kTB01, kV, "114.3", "6"), "0", "0", "0"), 0, "0.00", ""},
        {"velocities empty", Typed(Pipe(kTB01, kV, "114.3", "6"), "", "", ""), 0, "0.00", ""},
        {"velocities empty Z", Typed(Pipe(kTB01, kZ, "114.3", "6"), "", "", ""), 0, "0.00", ""},
        {"diameter below walls", Pipe(kTB01, kV, "10", "6"), 0, "0.00", ""},
        {"diameter below walls inch", Pipe(kTB01, kV, "0.4", "0.25", 1), 0, "0.000", ""},
        {"diameter below walls TA_01", Pipe(kTA01, kV, "0.1", "0.5"), 0, "0", "0"},
        {"no mounting method", Pipe(kTB01, -1, "114.3", "6"), 0, "0.00", ""},
        {"unknown mounting method", Pipe(kTB01, 2, "114.3", "6"), 0, "0.00", ""},
        {"no mounting method TA_01", Pipe(kTA01, -1, "60.5", "3"), 0, "0", "0"},
    });
}

}  // namespace
