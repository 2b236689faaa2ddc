#include "cli/CsvRun.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <unordered_map>
#include <variant>
#include <vector>

#include "cli/Cp932.h"
#include "cli/CsvReader.h"
#include "cli/CsvWriter.h"
#include "cli/PointOutput.h"
#include "rules/AsciiText.h"
#include "rules/ResultColumns.h"

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
    void Clear() {
        bytes.clear();
        fieldEnds.clear();
        records.clear();
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

private:
    std::string_view Bytes(std::size_t begin, std::size_t end) const {
        return std::string_view(bytes).substr(begin, end - begin);
    }
};

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
            const std::vector<std::string_view>& fields = record->fields;
            const bool wellFormed = record->error == CsvError::None && fields.size() <= width_;
            const bool joined = fields.size() >= 2 && FollowEachOther(fields);
            const std::size_t firstByte = batch.bytes.size();
            batch.records.push_back({firstByte, batch.fieldEnds.size(), fields.size(), wellFormed,
                                     joined, record->line});
            if (joined) {
                // One copy of the record, the fields found in it where they were.
                const char* const start = fields.front().data();
                const char* const end = fields.back().data() + fields.back().size();
                batch.bytes.append(start, std::size_t(end - start));
                for (const std::string_view field : fields) {
                    batch.fieldEnds.push_back(firstByte + std::size_t(field.data() - start) +
                                              field.size());
                }
                continue;
            }
            for (const std::string_view field : fields) {
                batch.bytes += field;
                batch.fieldEnds.push_back(batch.bytes.size());
            }
        }
        return true;
    }

    void Prepare(Batch& batch) const {
        batch.results.resize(batch.records.size());
        if (points_) batch.outcomes.resize(batch.records.size());
    }

    void ComputeRecord(Batch& batch, std::size_t i) const {
        const Batch::Record& record = batch.records[i];
        auto& result = batch.results[i];
        if (!record.wellFormed) {
            result = {{std::string(), std::string(), malformed_}, false};
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
            point.values[at] = batch.Field(record, column);
        }
        if (encoding_ == CsvEncoding::Cp932) {
            ForgetDecodedIfFull();
            for (std::string_view& value : point.values) {
                if (!IsAscii(value)) value = Utf8Of(value);
            }
        }
        PointOutcome outcome = RunPoint(point, context_);
        // The results are ASCII, the same in either encoding.
        result = {{Latin1(outcome.run.texts.result1), Latin1(outcome.run.texts.result2),
                   outcome.message.isEmpty() ? std::string() : Encoded(outcome.message)},
                  outcome.run.outcome == SpacingRun::Outcome::Shown};
        if (points_) batch.outcomes[i] = std::move(outcome);
    }

    // Writes the batch; true when every record in it was computed.
    bool Write(const Batch& batch, CsvWriter& writer) const {
        bool all = true;
        for (std::size_t i = 0; i < batch.records.size(); ++i) {
            const Batch::Record& record = batch.records[i];
            if (record.joined) {
                writer.PlainFields(batch.Joined(record), record.fieldCount);
            } else {
                for (std::size_t f = 0; f < record.fieldCount; ++f) {
                    writer.Field(batch.Field(record, f));
                }
            }
            // Short records are padded, so the results stay in their columns.
            for (std::size_t column = record.fieldCount; column < width_; ++column) {
                writer.Field({});
            }
            for (const std::string& text : batch.results[i].texts) writer.Field(text);
            writer.EndRecord();
            all = all && batch.results[i].computed;
            if (points_) {
                const QString tag = record.fieldCount > tagColumn_
                                        ? Text(batch.Field(record, tagColumn_))
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

    std::string Encoded(const QString& text) const {
        return (encoding_ == CsvEncoding::Utf8 ? text.toUtf8() : Cp932FromUnicode(text))
            .toStdString();
    }
    // As QString::toLatin1, into a string that holds a number's text in place.
    static std::string Latin1(const QString& text) {
        std::string bytes(std::size_t(text.size()), '\0');
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            const char16_t unit = text[qsizetype(at)].unicode();
            bytes[at] = unit < 0x100 ? char(unit) : '?';
        }
        return bytes;
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
    const std::string malformed_;
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
                                                 const std::array<std::string, 3>& resultColumns,
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

// How the two threads share the computing of one batch: each takes the next
// run of records while any is left, then counts itself out in `left`.
struct Share {
    std::atomic<std::size_t> next{0};
    std::size_t left = 0;  // under Handovers' lock
};

// What the two threads tell each other: which batches are handed over, and
// who has left which batch. Either waits seldom (the helper only when no
// batch is ready, this thread only for the helper's last run of a batch), so
// a lock and a condition variable serve. (Waiting on the atomics themselves
// hung the Windows build: its C++ library, GCC 12's for MinGW, can miss the
// wake-up of such a wait.)
class Handovers {
public:
    // Batch number `count` - 1 is ready.
    void HandOver(std::size_t count) {
        {
            const std::lock_guard lock(mutex_);
            handedOver_ = count;
        }
        changed_.notify_all();
    }
    void Quit() {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
    }
    // Until batch `number` is handed over; false once told to quit.
    bool WaitForBatch(std::size_t number) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return quit_ || handedOver_ > number; });
        return !quit_;
    }
    void Leave(Share& share) {
        {
            const std::lock_guard lock(mutex_);
            ++share.left;
        }
        changed_.notify_all();
    }
    // Once both threads have left it, every record of the batch is computed
    // and neither touches the batch or its share again: both may be reused.
    void WaitUntilBothLeft(const Share& share) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return share.left == 2; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t handedOver_ = 0;
    bool quit_ = false;
};

// Computes runs of the batch until none is left to take, then leaves it.
void ComputeRuns(const CsvPipeline& pipeline, Batch& batch, Share& share, Handovers& handovers) {
    constexpr std::size_t kRun = 32;
    const std::size_t size = batch.records.size();
    for (std::size_t first; (first = share.next.fetch_add(kRun)) < size;) {
        const std::size_t last = std::min(first + kRun, size);
        for (std::size_t i = first; i < last; ++i) pipeline.ComputeRecord(batch, i);
    }
    handovers.Leave(share);
}

// The second thread: it computes the batches in the order they are handed
// over, going on to the next one as soon as no run of one is left to take,
// and stays for the whole list.
class ComputingHelper {
public:
    ComputingHelper(const CsvPipeline& pipeline, std::array<Batch, 2>& batches,
                    std::array<Share, 2>& shares, Handovers& handovers)
        : pipeline_(pipeline),
          batches_(batches),
          shares_(shares),
          handovers_(handovers),
          thread_([this] { Run(); }) {}
    ~ComputingHelper() {
        handovers_.Quit();
        thread_.join();
    }
    ComputingHelper(const ComputingHelper&) = delete;
    ComputingHelper& operator=(const ComputingHelper&) = delete;

private:
    void Run() {
        for (std::size_t number = 0; handovers_.WaitForBatch(number); ++number)
            ComputeRuns(pipeline_, batches_[number % 2], shares_[number % 2], handovers_);
    }

    const CsvPipeline& pipeline_;
    std::array<Batch, 2>& batches_;
    std::array<Share, 2>& shares_;
    Handovers& handovers_;
    std::thread thread_;  // last: it runs on the members above
};

// While both threads compute one batch, this thread has read the one after
// and handed it over too, so the helper need not wait for it; then it writes
// the batch once both have left it and reads the next into its place. The
// exit status of the records.
ExitStatus RunBatches(CsvReader& reader, CsvWriter& writer, const CsvPipeline& pipeline) {
    ExitStatus status = ExitStatus::Success;
    std::array<Batch, 2> batches;
    std::array<Share, 2> shares;
    Handovers handovers;
    std::optional<ComputingHelper> helper;  // last: it quits before the above go
    const auto handOver = [&](std::size_t number) {
        Batch& batch = batches[number % 2];
        pipeline.Prepare(batch);
        shares[number % 2].next = 0;
        shares[number % 2].left = 0;  // both have left it: no one else reads it
        if (!helper) helper.emplace(pipeline, batches, shares, handovers);
        handovers.HandOver(number + 1);
    };
    bool more = pipeline.Read(reader, batches[0]);
    if (more) handOver(0);
    for (std::size_t number = 0; more; ++number) {
        Batch& batch = batches[number % 2];
        more = pipeline.Read(reader, batches[(number + 1) % 2]);
        if (more) handOver(number + 1);
        ComputeRuns(pipeline, batch, shares[number % 2], handovers);
        handovers.WaitUntilBothLeft(shares[number % 2]);
        if (!pipeline.Write(batch, writer)) status = ExitStatus::PointNotComputed;
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
    const auto resultColumns = FncResultColumnNames(context.startup.format.units);
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
