// The CSV writer: minimal quoting and failed writes. (That everything it
// writes reads back unchanged is a property of the CSV fuzz target.)
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <tuple>
#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "cli/CsvWriter.h"

namespace {

struct WriterRow {
    const char* name;
    std::vector<std::vector<std::string_view>> records;
    std::string_view expected;
    std::string_view lineEnd = "\n";
};

const WriterRow kRows[] = {
    {"plain fields untouched", {{"a", " b ", "ä\t", "x=1"}}, "a, b ,ä\t,x=1\n"},
    {"separator", {{"a,b", "c"}}, "\"a,b\",c\n"},
    {"quotes doubled", {{"say \"hi\"", "\""}}, "\"say \"\"hi\"\"\",\"\"\"\"\n"},
    {"CR and LF", {{"a\rb", "c\nd"}}, "\"a\rb\",\"c\nd\"\n"},
    {"CRLF line end", {{"a"}, {"b", ""}}, "a\r\nb,\r\n", "\r\n"},
    {"only field empty", {{""}, {"", ""}}, "\"\"\n,\n"},
    {"BOM at the very start",
     {{"\xEF\xBB\xBF-", "\xEF\xBB\xBF"}, {"\xEF\xBB\xBF"}},
     "\"\xEF\xBB\xBF-\",\xEF\xBB\xBF\n\xEF\xBB\xBF\n"},
};

TEST(CsvWriter, QuotesOnlyWhatMustBeQuoted) {
    for (const WriterRow& row : kRows) {
        for (const std::size_t bufferSize : {std::size_t(1) << 16, std::size_t(2)}) {
            std::string out;
            {
                CsvWriter writer(SinkToString(out), row.lineEnd, bufferSize);
                for (const auto& fields : row.records) writer.Record(fields);
                EXPECT_TRUE(writer.Flush());
            }
            EXPECT_EQ(out, row.expected) << row.name << ", buffer " << bufferSize;
        }
    }
}

// A closed pipe (SIGPIPE ignored, as the tool must), a full disk, and a sink that fails without
// saying why. Not on Windows, which has neither the signal nor /dev/full.
#if !defined(_WIN32)
TEST(CsvWriter, ReportsFailedWrites) {
    std::signal(SIGPIPE, SIG_IGN);
    std::array<int, 2> pipeEnds;
    ASSERT_EQ(::pipe(pipeEnds.data()), 0);
    ::close(pipeEnds[0]);
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    const std::tuple<const char*, ByteSink, int> rows[] = {
        {"closed pipe", SinkToFd(pipeEnds[1]), EPIPE},
        {"disk full", SinkToFd(fileno(full)), ENOSPC},
        {"no reason", [](const char*, std::size_t) { return errno = 0, false; }, EIO}};
    for (const auto& [name, sink, error] : rows) {
        CsvWriter writer(sink, "\n", 4);
        writer.Record(std::array<std::string_view, 2>{"ab", "cd"});
        EXPECT_FALSE(writer.Flush()) << name;
        EXPECT_EQ(writer.WriteError(), error) << name;
    }
    std::fclose(full);
    ::close(pipeEnds[1]);
}
#endif

}  // namespace
