// The rule that refuses a numeric field's text: characters, a number in the
// user's locale, the field's range with both limits included, and before a
// calculation no empty text.
#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "window/FieldRefusal.h"
#include "window/UnitTexts.h"

namespace {

// The lower limit slots of RangeText, and the outcomes.
constexpr std::size_t kDiameter = 0, kVelocity = 2, kWall = 4, kFluid = 6, kLining = 8;
constexpr std::int16_t kOk = 0, kChars = kNotANumberText, kRange = kOutOfRangeText;

TEST(FieldRefusal, OneTable) {
    const struct {
        std::int16_t unitFlag;
        std::size_t slot;
        std::int16_t expected;
        std::initializer_list<const char*> texts;
        const QLocale& locale = kUs;
        EmptyText empty = EmptyText::Accepted;
    } rows[] = {
        // clang-format off
        {0, kDiameter, kOk, {"", "6", "6200", "+114.3", "1,500"}}, {0, kDiameter, kRange, {"5.99", "6200.01"}},
        {0, kDiameter, kChars, {" 12", "12a", "1e3", "１２", ".", ",", "-", "1.2.3", "+", "1-2"}},
        {0, kWall, kOk, {"0.10", "100"}},               {0, kWall, kRange, {"-5", "0.09", "100.01"}},
        {0, kVelocity, kRange, {"999", "3701"}},        {0, kFluid, kRange, {"+12", "2501"}},
        {0, kLining, kRange, {"0.009", "100.01"}},      {1, kDiameter, kOk, {"0.2362", "244.1"}},
        {1, kDiameter, kRange, {"0.2361", "244.11", "6200"}}, {1, kWall, kRange, {"0.0038", "3.9381"}},
        {1, kVelocity, kOk, {"3280", "12140"}},         {1, kFluid, kRange, {"983", "8204"}},
        {1, kLining, kOk, {"0.0003"}},                  {1, kWall, kOk, {"0,0039"}, kGerman},
        {0, kDiameter, kOk, {"114,3", "6,00"}, kGerman}, {0, kDiameter, kRange, {"5,99"}, kGerman},
        {0, kDiameter, kChars, {"1,2,3", "114.3"}, kGerman},
        {0, kDiameter, kRange, {""}, kUs, EmptyText::Refused}, {0, kDiameter, kChars, {"6x"}, kUs, EmptyText::Refused},
        // clang-format on
    };
    for (const auto& r : rows) {
        const auto limits = FncRangeTexts(r.unitFlag);
        for (const char* text : r.texts) {
            EXPECT_EQ(FncFieldRefusal(QString::fromUtf8(text), limits[r.slot], limits[r.slot + 1],
                                      r.locale, r.empty)
                          .value_or(kOk),
                      r.expected)
                << r.unitFlag << " slot " << r.slot << " \"" << text << '"';
        }
    }
}

}  // namespace
