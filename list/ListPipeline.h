#pragma once
// What is done to each record of a list: its point computed as the window
// would, then the record written again with the result columns added.

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "list/CsvWriter.h"
#include "list/ListBatch.h"
#include "list/ListColumns.h"

// A record of the list as computed, handed on in the list's order as it is
// written.
struct ListedPoint {
    const PointOutcome& outcome;  // a malformed record: Failed, with its message
    const QString& tag;           // the record's field of the column "tag", if any
    std::int64_t line;            // the list's line where the record starts
};
using ListedPointSink = std::function<void(const ListedPoint&)>;

// How a record is named among the refused rows of the sheets: by its tag, or
// else by its line ("line 7").
QString FncRefusedRowName(const QString& tag, std::int64_t line, const StartupValues& startup);

// What a malformed record comes to: refused, with the reason's message.
PointOutcome MalformedRecordOutcome(const PointContext& context);

class ListPipeline {
public:
    ListPipeline(const PointContext& context, const ListColumns& columns, CsvEncoding encoding,
                 const ListedPointSink& points);

    bool Read(CsvReader& reader, Batch& batch) const { return batch.Read(reader, columns_.width); }
    // Makes room for the batch's results before its records are computed.
    void Prepare(Batch& batch) const;
    // Computes record `i`; records of one batch may be computed on several
    // threads at once.
    void ComputeRecord(Batch& batch, std::size_t i) const;
    // Writes the batch; true when every record in it was computed.
    bool Write(const Batch& batch, CsvWriter& writer) const;

private:
    std::string Encoded(const QString& text) const;
    QString Text(std::string_view field) const;

    const PointContext& context_;
    const ListColumns columns_;
    const CsvEncoding encoding_;
    const std::string malformed_;
    const ListedPointSink& points_;
};
