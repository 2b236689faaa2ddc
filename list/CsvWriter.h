#pragma once
// Writes CSV records through a large buffer. A field is quoted only when it
// must be: when it holds a comma, a quote, CR or LF (quotes doubled),
// when it is a record's only field and empty (or the line would read as blank
// and be skipped), or when it starts the output with a byte order mark (or a
// reader would drop the mark). Every other field goes out byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "list/ByteStreams.h"

class CsvWriter {
public:
    // `lineEnd` ends each record: "\r\n" to answer CRLF input in kind, or "\n".
    explicit CsvWriter(ByteSink sink, std::string_view lineEnd = "\n",
                       std::size_t bufferSize = 64 * 1024);
    // Flushes, but cannot report an error then: call Flush() before.
    ~CsvWriter();
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void SetLineEnd(std::string_view lineEnd) { lineEnd_ = lineEnd; }
    void Field(std::string_view text);
    // `count` fields that hold no comma, quote, CR or LF (as fields read
    // unquoted), joined by commas: as Field() on each, but copied at once.
    void PlainFields(std::string_view joined, std::size_t count);
    void EndRecord();
    void Record(std::span<const std::string_view> fields);  // the fields, then EndRecord()

    // Writes out what is buffered. False once any write has failed: nothing
    // is written after a failure, and WriteError() holds its errno.
    bool Flush();
    int WriteError() const { return writeError_; }

private:
    bool PutPlain(std::string_view text, bool separated);
    bool NeedsQuotes(std::string_view text) const;
    void Put(std::string_view bytes);
    void Put(char byte);
    void Write(const char* bytes, std::size_t size);

    ByteSink sink_;
    std::string lineEnd_;
    std::array<bool, 256> special_{};  // bytes that make a field need quotes
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_, used_ = 0;
    std::size_t fieldsInRecord_ = 0;
    bool recordHasBytes_ = false, atStart_ = true;
    int writeError_ = 0;
};
