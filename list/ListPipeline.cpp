#include "list/ListPipeline.h"

#include <algorithm>

#include "list/Cp932.h"
#include "list/Cp932Fields.h"
#include "rules/AsciiText.h"

namespace {

// A result's text, which is ASCII, into a string that holds it in place.
std::string Latin1(const QString& text) {
    std::string bytes(std::size_t(text.size()), '\0');
    std::transform(text.cbegin(), text.cend(), bytes.begin(), [](QChar c) { return c.toLatin1(); });
    return bytes;
}

}  // namespace

QString FncRefusedRowName(const QString& tag, std::int64_t line, const StartupValues& startup) {
    return tag.isEmpty() ? startup.Text(TextId::SheetRefusedLine).arg(line) : tag;
}

PointOutcome MalformedRecordOutcome(const PointContext& context) {
    PointOutcome outcome;
    outcome.message = context.ReasonText(Reason::MalformedRecord);
    return outcome;
}

ListPipeline::ListPipeline(const PointContext& context, const ListColumns& columns,
                           CsvEncoding encoding, const ListedPointSink& points)
    : context_(context),
      columns_(columns),
      encoding_(encoding),
      malformed_(Encoded(context.ReasonText(Reason::MalformedRecord))),
      points_(points) {}

void ListPipeline::Prepare(Batch& batch) const {
    batch.results.resize(batch.records.size());
    if (points_) batch.outcomes.resize(batch.records.size());
}

void ListPipeline::ComputeRecord(Batch& batch, std::size_t i) const {
    const Batch::Record& record = batch.records[i];
    auto& result = batch.results[i];
    if (!record.wellFormed) {
        result = {{std::string(), std::string(), malformed_}, false};
        if (points_) batch.outcomes[i] = MalformedRecordOutcome(context_);
        return;
    }
    GivenPoint point = GivenPointOf(columns_, record.fieldCount, [&](std::size_t column) {
        return batch.Field(record, column);
    });
    if (encoding_ == CsvEncoding::Cp932) {
        ForgetCp932FieldsIfFull();
        for (std::string_view& value : point.values) {
            if (!IsAscii(value)) value = Cp932FieldAsUtf8(value);
        }
    }
    PointOutcome outcome = RunPoint(point, context_);
    // The results are ASCII, the same in either encoding.
    result = {{Latin1(outcome.run.texts.result1), Latin1(outcome.run.texts.result2),
               outcome.message.isEmpty() ? std::string() : Encoded(outcome.message)},
              outcome.run.outcome == SpacingRun::Outcome::Shown};
    if (points_) batch.outcomes[i] = std::move(outcome);
}

bool ListPipeline::Write(const Batch& batch, CsvWriter& writer) const {
    bool all = true;
    for (std::size_t i = 0; i < batch.records.size(); ++i) {
        const Batch::Record& record = batch.records[i];
        if (record.joined) {
            writer.PlainFields(batch.Joined(record), record.fieldCount);
        } else {
            for (std::size_t f = 0; f < record.fieldCount; ++f)
                writer.Field(batch.Field(record, f));
        }
        // Short records are padded, so the results stay in their columns.
        for (std::size_t column = record.fieldCount; column < columns_.width; ++column) {
            writer.Field({});
        }
        for (const std::string& text : batch.results[i].texts) writer.Field(text);
        writer.EndRecord();
        all = all && batch.results[i].computed;
        if (points_) {
            const QString tag = record.fieldCount > columns_.tag
                                    ? Text(batch.Field(record, columns_.tag))
                                    : QString();
            points_({batch.outcomes[i], tag, record.line});
        }
    }
    return all;
}

std::string ListPipeline::Encoded(const QString& text) const {
    return (encoding_ == CsvEncoding::Utf8 ? text.toUtf8() : Cp932FromUnicode(text)).toStdString();
}

QString ListPipeline::Text(std::string_view field) const {
    return encoding_ == CsvEncoding::Utf8 ? QString::fromUtf8(field.data(), qsizetype(field.size()))
                                          : Cp932ToUnicode(field);
}
