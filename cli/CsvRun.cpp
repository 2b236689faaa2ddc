#include "cli/CsvRun.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/CsvReader.h"
#include "cli/CsvWriter.h"
#include "cli/PointOutput.h"
#include "rules/FailureText.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A header name as a column is matched: blanks around it and letter case do
// not count.
std::string HeaderKey(std::string_view name) {
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

constexpr std::size_t kNoColumn = SIZE_MAX;

CsvRunResult Problem(std::string problem) {
    CsvRunResult result;
    result.exitStatus = 2;
    result.problem = std::move(problem);
    return result;
}

}  // namespace

CsvRunResult RunCsv(ByteSource input, ByteSink output, const ToolContext& context) {
    CsvReader reader(std::move(input));
    const CsvRecord* header = reader.next();
    if (header == nullptr) {
        if (reader.readError() != 0) {
            return Problem(std::string("cannot read the CSV: ") +
                           std::strerror(reader.readError()));
        }
        return Problem("the CSV has no header row");
    }
    if (header->error != CsvError::None) return Problem("the CSV header row is not well-formed");

    const std::string spacingColumn = "spacing-" + LengthUnit(context.startup);
    const std::string resultColumns[] = {spacingColumn, "steps", "message"};
    std::array<std::size_t, kInputCount> columnOf;
    columnOf.fill(kNoColumn);
    const std::vector<std::string_view> names = header->fields;
    for (std::size_t column = 0; column < names.size(); ++column) {
        const std::string key = HeaderKey(names[column]);
        for (const std::string& result : resultColumns) {
            if (key == result) return Problem("the CSV already has a column '" + result + "'");
        }
        for (const InputDescriptor& in : Inputs()) {
            if (key != in.optionName) continue;
            std::size_t& at = columnOf[FocusPosition(in.id)];
            if (at != kNoColumn) return Problem("the CSV has two columns '" + key + "'");
            at = column;
        }
    }
    const std::size_t width = names.size();

    // The output's line ends answer the input's.
    CsvWriter writer(std::move(output), header->lineEnd == "\r\n" ? "\r\n" : "\n");
    for (const std::string_view name : names) writer.field(name);
    for (const std::string& result : resultColumns) writer.field(result);
    writer.endRecord();

    CsvRunResult result;
    const QByteArray malformed = context.startup.Text(kMalformedRecordText).toUtf8();
    while (const CsvRecord* record = reader.next()) {
        ++result.points;
        const std::vector<std::string_view>& fields = record->fields;
        for (const std::string_view field : fields) writer.field(field);
        // Short records are padded, so the results stay in their columns.
        for (std::size_t column = fields.size(); column < width; ++column) writer.field({});
        if (record->error != CsvError::None || fields.size() > width) {
            writer.field({});
            writer.field({});
            writer.field({malformed.constData(), std::size_t(malformed.size())});
            writer.endRecord();
            result.exitStatus = 1;
            continue;
        }
        TypedPoint point;
        for (std::size_t at = 0; at < kInputCount; ++at) {
            const std::size_t column = columnOf[at];
            if (column == kNoColumn || column >= fields.size()) continue;
            point.values[at] = fields[column];
            point.given[at] = true;
        }
        const PointOutcome outcome = RunPoint(point, context);
        const QByteArray spacing = outcome.run.texts.result1.toUtf8();
        const QByteArray steps = outcome.run.texts.result2.toUtf8();
        const QByteArray message = outcome.message.toUtf8();
        writer.field({spacing.constData(), std::size_t(spacing.size())});
        writer.field({steps.constData(), std::size_t(steps.size())});
        writer.field({message.constData(), std::size_t(message.size())});
        writer.endRecord();
        if (outcome.run.outcome != SpacingRun::Outcome::Shown) result.exitStatus = 1;
    }
    if (reader.readError() != 0) {
        writer.flush();
        return Problem(std::string("cannot read the CSV: ") + std::strerror(reader.readError()));
    }
    if (!writer.flush()) {
        return Problem(std::string("cannot write the result: ") +
                       std::strerror(writer.writeError()));
    }
    return result;
}
