// The CSV reader on well-formed and malformed input. Every row is read with a
// large buffer and with buffers of a few bytes, from a source that hands out
// everything at once or a byte at a time: the records must not depend on
// where a read or a refill happened to cut the input. The writer: minimal
// quoting and failed writes (that everything it writes reads back unchanged
// is a property of the CSV fuzz target).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <tuple>
#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "list/CsvWriter.h"
#include "tests/support/ReadAllCsv.h"

// Shown on a mismatch: which record differs, and in what.
void PrintTo(const ReadRecord& r, std::ostream* os) {
    *os << "line " << r.line << ' ' << ::testing::PrintToString(r.fields) << ' '
        << ::testing::PrintToString(r.lineEnd) << " error " << static_cast<int>(r.error);
}

namespace {

using Fields = std::vector<std::string>;
using enum CsvError;

struct ReaderRow {
    const char* name;
    std::string_view input;
    std::vector<ReadRecord> expected;
    CsvReaderOptions options = {};
};

const ReaderRow kReaderRows[] = {
    {"plain", "a,b,c\n1,2,3\n", {{1, {"a", "b", "c"}, "\n"}, {2, {"1", "2", "3"}, "\n"}}},
    {"quotes, escaped quotes",
     "\"a,b\",\"say \"\"hi\"\"\",\"\"\"\"\n",
     {{1, {"a,b", "say \"hi\"", "\""}, "\n"}}},
    {"CRLF", "a,b\r\n\"c\"\r\nd", {{1, {"a", "b"}, "\r\n"}, {2, {"c"}, "\r\n"}, {3, {"d"}, ""}}},
    {"lone CR", "a\r\"b\"\rc\r", {{1, {"a"}, "\r"}, {2, {"b"}, "\r"}, {3, {"c"}, "\r"}}},
    {"BOM dropped at the start only",
     "\xEF\xBB\xBF-\n\xEF\xBB\xBF-\n",
     {{1, {"-"}, "\n"}, {2, {"\xEF\xBB\xBF-"}, "\n"}}},
    {"a cut BOM is text", "\xEF\xBB-\n", {{1, {"\xEF\xBB-"}, "\n"}}},
    {"blank lines", "\n\r\n\ra\n\n\nb\n\r\n", {{4, {"a"}, "\n"}, {7, {"b"}, "\n"}}},
    {"field straddling the buffer",
     "abcdefghij,\"klm\"\"nopqrs\"\r\nxy",
     {{1, {"abcdefghij", "klm\"nopqrs"}, "\r\n"}, {2, {"xy"}, ""}}},
    {"embedded line ends",
     "\"a\nb\",\"c\r\nd\re\"\nf\n",
     {{1, {"a\nb", "c\r\nd\re"}, "\n"}, {5, {"f"}, "\n"}}},
    {"empty fields",
     ",,\n\"\",x,\n\"\"\n,",
     {{1, {"", "", ""}, "\n"}, {2, {"", "x", ""}, "\n"}, {3, {""}, "\n"}, {4, {"", ""}, ""}}},
    {"quote inside an unquoted field",
     "a,b\"c,d\"\nok\n",
     {{1, {}, "\n", QuoteInUnquotedField}, {2, {"ok"}, "\n"}}},
    {"text after a closing quote",
     "x\n\"a\"b\"c,\"d\ne\"\r\nok",
     {{1, {"x"}, "\n"}, {2, {}, "\r\n", TextAfterClosingQuote}, {4, {"ok"}, ""}}},
    {"the first error names the record", "a\"b,\"c\"d\n", {{1, {}, "\n", QuoteInUnquotedField}}},
    {"unterminated quote", "ok\n\"abc\nd,e\n", {{1, {"ok"}, "\n"}, {2, {}, "", UnterminatedQuote}}},
    {"record longer than the limit",
     "abcde\nabcdef\n\"a\nb\"\r\nxy\na\"bcdef\n\"a\"\"b\"c",
     {{1, {"abcde"}, "\n"},
      {2, {}, "\n", RecordTooLong},
      {3, {"a\nb"}, "\r\n"},
      {5, {"xy"}, "\n"},
      {6, {}, "\n", RecordTooLong},
      {7, {}, "", RecordTooLong}},
     {.maxRecordSize = 5}},
};

TEST(CsvReader, RecordsWhateverTheBufferAndReadSizes) {
    struct Cut {
        std::size_t buffer, piece;
    };
    for (const ReaderRow& row : kReaderRows) {
        for (const Cut cut :
             {Cut{1 << 16, SIZE_MAX}, {1 << 16, 1}, {1, SIZE_MAX}, {3, 2}, {7, 5}}) {
            CsvReaderOptions options = row.options;
            options.bufferSize = cut.buffer;
            EXPECT_EQ(ReadAll(row.input, options, cut.piece), row.expected)
                << row.name << ", buffer " << cut.buffer << ", read size " << cut.piece;
        }
    }
}

// Records completed before a failed read are returned; the one cut by it is not.
TEST(CsvReader, ReadErrorEndsTheInputAndIsKept) {
    int calls = 0;
    CsvReader reader([&calls](char* buffer, std::size_t) -> std::ptrdiff_t {
        if (calls++ > 0) return errno = EIO, -1;
        return std::ptrdiff_t(std::string_view("a\nb").copy(buffer, 3));
    });
    const CsvRecord* first = reader.Next();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->fields, std::vector<std::string_view>{"a"});
    EXPECT_EQ(reader.Next(), nullptr);
    EXPECT_EQ(reader.ReadError(), EIO);
    EXPECT_EQ(reader.Next(), nullptr);
}

TEST(CsvReader, ReadsAFileDescriptor) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("a,\"b\r\nc\"\r\nd", file);
    std::rewind(file);
    CsvReader reader(SourceFromFd(fileno(file)), {.bufferSize = 4});
    std::vector<Fields> records;
    while (const CsvRecord* record = reader.Next())
        records.emplace_back(record->fields.begin(), record->fields.end());
    EXPECT_EQ(records, (std::vector<Fields>{{"a", "b\r\nc"}, {"d"}}));
    EXPECT_EQ(reader.ReadError(), 0);
    std::fclose(file);
}

struct WriterRow {
    const char* name;
    std::vector<std::vector<std::string_view>> records;
    std::string_view expected;
    std::string_view lineEnd = "\n";
};

const WriterRow kWriterRows[] = {
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

// Fields that need no quotes are written the same joined, through PlainFields.
TEST(CsvWriter, QuotesOnlyWhatMustBeQuoted) {
    for (const WriterRow& row : kWriterRows) {
        const bool plain = std::ranges::all_of(row.records, [](const auto& fields) {
            return std::ranges::all_of(fields, [](std::string_view field) {
                return field.find_first_of(",\"\r\n") == std::string_view::npos;
            });
        });
        for (const std::size_t bufferSize : {std::size_t(1) << 16, std::size_t(2)}) {
            for (const bool joined : {false, plain}) {
                std::string out;
                {
                    CsvWriter writer(SinkToString(out), row.lineEnd, bufferSize);
                    for (const auto& fields : row.records) {
                        if (!joined) {
                            writer.Record(fields);
                            continue;
                        }
                        std::string text(fields.front());
                        for (std::size_t at = 1; at < fields.size(); ++at)
                            text.append(",").append(fields[at]);
                        writer.PlainFields(text, fields.size());
                        writer.EndRecord();
                    }
                    EXPECT_TRUE(writer.Flush());
                }
                EXPECT_EQ(out, row.expected)
                    << row.name << ", buffer " << bufferSize << (joined ? ", joined" : "");
            }
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
