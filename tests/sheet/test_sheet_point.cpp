// A computed point as its sheet shows it: every entry as the calculation read
// it, in the run's units and language (a table's velocity whole, as --list
// gives it; a typed one as typed), the result as shown, the mounting as the
// method puts the sensors, and the strip's spacing the one shown.
#include <gtest/gtest.h>

#include "rules/ListPositions.h"
#include "sheet/SheetPoint.h"
#include "support/TestSupport.h"

namespace {

using enum InputId;

struct PointCase {
    const char* name;
    Units units;
    Language language;
    std::vector<std::pair<InputId, const char*>> typed;
    std::vector<std::pair<InputId, int>> picked;  // the others at their first entry
    std::optional<PipeSizePick> pipeSize;
    QString tag;
    QString title;
    QStringList entries;  // "caption: value"
    QString steps;
    int traverses;
    bool sameSide;
    double spacingMm;  // the strip's: the result shown
    QString fileName;
};

TEST(SheetOfPoint, EntriesResultAndMountingAsTheCalculationReadThem) {
    const std::size_t sgp = FncFindPipeSchedule(u"SGP").value();
    const PipeSizePick sgp100A{sgp, FncFindPipeSize(PipeSchedules()[sgp], u"100A").value()};
    // clang-format off
    const PointCase cases[] = {
        {"inch, a lining, a typed fluid velocity",
         Units::Inch, Language::English,
         {{OuterDiameter, "4.5"},
          {WallThickness, "0.25"},
          {LiningThickness, "0.2"},
          {FluidVelocity, "4900"}},
         {{SensorType, 4}, {LiningMaterial, 1}, {Fluid, kFluidTypedVelocityEntry}},
         {}, "", "4.500 x 0.250 inch  V METHOD  TB_01/TC_01",
         {"OUTER DIAMETER: 4.5 inch", "WALL THICKNESS: 0.25 inch", "PIPE MATERIAL: CARBON STEEL",
          "PIPE S.V.: 9843 ft/s", "LINING MATERIAL: TAR EPOXY", "LINING THICKNESS: 0.2 inch",
          "LINING S.V.: 8219 ft/s", "KIND OF FLUID: FLUID S.V.", "FLUID S.V.: 4900 ft/s",
          "SENSOR TYPE: TB_01/TC_01 (小型, 1 MHz)", "SENSOR MOUNT: V METHOD"},
         "", 2, true, 2.750 * 25.4, "4.500x0.250 V TB_01-TC_01.pdf"},
        {"rail steps, N method",
         Units::Metric, Language::Japanese,
         {{OuterDiameter, "60.5"}, {WallThickness, "3"}},
         {{SensorType, 2}, {MountingMethod, 2}},
         {}, "", "60.5 x 3.0 mm  N法  TA_01",
         {"外径寸法: 60.5 mm", "配管厚さ: 3 mm", "配管材質: 鋼管", "配管音速: 3000 m/s",
          "ﾗｲﾆﾝｸﾞ材質: ﾗｲﾆﾝｸﾞ無し", "流体種類: 水", "流体音速: 1440 m/s",
          "ｾﾝｻ種類: TA_01 (N-Vara, 2 MHz)", "ｾﾝｻ取付け法: N法"},
         "25", 3, false, 75, "60.5x3.0 N TA_01.pdf"},
        {"a tagged pipe size, Z method",
         Units::Metric, Language::English,
         {{OuterDiameter, "114.3"}, {WallThickness, "4.5"}},
         {{SensorType, 4}, {MountingMethod, 1}},
         sgp100A, "P-101 ポンプ", "P-101 ポンプ",
         {"OUTER DIAMETER: 114.3 mm", "WALL THICKNESS: 4.5 mm", "PIPE MATERIAL: CARBON STEEL",
          "PIPE S.V.: 3000 m/s", "LINING MATERIAL: NO LINING", "KIND OF FLUID: WATER",
          "FLUID S.V.: 1440 m/s", "SCHEDULE: SGP (JIS G 3452)", "NOMINAL SIZE: 100A",
          "SENSOR TYPE: TB_01/TC_01 (小型, 1 MHz)", "SENSOR MOUNT: Z METHOD"},
         "", 1, false, 20.07, "114.3x4.5 Z TB_01-TC_01.pdf"},
    };
    // clang-format on
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.name);
        Entries entries;
        for (Entry& entry : entries) entry.position = 0;
        for (const auto& [input, text] : c.typed) entries[FocusPosition(input)].text = text;
        for (const auto& [input, position] : c.picked)
            entries[FocusPosition(input)].position = position;
        const NumberFormat format{c.units, kUs};
        const SpacingRun run = FncRunSpacing(entries, format);
        EXPECT_EQ(run.outcome, SpacingRun::Outcome::Shown);
        if (run.outcome != SpacingRun::Outcome::Shown) continue;
        const SheetPoint point{.entries = entries,
                               .run = run,
                               .format = format,
                               .language = c.language,
                               .tag = c.tag,
                               .pipeSize = c.pipeSize};
        const SheetPage page = FncSheetPage(point);
        EXPECT_EQ(page.title, c.title);
        QStringList entriesShown;
        for (const auto& [caption, value] : page.entries) entriesShown << caption + ": " + value;
        EXPECT_EQ(entriesShown, c.entries);
        EXPECT_EQ(page.resultText, run.texts.result1);
        EXPECT_EQ(page.stepsText, c.steps);
        EXPECT_EQ(page.geometry.traverses, c.traverses);
        EXPECT_EQ(page.geometry.sameSide, c.sameSide);
        EXPECT_NEAR(page.geometry.spacingMm, c.spacingMm, 1e-6);
        EXPECT_EQ(FncSheetFileName(point), c.fileName);
    }
}

}  // namespace
