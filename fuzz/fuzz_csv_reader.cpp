// The CSV reader on arbitrary input. The first byte picks a
// small buffer, a read size and a record limit; the rest is the CSV. Beyond
// not crashing:
// - a tiny buffer fed in small reads returns exactly the records, lines,
//   line ends and errors of a large buffer fed all at once;
// - lines rise from record to record, and a malformed record has no fields;
// - the well-formed records, written out and read again, give the same
//   fields and line ends.
#include <cstdlib>

#include "list/CsvWriter.h"
#include "tests/support/ReadAllCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t knobs = data[0];
    const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);
    CsvReaderOptions options;
    if (knobs & 2) options.maxRecordSize = knobs >> 4;
    const std::vector<ReadRecord> whole = ReadAll(csv, options);

    options.bufferSize = 1 + (knobs >> 2 & 3);
    if (ReadAll(csv, options, 1 + (knobs >> 4)) != whole) std::abort();

    std::int64_t line = 0;
    std::string written;
    std::vector<ReadRecord> good;
    {
        CsvWriter writer(SinkToString(written), "\n", options.bufferSize);
        for (const ReadRecord& record : whole) {
            if (record.line <= line || (record.error != CsvError::None && !record.fields.empty()))
                std::abort();
            line = record.line;
            if (record.error != CsvError::None) continue;
            writer.SetLineEnd(record.lineEnd.empty() ? "\r\n" : record.lineEnd);
            for (const std::string& field : record.fields) writer.Field(field);
            writer.EndRecord();
            good.push_back(record);
        }
    }
    const std::vector<ReadRecord> again = ReadAll(written);
    if (again.size() != good.size()) std::abort();
    for (std::size_t i = 0; i < good.size(); ++i) {
        if (again[i].fields != good[i].fields || again[i].error != CsvError::None ||
            again[i].lineEnd != (good[i].lineEnd.empty() ? "\r\n" : good[i].lineEnd))
            std::abort();
    }
    return 0;
}
