// What a user types and reads, without the window: one Execute press from the
// entries' texts to the result texts or the reason it stops, every table row
// through a spacing, the reading of a number input, and the inputs' rules.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/CalcError.h"
#include "calc/SensorTable.h"
#include "rules/FieldRefusal.h"
#include "rules/LiquidTemperature.h"
#include "rules/ListPositions.h"
#include "rules/Materials.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/SpacingComparison.h"
#include "rules/SpacingRun.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

using enum InputId;
using enum Units;
using O = SpacingRun::Outcome;

// 114.3 x 6 carbon steel, no lining, water, V method, TB_01/TC_01: the
// typical request, changed by (input, text or list position) pairs.
struct Change {
    InputId input;
    const char* text = nullptr;
    int position = 0;
};
Entries Request(std::initializer_list<Change> changes = {}) {
    Entries e;
    for (Entry& entry : e) entry.position = 0;
    e[FocusPosition(SensorType)].position =
        int(SensorNameList(Language::Japanese).indexOf("TB_01/TC_01"));
    e[FocusPosition(OuterDiameter)].text = "114.3";
    e[FocusPosition(WallThickness)].text = "6";
    for (const Change& c : changes) {
        Entry& entry = e[FocusPosition(c.input)];
        c.text ? void(entry.text = QString::fromUtf8(c.text)) : void(entry.position = c.position);
    }
    return e;
}
// The entry of `list` that reads `name` in English.
Change Pick(InputId list, const char* name) {
    return {list, nullptr, int(Describe(list).entryNames(Language::English).indexOf(name))};
}
Change Sensor(const char* name) {
    return Pick(SensorType, name);
}

struct Expected {
    O outcome;
    const char* result1 = "";
    const char* result2 = "";
    InputId refused = OuterDiameter;
    Reason message = Reason::InvalidArgument;  // refused or failed
};

constexpr Reason kChars = Reason::NotANumber, kRange = Reason::OutOfRange;

// The window-and-tool table (gui tests) pins only that both show the same for
// the same entries; these rows pin what is shown.
TEST(SpacingRun, FromTextsToResultsOrTheReasonItStops) {
    const struct {
        const char* name;
        Entries entries;
        Expected expected;
        Units units = Metric;
        const QLocale& locale = kUs;
    } rows[] = {
        // clang-format off
        {"grouped", Request({{OuterDiameter, "2,000"}, {WallThickness, "20"}, Sensor("TB_04/TC_04")}), {O::Shown, "1,687.09"}},
        {"decimal comma", Request({{OuterDiameter, "2000"}, {WallThickness, "20,0"}, Sensor("TB_04/TC_04")}), {O::Shown, "1.687,09"}, Metric, kGerman},
        {"rail steps", Request({{OuterDiameter, "60.5"}, {WallThickness, "3"}, Sensor("TA_01")}), {O::Shown, "51", "17"}},
        {"rail steps, N", Request({{OuterDiameter, "60.5"}, {WallThickness, "3"}, Sensor("TA_01"), Pick(MountingMethod, "N METHOD")}), {O::Shown, "75", "25"}},
        {"rail steps, W", Request({{OuterDiameter, "60.5"}, {WallThickness, "3"}, Sensor("TA_01"), Pick(MountingMethod, "W METHOD")}), {O::Shown, "96", "32"}},
        {"rail steps in inch", Request({{OuterDiameter, "2.375"}, {WallThickness, "0.125"}, Sensor("TA_01")}), {O::Shown, "2.007", "17"}, Inch},
        {"typed ft/s", Request({{OuterDiameter, "4.5"}, {WallThickness, "0.25"}, {PipeMaterial, nullptr, kPipeTypedVelocityEntry},
                                {PipeVelocity, "9842.5197"}, {Fluid, nullptr, kFluidTypedVelocityEntry}, {FluidVelocity, "4724.4094"}}), {O::Shown, "2.591"}, Inch},
        {"lined", Request({{OuterDiameter, "508"}, {WallThickness, "10"}, Pick(MountingMethod, "Z METHOD"), Sensor("TB_05/TC_05"),
                           Pick(LiningMaterial, "TAR EPOXY"), {LiningThickness, "5"}}), {O::Shown, "234.98"}},
        {"locked texts unread", Request({{PipeVelocity, "x"}, {LiningThickness, "x"}, {FluidVelocity, ""}}), {O::Shown, "65.47"}},
        {"no method", Request({{MountingMethod, nullptr, -1}, Sensor("TA_01"), {OuterDiameter, "60.5"}, {WallThickness, "3"}}), {O::Shown, "0", "0"}},
        {"focus order", Request({{OuterDiameter, "x"}, {WallThickness, ""}}), {.outcome = O::Refused, .refused = OuterDiameter, .message = kChars}},
        {"typed velocity empty", Request({{LiningMaterial, nullptr, kLiningTypedVelocityEntry}, {LiningThickness, "1"}}), {.outcome = O::Refused, .refused = LiningVelocity, .message = kRange}},
        {"lining thickness read", Request({Pick(LiningMaterial, "TAR EPOXY"), {LiningThickness, "x"}}), {.outcome = O::Refused, .refused = LiningThickness, .message = kChars}},
        {"lining fills the pipe", Request({{OuterDiameter, "20"}, Pick(LiningMaterial, "TAR EPOXY"), {LiningThickness, "4"}}), {.outcome = O::Refused, .refused = LiningThickness, .message = kRange}},
        {"the wall alone fills the pipe", Request({{OuterDiameter, "12"}, Pick(LiningMaterial, "TAR EPOXY"), {LiningThickness, "1"}}), {.outcome = O::Refused, .refused = WallThickness, .message = kRange}},
        {"no sensor", Request({{SensorType, nullptr, -1}}), {.outcome = O::Failed, .message = Reason::SubscriptOutOfRange}},
        {"no lining entry", Request({{LiningMaterial, nullptr, -1}, {LiningThickness, "1"}}), {.outcome = O::Failed, .message = Reason::SubscriptOutOfRange}},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const SpacingRun run = FncRunSpacing(r.entries, {r.units, r.locale});
        EXPECT_EQ(run.outcome, r.expected.outcome);
        EXPECT_EQ(run.texts.result1, r.expected.result1);
        EXPECT_EQ(run.texts.result2, r.expected.result2);
        if (r.expected.outcome == O::Refused) {
            EXPECT_EQ(run.refusedInput, r.expected.refused);
        }
        if (r.expected.outcome != O::Shown) {
            EXPECT_EQ(run.reason, r.expected.message);
        }
    }
}

// Each row of a table through a spacing: the typical request with that row
// chosen (a lining 2 thick).
TEST(SpacingRun, EveryTableRowShowsInTheSpacing) {
    const std::pair<InputId, QStringList> sweeps[] = {
        // clang-format off
        {SensorType, {"100.54", "100.54", "99", "99", "65.47", "83.33", "65.47", "101.33", "101.33", "79.98", "84.98", "79.09"}},
        {PipeMaterial, {"65.47", "67.90", "58.78", "58.48", "61.01", "66.76", "60.20", "65.47", "58.78", "58.78", "61.37", "58.78"}},
        {LiningMaterial, {"65.47", "65.74", "67.49", "63.90", "63.54", "69.41", "65.27"}},
        {Fluid, {"65.47", "71.26", "68.76", "61.07", "48.16", "57.77", "31.12", "51.38", "82.04", "58.51", "69.47", "44.49", "57.64", "71.83", "52.69", "62.03", "2.98"}},
        // clang-format on
    };
    for (const auto& [list, shown] : sweeps) {
        for (int row = 0; row < shown.size(); ++row) {
            const Entries e = Request({{list, nullptr, row}, {LiningThickness, "2"}});
            EXPECT_EQ(FncRunSpacing(e, {Metric, kUs}).texts.result1, shown[row])
                << Describe(list).entryNames(Language::Japanese).value(row) << " in row " << row;
        }
    }
}

// Each cell of the comparison is Execute with its sensor and method chosen;
// entries that Execute refuses are refused alike, before any cell.
TEST(SpacingComparison, EachCellIsExecuteWithItsSensorAndMethod) {
    const struct {
        const char* name;
        Entries entries;
        Units units = Metric;
    } rows[] = {
        // clang-format off
        {"32 x 3.1 PVC, where some cannot be mounted", Request({{OuterDiameter, "32"}, {WallThickness, "3.1"}, {PipeMaterial, nullptr, kPvcEntry}})},
        {"lined, in inch", Request({{OuterDiameter, "2.375"}, {WallThickness, "0.125"}, Pick(LiningMaterial, "TAR EPOXY"), {LiningThickness, "0.1"}}), Inch},
        {"a wall that fills the pipe", Request({{WallThickness, "60"}})},
        {"a fluid velocity out of range", Request({{Fluid, nullptr, kFluidTypedVelocityEntry}, {FluidVelocity, "2501"}})},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const NumberFormat format{r.units, kUs};
        const SpacingComparison comparison = FncCompareSpacings(r.entries, format);
        const SpacingRun onePoint = FncRunSpacing(r.entries, format);
        EXPECT_EQ(comparison.refusal.has_value(), onePoint.outcome == O::Refused);
        EXPECT_EQ(comparison.refusal.value_or(onePoint).refusedInput, onePoint.refusedInput);
        EXPECT_EQ(comparison.refusal.value_or(onePoint).reason, onePoint.reason);
        const qsizetype sensors = comparison.refusal ? 0 : SensorNameList(Language::English).size();
        const qsizetype methods = comparison.refusal ? 0 : MountNameList(Language::English).size();
        EXPECT_EQ(comparison.cells.size(), std::size_t(sensors * methods));
        for (int sensor = 0; sensor < sensors && comparison.sensorCount == sensors; ++sensor) {
            for (int method = 0; method < methods && comparison.methodCount == methods; ++method) {
                SCOPED_TRACE(testing::Message() << "sensor " << sensor << ", method " << method);
                Entries chosen = r.entries;
                chosen[FocusPosition(SensorType)].position = sensor;
                chosen[FocusPosition(MountingMethod)].position = method;
                const SpacingRun expected = FncRunSpacing(chosen, format);
                const SpacingRun& cell = comparison.Cell(sensor, method);
                EXPECT_EQ(cell.outcome, expected.outcome);
                EXPECT_EQ(cell.texts.result1, expected.texts.result1);
                EXPECT_EQ(cell.texts.result2, expected.texts.result2);
                EXPECT_EQ(cell.reason, expected.reason);
            }
        }
    }
}

// Characters, a number in the user's locale, the range with both limits
// included, and before a calculation no empty text.
TEST(FieldReading, OneTable) {
    constexpr std::optional<Reason> kOk;
    const struct {
        const char* name;
        Units units;
        InputId input;
        std::optional<Reason> expected;
        std::initializer_list<const char*> texts;
        const QLocale& locale = kUs;
        EmptyText empty = EmptyText::Accepted;
    } rows[] = {
        // clang-format off
        {"empty, limits, sign, grouping", Metric, OuterDiameter, kOk, {"", "6", "6200", "+114.3", "1,500", "1,687.09", "2,000"}},
        {"past the limits", Metric, OuterDiameter, kRange, {"5.99", "6200.01", "-5"}},
        {"not a number", Metric, OuterDiameter, kChars, {" 12", "12a", "1e3", "１２", ".", ",", "-", "1.2.3", "+", "1-2"}},
        {"a decimal comma by habit", Metric, OuterDiameter, kChars, {"0,006", "0,114", "00,114", "-0,5", "+0,114"}},
        {"wall at its limit", Metric, WallThickness, kOk, {"0.10"}}, {"wall below it", Metric, WallThickness, kRange, {"0.09"}},
        {"lining velocity limits", Metric, LiningVelocity, kOk, {"1000", "3700"}}, {"lining velocity past them", Metric, LiningVelocity, kRange, {"999", "3701"}},
        {"fluid velocity limits", Metric, FluidVelocity, kOk, {"300", "2500"}}, {"fluid velocity past them", Metric, FluidVelocity, kRange, {"299", "2501"}},
        {"lining thickness at its limit", Metric, LiningThickness, kOk, {"0.01"}},
        {"inch limits", Inch, OuterDiameter, kOk, {"0.2362", "244.1"}}, {"past the inch limits", Inch, OuterDiameter, kRange, {"0.2361", "244.11", "6200"}},
        {"inch lining thickness limits", Inch, LiningThickness, kOk, {"0.0003", "3.938"}}, {"past the ft/s limits", Inch, FluidVelocity, kRange, {"983", "8204"}},
        {"German", Metric, OuterDiameter, kOk, {"114,3", "6,00", "1.500"}, kGerman}, {"German, below", Metric, OuterDiameter, kRange, {"5,99"}, kGerman},
        {"German, not a number", Metric, OuterDiameter, kChars, {"1,2,3", "114.3", "0.114", "-0.5"}, kGerman},
        {"empty before a calculation", Metric, OuterDiameter, kRange, {""}, kUs, EmptyText::Refused},
        {"no number before a calculation", Metric, OuterDiameter, kChars, {"6x"}, kUs, EmptyText::Refused},
        // clang-format on
    };
    for (const auto& r : rows) {
        for (const char* text : r.texts) {
            const FieldReading reading = FncReadField(Describe(r.input), QString::fromUtf8(text),
                                                      {r.units, r.locale}, r.empty);
            EXPECT_EQ(reading.refusal, r.expected) << r.name << " \"" << text << '"';
        }
    }
}

// The whole velocity the window types and the tool takes, in the run's units: in ft/s from
// the unrounded m/s. The temperature is refused as a number input is, both limits included.
TEST(WaterTemperature, VelocityInTheRunsUnitsOrWhyNot) {
    const struct {
        const char* name;
        Units units;
        const char* text;
        std::optional<Reason> refusal;
        const char* velocity = "";
    } rows[] = {
        {"0 °C", Metric, "0", {}, "1402"},
        {"20 °C", Metric, "20", {}, "1482"},
        {"100 °C", Metric, "100", {}, "1543"},
        {"68 °F: 1482.36 m/s, not 1482, in ft/s", Inch, "68", {}, "4863"},
        {"32 °F", Inch, "32", {}, "4601"},
        {"212 °F", Inch, "212", {}, "5063"},
        {"below 0 °C", Metric, "-0.01", kRange},
        {"above 100 °C", Metric, "100.01", kRange},
        {"20 in an inch run is °F", Inch, "20", kRange},
        {"above 212 °F", Inch, "212.01", kRange},
        {"empty", Metric, "", kRange},
        {"a unit typed too", Metric, "20C", kChars},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const LiquidReading reading = FncReadLiquid(kPureWaterModel, r.text, "", {r.units, kUs});
        EXPECT_EQ(reading.refusal, r.refusal);
        EXPECT_EQ(reading.velocityText, r.velocity);
    }
    EXPECT_EQ(FncLiquidRangeCaption(kPureWaterModel, Metric), "0-100°C");
    EXPECT_EQ(FncLiquidRangeCaption(kPureWaterModel, Inch), "32-212°F");
    // Another liquid's limits in Fahrenheit, with the decimal they need.
    const TemperatureModel& benzene = ModelOf(LiquidModel::Benzene);
    EXPECT_EQ(FncLiquidRangeCaption(benzene, Inch), "42.8-158°F");
    EXPECT_EQ(FncReadLiquid(benzene, "42.8", "", {Inch, kUs}).velocityText, "4582");
    EXPECT_EQ(FncReadLiquid(benzene, "42.7", "", {Inch, kUs}).refusal, kRange);
}

TEST(Numbers, ReadAndWrittenInTheLocale) {
    EXPECT_EQ(FncTextToDouble("", kUs), 0);
    for (const char* refused : {"   ", "inf", "1e400", "１"}) {
        EXPECT_THROW(FncTextToDouble(QString::fromUtf8(refused), kUs), CalcError) << refused;
    }
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QLocale c = QLocale::c();
    // The shortcut takes exactly the plain texts, with the locale's value.
    const struct {
        const char* text;
        const QLocale& locale;
        bool taken;
    } plain[] = {{"10", kGerman, true},
                 {"1.5", kGerman, false},
                 {"0.05", kUs, true},
                 {".5", kUs, false},  // a point needs a digit on either side
                 {"5.", kUs, false},
                 {"1e3", kUs, false},
                 {"10", arabic, false},  // a locale of other digits reads them itself
                 {"114.3", c, true},
                 {"1,5", c, false},
                 {"12345678901.234", kUs, true},      // the longest read by division
                 {"0.30000000000000004", kUs, true},  // more, as rounded by the library
                 {"1234567890123456789012345678901234567890", kUs, false}};
    for (const auto& p : plain) {
        double value = -1;
        EXPECT_EQ(FncReadPlainDigits(QString::fromUtf8(p.text), p.locale, value), p.taken)
            << p.text;
        if (p.taken) {
            EXPECT_EQ(value, p.locale.toDouble(p.text)) << p.text;
        }
    }
    QLocale strict = kUs;  // the locale's own options still hold
    strict.setNumberOptions(QLocale::RejectTrailingZeroesAfterDot);
    EXPECT_THROW(FncTextToDouble("1.50", strict), CalcError);
    // Written: 15 significant digits, never an exponent or -0, the locale's signs.
    EXPECT_EQ(FncPlainNumberText(83537848281048992.0, kUs), "83537848281049000");
    EXPECT_EQ(FncPlainNumberText(1e-7, kUs), "0.0000001");
    EXPECT_EQ(FncPlainNumberText(-0.0, kGerman), "0");
    EXPECT_EQ(FncPlainNumberText(-2.5, kGerman), "-2,5");
    EXPECT_EQ(FncPlainNumberText(2.5, arabic), "2" + arabic.decimalPoint() + "5");
    EXPECT_EQ(FncFormatGrouped(-0.0, 2, kUs), "0.00");
    EXPECT_EQ(FncFormatGrouped(-0.001, 2, kUs), "0.00");
    EXPECT_EQ(FncFormatGrouped(-0.09, 2, kUs), "-0.09");
    EXPECT_EQ(FncFormatGrouped(-0.01, 2, kUs), "-0.01");
    EXPECT_EQ(FncFormatGrouped(-1234.25, -1, kUs), "-1,234");
    EXPECT_EQ(FncFormatGrouped(1234567.899, 2, kGerman), "1.234.567,90");
    EXPECT_EQ(FncFormatGrouped(0.375, 2, kUs), "0.38");  // a tie goes to the even digit
    EXPECT_THROW(FncPlainNumberText(NAN, kUs), CalcError);
}

// The entry that unlocks a typed sound velocity is its list's last, named as
// the field's caption. (The lining thickness's lock shows in the window's
// selection tests and in every lined spacing.)
TEST(Inputs, LockRulesFollowTheLists) {
    for (const InputId velocity : {PipeVelocity, LiningVelocity, FluidVelocity}) {
        const InputDescriptor& input = Describe(velocity);
        EXPECT_TRUE(input.lock) << input.optionName;
        if (!input.lock) continue;
        const QStringList names = Describe(input.lock->list).entryNames(Language::English);
        for (int position = -1; position < names.size(); ++position) {
            EXPECT_EQ(input.lock->unlockedAt(position), position == names.size() - 1)
                << input.optionName << " at " << position;
        }
        EXPECT_EQ(names.last(), FncGetText(input.captionTextId, Language::English));
    }
    // No position outside the fluid list takes a temperature.
    for (const int outside : {-1, kFluidRows}) EXPECT_FALSE(FncFluidTakesTemperature(outside));
}

// A sensor's wedge path is its wedge height along the beam, which leaves at the wedge angle.
TEST(Inputs, EachSensorsWedgePathIsItsHeightAlongTheBeam) {
    for (const SensorSpec& sensor : SensorTypes()) {
        const double angle = sensor.WedgeAngle * std::numbers::pi / 180;
        EXPECT_NEAR(sensor.WedgePath, sensor.WedgeHeight / std::cos(angle), 1e-5)
            << sensor.Name << " in row " << &sensor - SensorTypes().data();
    }
}

}  // namespace
