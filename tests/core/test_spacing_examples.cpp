// Worked spacings in both unit systems and the presentation of the results.
#include <gtest/gtest.h>

#include <QLocale>

#include "calc/SpacingCalculation.h"
#include "support/TestSupport.h"

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

enum Sensor { kReserve = 0, kTA01 = 2, kTB01 = 4, kTB04 = 7, kTB05 = 8 };
enum Mount { kV = 0, kZ = 1 };
constexpr int kNoLining = 0;
constexpr int kTarEpoxy = 1;

// Carbon steel, water, all sound velocities from the tables.
SpacingInputs Pipe(int sensor, int mount, const char* diameter, const char* wall,
                   std::int16_t unitFlag = 0) {
    SpacingInputs in;
    in.sensorPosition = sensor;
    in.pipePosition = 0;
    in.liningPosition = kNoLining;
    in.fluidPosition = 0;
    in.mountPosition = mount;
    in.outerDiameterText = QString::fromUtf8(diameter);
    in.wallThicknessText = QString::fromUtf8(wall);
    in.unitFlag = unitFlag;
    return in;
}

struct Example {
    const char* name;
    SpacingInputs inputs;
    double spacingMm;
    const char* result1;
    const char* result2;
};

TEST(SpacingExamples, MetricAndEnglish) {
    SpacingInputs lined = Pipe(kTB05, kZ, "508", "10");
    lined.liningPosition = kTarEpoxy;
    lined.liningThicknessText = QStringLiteral("5");

    const Example examples[] = {
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
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        EXPECT_NEAR(FncSpacingMm(e.inputs, kUs), e.spacingMm, 1e-3);
        const SpacingResult r = FncCalcSpacing(e.inputs, kUs);
        EXPECT_EQ(r.result1Text, QString::fromUtf8(e.result1));
        EXPECT_EQ(r.result2Text, QString::fromUtf8(e.result2));
    }
}

TEST(SpacingExamples, DecimalCommaLocale) {
    struct Case {
        SpacingInputs inputs;
        const char* result1;
        const char* result2;
    };
    const Case cases[] = {
        {Pipe(kTB01, kV, "114,3", "6"), "65,47", ""},
        {Pipe(kTB04, kV, "2000", "20"), "1.687,09", ""},
        {Pipe(kTA01, kV, "2,375", "0,125", 1), "2,007", "17"},
        {Pipe(kTB01, kV, "4,5", "0,25", 1), "2,591", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result1);
        const SpacingResult r = FncCalcSpacing(c.inputs, kGerman);
        EXPECT_EQ(r.result1Text, QString::fromUtf8(c.result1));
        EXPECT_EQ(r.result2Text, QString::fromUtf8(c.result2));
    }
}

TEST(SpacingExamples, TypedVelocitiesAreConvertedTableValuesAreNot) {
    // 3000 m/s and 1440 m/s typed in ft/s give the table's spacing.
    SpacingInputs typed = Pipe(kTB01, kV, "4.5", "0.25", 1);
    typed.pipeSoundVelocityLocked = false;
    typed.pipeSoundVelocityText = QStringLiteral("9842.5197");
    typed.fluidSoundVelocityLocked = false;
    typed.fluidSoundVelocityText = QStringLiteral("4724.4094");
    EXPECT_NEAR(FncSpacingMm(typed, kUs), FncSpacingMm(Pipe(kTB01, kV, "4.5", "0.25", 1), kUs),
                1e-4);

    SpacingInputs metric = Pipe(kTB01, kV, "114.3", "6");
    metric.pipeSoundVelocityLocked = false;
    metric.pipeSoundVelocityText = QStringLiteral("3000");
    EXPECT_EQ(FncCalcSpacing(metric, kUs).result1Text, QStringLiteral("65.47"));
}

TEST(SpacingExamples, LockedFieldTakesTheTableWhateverItsText) {
    SpacingInputs in = Pipe(kTB01, kV, "114.3", "6");
    in.pipeSoundVelocityText = QStringLiteral("not read");
    in.fluidSoundVelocityText = QStringLiteral("9999");
    EXPECT_EQ(FncCalcSpacing(in, kUs).result1Text, QStringLiteral("65.47"));
}

TEST(SpacingExamples, NoLiningLeavesTheThicknessUnread) {
    const char* thicknesses[] = {"", "5", "garbage", "inf"};
    for (const char* t : thicknesses) {
        SCOPED_TRACE(t);
        SpacingInputs in = Pipe(kTB01, kV, "114.3", "6");
        in.liningThicknessText = QString::fromUtf8(t);
        EXPECT_EQ(FncCalcSpacing(in, kUs).result1Text, QStringLiteral("65.47"));
    }
}

TEST(SpacingExamples, SpacingThatWouldBeNegativeShowsZero) {
    struct Case {
        const char* name;
        SpacingInputs inputs;
        const char* result1;
        const char* result2;
    };
    auto silent = [](SpacingInputs in, const char* velocityText) {
        in.pipeSoundVelocityLocked = in.liningSoundVelocityLocked = in.fluidSoundVelocityLocked =
            false;
        in.pipeSoundVelocityText = in.liningSoundVelocityText = in.fluidSoundVelocityText =
            QString::fromUtf8(velocityText);
        return in;
    };
    const Case cases[] = {
        // (R - O) x 2 is negative for every sensor.
        {"velocities typed 0", silent(Pipe(kTB01, kV, "114.3", "6"), "0"), "0.00", ""},
        {"velocities empty", silent(Pipe(kTB01, kV, "114.3", "6"), ""), "0.00", ""},
        {"velocities empty Z", silent(Pipe(kTB01, kZ, "114.3", "6"), ""), "0.00", ""},
        {"diameter below walls", Pipe(kTB01, kV, "10", "6"), "0.00", ""},
        {"diameter below walls inch", Pipe(kTB01, kV, "0.4", "0.25", 1), "0.000", ""},
        {"diameter below walls TA_01", Pipe(kTA01, kV, "0.1", "0.5"), "0", "0"},
        {"no mounting method", Pipe(kTB01, -1, "114.3", "6"), "0.00", ""},
        {"unknown mounting method", Pipe(kTB01, 2, "114.3", "6"), "0.00", ""},
        {"no mounting method TA_01", Pipe(kTA01, -1, "60.5", "3"), "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FncSpacingMm(c.inputs, kUs), 0.0);
        const SpacingResult r = FncCalcSpacing(c.inputs, kUs);
        EXPECT_EQ(r.result1Text, QString::fromUtf8(c.result1));
        EXPECT_EQ(r.result2Text, QString::fromUtf8(c.result2));
    }
}

}  // namespace
