// The text table by its structure, not retyped, and spot checks of what is
// easy to get wrong. The property tables show in the spacing tests.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <map>
#include <stdexcept>

#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

TEST(TextTable, EveryIdHasBothLanguagesAndNoOtherIdAnswers) {
    std::map<int, QString> texts;  // every 16-bit id the table answers
    for (int id = INT16_MIN; id <= INT16_MAX; ++id) {
        try {
            texts[id] = TextTable(std::int16_t(id));
        } catch (const std::out_of_range&) {
        }
    }
    const QRegularExpression ascii("^[ -~]+$");  // English; Japanese only for names like "FRP"
    for (const auto& [id, text] : texts) {
        SCOPED_TRACE(id);
        const int base = id % 5000;
        EXPECT_GT(id, 0);
        EXPECT_LT(id, 10000);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(text, text.trimmed());
        EXPECT_EQ(FncGetText(std::int16_t(base), std::int16_t(id - base)), text);
        const QString &japanese = texts.at(base), &english = texts.at(base + 5000);
        EXPECT_TRUE(ascii.match(english).hasMatch()) << english;
        if (ascii.match(japanese).hasMatch()) {
            EXPECT_EQ(japanese, english);
        }
    }
}

// Look-alikes (full-width for half-width) are other texts; the caption font's
// name shows in the start-up tests. The title is the one composed text the
// screenshots do not show.
TEST(TextTable, MixedWidthTextsAndTheComposedTitle) {
    EXPECT_EQ(TextTable(2780), QString::fromUtf16(u"\u5869\uFF8B\uFF9E\u7BA1"));  // pipe PVC
    EXPECT_EQ(TextTable(4460), QString::fromUtf16(u"\u5869\u30D3"));              // lining PVC
    EXPECT_EQ(ComposedWindowTitle(0), "超音波流量計 - 取付け寸法計算ツール");
    EXPECT_EQ(ComposedWindowTitle(5000), "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool");
}

}  // namespace
