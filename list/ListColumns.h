#pragma once
// Which column of a list gives which value of a measuring point, found by the
// names in its header row, and the columns the results are written to.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "list/CsvEncoding.h"
#include "list/CsvReader.h"
#include "list/ListProblem.h"
#include "rules/GivenValues.h"
#include "rules/ResultColumns.h"
#include "settings/ModCommonProc.h"

inline constexpr std::size_t kNoColumn = SIZE_MAX;

struct ListColumns {
    std::array<std::size_t, kGivenCount> of;  // per given field, its column or kNoColumn
    std::size_t width = 0;                    // the header's
    std::size_t tag = kNoColumn;              // the measuring point's name, passed through
    // Japanese captions when they name the inputs, and nothing else does.
    ColumnNaming results = ColumnNaming::Options;
};

// A remark on the list that changes neither the output nor the outcome.
using ListWarning = std::function<void(const std::string&)>;

// The header's columns, or why the list cannot be used (it has a result
// column of either naming already, or names an input twice). Names are
// matched as UTF-8; a name near a field's is passed through with a warning.
std::variant<ListColumns, ListProblem> MapListColumns(const CsvRecord& header, CsvEncoding encoding,
                                                      const ListWarning& warn);

struct ListHeader {
    const CsvRecord* record;  // valid until the reader's next record
    ListColumns columns;
};

// The first record of `reader` read as the list's header, or why there is
// none that can be used. The run and the table both start here.
std::variant<ListHeader, ListProblem> ReadListHeader(CsvReader& reader, CsvEncoding encoding,
                                                     const ListWarning& warn);

// The names of the columns added after the header's, in the list's encoding.
std::array<std::string, 3> ResultColumnsOf(const ListColumns& columns, Units units,
                                           CsvEncoding encoding);

// The values a record of `fieldCount` fields gives, `field(column)` being its
// field of a column, as UTF-8 text.
template <class FieldOf>
GivenPoint GivenPointOf(const ListColumns& columns, std::size_t fieldCount, FieldOf field) {
    GivenPoint point;
    for (std::size_t at = 0; at < kGivenCount; ++at) {
        const std::size_t column = columns.of[at];
        if (column == kNoColumn || column >= fieldCount) continue;
        point.values[at] = field(column);
    }
    return point;
}
