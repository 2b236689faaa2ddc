#pragma once
// Reads a whole text with the CSV reader and keeps what it returned, so that
// reads with different buffers can be compared record by record (the tests
// and the fuzz target share it).
#include <string>
#include <string_view>
#include <vector>

#include "list/CsvReader.h"

struct ReadRecord {
    std::int64_t line = 0;
    std::vector<std::string> fields;
    std::string lineEnd;
    CsvError error = CsvError::None;
    bool operator==(const ReadRecord&) const = default;
};

inline std::vector<ReadRecord> ReadAll(std::string_view text, CsvReaderOptions options = {},
                                       std::size_t piece = SIZE_MAX) {
    CsvReader reader(SourceFromMemory(text, piece), options);
    std::vector<ReadRecord> records;
    while (const CsvRecord* record = reader.Next()) {
        records.push_back({record->line,
                           {record->fields.begin(), record->fields.end()},
                           std::string(record->lineEnd),
                           record->error});
    }
    return records;
}
