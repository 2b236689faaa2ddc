// Every value and position of the material, fluid and sensor tables, the
// language of the name lists, and the refusal of rows that do not exist.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <climits>
#include <cstdint>
#include <vector>

#include "app/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/PropertyTables.h"
#include "support/ExpectedTexts.h"
#include "support/TestSupport.h"

namespace {

// Each entry by the id of its text, with its sound velocity in m/s (0 for
// "NO LINING" and for the typed-value entries at the ends).
struct NamedRow {
    std::int16_t textId;
    double velocity;
};

const std::vector<NamedRow> kPipes = {{2760, 3000}, {2770, 3141}, {2780, 2307}, {2790, 2260},
                                      {2800, 2604}, {2810, 3080}, {2820, 2505}, {2830, 3000},
                                      {2840, 2307}, {2850, 2307}, {2860, 2644}, {2861, 2307},
                                      {2050, 0}};
const std::vector<NamedRow> kLinings = {{2890, 0},    {2900, 2505}, {2910, 3000}, {2920, 1510},
                                        {2930, 1240}, {2940, 3280}, {4460, 2307}, {1100, 0}};
const std::vector<NamedRow> kFluids = {
    {2950, 1440}, {2960, 1522}, {2970, 1487}, {2980, 1376}, {2990, 1180}, {3000, 1327},
    {3010, 904},  {3020, 1230}, {3030, 1668}, {3040, 1338}, {3050, 1497}, {3060, 1122},
    {3070, 1325}, {3080, 1530}, {3090, 1250}, {3100, 1390}, {3101, 414},  {2200, 0}};
const std::vector<NamedRow> kMounts = {{3140, 0}, {3150, 0}};

struct SensorRow {
    const char* name;
    const char* series;  // UTF-8
    double freq;
    std::int32_t wedgeSV;
    std::int16_t wedgeAngle;
    double wedgePath, wedgeHeight, wedgeRun, mountOffset;
};

const SensorRow kSensors[] = {
    {"RESERVE", "N-Vara", 4, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
    {"RESERVE", "N-Vara", 4, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
    {"TA_01", "N-Vara", 2, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
    {"TA_02", "N-Vara", 2, 2500, 42, 8.854263, 6.58, 5.92, 6.46},
    {"TB_01/TC_01", "小型", 1, 2505, 42, 13.456327, 10, 9.07, 27},
    {"TB_02/TC_02", "小型", 2, 2505, 42, 6.728164, 5, 4.5, 13.5},
    {"TB_03/TC_03", "中型", 1, 2505, 42, 13.456327, 10, 9.07, 27},
    {"TB_04/TC_04", "大型", 0.5, 2505, 42, 24.490516, 18.2, 16.4, 16.4},
    {"TB_05/TC_05", "大型", 1, 2505, 42, 24.490516, 18.2, 16.4, 16.4},
    {"TD_01", "小型", 2, 2500, 42, 8.342923, 6.2, 5.58, 16.4},
    {"TD_02", "小口径", 2, 2500, 42, 8.342923, 6.2, 5.58, 13.9},
    {"TD_03", "高温用", 2, 2830, 49, 12.194025, 8, 9.2, 20.2},
};

void ExpectNameList(const QStringList& list, const std::vector<NamedRow>& rows, int offset) {
    ASSERT_EQ(list.size(), static_cast<qsizetype>(rows.size()) + 1);
    EXPECT_EQ(list.at(0), QString::number(rows.size()));  // the count text
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(list.at(static_cast<qsizetype>(k) + 1), ExpectedTextOf(rows[k].textId, offset))
            << k;
    }
}

TEST(PropertyTablesTest, NameListsFollowTheRunsLanguageExceptSensors) {
    for (const std::int16_t offset : {std::int16_t{0}, std::int16_t{5000}}) {
        SCOPED_TRACE(offset);
        LanguageScope language(offset);
        ExpectNameList(BuildPipeNameList(), kPipes, offset);
        ExpectNameList(BuildFluidNameList(), kFluids, offset);
        ExpectNameList(BuildLiningNameList(), kLinings, offset);
        ExpectNameList(BuildMountNameList(), kMounts, offset);
        const QStringList names = BuildSensorNameList();
        ASSERT_EQ(names.size(), kSensorRows + 1);
        EXPECT_EQ(names.at(0), "12");
        for (int k = 0; k < kSensorRows; ++k) {
            EXPECT_EQ(names.at(k + 1), QString::fromUtf8(kSensors[k].name)) << k;
        }
    }
}

// The typed-value entries ("PIPE S.V." ...) have no row of their own.
TEST(PropertyTablesTest, SoundVelocityRows) {
    ASSERT_EQ(kPipeSVRows + 1, static_cast<int>(kPipes.size()));
    for (int k = 0; k < kPipeSVRows; ++k) EXPECT_EQ(PipeSVTable(k), kPipes[k].velocity) << k;
    ASSERT_EQ(kLiningSVRows, static_cast<int>(kLinings.size()));
    for (int k = 0; k < kLiningSVRows; ++k) EXPECT_EQ(LiningSVTable(k), kLinings[k].velocity) << k;
    ASSERT_EQ(kFluidSVRows, static_cast<int>(kFluids.size()));
    for (int k = 0; k < kFluidSVRows; ++k) EXPECT_EQ(FluidSVTable(k), kFluids[k].velocity) << k;
}

TEST(PropertyTablesTest, SensorRowsCarryEveryFieldExactly) {
    for (int k = 0; k < kSensorRows; ++k) {
        SCOPED_TRACE(k);
        const SensorSpec& s = SensorTable(k);
        const SensorRow& e = kSensors[k];
        EXPECT_EQ(s.SeriesLabel, QString::fromUtf8(e.series));
        EXPECT_EQ(s.FreqMHz, e.freq);
        EXPECT_EQ(s.WedgeSV, e.wedgeSV);
        EXPECT_EQ(s.WedgeAngle, e.wedgeAngle);
        EXPECT_EQ(s.WedgePath, e.wedgePath);
        EXPECT_EQ(s.WedgeHeight, e.wedgeHeight);
        EXPECT_EQ(s.WedgeRun, e.wedgeRun);
        EXPECT_EQ(s.MountOffset, e.mountOffset);
    }
}

TEST(PropertyTablesTest, RowsOutsideATableAreSubscriptFailures) {
    const struct {
        void (*read)(int);
        int rows;
    } tables[] = {{[](int r) { PipeSVTable(r); }, kPipeSVRows},
                  {[](int r) { LiningSVTable(r); }, kLiningSVRows},
                  {[](int r) { FluidSVTable(r); }, kFluidSVRows},
                  {[](int r) { SensorTable(r); }, kSensorRows}};
    for (const auto& t : tables) {
        for (const int row : {-1, t.rows, INT_MIN, INT_MAX}) {
            try {
                t.read(row);
                ADD_FAILURE() << "no failure for row " << row << " of " << t.rows;
            } catch (const CalcError& e) {
                EXPECT_EQ(e.kind(), CalcErrorKind::SubscriptOutOfRange);
            }
        }
    }
}

}  // namespace
