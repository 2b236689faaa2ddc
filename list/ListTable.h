#pragma once
// A whole list read into memory to be shown: its header and each record's
// fields as UTF-8, with the columns found in the header. The same input run
// through RunList (list/ListRun.h) gives the outcome of each of these records
// in this order, and the list written with the result columns.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "list/CsvEncoding.h"
#include "list/ListColumns.h"
#include "list/PointRun.h"

struct ListTable {
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::vector<std::string> header;
    ListColumns columns;
    std::array<std::string, 3> results;  // the names RunList gives the result columns
    struct Record {
        std::vector<std::string> fields;  // none for a malformed record
        std::int64_t line = 0;            // where it starts in the list
        bool wellFormed = true;           // else it is refused as RunList refuses it
    };
    std::vector<Record> records;
};

// The list in `bytes`, or why it cannot be used (the problems RunList reports).
std::variant<ListTable, ListProblem> ReadListTable(std::string_view bytes,
                                                   const PointContext& context,
                                                   std::optional<CsvEncoding> chosen = {},
                                                   const ListWarning& warn = {});

// What record `at` comes to, as RunList computes it.
PointOutcome ListRecordOutcome(const ListTable& table, std::size_t at, const PointContext& context);
