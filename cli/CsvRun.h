#pragma once
// Many measuring points from CSV: every record of the input goes out again
// with the result columns added, in the order read, a record at a time, so
// memory stays flat however long the list.

#include <functional>
#include <optional>
#include <string>

#include "cli/ByteStreams.h"
#include "cli/CsvEncoding.h"
#include "cli/ExitStatus.h"
#include "cli/PointRun.h"

struct CsvRunResult {
    // A usage error when the input could not be used or could not be read or
    // written; then `problem` says which.
    ExitStatus exitStatus = ExitStatus::Success;
    std::string problem;
};

// A remark on standard error that changes neither the output nor the status.
using CsvWarning = std::function<void(const std::string&)>;

// Where the output goes, once its encoding is known.
using SinkFor = std::function<ByteSink(CsvEncoding)>;

// A record of the list as computed, handed on in the list's order as it is
// written.
struct ListedPoint {
    const PointOutcome& outcome;  // a malformed record: Failed, with its message
    const QString& tag;           // the record's field of the column "tag", if any
    std::int64_t line;            // the list's line where the record starts
};
using ListedPointSink = std::function<void(const ListedPoint&)>;

// The output is in the input's encoding, `chosen` or else detected from the
// input's start, with its byte order mark if it has one. `points`, if given,
// gets every record.
CsvRunResult RunCsv(ByteSource input, const SinkFor& output, const ToolContext& context,
                    const CsvWarning& warn = {}, std::optional<CsvEncoding> chosen = {},
                    const ListedPointSink& points = {});
