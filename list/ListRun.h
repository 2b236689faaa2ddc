#pragma once
// Many measuring points from a CSV list: every record of the input goes out
// again with the result columns added, in the order read, a record at a time,
// so memory stays flat however long the list. The tool runs a file or
// standard input through it; the window runs a list held in memory
// (SourceFromMemory, SinkToString) and writes the output as one file.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "list/ByteStreams.h"
#include "list/CsvEncoding.h"
#include "list/ListColumns.h"
#include "list/ListPipeline.h"
#include "list/PointRun.h"

struct ListRunResult {
    // The list could not be used, or could not be read or written: why.
    // Then nothing more is said of it.
    std::string problem;
    // Every record's point computed (none refused, failed or malformed).
    bool everyPointComputed = true;
    // Stopped at `cancel`: the output ends after a whole batch of records.
    bool cancelled = false;
};

// Where the output goes, once its encoding is known.
using SinkFor = std::function<ByteSink(CsvEncoding)>;

// What a run may be told besides its input and output; each may be left out.
struct ListRunHooks {
    ListWarning warn = {};
    // The input's encoding, else detected from its start.
    std::optional<CsvEncoding> encoding = {};
    // Gets every record, in the list's order.
    ListedPointSink points = {};
    // The count of records written so far, after each batch of them.
    std::function<void(std::int64_t written)> progress = {};
    // Set from another thread to stop the run before its next batch.
    const std::atomic<bool>* cancel = nullptr;
};

// The output is in the input's encoding, with its byte order mark if it has
// one, and its line ends (CRLF or LF).
ListRunResult RunList(ByteSource input, const SinkFor& output, const PointContext& context,
                      const ListRunHooks& hooks = {});
