#include "cli/CsvRun.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <future>
#include <set>
#include <vector>

#include "cli/CsvReader.h"
#include "cli/CsvWriter.h"
#include "cli/PointOutput.h"
#include "rules/AsciiText.h"
#include "rules/FailureText.h"

namespace {

constexpr std::size_t kNoColumn = SIZE_MAX;

CsvRunResult Problem(std::string problem) {
    CsvRunResult result;
    result.exitStatus = 2;
    result.problem = std::move(problem);
    return result;
}

// Records are read, computed and written in batches, two held at a time
// whatever the length of the input, so that both cores work: see RunCsv.
constexpr std::size_t kBatchRecords = 4096;

struct Batch {
    // The records' fields, copied out of the reader's buffer.
    std::string bytes;
    std::vector<std::size_t> fieldEnds;  // offsets into bytes
    struct Record {
        std::size_t firstField, fieldCount;
        bool wellFormed;
    };
    std::vector<Record> records;
    // Per record: spacing, steps and message, UTF-8; whether it was computed.
    std::vector<std::array<QByteArray, 3>> results;
    std::vector<char> computed;  // not vector<bool>: two threads write it

    void Clear() {
        bytes.clear();
        fieldEnds.clear();
        records.clear();
    }
    std::string_view Field(std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : fieldEnds[index - 1];
        return std::string_view(bytes).substr(begin, fieldEnds[index] - begin);
    }
};

class CsvPipeline {
public:
    CsvPipeline(const ToolContext& context, std::array<std::size_t, kGivenCount> columnOf,
                std::size_t width)
        : context_(context),
          columnOf_(columnOf),
          width_(width),
          malformed_(context.Text(kMalformedRecordText).toUtf8()) {}

    // Fills `batch` from the reader; false when the input has ended.
    bool Read(CsvReader& reader, Batch& batch) const {
        batch.Clear();
        while (batch.records.size() < kBatchRecords) {
            const CsvRecord* record = reader.next();
            if (record == nullptr) return !batch.records.empty();
            const bool wellFormed =
                record->error == CsvError::None && record->fields.size() <= width_;
            batch.records.push_back({batch.fieldEnds.size(), record->fields.size(), wellFormed});
            for (const std::string_view field : record->fields) {
                batch.bytes += field;
                batch.fieldEnds.push_back(batch.bytes.size());
            }
        }
        return true;
    }

    static void Prepare(Batch& batch) {
        batch.results.resize(batch.records.size());
        batch.computed.assign(batch.records.size(), false);
    }

    // Computes records of the batch, a run at a time, until none is left;
    // any number of threads may share one batch through `next`.
    void Compute(Batch& batch, std::atomic<std::size_t>& next) const {
        constexpr std::size_t kRun = 64;
        for (std::size_t first; (first = next.fetch_add(kRun)) < batch.records.size();) {
            const std::size_t last = std::min(first + kRun, batch.records.size());
            for (std::size_t i = first; i < last; ++i) ComputeRecord(batch, i);
        }
    }

    void ComputeRecord(Batch& batch, std::size_t i) const {
        const Batch::Record& record = batch.records[i];
        auto& result = batch.results[i];
        if (!record.wellFormed) {
            result = {QByteArray(), QByteArray(), malformed_};
            return;
        }
        GivenPoint point;
        for (std::size_t at = 0; at < kGivenCount; ++at) {
            const std::size_t column = columnOf_[at];
            if (column == kNoColumn || column >= record.fieldCount) continue;
            point.values[at] = batch.Field(record.firstField + column);
        }
        const PointOutcome outcome = RunPoint(point, context_);
        result = {outcome.run.texts.result1.toUtf8(), outcome.run.texts.result2.toUtf8(),
                  outcome.message.toUtf8()};
        batch.computed[i] = outcome.run.outcome == SpacingRun::Outcome::Shown;
    }

    // Writes the batch; true when every record in it was computed.
    bool Write(const Batch& batch, CsvWriter& writer) const {
        bool all = true;
        for (std::size_t i = 0; i < batch.records.size(); ++i) {
            const Batch::Record& record = batch.records[i];
            for (std::size_t f = 0; f < record.fieldCount; ++f) {
                writer.field(batch.Field(record.firstField + f));
            }
            // Short records are padded, so the results stay in their columns.
            for (std::size_t column = record.fieldCount; column < width_; ++column) {
                writer.field({});
            }
            for (const QByteArray& text : batch.results[i]) {
                writer.field({text.constData(), std::size_t(text.size())});
            }
            writer.endRecord();
            all = all && batch.computed[i];
        }
        return all;
    }

private:
    const ToolContext& context_;
    const std::array<std::size_t, kGivenCount> columnOf_;
    const std::size_t width_;
    const QByteArray malformed_;
};

}  // namespace

CsvRunResult RunCsv(ByteSource input, ByteSink output, const ToolContext& context,
                    const CsvWarning& warn) {
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
    std::array<std::size_t, kGivenCount> columnOf;
    columnOf.fill(kNoColumn);
    const std::vector<std::string> names(header->fields.begin(), header->fields.end());
    std::set<std::string> warned;
    for (std::size_t column = 0; column < names.size(); ++column) {
        const std::string key = AsciiLower(TrimBlanks(names[column]));
        for (const std::string& result : resultColumns) {
            if (key == result) return Problem("the CSV already has a column '" + result + "'");
        }
        const std::optional<std::size_t> field = FncGivenFieldNamed(names[column]);
        if (!field) {
            const std::optional<std::size_t> near = FncGivenFieldNear(names[column]);
            if (near && warn && warned.insert(names[column]).second)
                warn("column '" + names[column] + "' is passed through; did you mean '" +
                     GivenFields()[*near].optionName + "'?");
            continue;
        }
        std::size_t& at = columnOf[*field];
        if (at != kNoColumn) {
            return Problem("the CSV has two columns for '" +
                           std::string(GivenFields()[*field].optionName) + "'");
        }
        at = column;
    }

    // The output's line ends answer the input's.
    CsvWriter writer(std::move(output), header->lineEnd == "\r\n" ? "\r\n" : "\n");
    for (const std::string& name : names) writer.field(name);
    for (const std::string& result : resultColumns) writer.field(result);
    writer.endRecord();

    const CsvPipeline pipeline(context, columnOf, names.size());
    CsvRunResult result;
    // While the helper computes one batch, this thread writes the one before
    // and reads the one after; then both finish the batch together.
    std::array<Batch, 2> batches;
    std::array<std::atomic<std::size_t>, 2> nextRecord{};
    std::future<void> helper;
    const auto startComputing = [&](std::size_t b) {
        CsvPipeline::Prepare(batches[b]);
        nextRecord[b] = 0;
        helper =
            std::async(std::launch::async, [&pipeline, &batch = batches[b], &next = nextRecord[b]] {
                pipeline.Compute(batch, next);
            });
    };
    std::size_t current = 0;
    bool more = pipeline.Read(reader, batches[current]);
    if (more) startComputing(current);
    while (more) {
        const std::size_t following = 1 - current;
        more = pipeline.Read(reader, batches[following]);
        pipeline.Compute(batches[current], nextRecord[current]);
        helper.get();
        if (more) startComputing(following);
        result.points += static_cast<long long>(batches[current].records.size());
        if (!pipeline.Write(batches[current], writer)) result.exitStatus = 1;
        current = following;
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
