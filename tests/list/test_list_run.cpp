// A list opened in memory gives each record the outcome that the run gives
// it; the run reports its progress a batch at a time and stops when told.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "list/ListBatch.h"
#include "list/ListInput.h"
#include "list/ListRun.h"
#include "list/ListTable.h"

namespace {

// Built on first use: the texts it looks up are not there before main().
const PointContext& English() {
    static const PointContext context(ModCommonProc::FncStartupValues(0, 1));
    return context;
}

TEST(ListTable, EachRecordComesToWhatTheRunGivesIt) {
    const struct {
        const char* name;
        std::string_view csv;
        QStringList tags;  // none without a tag column
    } rows[] = {
        {"computed, refused, too long, malformed and short records",
         "tag,outer-diameter,wall,sensor\nP1,114.3,6,TB_01\nP2,10,6,TB_01\nP3,1,2,3,4\n"
         "\"P4\"x,1,2,3\nP5,60.5,3\n",
         {"P1", "P2", "P3", "", "P5"}},
        {"CRLF and a BOM, rail steps",
         "\xEF\xBB\xBFwall,outer-diameter,sensor\r\n3,60.5,TA_01\r\n",
         {""}},
        {"the tag last, a record short of it",
         "wall,outer-diameter,sensor,tag\n3,60.5,TA_01\n3,60.5,TA_01,B\n",
         {"", "B"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<PointOutcome> run;
        std::vector<std::int64_t> lines;
        QStringList tags;
        std::string output;
        RunList(SourceFromMemory(r.csv), [&](CsvEncoding) { return SinkToString(output); },
                English(), {.points = [&](const ListedPoint& listed) {
                    run.push_back(listed.outcome);
                    lines.push_back(listed.line);
                    tags.push_back(listed.tag);
                }});
        EXPECT_EQ(tags, r.tags);
        const auto read = ReadListTable(r.csv, English());
        const ListTable* table = std::get_if<ListTable>(&read);
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->records.size(), run.size());
        for (std::size_t at = 0; at < run.size(); ++at) {
            const PointOutcome outcome = ListRecordOutcome(*table, at, English());
            EXPECT_EQ(outcome.run.texts.result1, run[at].run.texts.result1) << at;
            EXPECT_EQ(outcome.run.texts.result2, run[at].run.texts.result2) << at;
            EXPECT_EQ(outcome.message, run[at].message) << at;
            EXPECT_EQ(table->records[at].line, lines[at]) << at;
        }
    }
}

TEST(ListTable, RefusesWhatTheRunRefuses) {
    const std::string_view csv = "wall,Wall\n6,6\n";
    std::string output;
    const ListRunResult result = RunList(
        SourceFromMemory(csv), [&](CsvEncoding) { return SinkToString(output); }, English());
    const auto read = ReadListTable(csv, English());
    ASSERT_TRUE(std::holds_alternative<ListProblem>(read));
    EXPECT_EQ(FncListProblemText(std::get<ListProblem>(read)), result.problem);
}

// A record of plain fields is kept once as it stood, its commas with it (a
// list's copy then costs one append a record); a quoted one field by field.
TEST(ListBatch, PlainRecordsAreKeptAsTheyStood) {
    CsvReader reader(SourceFromMemory("a,bc\n\"a\",b\n"));
    Batch batch;
    EXPECT_TRUE(batch.Read(reader, 2));
    EXPECT_EQ(batch.bytes, "a,bcab");
}

// The bytes read ahead for the encoding come back before the rest, in order,
// whatever piece of them a read asks for.
TEST(ListInput, WholeInputFromItsFirstByteInAnyPieces) {
    std::string text;
    for (int i = 0; text.size() < 100'000; ++i) text += std::to_string(i) + ",114.3\n";
    auto opened = OpenListInput(SourceFromMemory(text, 3'000), std::nullopt);
    ASSERT_TRUE(std::holds_alternative<ListInput>(opened));
    ByteSource& whole = std::get<ListInput>(opened).wholeInput;
    std::string read;
    char piece[1'000];
    for (std::ptrdiff_t count; (count = whole(piece, sizeof piece)) > 0;) read.append(piece, count);
    EXPECT_TRUE(read == text) << read.size() << " bytes of " << text.size();
}

TEST(ListRun, ReportsEachBatchWrittenAndStopsAtTheNextWhenCancelled) {
    std::string csv = "outer-diameter,wall\n";
    for (std::size_t i = 0; i < 2 * kBatchRecords + 1; ++i) csv += "114.3,6\n";
    {  // not cancelled: the third batch's record computed as the first's
        std::string output;
        RunList(
            SourceFromMemory(csv), [&](CsvEncoding) { return SinkToString(output); }, English());
        const QStringList lines = QString::fromStdString(output).split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), qsizetype(2 * kBatchRecords + 2));
        EXPECT_EQ(lines.back(), lines.value(1));
    }
    std::atomic<bool> cancel = false;
    std::vector<std::int64_t> written;
    std::string output;
    const ListRunResult result =
        RunList(SourceFromMemory(csv), [&](CsvEncoding) { return SinkToString(output); }, English(),
                {.progress = [&](std::int64_t count) { written.push_back(count), cancel = true; },
                 .cancel = &cancel});
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(written, std::vector<std::int64_t>{std::int64_t(kBatchRecords)});
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), std::ptrdiff_t(kBatchRecords + 1));
}

}  // namespace
