#include "list/ListColumns.h"

#include <optional>
#include <set>

#include "rules/AsciiText.h"

std::variant<ListColumns, std::string> MapListColumns(const CsvRecord& header, CsvEncoding encoding,
                                                      const ListResultColumns& resultColumns,
                                                      const ListWarning& warn) {
    ListColumns columns;
    columns.of.fill(kNoColumn);
    columns.width = header.fields.size();
    std::set<std::string> warned;
    for (std::size_t column = 0; column < header.fields.size(); ++column) {
        const std::string name = ToUtf8(header.fields[column], encoding);
        const std::string key = AsciiLower(TrimBlanks(name));
        for (const std::string& result : resultColumns) {
            if (key == result) return "the CSV already has a column '" + result + "'";
        }
        if (key == "tag" && columns.tag == kNoColumn) columns.tag = column;
        const std::optional<std::size_t> field = FncGivenFieldNamed(name);
        if (!field) {
            const std::optional<std::size_t> near = FncGivenFieldNear(name);
            if (near && warn && warned.insert(name).second) {
                warn("column '" + name + "' is passed through; did you mean '" +
                     GivenFields()[*near].optionName + "'?");
            }
            continue;
        }
        std::size_t& at = columns.of[*field];
        if (at != kNoColumn) {
            return "the CSV has two columns for '" + std::string(GivenFields()[*field].optionName) +
                   "'";
        }
        at = column;
    }
    return columns;
}
