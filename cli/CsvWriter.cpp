#include "cli/CsvWriter.h"

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
    flush();
}

bool CsvWriter::needsQuotes(std::string_view text) const {
    if (atStart_ && text.starts_with("\xEF\xBB\xBF")) return true;
    return std::any_of(text.begin(), text.end(),
                       [this](char byte) { return special_[std::uint8_t(byte)]; });
}

void CsvWriter::field(std::string_view text) {
    if (fieldsInRecord_++ > 0) put(',');
    if (!needsQuotes(text)) {
        put(text);
        return;
    }
    put('"');
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        put(text.substr(0, quote + 1));  // the quote, and then its double
        put('"');
        text.remove_prefix(quote + 1);
    }
    put(text);
    put('"');
}

void CsvWriter::endRecord() {
    if (fieldsInRecord_ == 1 && !recordHasBytes_) put("\"\"");
    put(lineEnd_);
    fieldsInRecord_ = 0;
    recordHasBytes_ = false;
}

void CsvWriter::record(std::span<const std::string_view> fields) {
    for (const std::string_view text : fields) field(text);
    endRecord();
}

bool CsvWriter::flush() {
    write(buffer_.get(), used_);
    used_ = 0;
    return writeError_ == 0;
}

void CsvWriter::put(std::string_view bytes) {
    if (bytes.empty()) return;
    recordHasBytes_ = true;
    atStart_ = false;
    if (bytes.size() > capacity_ - used_) {
        flush();
        if (bytes.size() >= capacity_) return write(bytes.data(), bytes.size());
    }
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void CsvWriter::put(char byte) {
    put(std::string_view(&byte, 1));
}

void CsvWriter::write(const char* bytes, std::size_t size) {
    if (size == 0 || writeError_ != 0) return;
    errno = 0;
    if (!sink_(bytes, size)) writeError_ = errno != 0 ? errno : EIO;
}
