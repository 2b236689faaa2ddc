// The pipe size tables by their structure and by the rows that are easy to
// get wrong, as the fields receive them; the names a user writes.
#include <gtest/gtest.h>

#include "rules/FieldRefusal.h"
#include "rules/PipeSizes.h"
#include "support/TestSupport.h"

namespace {

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Every row: named once, and two texts each field takes in either unit
// system and reads as the numbers the row is compared by. (Sizes ascending,
// walls that leave a bore and inches converted are checked where the tables
// are compiled.)
TEST(PipeSizeTables, EveryRowIsAPipeTheFieldsTake) {
    for (const PipeSchedule& schedule : PipeSchedules()) {
        SCOPED_TRACE(Q(schedule.name).toStdString());
        EXPECT_EQ(FncFindPipeSchedule(Q(schedule.name)),
                  std::size_t(&schedule - PipeSchedules().data()));
        for (std::size_t i = 0; i < schedule.sizes.size(); ++i) {
            const PipeSize& size = schedule.sizes[i];
            SCOPED_TRACE(Q(size.name).toStdString());
            EXPECT_EQ(FncFindPipeSize(schedule, Q(size.name)), i);
            for (const Units units : {Units::Metric, Units::Inch}) {
                const PipeSizeTexts texts = FncPipeSizeTexts(size, {units, kUs});
                const PipeSizeNumbers numbers = FncPipeSizeNumbers(size, units);
                for (const auto& [input, text, number] :
                     {std::tuple{InputId::OuterDiameter, texts.outerDiameter,
                                 numbers.outerDiameter},
                      std::tuple{InputId::WallThickness, texts.wall, numbers.wall}}) {
                    const InputDescriptor& field = Describe(input);
                    const FieldReading read =
                        FncReadField(field, text, {units, kUs}, EmptyText::Refused);
                    EXPECT_FALSE(read.refusal);
                    EXPECT_EQ(read.value, number) << text;
                    EXPECT_LE(text.size(), FncMaxInputLength(field, units)) << text;
                }
            }
        }
    }
}

// Where STD and Sch 40 part, the S schedules leave B36.10M, the 3-1/2 and the
// 1-1/4 forms, sizes a schedule lacks, and metric sizes in inches.
TEST(PipeSizeTables, RowsEasyToGetWrong) {
    const struct {
        const char *name, *schedule, *size, *mm, *inch;  // "OD WALL" as the fields take them
    } rows[] = {
        {"STD is Sch40 up to 10", "ASME STD", "10", "273.1 9.27", "10.750 0.365"},
        {"Sch40 parts from STD at 12", "ASME Sch40", "12", "323.9 10.31", "12.750 0.406"},
        {"STD at 12", "ASME STD", "12", "323.9 9.53", "12.750 0.375"},
        {"Sch40S follows STD at 12", "ASME Sch40S", "12", "323.9 9.53", "12.750 0.375"},
        {"Sch80 at 10", "ASME Sch80", "10", "273.1 15.09", "10.750 0.594"},
        {"XS parts from Sch80 at 10", "ASME XS", "10", "273.1 12.7", "10.750 0.500"},
        {"Sch80S follows XS at 10", "ASME Sch80S", "10", "273.1 12.7", "10.750 0.500"},
        {"3-1/2", "ASME Sch40", "3-1/2", "101.6 5.74", "4.000 0.226"},
        {"1-1/4 with a blank", "ASME Sch10", "1 1/4", "42.2 2.77", "1.660 0.109"},
        {"a metric size in inches", "SGP", "175a", "190.7 5.3", "7.508 0.209"},
        {"Sch5S, the thinnest SUS", "SUS Sch5S", "100A", "114.3 2.1", "4.500 0.083"},
        {"the largest PVC size in inches", "PVC VU", "800", "835.0 23.9", "32.874 0.941"},
        {"Sch40 lacks 22", "ASME Sch40", "22", nullptr, nullptr},
        {"STPG lacks 175A", "STPG Sch40", "175A", nullptr, nullptr},
        {"VU lacks 13", "PVC VU", "13", nullptr, nullptr},
        {"an inch size in a metric table", "SGP", "4", nullptr, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::optional<std::size_t> schedule = FncFindPipeSchedule(QString(r.schedule));
        EXPECT_TRUE(schedule);
        if (!schedule) continue;
        const std::optional<std::size_t> size =
            FncFindPipeSize(PipeSchedules()[*schedule], QString(r.size));
        EXPECT_EQ(size.has_value(), r.mm != nullptr);
        if (!size || !r.mm) continue;
        for (const Units units : {Units::Metric, Units::Inch}) {
            const PipeSizeTexts texts = FncPipeSizeTexts(SizeOf({*schedule, *size}), {units, kUs});
            EXPECT_EQ(texts.outerDiameter + ' ' + texts.wall, units == Units::Inch ? r.inch : r.mm);
        }
    }
}

// Names as a user writes them, the material a table implies, the row two
// texts name (the pipe material choosing between equal rows).
TEST(PipeSizeTables, NamesMaterialsAndTheRowOfTwoNumbers) {
    const auto name = [](const char* typed) {
        const std::optional<std::size_t> found = FncFindPipeSchedule(QString(typed));
        return found ? Q(PipeSchedules()[*found].name) : QString("-");
    };
    EXPECT_EQ(name(" sus sch 10"), "SUS Sch10S");
    EXPECT_EQ(name("ASME Sch4"), "-");  // Sch40 and Sch40S
    EXPECT_EQ(name(""), "-");
    for (const auto& [schedule, pipe] :
         {std::pair{"ASME XS", 0}, {"SUS Sch40", 1}, {"ASME Sch10S", 1}, {"PVC VU", 2}}) {
        EXPECT_EQ(FncImpliedPipeEntry(PipeSchedules()[*FncFindPipeSchedule(QString(schedule))]),
                  pipe)
            << schedule;
    }
    EXPECT_EQ(FncPipeSizeTexts(SizeOf({0, 0}), {Units::Metric, kGerman}).outerDiameter, "21,7");
    const auto row = [](const char* od, const char* wall) {
        const std::optional<PipeSizePick> pick =
            FncPipeSizeOfTexts(od, wall, 1, {Units::Metric, kUs});
        return pick ? Q(ScheduleOf(*pick).name) + ' ' + Q(SizeOf(*pick).name) : QString("-");
    };
    EXPECT_EQ(row("21.30", "2.77"), "ASME Sch40S 1/2");  // not Sch40, in carbon steel
    EXPECT_EQ(row("114.3", "4.6"), "-");
    EXPECT_EQ(row("", "4.5"), "-");
}

}  // namespace
