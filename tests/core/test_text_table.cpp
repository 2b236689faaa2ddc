// Every text exactly, in both halves; ids the table does not hold are refused
// rather than shown as an empty caption.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "app/ModCommonProc.h"
#include "support/ExpectedTexts.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

TEST(TextTableTest, EveryTextInBothLanguagesAndNoOtherIds) {
    std::vector<std::int16_t> ids;
    for (const std::int16_t offset : {std::int16_t{0}, std::int16_t{5000}}) {
        LanguageScope language(offset);
        for (const ExpectedText& c : kTexts) {
            SCOPED_TRACE(c.baseId + offset);
            const QString expected = QString::fromUtf8(offset == 0 ? c.japanese : c.english);
            EXPECT_EQ(TextTable(static_cast<std::int16_t>(c.baseId + offset)), expected);
            EXPECT_EQ(FncGetText(c.baseId), expected);
            if (offset == 0) ids.push_back(c.baseId);
        }
    }
    EXPECT_EQ(TextTableBaseIds(), ids);
}

// A look-alike character (full-width for half-width katakana, an ideographic
// space for the ASCII one) reads the same on screen; pin the code points.
TEST(TextTableTest, CodePointsOfMixedWidthTexts) {
    const struct {
        std::int16_t id;
        const char16_t* text;
    } cases[] = {
        {1, u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"},                // ＭＳ ゴシック
        {790, u"\uFF7E\uFF9D\uFF7B\u53D6\u4ED8\u3051\u6CD5"},         // ｾﾝｻ取付け法
        {1120, u"\uFF97\uFF72\uFF86\uFF9D\uFF78\uFF9E\u6750\u8CEA"},  // ﾗｲﾆﾝｸﾞ材質
        {1380, u"\u53D6\u4ED8\u3051\u5BF8\u6CD5"},                    // 取付け寸法
        {2940,
         u"\uFF8A\uFF9F\uFF72\uFF9A\uFF6F\uFF78\uFF7D\uFF76\uFF9E\uFF97\uFF7D"},  // ﾊﾟｲﾚｯｸｽｶﾞﾗｽ
        {3101, u"\u51B7\u5A92 R410"},                                             // 冷媒 R410
        {4460, u"\u5869\u30D3"},                                                  // 塩ビ
        {2780, u"\u5869\uFF8B\uFF9E\u7BA1"},                                      // 塩ﾋﾞ管
    };
    for (const auto& c : cases) EXPECT_EQ(TextTable(c.id), QString::fromUtf16(c.text)) << c.id;
}

TEST(TextTableTest, UnknownIdsAreRefused) {
    for (const int id : {0, 2, -1, 4999, 5000, 5002, 9999, 10001, -4999, 32767, -32768}) {
        EXPECT_THROW(TextTable(static_cast<std::int16_t>(id)), std::out_of_range) << id;
    }
    LanguageScope language(5000);
    EXPECT_THROW(FncGetText(5001), std::out_of_range);   // would be 10001
    EXPECT_THROW(FncGetText(32000), std::out_of_range);  // beyond 16 bits
    EXPECT_THROW(ComposedMountSizeCaption(0), std::out_of_range);
    EXPECT_THROW(ComposedMountSizeCaption(3), std::out_of_range);
}

TEST(ComposedTextTest, BothLanguages) {
    const struct {
        std::int16_t offset;
        const char *title, *spacing1, *spacing2, *legend;
    } cases[] = {
        {0, "超音波流量計 - 取付け寸法計算ツール", "取付け寸法1", "取付け寸法2", "* : 入力"},
        {5000, "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool", "SENSOR SPACING1",
         "SENSOR SPACING2", "* : INPUT"},
    };
    for (const auto& c : cases) {
        LanguageScope language(c.offset);
        EXPECT_EQ(ComposedWindowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(ComposedMountSizeCaption(1), QString::fromUtf8(c.spacing1));
        EXPECT_EQ(ComposedMountSizeCaption(2), QString::fromUtf8(c.spacing2));
        EXPECT_EQ(ComposedInputRequiredLegend(), QString::fromUtf8(c.legend));
    }
}

}  // namespace
