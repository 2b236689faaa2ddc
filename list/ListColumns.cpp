#include "list/ListColumns.h"

#include <optional>
#include <set>

#include "list/Cp932.h"
#include "list/ListInput.h"
#include "rules/AsciiText.h"
#include "rules/ResultColumns.h"

std::variant<ListColumns, ListProblem> MapListColumns(const CsvRecord& header, CsvEncoding encoding,
                                                      const ListWarning& warn) {
    ListColumns columns;
    columns.of.fill(kNoColumn);
    columns.width = header.fields.size();
    std::set<std::string> warned;
    bool japanese = false, other = false;  // how the inputs are named
    for (std::size_t column = 0; column < header.fields.size(); ++column) {
        const std::string name = ToUtf8(header.fields[column], encoding);
        if (const std::optional<std::string> result = FncResultColumnNamed(name))
            return ListProblem{ListProblem::Kind::ResultColumn, *result};
        if (AsciiLower(TrimBlanks(name)) == "tag" && columns.tag == kNoColumn) columns.tag = column;
        bool japaneseCaption = false;
        const std::optional<std::size_t> field = FncGivenFieldNamed(name, &japaneseCaption);
        if (field) (japaneseCaption ? japanese : other) = true;
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
            return ListProblem{ListProblem::Kind::TwoColumns, GivenFields()[*field].optionName};
        }
        at = column;
    }
    if (japanese && !other) columns.results = ColumnNaming::JapaneseCaptions;
    return columns;
}

std::variant<ListHeader, ListProblem> ReadListHeader(CsvReader& reader, CsvEncoding encoding,
                                                     const ListWarning& warn) {
    const CsvRecord* header = reader.Next();
    if (header == nullptr) {
        if (reader.ReadError() != 0) return ListReadProblem(reader.ReadError());
        return ListProblem{ListProblem::Kind::NoHeader};
    }
    if (header->error != CsvError::None) return ListProblem{ListProblem::Kind::HeaderMalformed};
    auto columns = MapListColumns(*header, encoding, warn);
    if (auto* problem = std::get_if<ListProblem>(&columns)) return std::move(*problem);
    return ListHeader{header, std::get<ListColumns>(columns)};
}

std::array<std::string, 3> ResultColumnsOf(const ListColumns& columns, Units units,
                                           CsvEncoding encoding) {
    std::array<std::string, 3> names = FncResultColumnNames(units, columns.results);
    if (encoding == CsvEncoding::Cp932) {
        for (std::string& name : names)
            name = Cp932FromUnicode(QString::fromStdString(name)).toStdString();
    }
    return names;
}
