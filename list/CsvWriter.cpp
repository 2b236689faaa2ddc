#include "list/CsvWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

CsvWriter::CsvWriter(ByteSink sink, std::string_view lineEnd, std::size_t bufferSize)
    : sink_(std::move(sink)),
      lineEnd_(lineEnd),
      buffer_(std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(bufferSize, 1))),
      capacity_(std::max<std::size_t>(bufferSize, 1)) {
    for (const char byte : {',', '"', '\r', '\n'}) special_[std::uint8_t(byte)] = true;
}

CsvWriter::~CsvWriter() {
    Flush();
}

bool CsvWriter::NeedsQuotes(std::string_view text) const {
    if (atStart_ && text.starts_with("\xEF\xBB\xBF")) return true;
    return std::any_of(text.begin(), text.end(),
                       [this](char byte) { return special_[std::uint8_t(byte)]; });
}

// Most fields need no quotes and fit what is left of the buffer: they are
// checked while they are copied, in one pass. False, with nothing written,
// for any other field.
bool CsvWriter::PutPlain(std::string_view text, bool separated) {
    if (atStart_ || text.size() >= capacity_ - used_) return false;
    char* const begin = buffer_.get() + used_;
    char* out = begin;
    if (separated) *out++ = ',';
    for (const char byte : text) {
        if (special_[std::uint8_t(byte)]) return false;
        *out++ = byte;
    }
    if (out != begin) recordHasBytes_ = true;
    used_ += std::size_t(out - begin);
    return true;
}

void CsvWriter::Field(std::string_view text) {
    const bool separated = fieldsInRecord_++ > 0;
    if (PutPlain(text, separated)) return;
    if (separated) Put(',');
    if (!NeedsQuotes(text)) {
        Put(text);
        return;
    }
    Put('"');
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        Put(text.substr(0, quote + 1));  // the quote, and then its double
        Put('"');
        text.remove_prefix(quote + 1);
    }
    Put(text);
    Put('"');
}

void CsvWriter::PlainFields(std::string_view joined, std::size_t count) {
    // Of the quoting rules only the one for the start of the output can apply.
    if (atStart_) {
        for (std::size_t comma; (comma = joined.find(',')) != std::string_view::npos;
             joined.remove_prefix(comma + 1)) {
            Field(joined.substr(0, comma));
        }
        Field(joined);
        return;
    }
    if (fieldsInRecord_ > 0) Put(',');
    Put(joined);
    fieldsInRecord_ += count;
}

void CsvWriter::EndRecord() {
    if (fieldsInRecord_ == 1 && !recordHasBytes_) Put("\"\"");
    Put(lineEnd_);
    fieldsInRecord_ = 0;
    recordHasBytes_ = false;
}

void CsvWriter::Record(std::span<const std::string_view> fields) {
    for (const std::string_view text : fields) Field(text);
    EndRecord();
}

bool CsvWriter::Flush() {
    Write(buffer_.get(), used_);
    used_ = 0;
    return writeError_ == 0;
}

void CsvWriter::Put(std::string_view bytes) {
    if (bytes.empty()) return;
    recordHasBytes_ = true;
    atStart_ = false;
    if (bytes.size() > capacity_ - used_) {
        Flush();
        if (bytes.size() >= capacity_) return Write(bytes.data(), bytes.size());
    }
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void CsvWriter::Put(char byte) {
    Put(std::string_view(&byte, 1));
}

void CsvWriter::Write(const char* bytes, std::size_t size) {
    if (size == 0 || writeError_ != 0) return;
    errno = 0;
    if (!sink_(bytes, size)) writeError_ = errno != 0 ? errno : EIO;
}
