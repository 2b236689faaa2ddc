#include "list/ListRun.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <variant>

#include "list/CsvReader.h"
#include "list/CsvWriter.h"
#include "list/ListInput.h"
#include "rules/ResultColumns.h"

namespace {

ListRunResult Problem(std::string problem) {
    ListRunResult result;
    result.problem = std::move(problem);
    return result;
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
void ComputeRuns(const ListPipeline& pipeline, Batch& batch, Share& share, Handovers& handovers) {
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
    ComputingHelper(const ListPipeline& pipeline, std::array<Batch, 2>& batches,
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

    const ListPipeline& pipeline_;
    std::array<Batch, 2>& batches_;
    std::array<Share, 2>& shares_;
    Handovers& handovers_;
    std::thread thread_;  // last: it runs on the members above
};

// While both threads compute one batch, this thread has read the one after
// and handed it over too, so the helper need not wait for it; then it writes
// the batch once both have left it and reads the next into its place.
void RunBatches(CsvReader& reader, CsvWriter& writer, const ListPipeline& pipeline,
                const ListRunHooks& hooks, ListRunResult& result) {
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
    std::int64_t written = 0;
    bool more = pipeline.Read(reader, batches[0]);
    if (more) handOver(0);
    for (std::size_t number = 0; more; ++number) {
        if (hooks.cancel != nullptr && hooks.cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return;
        }
        Batch& batch = batches[number % 2];
        more = pipeline.Read(reader, batches[(number + 1) % 2]);
        if (more) handOver(number + 1);
        ComputeRuns(pipeline, batch, shares[number % 2], handovers);
        handovers.WaitUntilBothLeft(shares[number % 2]);
        if (!pipeline.Write(batch, writer)) result.everyPointComputed = false;
        written += std::int64_t(batch.records.size());
        if (hooks.progress) hooks.progress(written);
    }
}

}  // namespace

ListRunResult RunList(ByteSource input, const SinkFor& sinkFor, const PointContext& context,
                      const ListRunHooks& hooks) {
    auto opened = OpenListInput(std::move(input), hooks.encoding);
    if (const auto* problem = std::get_if<ListProblem>(&opened))
        return Problem(FncListProblemText(*problem));
    ListInput& start = std::get<ListInput>(opened);
    CsvReader reader(std::move(start.wholeInput));

    const auto read = ReadListHeader(reader, start.encoding, hooks.warn);
    if (const auto* problem = std::get_if<ListProblem>(&read))
        return Problem(FncListProblemText(*problem));
    const CsvRecord* header = std::get<ListHeader>(read).record;
    const ListColumns& columns = std::get<ListHeader>(read).columns;

    // The output answers the input: its byte order mark, line ends and encoding.
    ByteSink output = sinkFor(start.encoding);
    if (start.byteOrderMark && !output(kUtf8ByteOrderMark.data(), kUtf8ByteOrderMark.size()))
        return Problem(std::string("cannot write the result: ") + std::strerror(errno));
    CsvWriter writer(std::move(output), header->lineEnd == "\r\n" ? "\r\n" : "\n");
    for (const std::string_view name : header->fields) writer.Field(name);
    for (const std::string& result :
         ResultColumnsOf(columns, context.startup.format.units, start.encoding))
        writer.Field(result);
    writer.EndRecord();

    ListRunResult result;
    const ListPipeline pipeline(context, columns, start.encoding, hooks.points);
    RunBatches(reader, writer, pipeline, hooks, result);
    if (reader.ReadError() != 0) {
        writer.Flush();
        return Problem(FncListProblemText(ListReadProblem(reader.ReadError())));
    }
    if (!writer.Flush()) {
        return Problem(std::string("cannot write the result: ") +
                       std::strerror(writer.WriteError()));
    }
    return result;
}
