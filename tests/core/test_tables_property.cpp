// The name lists and property tables by their structure; their values are
// exercised through the worked spacing examples.
#include <gtest/gtest.h>

#include "calc/CalcError.h"
#include "calc/ListPositions.h"
#include "calc/PropertyTables.h"
#include "support/TestSupport.h"

namespace {

TEST(PropertyTables, NameListsCountTheirEntriesAndMatchTheirTables) {
    const struct {
        QStringList (*build)();
        int entries;
        bool localised;
    } lists[] = {{BuildPipeNameList, kPipeSVRows + 1, true},  // the typed-value entry has no row
                 {BuildFluidNameList, kFluidSVRows, true},
                 {BuildLiningNameList, kLiningSVRows, true},
                 {BuildMountNameList, kZMethodEntry + 1, true},
                 {BuildSensorNameList, kSensorRows, false}};
    for (const auto& list : lists) {
        QStringList names[2];
        for (const std::int16_t offset : {0, 5000}) {
            LanguageScope language(offset);
            names[offset / 5000] = list.build();
        }
        ASSERT_EQ(names[0].size(), list.entries + 1);
        EXPECT_EQ(names[0].at(0), QString::number(list.entries));
        EXPECT_EQ(names[0].at(0), names[1].at(0));
        EXPECT_FALSE(names[0].contains("") || names[1].contains(""));
        EXPECT_EQ(names[0] != names[1], list.localised) << list.entries;
    }
}

TEST(PropertyTables, EveryTableEndsAtItsLastRow) {
    const struct {
        void (*read)(int);
        int rows;
    } tables[] = {{[](int r) { PipeSVTable(r); }, kPipeSVRows},
                  {[](int r) { LiningSVTable(r); }, kLiningSVRows},
                  {[](int r) { FluidSVTable(r); }, kFluidSVRows},
                  {[](int r) { SensorTable(r); }, kSensorRows}};
    for (const auto& t : tables) {
        EXPECT_NO_THROW(t.read(t.rows - 1));
        for (const int row : {-1, t.rows}) {
            try {
                t.read(row);
                ADD_FAILURE() << "no failure for row " << row << " of " << t.rows;
            } catch (const CalcError& e) {
                EXPECT_EQ(e.kind(), CalcErrorKind::SubscriptOutOfRange);
            }
        }
    }
}

}  // namespace
