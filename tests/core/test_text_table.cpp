// The text table must reproduce every text exactly, in both halves, and must
// refuse ids it does not hold instead of showing an empty caption.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

struct TextCase {
    std::int16_t baseId;
    const char* japanese;  // UTF-8
    const char* english;
};

// Copied character for character from the product's text list.
const TextCase kTexts[] = {
    {1, "ＭＳ ゴシック", "Arial"},
    {790, "ｾﾝｻ取付け法", "SENSOR MOUNT"},
    {800, "ｾﾝｻ種類", "SENSOR TYPE"},
    {1100, "ﾗｲﾆﾝｸﾞ音速", "LINING S.V."},
    {1110, "ﾗｲﾆﾝｸﾞ厚さ", "LINING THICKNESS"},
    {1120, "ﾗｲﾆﾝｸﾞ材質", "LINING MATERIAL"},
    {1240, "外径寸法", "OUTER DIAMETER"},
    {1380, "取付け寸法", "SENSOR SPACING"},
    {1967, "入力", "INPUT"},
    {2050, "配管音速", "PIPE S.V."},
    {2060, "配管材質", "PIPE MATERIAL"},
    {2200, "流体音速", "FLUID S.V."},
    {2210, "流体種類", "KIND OF FLUID"},
    {2760, "鋼管", "CARBON STEEL"},
    {2770, "ｽﾃﾝﾚｽ管", "STAINLESS STEEL"},
    {2780, "塩ﾋﾞ管", "PVC"},
    {2790, "銅管", "COPPER"},
    {2800, "鋳鉄管", "CAST IRON"},
    {2810, "ｱﾙﾐﾆｳﾑ管", "ALUMINUM"},
    {2820, "FRP", "FRP"},
    {2830, "ﾀﾞｸﾀｲﾙ鋳鉄管", "DUCTILE IRON"},
    {2840, "PEEK", "PEEK"},
    {2850, "PVDF", "PVDF"},
    {2860, "ｱｸﾘﾙ管", "ACRYLIC"},
    {2861, "PP", "PP"},
    {2880, "配管厚さ", "WALL THICKNESS"},
    {2890, "ﾗｲﾆﾝｸﾞ無し", "NO LINING"},
    {2900, "ﾀｰﾙｴﾎﾟｷｼ", "TAR EPOXY"},
    {2910, "ﾓﾙﾀﾙ", "MORTAR"},
    {2920, "ｺﾞﾑ", "RUBBER"},
    {2930, "ﾃﾌﾛﾝ", "TEFLON"},
    {2940, "ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", "PYREX GLASS"},
    {2950, "水", "WATER"},
    {2960, "海水", "SEAWATER"},
    {2970, "蒸留水", "DIST. WATER"},
    {2980, "ｱﾝﾓﾆｱ", "AMMONIA"},
    {2990, "ｱﾙｺｰﾙ", "ALCOHOL"},
    {3000, "ﾍﾞﾝｾﾞﾝ", "BENZENE"},
    {3010, "ﾌﾞﾘﾏｲﾄﾞ", "BROMIDE"},
    {3020, "ｴﾀﾉｰﾙ", "ETHANOL"},
    {3030, "ｸﾞﾘｺｰﾙ", "GLYCOL"},
    {3040, "ｹﾛｼﾝ", "KEROSENE"},
    {3050, "ﾐﾙｸ", "MILK"},
    {3060, "ﾒﾀﾉｰﾙ", "METHANOL"},
    {3070, "ﾄﾙｴﾝ", "TOLUOL"},
    {3080, "潤滑油", "LUBE OIL"},
    {3090, "燃料油", "FUEL OIL"},
    {3100, "ｶﾞｿﾘﾝ", "PETROL"},
    {3101, "冷媒 R410", "REFRIGERANT R410"},
    {3140, "V法", "V METHOD"},
    {3150, "Z法", "Z METHOD"},
    {3920, "数字以外のデータは許されません", "Any data other than a number is not allowed"},
    {3921, "入力値が範囲外です", "The value is outside of range"},
    {3922, "実行", "EXECUTE"},
    {3926, "計算結果", "Calculation Result"},
    {4401, "超音波流量計", "Ultrasonic Flowmeter"},
    {4402, "取付け寸法計算ツール", "Sensor Spacing Calculation Tool"},
    {4460, "塩ビ", "PVC"},
};

TEST(TextTableTest, EveryTextAndTwinMatchesCharacterForCharacter) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.baseId);
        EXPECT_EQ(TextTable(c.baseId), QString::fromUtf8(c.japanese));
        EXPECT_EQ(TextTable(static_cast<std::int16_t>(c.baseId + 5000)),
                  QString::fromUtf8(c.english));
    }
}

TEST(TextTableTest, HoldsExactlyTheKnownBaseIdsEachWithTwoNonEmptyTexts) {
    std::vector<std::int16_t> expected;
    for (const TextCase& c : kTexts) expected.push_back(c.baseId);
    EXPECT_EQ(TextTableBaseIds(), expected);
    EXPECT_EQ(TextTableBaseIds().size(), 58u);
    for (const std::int16_t id : TextTableBaseIds()) {
        SCOPED_TRACE(id);
        EXPECT_LT(id, 5000);
        EXPECT_FALSE(TextTable(id).isEmpty());
        EXPECT_FALSE(TextTable(static_cast<std::int16_t>(id + 5000)).isEmpty());
    }
}

// A look-alike character (full-width for half-width katakana, an ideographic
// space for the ASCII one) would still read the same on screen; pin the code
// points themselves.
TEST(TextTableTest, CodePointsOfMixedWidthTexts) {
    const struct {
        std::int16_t id;
        std::vector<char16_t> codePoints;
    } cases[] = {
        {1, {0xFF2D, 0xFF33, 0x0020, 0x30B4, 0x30B7, 0x30C3, 0x30AF}},    // ＭＳ ゴシック
        {790, {0xFF7E, 0xFF9D, 0xFF7B, 0x53D6, 0x4ED8, 0x3051, 0x6CD5}},  // ｾﾝｻ取付け法
        {1120, {0xFF97, 0xFF72, 0xFF86, 0xFF9D, 0xFF78, 0xFF9E, 0x6750, 0x8CEA}},  // ﾗｲﾆﾝｸﾞ材質
        {1380, {0x53D6, 0x4ED8, 0x3051, 0x5BF8, 0x6CD5}},  // 取付け寸法
        {2940,
         {0xFF8A, 0xFF9F, 0xFF72, 0xFF9A, 0xFF6F, 0xFF78, 0xFF7D, 0xFF76, 0xFF9E, 0xFF97,
          0xFF7D}},                                            // ﾊﾟｲﾚｯｸｽｶﾞﾗｽ
        {3101, {0x51B7, 0x5A92, 0x0020, 'R', '4', '1', '0'}},  // 冷媒 R410
        {4460, {0x5869, 0x30D3}},                              // 塩ビ
        {2780, {0x5869, 0xFF8B, 0xFF9E, 0x7BA1}},              // 塩ﾋﾞ管
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const QString text = TextTable(c.id);
        ASSERT_EQ(text.size(), static_cast<qsizetype>(c.codePoints.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            EXPECT_EQ(text.at(i).unicode(), c.codePoints[static_cast<std::size_t>(i)]) << i;
        }
    }
}

TEST(TextTableTest, IdsOutsideTheTableAreRefused) {
    for (const std::int16_t id :
         {std::int16_t{0}, std::int16_t{2}, std::int16_t{-1}, std::int16_t{4999},
          std::int16_t{5000}, std::int16_t{5002}, std::int16_t{9999}, std::int16_t{10001},
          std::int16_t{-4999}, std::int16_t{32767}, std::int16_t{-32768}}) {
        SCOPED_TRACE(id);
        EXPECT_THROW(TextTable(id), std::out_of_range);
    }
}

TEST(FncGetTextTest, AddsTheLanguageOffsetToTheBaseId) {
    for (const std::int16_t offset : {std::int16_t{0}, std::int16_t{5000}}) {
        LanguageScope language(offset);
        for (const TextCase& c : kTexts) {
            SCOPED_TRACE(c.baseId);
            EXPECT_EQ(FncGetText(c.baseId),
                      QString::fromUtf8(offset == 0 ? c.japanese : c.english));
        }
    }
}

TEST(FncGetTextTest, UnknownOrOverflowingIdsAreRefused) {
    LanguageScope language(5000);
    EXPECT_THROW(FncGetText(5001), std::out_of_range);   // would be 10001
    EXPECT_THROW(FncGetText(32000), std::out_of_range);  // beyond 16 bits
    EXPECT_THROW(FncGetText(2), std::out_of_range);
}

TEST(ComposedTextTest, BothLanguages) {
    const struct {
        std::int16_t offset;
        const char* title;
        const char* spacing1;
        const char* spacing2;
        const char* legend;
    } cases[] = {
        {0, "超音波流量計 - 取付け寸法計算ツール", "取付け寸法1", "取付け寸法2", "* : 入力"},
        {5000, "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool", "SENSOR SPACING1",
         "SENSOR SPACING2", "* : INPUT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        LanguageScope language(c.offset);
        EXPECT_EQ(ComposedWindowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(ComposedMountSizeCaption(1), QString::fromUtf8(c.spacing1));
        EXPECT_EQ(ComposedMountSizeCaption(2), QString::fromUtf8(c.spacing2));
        EXPECT_EQ(ComposedInputRequiredLegend(), QString::fromUtf8(c.legend));
    }
}

TEST(ComposedTextTest, OnlyTwoSpacingCaptionsExist) {
    EXPECT_THROW(ComposedMountSizeCaption(0), std::out_of_range);
    EXPECT_THROW(ComposedMountSizeCaption(3), std::out_of_range);
}

}  // namespace
