#include "list/ListTable.h"

#include "list/CsvReader.h"
#include "list/ListInput.h"
#include "list/ListPipeline.h"
#include "rules/ResultColumns.h"

std::variant<ListTable, ListProblem> ReadListTable(std::string_view bytes,
                                                   const PointContext& context,
                                                   std::optional<CsvEncoding> chosen,
                                                   const ListWarning& warn) {
    auto opened = OpenListInput(SourceFromMemory(bytes), chosen);
    if (const auto* problem = std::get_if<ListProblem>(&opened)) return *problem;
    ListTable table;
    table.encoding = std::get<ListInput>(opened).encoding;
    CsvReader reader(std::move(std::get<ListInput>(opened).wholeInput));
    auto header = ReadListHeader(reader, table.encoding, warn);
    if (const auto* problem = std::get_if<ListProblem>(&header)) return *problem;
    table.columns = std::get<ListHeader>(header).columns;
    table.results = FncResultColumnNames(context.startup.format.units, table.columns.results);
    for (const std::string_view name : std::get<ListHeader>(header).record->fields)
        table.header.push_back(ToUtf8(name, table.encoding));
    while (const CsvRecord* record = reader.Next()) {
        ListTable::Record& row = table.records.emplace_back();
        row.line = record->line;
        row.wellFormed =
            record->error == CsvError::None && record->fields.size() <= table.columns.width;
        for (const std::string_view field : record->fields)
            row.fields.push_back(ToUtf8(field, table.encoding));
    }
    return table;
}

PointOutcome ListRecordOutcome(const ListTable& table, std::size_t at,
                               const PointContext& context) {
    const ListTable::Record& record = table.records[at];
    if (!record.wellFormed) return MalformedRecordOutcome(context);
    return RunPoint(
        GivenPointOf(table.columns, record.fields.size(),
                     [&](std::size_t column) -> std::string_view { return record.fields[column]; }),
        context);
}
