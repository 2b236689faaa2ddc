// The character test of the numeric fields: which texts reach the number
// conversion at all.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <string_view>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"

namespace {

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), text.size());
}

std::int32_t Check(std::u16string_view text) {
    return ModCommonProc::FncChkNumText(Text(text), static_cast<std::int32_t>(text.size()));
}

TEST(FncChkNumText, ClassifiesTexts) {
    // The count and place of signs and points are left to the conversion.
    const std::u16string_view passed[] = {u"0123456789", u"114.3", u"1,500", u"-5",
                                          u"+12",        u"1.2.3", u"--",    u"+"};
    const std::u16string_view refused[] = {u",",   u".",        u"-",     u" 5",   u"5 ",
                                           u"1 0", u"1e3",      u"abc",   u"１２", u"٣",
                                           u"1\t", {u"1\0", 2}, u"１．５"};
    for (const auto text : passed) EXPECT_EQ(Check(text), 0) << Text(text).toStdString();
    for (const auto text : refused) EXPECT_EQ(Check(text), -1) << Text(text).toStdString();
    EXPECT_EQ(Check(u""), 1);
    EXPECT_EQ(ModCommonProc::FncChkNumText(QString(), -3), 1);
}

}  // namespace
