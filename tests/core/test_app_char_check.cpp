// The character test of the numeric fields: which texts reach the number
// conversion at all.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"

namespace {

struct CharCase {
    QString text;
    std::int32_t expected;
};

const CharCase kCases[] = {
    {QString(), 1},
    {QStringLiteral("0123456789"), 0},
    {QStringLiteral("114.3"), 0},
    {QStringLiteral("1,500"), 0},
    {QStringLiteral("-5"), 0},
    {QStringLiteral("+12"), 0},
    // Only their count and place are left to the conversion.
    {QStringLiteral("1.2.3"), 0},
    {QStringLiteral("--"), 0},
    {QStringLiteral("+"), 0},
    {QStringLiteral(","), -1},
    {QStringLiteral("."), -1},
    {QStringLiteral("-"), -1},
    {QStringLiteral(" 5"), -1},
    {QStringLiteral("5 "), -1},
    {QStringLiteral("1 0"), -1},
    {QStringLiteral("1e3"), -1},
    {QStringLiteral("abc"), -1},
    {QStringLiteral("１２"), -1},  // full-width digits
    {QStringLiteral("٣"), -1},     // Arabic-Indic digit
    {QStringLiteral("1\t"), -1},
    {QString::fromUtf16(u"1\0", 2), -1},
    {QStringLiteral("１．５"), -1},  // full-width point
};

TEST(FncChkNumText, ClassifiesTexts) {
    for (const CharCase& c : kCases) {
        EXPECT_EQ(ModCommonProc::FncChkNumText(c.text, static_cast<std::int32_t>(c.text.size())),
                  c.expected)
            << c.text.toStdString();
    }
}

TEST(FncChkNumText, NonPositiveLengthMeansEmpty) {
    EXPECT_EQ(ModCommonProc::FncChkNumText(QString(), 0), 1);
    EXPECT_EQ(ModCommonProc::FncChkNumText(QString(), -3), 1);
}

}  // namespace
