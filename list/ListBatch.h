#pragma once
// Records of a list held in batches: read, computed and written a batch at a
// time, two held at a time whatever the length of the input, so that both
// cores work (list/ListRun.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/CsvReader.h"
#include "list/PointRun.h"

inline constexpr std::size_t kBatchRecords = 4096;

struct Batch {
    // The records' fields, copied out of the reader's buffer: those of a
    // joined record as they stood in it, with the commas between them.
    std::string bytes;
    std::vector<std::size_t> fieldEnds;  // offsets into bytes
    struct Record {
        std::size_t firstByte, firstField, fieldCount;
        bool wellFormed;
        // Two fields or more, none of them quoted: written again as read.
        bool joined;
        std::int64_t line;
    };
    std::vector<Record> records;
    // Per record: spacing, steps and message, UTF-8 (short texts held
    // without an allocation of their own); whether it was computed. Together,
    // so that the two threads write to cache lines of their own, not to
    // neighbouring flags of one line.
    struct Result {
        std::array<std::string, 3> texts;
        bool computed = false;
    };
    std::vector<Result> results;
    // Per record, what it came to, kept only for a sink of listed points.
    std::vector<PointOutcome> outcomes;

    // Room for a batch of typical records from the start: vectors that grow
    // step by step through the allocator left the peak memory half a
    // megabyte higher. Pages not written to cost no memory.
    Batch() {
        records.reserve(kBatchRecords);
        fieldEnds.reserve(kBatchRecords * 16);
        bytes.reserve(kBatchRecords * 128);
    }
    // The record's field `at`: it begins where the one before ends, after its
    // comma in a joined record.
    std::string_view Field(const Record& record, std::size_t at) const {
        const std::size_t begin =
            at == 0 ? record.firstByte : fieldEnds[record.firstField + at - 1] + record.joined;
        return Bytes(begin, fieldEnds[record.firstField + at]);
    }
    // A joined record's fields with their commas.
    std::string_view Joined(const Record& record) const {
        return Bytes(record.firstByte, fieldEnds[record.firstField + record.fieldCount - 1]);
    }

    // Fills the batch from `reader` with records of at most `width` fields
    // (longer ones are malformed); false when the input has ended.
    bool Read(CsvReader& reader, std::size_t width);

private:
    std::string_view Bytes(std::size_t begin, std::size_t end) const {
        return std::string_view(bytes).substr(begin, end - begin);
    }
};
