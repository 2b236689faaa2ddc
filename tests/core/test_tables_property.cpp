// Every value and position of the material, fluid and sensor tables, the
// language of the name lists, and the refusal of rows that do not exist.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <climits>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/ModCommonProc.h"
#include "calc/CalcError.h"
#include "calc/PropertyTables.h"
#include "support/TestSupport.h"

namespace {

struct NamedRow {
    const char* japanese;  // UTF-8
    const char* english;
    double velocity;  // m/s; 0 for the typed-value entry
};

const std::vector<NamedRow> kPipes = {
    {"鋼管", "CARBON STEEL", 3000}, {"ｽﾃﾝﾚｽ管", "STAINLESS STEEL", 3141},
    {"塩ﾋﾞ管", "PVC", 2307},        {"銅管", "COPPER", 2260},
    {"鋳鉄管", "CAST IRON", 2604},  {"ｱﾙﾐﾆｳﾑ管", "ALUMINUM", 3080},
    {"FRP", "FRP", 2505},           {"ﾀﾞｸﾀｲﾙ鋳鉄管", "DUCTILE IRON", 3000},
    {"PEEK", "PEEK", 2307},         {"PVDF", "PVDF", 2307},
    {"ｱｸﾘﾙ管", "ACRYLIC", 2644},    {"PP", "PP", 2307},
    {"配管音速", "PIPE S.V.", 0},
};

const std::vector<NamedRow> kLinings = {
    {"ﾗｲﾆﾝｸﾞ無し", "NO LINING", 0}, {"ﾀｰﾙｴﾎﾟｷｼ", "TAR EPOXY", 2505},
    {"ﾓﾙﾀﾙ", "MORTAR", 3000},       {"ｺﾞﾑ", "RUBBER", 1510},
    {"ﾃﾌﾛﾝ", "TEFLON", 1240},       {"ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", "PYREX GLASS", 3280},
    {"塩ビ", "PVC", 2307},          {"ﾗｲﾆﾝｸﾞ音速", "LINING S.V.", 0},
};

const std::vector<NamedRow> kFluids = {
    {"水", "WATER", 1440},
    {"海水", "SEAWATER", 1522},
    {"蒸留水", "DIST. WATER", 1487},
    {"ｱﾝﾓﾆｱ", "AMMONIA", 1376},
    {"ｱﾙｺｰﾙ", "ALCOHOL", 1180},
    {"ﾍﾞﾝｾﾞﾝ", "BENZENE", 1327},
    {"ﾌﾞﾘﾏｲﾄﾞ", "BROMIDE", 904},
    {"ｴﾀﾉｰﾙ", "ETHANOL", 1230},
    {"ｸﾞﾘｺｰﾙ", "GLYCOL", 1668},
    {"ｹﾛｼﾝ", "KEROSENE", 1338},
    {"ﾐﾙｸ", "MILK", 1497},
    {"ﾒﾀﾉｰﾙ", "METHANOL", 1122},
    {"ﾄﾙｴﾝ", "TOLUOL", 1325},
    {"潤滑油", "LUBE OIL", 1530},
    {"燃料油", "FUEL OIL", 1250},
    {"ｶﾞｿﾘﾝ", "PETROL", 1390},
    {"冷媒 R410", "REFRIGERANT R410", 414},
    {"流体音速", "FLUID S.V.", 0},
};

const std::vector<NamedRow> kMounts = {{"V法", "V METHOD", 0}, {"Z法", "Z METHOD", 0}};

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

void ExpectNameList(const QStringList& list, const std::vector<NamedRow>& rows, bool english) {
    ASSERT_EQ(list.size(), static_cast<qsizetype>(rows.size()) + 1);
    EXPECT_EQ(list.at(0), QString::number(rows.size()));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(list.at(static_cast<qsizetype>(k) + 1),
                  QString::fromUtf8(english ? rows[k].english : rows[k].japanese));
    }
}

TEST(PropertyTablesTest, NameListsFollowTheRunsLanguage) {
    for (const std::int16_t offset : {std::int16_t{0}, std::int16_t{5000}}) {
        SCOPED_TRACE(offset);
        LanguageScope language(offset);
        const bool english = offset != 0;
        ExpectNameList(BuildPipeNameList(), kPipes, english);
        ExpectNameList(BuildFluidNameList(), kFluids, english);
        ExpectNameList(BuildLiningNameList(), kLinings, english);
        ExpectNameList(BuildMountNameList(), kMounts, english);
    }
}

TEST(PropertyTablesTest, CountTextsAreTheListSizes) {
    EXPECT_EQ(BuildPipeNameList().at(0), "13");
    EXPECT_EQ(BuildFluidNameList().at(0), "18");
    EXPECT_EQ(BuildLiningNameList().at(0), "8");
    EXPECT_EQ(BuildMountNameList().at(0), "2");
    EXPECT_EQ(BuildSensorNameList().at(0), "12");
}

TEST(PropertyTablesTest, SensorNamesAreTheSameInBothLanguages) {
    for (const std::int16_t offset : {std::int16_t{0}, std::int16_t{5000}}) {
        LanguageScope language(offset);
        const QStringList names = BuildSensorNameList();
        ASSERT_EQ(names.size(), 13);
        for (int k = 0; k < kSensorRows; ++k) {
            EXPECT_EQ(names.at(k + 1), QString::fromUtf8(kSensors[k].name)) << k;
        }
    }
}

TEST(PropertyTablesTest, SoundVelocityRows) {
    ASSERT_EQ(kPipeSVRows + 1, static_cast<int>(kPipes.size()));  // typed value has no row
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
        const char* table;
        std::function<void(int)> read;
        int rows;
    } tables[] = {
        {"pipe", [](int r) { PipeSVTable(r); }, kPipeSVRows},
        {"lining", [](int r) { LiningSVTable(r); }, kLiningSVRows},
        {"fluid", [](int r) { FluidSVTable(r); }, kFluidSVRows},
        {"sensor", [](int r) { SensorTable(r); }, kSensorRows},
    };
    for (const auto& t : tables) {
        for (const int row : {-1, t.rows, t.rows + 1, INT_MIN, INT_MAX}) {
            SCOPED_TRACE(std::string(t.table) + " row " + std::to_string(row));
            try {
                t.read(row);
                ADD_FAILURE() << "no failure";
            } catch (const CalcError& e) {
                EXPECT_EQ(e.kind(), CalcErrorKind::SubscriptOutOfRange);
            }
        }
        EXPECT_NO_THROW(t.read(0));
        EXPECT_NO_THROW(t.read(t.rows - 1));
    }
}

}  // namespace
