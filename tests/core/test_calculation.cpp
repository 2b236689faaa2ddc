// Numbers read and written in the user's locale, the rule that refuses a
// field's text, worked spacings as shown, and the runs that must fail instead.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "calc/NumberText.h"
#include "calc/NumericFunctions.h"
#include "calc/SpacingCalculation.h"
#include "support/TestSupport.h"
#include "window/FieldRefusal.h"
#include "window/NameLists.h"
#include "window/UnitTexts.h"

namespace {

using In = SpacingInputs;
using K = CalcErrorKind;
constexpr int kV = kVMethodEntry, kZ = kZMethodEntry;

// Carbon steel pipe, no lining, water: every sound velocity from the tables.
In Pipe(
    const char* sensor, int mount, const char* diameter, const char* wall, short units = 0,
    void (*change)(In&) = [](In&) {}) {
    In in;
    in.sensorPosition = int(BuildSensorNameList().indexOf(sensor)) - 1, in.mountPosition = mount;
    in.pipePosition = in.liningPosition = in.fluidPosition = 0;
    in.outerDiameterText = diameter, in.wallThicknessText = wall, in.unitFlag = units;
    change(in);
    return in;
}

In Typed(In in, const char* pipe, const char* fluid = "1440") {
    in.pipeSoundVelocityLocked = in.fluidSoundVelocityLocked = false;
    in.pipeSoundVelocityText = pipe, in.fluidSoundVelocityText = fluid;
    return in;
}

const auto Fails = [](K kind) { return "fails " + QString::number(static_cast<int>(kind)); };

QString Outcome(const In& in, const QLocale& locale = kUs) try {
    const SpacingResult result = FncCalcSpacing(in, locale);
    return (result.result1Text + ' ' + result.result2Text).trimmed();
} catch (const CalcError& e) {
    return Fails(e.kind());
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
        {"inch steps", Pipe("TA_01", kV, "2.375", "0.125", 1), "2.007 17"},
        {"typed ft/s", Typed(Pipe("TB_01/TC_01", kV, "4.5", "0.25", -3), "9842.5197", "4724.4094"), "2.591"},
        {"locked or absent fields unread", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.pipeSoundVelocityText = i.liningThicknessText = "x"; }), "65.47"},
        {"no method", Pipe("TA_01", -1, "60.5", "3"), "0 0"},
        {"decimal comma", Pipe("TB_04/TC_04", kV, "2000", "20,0"), "1.687,09", kGerman},
        {"lining read", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.liningPosition = 1, i.liningThicknessText = "x"; }), Fails(K::ConversionFailure)},
        {"no sensor", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.sensorPosition = -1; }), Fails(K::SubscriptOutOfRange)},
        {"typed entry locked", Pipe("TB_01/TC_01", kV, "114.3", "6", 0, [](In& i) { i.pipePosition = kPipeTypedVelocityEntry; }), Fails(K::SubscriptOutOfRange)},
        // Critical velocities: a wedge of 2500 m/s at 42 degrees, 2830 m/s at 49.
        {"TA_01 below critical", Typed(kTA01, "3736.19"), "7038 2346"},
        {"TA_01 beyond", Typed(kTA01, "3736.2"), Fails(K::InvalidArgument)},
        {"TA_01 critical", Typed(kTA01, "3736.1913746615214"), Fails(K::DivisionByZero)},
        {"TD_03 below", Typed(Pipe("TD_03", kV, "60", "3"), "3749.78"), "3,180.15"},
        {"TD_03 beyond", Typed(Pipe("TD_03", kV, "60", "3"), "3749.79"), Fails(K::InvalidArgument)},
        {"overflow", Pipe("TB_01/TC_01", kV, "1.7e308", "6"), Fails(K::Overflow)},
        {"inch overflow", Pipe("TB_01/TC_01", kV, "1e307", "6", 1), Fails(K::Overflow)},
        {"walls fill the pipe", Pipe("TB_01/TC_01", kV, "10", "6"), Fails(K::NegativeSpacing)},
        // clang-format on
    };
    for (const auto& r : rows) EXPECT_EQ(Outcome(r.in, r.locale), r.expected) << r.name;
}

// Each row of a table through a spacing: TB_01 V on 114.3 x 6 with that row chosen.
TEST(Spacing, EveryTableRowShowsInTheSpacing) {
    const std::pair<int In::*, QStringList> sweeps[] = {
        // clang-format off
        {&In::sensorPosition, {"100.54", "100.54", "99 33", "99 33", "65.47", "83.33", "65.47", "101.33", "101.33", "79.98", "84.98", "79.09"}},
        {&In::pipePosition, {"65.47", "67.90", "58.78", "58.48", "61.01", "66.76", "60.20", "65.47", "58.78", "58.78", "61.37", "58.78"}},
        {&In::liningPosition, {"65.47", "65.74", "67.49", "63.90", "63.54", "69.41", "65.27"}},
        {&In::fluidPosition, {"65.47", "71.26", "68.76", "61.07", "48.16", "57.77", "31.12", "51.38", "82.04", "58.51", "69.47", "44.49", "57.64", "71.83", "52.69", "62.03", "2.98"}},
        // clang-format on
    };
    for (const auto& [position, shown] : sweeps) {
        for (int row = 0; row < shown.size(); ++row) {
            In in = kTB01;
            in.*position = row, in.liningThicknessText = "2";
            EXPECT_EQ(Outcome(in), shown[row]) << row;
        }
    }
}

TEST(Numbers, TruncatedReadAndWrittenInTheLocale) {
    EXPECT_DOUBLE_EQ(FncRoundDown(1.15, 2), 1.15);  // 1.15 * 100 is 114.99999999999999
    EXPECT_DOUBLE_EQ(FncRoundDown(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(FncHalfAdjust(0.125, 2) - FncHalfAdjust(-0.125, 2), 0.26);  // away from 0
    EXPECT_EQ(ModCommonProc::FncChkNumText(".", 1), -1);  // whatever the conversion makes of it
    EXPECT_EQ(FncMToFt(FncFtToM(3.5)), 3.5);
    EXPECT_FALSE(std::signbit(FncRoundDown(-0.001, 2))) << "a plain 0, never -0";
    EXPECT_EQ(FncInchToMm(1), 1 / 0.0393700787);  // its own constant, not 25.4
    EXPECT_THROW(FncRoundDown(std::numeric_limits<double>::max(), 0), CalcError);
    // Read: only finite numbers (separators: the field-refusal table).
    EXPECT_EQ(FncTextToDouble("", kUs), 0);
    for (const char* refused : {"   ", "inf", "1e400", "１"}) {
        EXPECT_THROW(FncTextToDouble(QString::fromUtf8(refused), kUs), CalcError) << refused;
    }
    double v = 0;  // the shortcut takes exactly the plain texts, with the locale's value
    for (const char* plain : {"10", "1.5", "0.05"})
        EXPECT_TRUE(FncReadPlainDigits(QString(plain), kGerman, v) ==
                        !QString(plain).contains('.') &&
                    FncReadPlainDigits(QString(plain), kUs, v) && v == kUs.toDouble(plain));
    for (const char* other : {"+1", ".5", "5.", "1,5", "1e3", "١"})
        EXPECT_FALSE(FncReadPlainDigits(QString::fromUtf8(other), kUs, v)) << other;
    QLocale strict = kUs;  // the locale's own options still hold
    strict.setNumberOptions(QLocale::RejectTrailingZeroesAfterDot);
    EXPECT_THROW(FncTextToDouble("1.50", strict), CalcError);
    const QLocale saved;
    QLocale::setDefault(kGerman);  // limits are written with a point, whatever the locale
    EXPECT_EQ(FncLimitTextToDouble("3.9380"), 3.938);
    QLocale::setDefault(saved);
    // Written: 15 significant digits, never an exponent or -0, the locale's signs.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(FncPlainNumberText(83537848281048992.0, kUs), "83537848281049000");
    EXPECT_EQ(FncPlainNumberText(1e-7, kUs), "0.0000001");
    EXPECT_EQ(FncPlainNumberText(-0.0, kGerman), "0");
    EXPECT_EQ(FncPlainNumberText(-2.5, kGerman), "-2,5");
    EXPECT_EQ(FncPlainNumberText(2.5, arabic), "2" + arabic.decimalPoint() + "5");
    EXPECT_EQ(FncFormatGrouped(-0.0, 2, kUs), "0.00");
    EXPECT_EQ(FncFormatGrouped(-1234.25, -1, kUs), "-1,234");
    EXPECT_THROW(FncPlainNumberText(NAN, kUs), CalcError);
}

// Characters, a number in the user's locale, the range with both limits
// included, and before a calculation no empty text. Slots index RangeText.
constexpr std::size_t kDiameter = 0, kWall = 4;
constexpr std::int16_t kOk = 0, kChars = kNotANumberText, kRange = kOutOfRangeText;

TEST(FieldRefusal, OneTable) {
    const struct {
        std::int16_t unitFlag;
        std::size_t slot;
        std::int16_t expected;
        std::initializer_list<const char*> texts;
        const QLocale& locale = kUs;
        EmptyText empty = EmptyText::Accepted;
    } rows[] = {
        // clang-format off
        {0, kDiameter, kOk, {"", "6", "6200", "+114.3", "1,500"}}, {0, kDiameter, kRange, {"5.99", "6200.01", "-5"}},
        {0, kDiameter, kChars, {" 12", "12a", "1e3", "１２", ".", ",", "-", "1.2.3", "+", "1-2"}},
        {0, kWall, kOk, {"0.10"}}, {0, kWall, kRange, {"0.09"}}, {1, kDiameter, kOk, {"0.2362", "244.1"}},
        {1, kDiameter, kRange, {"0.2361", "244.11", "6200"}}, {0, kDiameter, kOk, {"114,3", "6,00"}, kGerman},
        {0, kDiameter, kRange, {"5,99"}, kGerman}, {0, kDiameter, kChars, {"1,2,3", "114.3"}, kGerman},
        {0, kDiameter, kRange, {""}, kUs, EmptyText::Refused}, {0, kDiameter, kChars, {"6x"}, kUs, EmptyText::Refused},
        // clang-format on
    };
    for (const auto& r : rows) {
        const auto limits = FncRangeTexts(r.unitFlag);
        for (const char* text : r.texts) {
            EXPECT_EQ(FncFieldRefusal(QString::fromUtf8(text), limits[r.slot], limits[r.slot + 1],
                                      r.locale, r.empty)
                          .value_or(kOk),
                      r.expected)
                << r.unitFlag << " slot " << r.slot << " \"" << text << '"';
        }
    }
}

}  // namespace
