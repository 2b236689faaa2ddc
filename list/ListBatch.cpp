#include "list/ListBatch.h"

namespace {

// True when each field follows the one before after exactly one byte, its
// comma, in the reader's buffer. A quoted field never does: its quotes stand
// between it and its neighbours. So two fields or more that all follow each
// other hold no comma, quote, CR or LF, and read as they stand.
bool FollowEachOther(const std::vector<std::string_view>& fields) {
    for (std::size_t at = 1; at < fields.size(); ++at) {
        if (fields[at].data() != fields[at - 1].data() + fields[at - 1].size() + 1) return false;
    }
    return true;
}

}  // namespace

bool Batch::Read(CsvReader& reader, std::size_t width) {
    bytes.clear();
    fieldEnds.clear();
    records.clear();
    while (records.size() < kBatchRecords) {
        const CsvRecord* record = reader.Next();
        if (record == nullptr) return !records.empty();
        const std::vector<std::string_view>& fields = record->fields;
        const bool wellFormed = record->error == CsvError::None && fields.size() <= width;
        const bool joined = fields.size() >= 2 && FollowEachOther(fields);
        const std::size_t firstByte = bytes.size();
        records.push_back(
            {firstByte, fieldEnds.size(), fields.size(), wellFormed, joined, record->line});
        if (joined) {
            // One copy of the record, the fields found in it where they were.
            const char* const start = fields.front().data();
            const char* const end = fields.back().data() + fields.back().size();
            bytes.append(start, std::size_t(end - start));
            for (const std::string_view field : fields) {
                fieldEnds.push_back(firstByte + std::size_t(field.data() - start) + field.size());
            }
            continue;
        }
        for (const std::string_view field : fields) {
            bytes += field;
            fieldEnds.push_back(bytes.size());
        }
    }
    return true;
}
