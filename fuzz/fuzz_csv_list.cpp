// The tool's whole list path on any bytes: the encoding found or chosen, columns
// named by option or caption, the given values resolved and computed, the output
// written. The first byte picks the language, units, encoding and read size. The
// output, read back with the same reader, holds every input record once, in order,
// its fields byte for byte, padded to the header's width, then a spacing (and maybe
// steps) or a message, or for a record not well-formed that message alone; the
// input's byte order mark; CRLF if the header ends so, else LF; the added texts in
// the output's encoding; status 0 exactly when no message. A list refused as a
// whole writes nothing; a near column name is warned of once.
#include <cstdlib>
#include <set>

#include "cli/PointOutput.h"
#include "list/Cp932.h"
#include "list/ListRun.h"
#include "rules/ResultColumns.h"
#include "tests/support/ReadAllCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t knobs = data[0];
    const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);
    // Japanese and English, metric and inch.
    static const auto made = [](int units, int language) {
        return PointContext(ModCommonProc::FncStartupValues(units, language));
    };
    static const PointContext contexts[] = {made(0, 0), made(0, 1), made(1, 0), made(1, 1)};
    const PointContext& context = contexts[knobs & 3];
    std::optional<CsvEncoding> chosen;
    if (knobs & 8) chosen = knobs & 4 ? CsvEncoding::Cp932 : CsvEncoding::Utf8;
    constexpr std::size_t kSample = 64 * 1024;
    const CsvEncoding encoding =
        chosen.value_or(DetectCsvEncoding(csv.substr(0, kSample), csv.size() <= kSample));

    std::string output;
    std::set<std::string> warned;  // each near name once
    const ListRunResult result = RunList(SourceFromMemory(csv, knobs >> 4 ? knobs >> 4 : SIZE_MAX),
                                         [&](CsvEncoding found) {
                                             if (found != encoding || !output.empty()) std::abort();
                                             return SinkToString(output);
                                         },
                                         context,
                                         {.warn =
                                              [&](const std::string& warning) {
                                                  if (!warned.insert(warning).second) std::abort();
                                              },
                                          .encoding = chosen});

    const std::vector<ReadRecord> in = ReadAll(csv);
    if (!result.problem.empty()) {
        if (!output.empty()) std::abort();
        return 0;
    }
    if (in.empty() || in[0].error != CsvError::None) std::abort();
    const std::vector<ReadRecord> out = ReadAll(output);
    if (out.size() != in.size() ||
        output.starts_with(kUtf8ByteOrderMark) != csv.starts_with(kUtf8ByteOrderMark))
        std::abort();
    const std::size_t width = in[0].fields.size();
    const bool utf8 = encoding == CsvEncoding::Utf8;
    const auto encoded = [&](const QString& text) {
        return (utf8 ? text.toUtf8() : Cp932FromUnicode(text)).toStdString();
    };
    const std::string malformed = encoded(context.ReasonText(Reason::MalformedRecord));
    const auto names = FncResultColumnNames(context.startup.format.units);
    bool allComputed = true;
    for (std::size_t i = 0; i < in.size(); ++i) {
        std::vector<std::string> fields = in[i].fields;
        const bool wellFormed = in[i].error == CsvError::None && fields.size() <= width;
        fields.resize(std::max(width, fields.size()));
        const std::vector<std::string>& back = out[i].fields;
        if (out[i].error != CsvError::None ||
            out[i].lineEnd != (in[0].lineEnd == "\r\n" ? "\r\n" : "\n") ||
            back.size() != fields.size() + 3 ||
            !std::equal(fields.begin(), fields.end(), back.begin()))
            std::abort();
        const std::vector<std::string> results(back.end() - 3, back.end());
        const std::string &spacing = results[0], &steps = results[1], &message = results[2];
        // In the output's encoding: decoded and encoded again, unchanged.
        if (encoded(utf8 ? QString::fromStdString(message) : Cp932ToUnicode(message)) != message ||
            (i == 0 ? !std::ranges::equal(results, names)
             : !wellFormed
                 ? !spacing.empty() || !steps.empty() || message != malformed
                 : spacing.empty() == message.empty() || (spacing.empty() && !steps.empty())))
            std::abort();
        allComputed = allComputed && (i == 0 || message.empty());
    }
    if (result.everyPointComputed != allComputed) std::abort();
    return 0;
}
