// The text table by its structure, not retyped, and spot checks of what is
// easy to get wrong. The property tables show in the spacing tests.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

// A base id holds the Japanese text, the id 5000 above it the English twin;
// no other id answers, and a base id is never one of the English half. (How
// every text is written is checked where the table is compiled.)
TEST(TextTable, BaseIdsAndTheirTwinsAnswerAndNoOtherId) {
    EXPECT_EQ(TextTable(1), "ＭＳ ゴシック");
    EXPECT_EQ(TextTable(5001), "Arial");
    for (const int id : {-1, 0, 2, 5000, 5002, 10001, INT16_MAX})
        EXPECT_THROW(TextTable(std::int16_t(id)), std::out_of_range) << id;
    for (const Language language : {Language::Japanese, Language::English})
        EXPECT_THROW(FncGetText(TextId(5001), language), std::out_of_range);
}

// Look-alikes (full-width for half-width) are other texts; the caption font's
// name shows in the start-up tests. The title is the one composed text the
// screenshots do not show.
TEST(TextTable, MixedWidthTextsAndTheComposedTitle) {
    EXPECT_EQ(FncGetText(TextId::PipePvc, Language::Japanese),
              QString::fromUtf16(u"\u5869\uFF8B\uFF9E\u7BA1"));
    EXPECT_EQ(FncGetText(TextId::LiningPvc, Language::Japanese),
              QString::fromUtf16(u"\u5869\u30D3"));
    EXPECT_EQ(ComposedWindowTitle(Language::Japanese), "超音波流量計 - 取付け寸法計算ツール");
    EXPECT_EQ(ComposedWindowTitle(Language::English),
              "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool");
}

}  // namespace
