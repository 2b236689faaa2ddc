#pragma once
// Reads CSV (RFC 4180) record by record from a file, a pipe or standard input
// through one buffer of fixed size, so memory stays flat however long the
// input; the buffer grows only while a single record is longer than it.
//
// Fields are separated by commas; a field that starts with a quote runs
// to the matching quote, may hold separators, CR and LF, and writes a quote as
// two. Records end at CRLF, LF or a lone CR, or at the end of the input. A
// UTF-8 byte order mark at the very start is dropped, and empty lines are
// skipped (a record of one empty field is written `""`).
//
// A malformed record (a quote inside a field that did not start with one, text
// after a closing quote, a quote still open at the end of the input, a record
// longer than the limit) is returned with its error and no fields, and reading
// goes on with the next record: the bad one ends at the first line end outside
// a properly opened quoted field, a stray quote counting as an ordinary
// character. So one bad row costs that row only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "list/ByteStreams.h"

enum class CsvError : std::uint8_t {
    None,
    QuoteInUnquotedField,   // a"b
    TextAfterClosingQuote,  // "a"b
    UnterminatedQuote,      // "a at the end of the input
    RecordTooLong,          // longer than CsvReaderOptions::maxRecordSize
};

struct CsvRecord {
    // Valid until the next call of CsvReader::next; empty for a malformed record.
    std::vector<std::string_view> fields;
    std::int64_t line = 0;  // 1-based line of the record's first character
    // How the record ended: "\r\n", "\n", "\r", or "" at the end of the input.
    std::string_view lineEnd;
    CsvError error = CsvError::None;
};

struct CsvReaderOptions {
    std::size_t bufferSize = 64 * 1024;
    // A longer record is reported as RecordTooLong and skipped without being held.
    std::size_t maxRecordSize = 16 * 1024 * 1024;
};

class CsvReader {
public:
    explicit CsvReader(ByteSource source, CsvReaderOptions options = {});

    // The next record, or nullptr at the end of the input or after a read
    // error (then ReadError() is non-zero; the record being read is lost).
    const CsvRecord* Next();

    int ReadError() const { return readError_; }  // errno of the failed read, else 0

private:
    enum class State : std::uint8_t {
        RecordStart,
        BlankLineCr,  // a blank line's CR; an LF may follow
        FieldStart,
        Unquoted,
        Quoted,
        QuotedCr,       // CR inside quotes; an LF may follow
        QuoteInQuotes,  // closes the field or, doubled, stands for one quote
        RecordCr,       // CR ending the record; an LF may belong to it
    };
    struct FieldSpan {  // offsets from the record's first byte
        std::size_t begin, end;
        bool doubledQuotes;
    };

    bool Scan();
    bool ScanPlainLine(const char*& p, const char* end);
    bool Refill();
    bool FinishAtEndOfInput();
    void ReadByteOrderMark();
    void SetError(CsvError error);
    void CheckLength(std::size_t contentEnd);
    void AddField(std::size_t end);
    void CompleteRecord(std::string_view lineEnd);

    ByteSource source_;
    CsvReaderOptions options_;
    std::array<std::uint8_t, 256> classes_{};
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t recordBegin_ = 0, pos_ = 0, end_ = 0;  // buffer offsets
    bool endOfInput_ = false, bomChecked_ = false;
    int readError_ = 0;
    std::int64_t line_ = 1;  // line of pos_

    // The record being read; it may span several refills.
    State state_ = State::RecordStart;
    std::size_t dropped_ = 0;     // bytes of a malformed record no longer held
    std::size_t fieldBegin_ = 0;  // from recordBegin_
    bool fieldDoubledQuotes_ = false;
    std::vector<FieldSpan> spans_;
    CsvRecord record_;
};
