// The text table by what it holds, not retyped: every id has its twin in the
// other language and no empty text; texts easy to get wrong are pinned.
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
            texts[id] = TextTable(static_cast<std::int16_t>(id));
        } catch (const std::out_of_range&) {
        }
    }
    ASSERT_GT(texts.size(), 100u);
    const QRegularExpression ascii("^[ -~]+$");  // English; Japanese only for names like "FRP"
    for (const auto& [id, text] : texts) {
        const int base = id % 5000;
        ASSERT_TRUE(id > 0 && id < 10000 && texts.count(base) && texts.count(base + 5000)) << id;
        const QString &japanese = texts.at(base), &english = texts.at(base + 5000);
        EXPECT_TRUE(!text.isEmpty() && text == text.trimmed() && ascii.match(english).hasMatch() &&
                    (!ascii.match(japanese).hasMatch() || japanese == english))
            << id << ' ' << text;
        LanguageScope language(static_cast<std::int16_t>(id - base));
        EXPECT_EQ(FncGetText(static_cast<std::int16_t>(base)), text);
    }
}

// Look-alikes (full-width for half-width katakana, an ideographic space for
// the ASCII one) read the same on screen but are other texts.
TEST(TextTable, MixedWidthAndComposedTexts) {
    EXPECT_EQ(TextTable(1), QString::fromUtf16(u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"));
    EXPECT_EQ(TextTable(1120),
              QString::fromUtf16(u"\uFF97\uFF72\uFF86\uFF9D\uFF78\uFF9E\u6750\u8CEA"));
    EXPECT_EQ(TextTable(2780), QString::fromUtf16(u"\u5869\uFF8B\uFF9E\u7BA1"));  // pipe PVC
    EXPECT_EQ(TextTable(4460), QString::fromUtf16(u"\u5869\u30D3"));              // lining PVC
    EXPECT_EQ(TextTable(3101), QString::fromUtf16(u"\u51B7\u5A92 R410"));
    for (const auto& [offset, expected] :
         {std::pair{0, "超音波流量計 - 取付け寸法計算ツール|取付け寸法1|取付け寸法2|* : 入力"},
          {5000,
           "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool|SENSOR SPACING1|"
           "SENSOR SPACING2|* : INPUT"}}) {
        LanguageScope language(static_cast<std::int16_t>(offset));
        EXPECT_EQ(QStringList({ComposedWindowTitle(), ComposedMountSizeCaption(1),
                               ComposedMountSizeCaption(2), ComposedInputRequiredLegend()})
                      .join('|'),
                  QString::fromUtf8(expected));
    }
}

}  // namespace
