#include "cli/CsvRun.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <future>
#include <set>
#include <unordered_map>
#include <variant>
#include <vector>

#include "cli/Cp932.h"
#include "cli/CsvReader.h"
#include "cli/CsvWriter.h"
#include "cli/PointOutput.h"
#include "rules/AsciiText.h"

namespace {

constexpr std::size_t kNoColumn = SIZE_MAX;

struct CsvColumns {
    std::array<std::size_t, kGivenCount> of;  // per given field, its column or kNoColumn
    std::size_t width = 0;                    // the header's
    std::size_t tag = kNoColumn;              // the measuring point's name, passed through
};

CsvRunResult Problem(std::string problem) {
    CsvRunResult result;
    result.exitStatus = ExitStatus::UsageError;
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
        std::int64_t line;
    };
    std::vector<Record> records;
    // Per record: spacing, steps and message, UTF-8; whether it was computed.
    std::vector<std::array<QByteArray, 3>> results;
    std::vector<char> computed;  // not vector<bool>: two threads write it
    // Per record, what it came to, kept only for a sink of listed points.
    std::vector<PointOutcome> outcomes;

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
    CsvPipeline(const ToolContext& context, const CsvColumns& columns, CsvEncoding encoding,
                const ListedPointSink& points)
        : context_(context),
          columnOf_(columns.of),
          width_(columns.width),
          tagColumn_(columns.tag),
          encoding_(encoding),
          malformed_(Encoded(context.ReasonText(Reason::MalformedRecord))),
          points_(points) {}

    // Fills `batch` from the reader; false when the input has ended.
    bool Read(CsvReader& reader, Batch& batch) const {
        batch.Clear();
        while (batch.records.size() < kBatchRecords) {
            const CsvRecord* record = reader.Next();
            if (record == nullptr) return !batch.records.empty();
            const bool wellFormed =
                record->error == CsvError::None && record->fields.size() <= width_;
            batch.records.push_back(
                {batch.fieldEnds.size(), record->fields.size(), wellFormed, record->line});
            for (const std::string_view field : record->fields) {
                batch.bytes += field;
                batch.fieldEnds.push_back(batch.bytes.size());
            }
        }
        return true;
    }

    void Prepare(Batch& batch) const {
        batch.results.resize(batch.records.size());
        batch.computed.assign(batch.records.size(), false);
        if (points_) batch.outcomes.resize(batch.records.size());
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
            if (points_) {
                batch.outcomes[i] = PointOutcome();
                batch.outcomes[i].message = context_.ReasonText(Reason::MalformedRecord);
            }
            return;
        }
        GivenPoint point;
        for (std::size_t at = 0; at < kGivenCount; ++at) {
            const std::size_t column = columnOf_[at];
            if (column == kNoColumn || column >= record.fieldCount) continue;
            point.values[at] = batch.Field(record.firstField + column);
        }
        if (encoding_ == CsvEncoding::Cp932) {
            ForgetDecodedIfFull();
            for (std::string_view& value : point.values) {
                if (!IsAscii(value)) value = Utf8Of(value);
            }
        }
        PointOutcome outcome = RunPoint(point, context_);
        // The results are ASCII, the same in either encoding.
        result = {outcome.run.texts.result1.toLatin1(), outcome.run.texts.result2.toLatin1(),
                  Encoded(outcome.message)};
        batch.computed[i] = outcome.run.outcome == SpacingRun::Outcome::Shown;
        if (points_) batch.outcomes[i] = std::move(outcome);
    }

    // Writes the batch; true when every record in it was computed.
    bool Write(const Batch& batch, CsvWriter& writer) const {
        bool all = true;
        for (std::size_t i = 0; i < batch.records.size(); ++i) {
            const Batch::Record& record = batch.records[i];
            for (std::size_t f = 0; f < record.fieldCount; ++f) {
                writer.Field(batch.Field(record.firstField + f));
            }
            // Short records are padded, so the results stay in their columns.
            for (std::size_t column = record.fieldCount; column < width_; ++column) {
                writer.Field({});
            }
            for (const QByteArray& text : batch.results[i]) {
                writer.Field({text.constData(), std::size_t(text.size())});
            }
            writer.EndRecord();
            all = all && batch.computed[i];
            if (points_) {
                const QString tag = record.fieldCount > tagColumn_
                                        ? Text(batch.Field(record.firstField + tagColumn_))
                                        : QString();
                points_({batch.outcomes[i], tag, record.line});
            }
        }
        return all;
    }

private:
    // Fields of code page 932 as UTF-8. The same few names come again and
    // again, so each thread keeps what it has decoded, up to a limit.
    using Decoded = std::unordered_map<std::string, std::string, StringViewHash, std::equal_to<>>;
    static Decoded& ThreadDecoded() {
        thread_local Decoded decoded;
        return decoded;
    }
    // Valid until ForgetDecodedIfFull().
    static std::string_view Utf8Of(std::string_view cp932) {
        Decoded& decoded = ThreadDecoded();
        if (const auto found = decoded.find(cp932); found != decoded.end()) return found->second;
        return decoded.emplace(cp932, Cp932ToUnicode(cp932).toStdString()).first->second;
    }
    static void ForgetDecodedIfFull() {
        if (ThreadDecoded().size() >= 4096) ThreadDecoded().clear();
    }

    QByteArray Encoded(const QString& text) const {
        return encoding_ == CsvEncoding::Utf8 ? text.toUtf8() : Cp932FromUnicode(text);
    }
    QString Text(std::string_view field) const {
        return encoding_ == CsvEncoding::Utf8
                   ? QString::fromUtf8(field.data(), qsizetype(field.size()))
                   : Cp932ToUnicode(field);
    }

    const ToolContext& context_;
    const std::array<std::size_t, kGivenCount> columnOf_;
    const std::size_t width_;
    const std::size_t tagColumn_;
    const CsvEncoding encoding_;
    const QByteArray malformed_;
    const ListedPointSink& points_;
};

// How much of the input decides its encoding.
constexpr std::size_t kEncodingSample = 64 * 1024;

// The first bytes of the input, and a source that gives them again before
// the rest.
struct InputStart {
    std::string bytes;
    bool complete = false;  // the whole input
    int readError = 0;
};

InputStart ReadStart(ByteSource& source) {
    InputStart start;
    start.bytes.resize(kEncodingSample);
    std::size_t filled = 0;
    while (filled < start.bytes.size()) {
        errno = 0;
        const std::ptrdiff_t count =
            source(start.bytes.data() + filled, start.bytes.size() - filled);
        if (count < 0) start.readError = errno != 0 ? errno : EIO;
        if (count <= 0) {
            start.complete = true;
            break;
        }
        filled += std::size_t(count);
    }
    start.bytes.resize(filled);
    return start;
}

ByteSource StartThenRest(std::string start, ByteSource rest, bool complete) {
    return [start = std::move(start), rest = std::move(rest), complete, at = std::size_t(0)](
               char* buffer, std::size_t size) mutable -> std::ptrdiff_t {
        if (at < start.size()) {
            const std::size_t count = std::min(size, start.size() - at);
            std::memcpy(buffer, start.data() + at, count);
            at += count;
            return std::ptrdiff_t(count);
        }
        return complete ? 0 : rest(buffer, size);
    };
}

std::string ToUtf8(std::string_view text, CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf8 ? std::string(text) : Cp932ToUnicode(text).toStdString();
}

// Which column gives which field. Names are matched as UTF-8.
std::variant<CsvColumns, std::string> MapColumns(const CsvRecord& header, CsvEncoding encoding,
                                                 const std::string (&resultColumns)[3],
                                                 const CsvWarning& warn) {
    CsvColumns columns;
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

CsvRunResult ReadProblem(int error) {
    return Problem(std::string("cannot read the CSV: ") + std::strerror(error));
}

// While the helper computes one batch, this thread writes the one before and
// reads the one after; then both finish the batch together. The exit status
// of the records.
ExitStatus RunBatches(CsvReader& reader, CsvWriter& writer, const CsvPipeline& pipeline) {
    ExitStatus status = ExitStatus::Success;
    std::array<Batch, 2> batches;
    std::array<std::atomic<std::size_t>, 2> nextRecord{};
    std::future<void> helper;
    const auto startComputing = [&](std::size_t b) {
        pipeline.Prepare(batches[b]);
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
        if (!pipeline.Write(batches[current], writer)) status = ExitStatus::PointNotComputed;
        current = following;
    }
    return status;
}

}  // namespace

CsvRunResult RunCsv(ByteSource input, const SinkFor& sinkFor, const ToolContext& context,
                    const CsvWarning& warn, std::optional<CsvEncoding> chosen,
                    const ListedPointSink& points) {
    InputStart start = ReadStart(input);
    if (start.readError != 0) return ReadProblem(start.readError);
    const CsvEncoding encoding = chosen.value_or(DetectCsvEncoding(start.bytes, start.complete));
    if (encoding == CsvEncoding::Cp932 && !Cp932Available())
        return Problem("code page 932 is not available on this system");
    const bool byteOrderMark = start.bytes.starts_with(kUtf8ByteOrderMark);
    CsvReader reader(StartThenRest(std::move(start.bytes), std::move(input), start.complete));

    const CsvRecord* header = reader.Next();
    if (header == nullptr) {
        if (reader.ReadError() != 0) return ReadProblem(reader.ReadError());
        return Problem("the CSV has no header row");
    }
    if (header->error != CsvError::None) return Problem("the CSV header row is not well-formed");
    const std::string resultColumns[] = {"spacing-" + LengthUnit(context.startup), "steps",
                                         "message"};
    const auto columns = MapColumns(*header, encoding, resultColumns, warn);
    if (const auto* problem = std::get_if<std::string>(&columns)) return Problem(*problem);

    // The output answers the input: its byte order mark, line ends and encoding.
    ByteSink output = sinkFor(encoding);
    if (byteOrderMark && !output(kUtf8ByteOrderMark.data(), kUtf8ByteOrderMark.size()))
        return Problem(std::string("cannot write the result: ") + std::strerror(errno));
    CsvWriter writer(std::move(output), header->lineEnd == "\r\n" ? "\r\n" : "\n");
    for (const std::string_view name : header->fields) writer.Field(name);
    for (const std::string& result : resultColumns) writer.Field(result);
    writer.EndRecord();

    CsvRunResult result;
    const CsvPipeline pipeline(context, std::get<CsvColumns>(columns), encoding, points);
    result.exitStatus = RunBatches(reader, writer, pipeline);
    if (reader.ReadError() != 0) {
        writer.Flush();
        return ReadProblem(reader.ReadError());
    }
    if (!writer.Flush()) {
        return Problem(std::string("cannot write the result: ") +
                       std::strerror(writer.WriteError()));
    }
    return result;
}
