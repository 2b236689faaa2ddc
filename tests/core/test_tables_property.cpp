// The name lists and property tables by their structure; the worked spacing
// examples exercise their values.
#include <gtest/gtest.h>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "calc/PropertyTables.h"
#include "support/TestSupport.h"

namespace {

bool RowIsMissing(void (*read)(int), int row) {
    try {
        read(row);
    } catch (const CalcError& e) {
        return e.kind() == CalcErrorKind::SubscriptOutOfRange;
    }
    return false;
}

// Element 0 counts the entries; each entry has its table row (but the pipe
// list's typed-value entry) and the table no more. Sensor names are not
// translated.
TEST(PropertyTables, NameListsCountTheirEntriesAndTablesHoldARowForEach) {
    const struct {
        QStringList (*build)();
        int entries;
        void (*read)(int);
        int rows;
    } lists[] = {
        {BuildPipeNameList, kPipeSVRows + 1, [](int r) { PipeSVTable(r); }, kPipeSVRows},
        {BuildFluidNameList, kFluidSVRows, [](int r) { FluidSVTable(r); }, kFluidSVRows},
        {BuildLiningNameList, kLiningSVRows, [](int r) { LiningSVTable(r); }, kLiningSVRows},
        {BuildMountNameList, kZMethodEntry + 1, nullptr, 0},
        {BuildSensorNameList, kSensorRows, [](int r) { SensorTable(r); }, kSensorRows}};
    for (const auto& list : lists) {
        QStringList names[2];
        for (const int half : {0, 1}) {
            LanguageScope language(static_cast<std::int16_t>(half * 5000));
            names[half] = list.build();
            ASSERT_EQ(names[half].size(), list.entries + 1);
            EXPECT_EQ(names[half].at(0), QString::number(list.entries));
            EXPECT_FALSE(names[half].contains(""));
        }
        EXPECT_EQ(names[0] == names[1], list.build == BuildSensorNameList) << list.entries;
        if (list.read) {
            EXPECT_FALSE(RowIsMissing(list.read, list.rows - 1));
            EXPECT_TRUE(RowIsMissing(list.read, -1) && RowIsMissing(list.read, list.rows));
        }
    }
}

}  // namespace
