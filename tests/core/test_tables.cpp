// The text table by its structure, not retyped, and spot checks of what is
// easy to get wrong. The property tables show in the spacing tests.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <stdexcept>

#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

TEST(TextTable, EveryTextInBothLanguagesAndNoOtherIdAnswers) {
    int answering = 0, named = 0;  // 16-bit ids the table answers; texts with both halves
    const QRegularExpression ascii("^[ -~]+$");  // English; Japanese only for names like "FRP"
    for (int id = INT16_MIN; id <= INT16_MAX; ++id) {
        SCOPED_TRACE(id);
        try {
            const QString text = TextTable(std::int16_t(id));
            ++answering;
            EXPECT_FALSE(text.isEmpty());
            EXPECT_EQ(text, text.trimmed());
        } catch (const std::out_of_range&) {
        }
        try {
            const QString japanese = FncGetText(TextId(id), Language::Japanese);
            const QString english = FncGetText(TextId(id), Language::English);
            ++named;
            EXPECT_TRUE(ascii.match(english).hasMatch()) << english;
            if (ascii.match(japanese).hasMatch()) {
                EXPECT_EQ(japanese, english);
            }
        } catch (const std::out_of_range&) {
        }
    }
    EXPECT_EQ(answering, 2 * named);
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
